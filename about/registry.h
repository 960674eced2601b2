// The three registry functions the launcher reads through, with the result
// codes and buffers of the desktop's registry: 0 means success, anything else
// failure. Read only: nothing here writes.
#pragma once

#include <cstdint>
#include <string>

namespace tavrel {

using RegistryKey = std::uintptr_t; // an opened key's handle

inline constexpr std::int32_t kHkeyLocalMachine = static_cast<std::int32_t>(0x80000002u);

inline constexpr long kErrorSuccess = 0;
inline constexpr long kErrorFileNotFound = 2; // key or value missing
inline constexpr long kErrorMoreData = 234;   // value larger than the buffer

inline constexpr std::uint32_t kRegSz = 1;    // text
inline constexpr std::uint32_t kRegDword = 4; // 32-bit number, least significant byte first

class Registry
{
public:
    virtual ~Registry() = default;

    // Opens subKey below root; on 0, key holds the handle to close.
    virtual long OpenKey(std::int32_t root, const std::string &subKey, std::uint32_t options,
                         std::uint32_t access, RegistryKey &key) = 0;
    // Reads one value: size holds the buffer's size on entry and the value's
    // size in bytes on return; a value larger than the buffer is not read.
    virtual long QueryValue(RegistryKey key, const std::string &valueName, std::uint32_t &type,
                            unsigned char *data, std::uint32_t &size) = 0;
    virtual long CloseKey(RegistryKey key) = 0;
};

} // namespace tavrel
