// The launcher's platform on Windows: the desktop's own registry, file test
// and program start, and its message box over the active window.
#pragma once

#include "about/launcher.h"

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

class DesktopPlatform : public LauncherPlatform
{
public:
    Registry &registry() override { return m_registry; }
    // True for a plain file: not hidden, not a system file, not a folder.
    bool FileExists(const std::string &path) override;
    // Starts exactly the file at path in a normal window and returns at once.
    void StartProgram(const std::string &path) override;
    void ShowMessage(const std::string &title, const std::string &text) override;

private:
    WindowsRegistry m_registry;
};

} // namespace tavrel
