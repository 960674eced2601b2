#include "qt/desktop_platform.h"

#include "qt/look.h"

#include <QApplication>
#include <QFileInfo>
#include <QProcess>

#include <cstdlib>
#include <stdexcept>

namespace tavrel {

namespace {

std::string SearchPath()
{
    const char *path = std::getenv("PATH");
    return path ? path : "";
}

} // namespace

DesktopPlatform::DesktopPlatform() : m_registry(SearchPath()) {}

Registry &DesktopPlatform::registry() { return m_registry; }

bool DesktopPlatform::FileExists(const std::string &path)
{
    const QFileInfo info(QString::fromStdString(path));
    return info.isFile() && !info.isHidden();
}

void DesktopPlatform::StartProgram(const std::string &path)
{
    // The file itself, no shell and no argument splitting; not waited for.
    if (!QProcess::startDetached(QString::fromStdString(path), {}))
        throw std::runtime_error("cannot start " + path);
}

void DesktopPlatform::ShowMessage(const std::string &title, const std::string &text)
{
    tavrel::ShowMessage(QApplication::activeWindow(), QString::fromStdString(title),
                        QString::fromStdString(text));
}

} // namespace tavrel
