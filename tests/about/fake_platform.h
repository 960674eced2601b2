// An in-memory registry with a launcher platform that records, in order,
// every key opened, file tested, program started and message shown.
#pragma once

#include "about/launcher.h"

#include <algorithm>
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

class FakePlatform : public LauncherPlatform, public Registry
{
public:
    struct Value
    {
        std::uint32_t type;
        std::string bytes;
    };
    std::map<std::string, std::map<std::string, Value>> keys; // path -> name -> value
    std::vector<std::string> files;                           // plain files that exist and start
    std::uint32_t claimedSize = 0; // when set, the size every read claims
    std::vector<std::string> log;
    int openKeys = 0; // opened and not yet closed

    Registry &registry() override { return *this; }
    long OpenKey(std::int32_t root, const std::string &subKey, std::uint32_t options,
                 std::uint32_t access, RegistryKey &key) override
    {
        char mask[16];
        std::snprintf(mask, sizeof mask, " %x", access);
        log.push_back("open " + subKey.substr(subKey.rfind('\\') + 1) + mask);
        const auto it = keys.find(subKey);
        if (root != kHkeyLocalMachine || options != 0 || it == keys.end())
            return kErrorFileNotFound;
        ++openKeys;
        key = reinterpret_cast<RegistryKey>(&it->second);
        return kErrorSuccess;
    }
    long QueryValue(RegistryKey key, const std::string &name, std::uint32_t &type,
                    unsigned char *data, std::uint32_t &size) override
    {
        const auto &values = *reinterpret_cast<std::map<std::string, Value> *>(key);
        const auto it = values.find(name);
        if (it == values.end() || it->second.bytes.size() > size)
            return it == values.end() ? kErrorFileNotFound : kErrorMoreData;
        std::memcpy(data, it->second.bytes.data(), it->second.bytes.size());
        size = claimedSize ? claimedSize : std::uint32_t(it->second.bytes.size());
        type = it->second.type;
        return kErrorSuccess;
    }
    long CloseKey(RegistryKey) override { return --openKeys, kErrorSuccess; }
    bool FileExists(const std::string &path) override
    {
        log.push_back("test " + path);
        return Has(path);
    }
    void StartProgram(const std::string &path) override
    {
        if (!Has(path))
            throw std::runtime_error("File not found");
        log.push_back("start " + path);
    }
    void ShowMessage(const std::string &title, const std::string &text) override
    {
        log.push_back(title + ": " + text);
    }

private:
    bool Has(const std::string &path) const
    {
        return std::find(files.begin(), files.end(), path) != files.end();
    }
};

} // namespace tavrel::testing
