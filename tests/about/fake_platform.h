// An in-memory registry and a recording launcher platform for the tests.
#pragma once

#include "about/launcher.h"

#include <algorithm>
#include <cstring>
#include <map>
#include <stdexcept>
#include <string>
#include <vector>

namespace tavrel::testing {

struct StoredValue
{
    std::uint32_t type;
    std::string bytes;
};

class FakeRegistry : public Registry
{
public:
    // key path -> value name -> value
    std::map<std::string, std::map<std::string, StoredValue>> keys;
    std::vector<std::string> opened;     // every key path an open was asked for
    std::vector<std::uint32_t> accesses; // the access mask of every open
    int openKeys = 0;                    // opened and not yet closed
    std::uint32_t reportSize = 0;        // when set, the size a query claims (a lying registry)

    long OpenKey(std::int32_t root, const std::string &subKey, std::uint32_t options,
                 std::uint32_t access, RegistryKey &key) override
    {
        opened.push_back(subKey);
        accesses.push_back(access);
        const auto it = keys.find(subKey);
        if (root != kHkeyLocalMachine || options != 0 || it == keys.end())
            return kErrorFileNotFound;
        ++openKeys;
        key = reinterpret_cast<RegistryKey>(&it->second);
        return kErrorSuccess;
    }

    long QueryValue(RegistryKey key, const std::string &valueName, std::uint32_t &type,
                    unsigned char *data, std::uint32_t &size) override
    {
        const auto &values = *reinterpret_cast<std::map<std::string, StoredValue> *>(key);
        const auto it = values.find(valueName);
        if (it == values.end())
            return kErrorFileNotFound;
        const std::string &bytes = it->second.bytes;
        if (bytes.size() > size) {
            size = static_cast<std::uint32_t>(bytes.size());
            return kErrorMoreData;
        }
        std::memcpy(data, bytes.data(), bytes.size());
        size = reportSize ? reportSize : static_cast<std::uint32_t>(bytes.size());
        type = it->second.type;
        return kErrorSuccess;
    }

    long CloseKey(RegistryKey) override
    {
        --openKeys;
        return kErrorSuccess;
    }
};

class FakePlatform : public LauncherPlatform
{
public:
    FakeRegistry fakeRegistry;
    std::vector<std::string> files;    // plain files that exist
    std::vector<std::string> tested;   // every existence test
    std::vector<std::string> started;  // every program started
    std::vector<std::string> messages; // every message shown

    Registry &registry() override { return fakeRegistry; }
    bool FileExists(const std::string &path) override
    {
        tested.push_back(path);
        return std::find(files.begin(), files.end(), path) != files.end();
    }
    void StartProgram(const std::string &path) override
    {
        if (std::find(files.begin(), files.end(), path) == files.end())
            throw std::runtime_error("File not found");
        started.push_back(path);
    }
    void ShowMessage(const std::string &text) override { messages.push_back(text); }
};

} // namespace tavrel::testing
