// The launcher's platform on the Linux desktop: the stand-in registry over
// $PATH, Qt's file test and detached program start, and the toolkit's
// message box over the active window.
#pragma once

#include "about/launcher.h"
#include "about/registry_standin.h"

namespace tavrel {

class DesktopPlatform : public LauncherPlatform
{
public:
    DesktopPlatform();

    Registry &registry() override;
    bool FileExists(const std::string &path) override;
    void StartProgram(const std::string &path) override;
    void ShowMessage(const std::string &title, const std::string &text) override;

private:
    StandInRegistry m_registry;
};

} // namespace tavrel
