// An in-memory registry with a launcher platform that records, in order,
// every key opened, file tested, program started and message shown.
#pragma once

#include "about/launcher.h"

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <map>
#include <stdexcept>
#include <string>
#include <vector>

namespace tavrel::testing {

// Entries as one line: "open MSINFO 20019, start C:\tool.exe".
inline std::string Join(const std::vector<std::string> &entries, const char *separator = ", ")
{
    std::string line;
    for (const std::string &entry : entries)
        line += (line.empty() ? "" : separator) + entry;
    return line;
}

struct FakePlatform : LauncherPlatform, Registry
{
    using Values = std::map<std::string, std::pair<std::uint32_t, std::string>>; // type, bytes
    std::map<std::string, Values> keys;                                          // by path
    std::vector<std::string> files, log; // the plain files that exist and start; what it did
    std::uint32_t claimedSize = 0;       // when set, the size every read claims
    int openKeys = 0;                    // opened and not yet closed

    Registry &registry() override { return *this; }
    long OpenKey(std::int32_t root, const std::string &path, std::uint32_t options,
                 std::uint32_t access, RegistryKey &key) override
    {
        char mask[16];
        std::snprintf(mask, sizeof mask, " %x", access);
        log.push_back("open " + path.substr(path.rfind('\\') + 1) + mask);
        if (root != kHkeyLocalMachine || options != 0 || !keys.contains(path))
            return kErrorFileNotFound;
        key = reinterpret_cast<RegistryKey>(&keys[path]);
        return ++openKeys, kErrorSuccess;
    }
    long QueryValue(RegistryKey key, const std::string &name, std::uint32_t &type,
                    unsigned char *data, std::uint32_t &size) override
    {
        const Values &values = *reinterpret_cast<Values *>(key);
        const auto &[valueType, bytes] =
            values.contains(name) ? values.at(name) : Values::mapped_type();
        if (!values.contains(name) || bytes.size() > size)
            return values.contains(name) ? kErrorMoreData : kErrorFileNotFound;
        std::memcpy(data, bytes.data(), bytes.size());
        size = claimedSize ? claimedSize : std::uint32_t(bytes.size());
        return type = valueType, kErrorSuccess;
    }
    long CloseKey(RegistryKey) override { return --openKeys, kErrorSuccess; }
    bool FileExists(const std::string &path) override
    {
        log.push_back("test " + path);
        return std::count(files.begin(), files.end(), path);
    }
    void StartProgram(const std::string &path) override
    {
        if (!std::count(files.begin(), files.end(), path))
            throw std::runtime_error("File not found");
        log.push_back("start " + path);
    }
    void ShowMessage(const std::string &title, const std::string &text) override
    {
        log.push_back(title + ": " + text);
    }
};

} // namespace tavrel::testing
