// Tavrel: the descent distance calculator. Starts into its main window; there
// is no command line and nothing is read or saved.
#include "main_window/form1.h"
#include "main_window/look.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName("Tavrel");
    QApplication::setApplicationVersion("1.00");
    // Ties the windows to the installed desktop entry (and its icon) on Wayland.
    QApplication::setDesktopFileName("org.tavrel.Tavrel");
    QApplication::setWindowIcon(tavrel::ApplicationIcon());

    tavrel::Form1 window;
    window.show();
    return app.exec();
}
