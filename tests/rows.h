// The rows of a table kept in a text file beside its test: "|" between the
// columns, each trimmed; lines starting with "#" and blank lines skipped.
#pragma once

#include <algorithm>
#include <fstream>
#include <map>
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
            const std::size_t first = std::min(column.find_first_not_of(' '), column.size());
            row.push_back(column.substr(first, column.find_last_not_of(' ') + 1 - first));
        }
        row.resize(std::max(columns, row.size()));
    }
    return rows;
}

// What a text file cannot hold well: "_" a blank, <tab> <lf> <cr> <nul>, and
// <1024 x> the character x 1024 times.
inline std::string Unescape(const std::string &text)
{
    static const std::map<std::string, std::string> named = {
        {"tab", "\t"}, {"lf", "\n"}, {"cr", "\r"}, {"nul", std::string(1, '\0')}};
    std::string out;
    for (std::size_t i = 0, end = 0; i < text.size(); ++i) {
        const std::string name = text[i] == '<' && (end = text.find('>', i)) != std::string::npos
                                     ? text.substr(i + 1, end - i - 1)
                                     : "";
        const bool counted = name.size() > 2 && name[name.size() - 2] == ' ';
        out += named.contains(name) ? named.at(name)
               : counted            ? std::string(std::stoul(name), name.back())
                                    : std::string(1, text[i] == '_' ? ' ' : text[i]);
        i = named.contains(name) || counted ? end : i;
    }
    return out;
}

} // namespace tavrel::testing
