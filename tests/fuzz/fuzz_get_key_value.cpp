// GetKeyValue and StartSysInfo over a registry answering with any data of any
// type and size, and sometimes lying about the size: never a read past the
// 1024-byte buffer, every opened key closed, only the three read operations
// used, and the launcher never testing or starting an empty path.
#include "about/launcher.h"
#include "fuzz_check.h"

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <stdexcept>
#include <string>

using namespace tavrel;
using tavrel::fuzz::Require;

namespace {

class FuzzRegistry : public Registry
{
public:
    FuzzRegistry(const std::uint8_t *data, std::size_t size) : m_data(data), m_size(size) {}

    long OpenKey(std::int32_t, const std::string &, std::uint32_t options, std::uint32_t access,
                 RegistryKey &key) override
    {
        Require(options == 0 && access == kLauncherKeyAccess, "unexpected open");
        if (Next() % 4 == 0)
            return kErrorFileNotFound;
        ++openKeys;
        key = 42;
        return kErrorSuccess;
    }

    long QueryValue(RegistryKey key, const std::string &, std::uint32_t &type, unsigned char *data,
                    std::uint32_t &size) override
    {
        Require(key == 42 && openKeys > 0, "query on a key that is not open");
        const std::uint8_t mode = Next();
        if (mode % 5 == 0)
            return kErrorFileNotFound;
        type = Next() % 12;
        const std::size_t length = std::min<std::size_t>(Next() * 16 + Next(), Remaining());
        if (length > size) {
            size = static_cast<std::uint32_t>(length);
            Skip(length);
            return kErrorMoreData;
        }
        std::memcpy(data, m_data + m_pos, length); // the registry honours the buffer's size
        Skip(length);
        size = static_cast<std::uint32_t>(length);
        if (mode % 7 == 0) // a registry that lies about what it wrote
            size = static_cast<std::uint32_t>(Next()) << (Next() % 24);
        return kErrorSuccess;
    }

    long CloseKey(RegistryKey key) override
    {
        Require(key == 42 && openKeys > 0, "close of a key that is not open");
        --openKeys;
        return kErrorSuccess;
    }

    int openKeys = 0;

private:
    std::uint8_t Next() { return m_pos < m_size ? m_data[m_pos++] : 0; }
    std::size_t Remaining() const { return m_size - m_pos; }
    void Skip(std::size_t n) { m_pos += std::min(n, Remaining()); }

    const std::uint8_t *m_data;
    std::size_t m_size;
    std::size_t m_pos = 0;
};

class FuzzPlatform : public LauncherPlatform
{
public:
    explicit FuzzPlatform(FuzzRegistry &registry) : m_registry(registry) {}
    Registry &registry() override { return m_registry; }
    bool FileExists(const std::string &path) override
    {
        Require(path.size() > std::string(kSysInfoProgram).size(),
                "existence test without a folder");
        return path.size() % 2 == 0;
    }
    void StartProgram(const std::string &path) override
    {
        Require(!path.empty(), "start of an empty path");
        if (path.size() % 3 == 0)
            throw std::runtime_error("cannot start");
    }
    void ShowMessage(const std::string &text) override
    {
        Require(text == kSysInfoUnavailable, "unexpected message");
    }

private:
    FuzzRegistry &m_registry;
};

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    {
        FuzzRegistry registry(data, size);
        std::string value = "before";
        try {
            GetKeyValue(registry, kHkeyLocalMachine, kSysInfoKey, kSysInfoValue, value);
        } catch (const std::runtime_error &) {
            // a value of size 0
        }
        // At most the buffer's text, or "&h" and two hex digits for each of its bytes.
        Require(value.size() <= 2 + 2 * kValueBufferBytes, "value longer than the buffer allows");
        Require(registry.openKeys == 0, "key left open");
    }
    {
        FuzzRegistry registry(data, size);
        FuzzPlatform platform(registry);
        StartSysInfo(platform);
        Require(registry.openKeys == 0, "key left open by the launcher");
    }
    return 0;
}
