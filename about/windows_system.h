// The desktop's own registry, file test and program start on Windows.
// Compiled only there.
#pragma once

#include "about/registry.h"

#include <string>

namespace tavrel {

// RegOpenKeyExA, RegQueryValueExA and RegCloseKey of advapi32; key paths,
// value names and text pass in the system's code page.
class WindowsRegistry : public Registry
{
public:
    long OpenKey(std::int32_t root, const std::string &subKey, std::uint32_t options,
                 std::uint32_t access, RegistryKey &key) override;
    long QueryValue(RegistryKey key, const std::string &valueName, std::uint32_t &type,
                    unsigned char *data, std::uint32_t &size) override;
    long CloseKey(RegistryKey key) override;
};

// True for a plain file: not hidden, not a system file, not a folder.
bool WindowsFileExists(const std::string &path);

// Starts exactly the file at path in a normal window and returns at once;
// throws std::runtime_error when it cannot be started.
void WindowsStartProgram(const std::string &path);

} // namespace tavrel
