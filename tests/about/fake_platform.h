// An in-memory registry with a launcher platform that records, in order,
// every key opened, file tested, program started and message shown.
#pragma once

#include "about/launcher.h"

#include <QStringList>

#include <cstring>
#include <map>
#include <stdexcept>

namespace tavrel::testing {

class FakePlatform : public LauncherPlatform, public Registry
{
public:
    struct Value
    {
        std::uint32_t type;
        std::string bytes;
    };
    std::map<std::string, std::map<std::string, Value>> keys; // path -> name -> value
    QStringList files;                                        // plain files that exist and start
    std::uint32_t claimedSize = 0; // when set, the size every read claims
    QStringList log;
    int openKeys = 0; // opened and not yet closed

    Registry &registry() override { return *this; }
    long OpenKey(std::int32_t root, const std::string &subKey, std::uint32_t options,
                 std::uint32_t access, RegistryKey &key) override
    {
        log << QString("open %1 %2")
                   .arg(subKey.substr(subKey.rfind('\\') + 1).c_str())
                   .arg(access, 0, 16);
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
        log << "test " + QString::fromStdString(path);
        return files.contains(QString::fromStdString(path));
    }
    void StartProgram(const std::string &path) override
    {
        if (!files.contains(QString::fromStdString(path)))
            throw std::runtime_error("File not found");
        log << "start " + QString::fromStdString(path);
    }
    void ShowMessage(const std::string &text) override { log << QString::fromStdString(text); }
};

} // namespace tavrel::testing
