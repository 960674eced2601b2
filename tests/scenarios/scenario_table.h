// The shared scenario table (scenarios.txt) as the C++ drivers read it.
#pragma once

#include "../rows.h"

#include <algorithm>
#include <iterator>
#include <optional>
#include <sstream>
#include <string>
#include <vector>

namespace tavrel {

struct Scenario
{
    std::string name;
    std::vector<std::string> steps, checks;
    std::string notHere; // why this front-end cannot run the row, if it cannot
};

// Pasted over a box: long, with control characters, a bidirectional
// override and a lone surrogate.
inline const std::wstring kHostilePaste = std::wstring(100000, L'9') + L"\x01\x1b\t\x202e"
                                                                       L"12345\xd800";

// The rows, each with the reason the front-end `here` ("qt", "win32",
// "web") gives for not running it, if the table gives one.
inline std::vector<Scenario> ReadScenarios(const std::string &path, const std::string &here)
{
    const auto words = [](const std::string &text) {
        std::istringstream in(text);
        return std::vector<std::string>(std::istream_iterator<std::string>(in), {});
    };
    std::vector<Scenario> rows;
    for (const testing::Row &row : testing::ReadRows(path, 4))
        rows.push_back({row[0], words(row[1]), words(row[2]),
                        std::ranges::count(words(row[3]), here + ":") ? row[3] : ""});
    return rows;
}

// What a check expects: a text ("_" stands for a blank), or at least a number.
struct Expected
{
    std::string value;
    std::optional<int> atLeast;
};

inline Expected ParseCheck(const std::string &check)
{
    if (const std::size_t at = check.find(">="); at != std::string::npos)
        return {"", std::stoi(check.substr(at + 2))};
    std::string value = check.substr(check.find('=') + 1);
    std::ranges::replace(value, '_', ' ');
    return {value, std::nullopt};
}

} // namespace tavrel
