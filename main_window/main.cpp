// Tavrel: the descent distance calculator. Starts into its main window; there
// is no command line and nothing is read or saved.
#include "main_window/form1.h"

#include <QApplication>
#include <QIcon>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName("Tavrel");
    QApplication::setApplicationVersion("1.00");

    QIcon icon;
    for (const int size : {16, 32, 48, 64, 128, 256})
        icon.addFile(QString(":/icons/tavrel-%1.png").arg(size), QSize(size, size));
    QApplication::setWindowIcon(icon);

    tavrel::Form1 window;
    window.show();
    return app.exec();
}
