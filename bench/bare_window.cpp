// The floor for start-up time and memory: a bare Qt window of the main
// window's size, built with the same flags as Tavrel. With --label it also
// shows one line of text, the floor for any window that draws text (fonts
// found and loaded, text shaped).
#include <QApplication>
#include <QLabel>
#include <QWidget>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QWidget window;
    window.setWindowTitle("Bare window");
    window.setFixedSize(400, 192);
    if (QApplication::arguments().contains("--label"))
        new QLabel("Flying from", &window);
    window.show();
    return app.exec();
}
