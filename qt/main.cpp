// Tavrel on the Linux desktop: starts into its main window; the command line
// only answers --help and --version, and nothing is read or saved.
#include "common/application.h"
#include "qt/about_dialog.h"
#include "qt/command_line.h"
#include "qt/desktop_platform.h"
#include "qt/form1_window.h"
#include "qt/look.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    if (const std::optional<int> exitCode = tavrel::AnswerCommandLine(argc, argv))
        return *exitCode;
    QApplication app(argc, argv);
    QApplication::setApplicationName("Tavrel");
    QApplication::setApplicationVersion(tavrel::kPackageVersion);
    // Ties the windows to the installed desktop entry (and its icon) on Wayland.
    QApplication::setDesktopFileName("org.tavrel.Tavrel");
    QApplication::setWindowIcon(tavrel::ApplicationIcon());
    // The procedures end the program with its last window, not Qt.
    QApplication::setQuitOnLastWindowClosed(false);

    tavrel::DesktopPlatform launcher;
    tavrel::frmAbout about(tavrel::AboutDialog::Load, launcher);
    tavrel::Form1Window window(about);
    window.Start();
    return app.exec();
}
