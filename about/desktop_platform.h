// The launcher's platform on this desktop: the real registry, file test and
// program start on Windows; elsewhere the stand-in registry over $PATH, with
// Qt's file test and detached start. Messages are the toolkit's message box.
#pragma once

#include "about/launcher.h"

#include <memory>

class QWidget;

namespace tavrel {

class DesktopPlatform : public LauncherPlatform
{
public:
    // Messages are shown over messageParent.
    explicit DesktopPlatform(QWidget *messageParent);
    ~DesktopPlatform() override;

    Registry &registry() override;
    bool FileExists(const std::string &path) override;
    void StartProgram(const std::string &path) override;
    void ShowMessage(const std::string &text) override;

private:
    QWidget *m_messageParent;
    std::unique_ptr<Registry> m_registry;
};

} // namespace tavrel
