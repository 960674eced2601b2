// The launcher's platform on Windows: the registry, the file test and the
// program start of the desktop, and its message box over the active window.
#pragma once

#include "about/launcher.h"
#include "about/windows_system.h"
#include "common/application.h"
#include "win32/text.h"

namespace tavrel {

class WindowsLauncherPlatform : public LauncherPlatform
{
public:
    Registry &registry() override { return m_registry; }
    bool FileExists(const std::string &path) override { return WindowsFileExists(path); }
    void StartProgram(const std::string &path) override { WindowsStartProgram(path); }
    void ShowMessage(const std::string &text) override
    {
        MessageBoxW(GetActiveWindow(), Utf16(text).c_str(), Utf16(kApplicationTitle).c_str(),
                    MB_OK);
    }

private:
    WindowsRegistry m_registry;
};

} // namespace tavrel
