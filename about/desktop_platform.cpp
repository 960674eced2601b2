#include "about/desktop_platform.h"

#include "main_window/look.h"

#include <QFileInfo>
#include <QProcess>
#include <QString>

#include <stdexcept>

#ifdef Q_OS_WIN
#include "about/windows_system.h"
#else
#include "about/registry_standin.h"

#include <cstdlib>
#endif

namespace tavrel {

DesktopPlatform::DesktopPlatform(QWidget *messageParent) : m_messageParent(messageParent)
{
#ifdef Q_OS_WIN
    m_registry = std::make_unique<WindowsRegistry>();
#else
    const char *searchPath = std::getenv("PATH");
    m_registry = std::make_unique<StandInRegistry>(searchPath ? searchPath : "");
#endif
}

DesktopPlatform::~DesktopPlatform() = default;

Registry &DesktopPlatform::registry() { return *m_registry; }

bool DesktopPlatform::FileExists(const std::string &path)
{
#ifdef Q_OS_WIN
    return WindowsFileExists(path);
#else
    const QFileInfo info(QString::fromStdString(path));
    return info.isFile() && !info.isHidden();
#endif
}

void DesktopPlatform::StartProgram(const std::string &path)
{
#ifdef Q_OS_WIN
    WindowsStartProgram(path);
#else
    // The file itself, no shell and no argument splitting; not waited for.
    if (!QProcess::startDetached(QString::fromStdString(path), {}))
        throw std::runtime_error("cannot start " + path);
#endif
}

void DesktopPlatform::ShowMessage(const std::string &text)
{
    tavrel::ShowMessage(m_messageParent, QString::fromStdString(text));
}

} // namespace tavrel
