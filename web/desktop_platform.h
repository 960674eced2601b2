// The launcher's platform in a browser, which has no system-information
// tool: a registry that names none, so that "System Info..." shows the
// launcher's own message, in a message box of the page.
#pragma once

#include "about/launcher.h"

namespace tavrel {

// Holds no key at all.
class EmptyRegistry : public Registry
{
public:
    long OpenKey(std::int32_t, const std::string &, std::uint32_t, std::uint32_t,
                 RegistryKey &) override
    {
        return kErrorFileNotFound;
    }
    long QueryValue(RegistryKey, const std::string &, std::uint32_t &, unsigned char *,
                    std::uint32_t &) override
    {
        return kErrorFileNotFound;
    }
    long CloseKey(RegistryKey) override { return kErrorSuccess; }
};

class DesktopPlatform : public LauncherPlatform
{
public:
    Registry &registry() override { return m_registry; }
    bool FileExists(const std::string &) override { return false; }
    // A page cannot start a program of the device.
    void StartProgram(const std::string &path) override;
    void ShowMessage(const std::string &title, const std::string &text) override;

private:
    EmptyRegistry m_registry;
};

} // namespace tavrel
