// The rows of a table kept in a text file beside its test: "|" between the
// columns, each trimmed; lines starting with "#" and blank lines skipped.
#pragma once

#include <algorithm>
#include <fstream>
#include <sstream>
#include <stdexcept>
#include <string>
#include <vector>

namespace tavrel::testing {

using Row = std::vector<std::string>;

// Every row with at least `columns` columns, the missing ones empty.
inline std::vector<Row> ReadRows(const std::string &path, std::size_t columns)
{
    std::ifstream file(path);
    if (!file)
        throw std::runtime_error("cannot read " + path);
    std::vector<Row> rows;
    for (std::string line; std::getline(file, line);) {
        if (line.find_first_not_of(' ') == std::string::npos || line[0] == '#')
            continue;
        Row &row = rows.emplace_back();
        std::istringstream in(line);
        for (std::string column; std::getline(in, column, '|');) {
            const std::size_t first = column.find_first_not_of(' ');
            row.push_back(first == std::string::npos
                              ? ""
                              : column.substr(first, column.find_last_not_of(' ') - first + 1));
        }
        row.resize(std::max(columns, row.size()));
    }
    return rows;
}

// What a text file cannot hold well: "_" a blank, <tab> <lf> <cr> <nul>, and
// <1024 x> the character x 1024 times.
inline std::string Unescape(const std::string &text)
{
    std::string out;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const std::size_t end = text.find('>', i);
        const std::string name =
            text[i] == '<' && end != std::string::npos ? text.substr(i + 1, end - i - 1) : "";
        if (name == "tab" || name == "lf" || name == "cr" || name == "nul")
            out += name == "tab" ? '\t' : name == "lf" ? '\n' : name == "cr" ? '\r' : '\0';
        else if (!name.empty() && name.find(' ') == name.size() - 2)
            out.append(std::stoul(name), name.back());
        else {
            out += text[i] == '_' ? ' ' : text[i];
            continue;
        }
        i = end;
    }
    return out;
}

} // namespace tavrel::testing
