// Times one "Calculate" click in the real main window (offscreen): mouse press
// and release on the button, the calculation, the result written to its box.
// usage: calculate_bench [clicks]   prints: <median microseconds per click>
#include "qt/about_dialog.h"
#include "qt/desktop_platform.h"
#include "qt/form1_window.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QPushButton>
#include <QTest>

#include <algorithm>
#include <cstdio>
#include <vector>

int main(int argc, char *argv[])
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const int clicks = argc > 1 ? std::atoi(argv[1]) : 2000;
    tavrel::DesktopPlatform launcher;
    tavrel::frmAbout about(tavrel::AboutDialog::Load, launcher);
    tavrel::Form1Window form(about);
    form.show();
    auto *calculate = form.findChild<QPushButton *>("Command1");
    for (int i = 0; i < 200; ++i) // warm-up
        QTest::mouseClick(calculate, Qt::LeftButton);

    std::vector<double> micros;
    micros.reserve(clicks);
    QElapsedTimer timer;
    for (int i = 0; i < clicks; ++i) {
        timer.start();
        QTest::mouseClick(calculate, Qt::LeftButton);
        micros.push_back(timer.nsecsElapsed() / 1000.0);
        QCoreApplication::processEvents(); // the repaint, outside the timed click
    }
    std::nth_element(micros.begin(), micros.begin() + clicks / 2, micros.end());
    std::printf("%.2f\n", micros[clicks / 2]);
    return 0;
}
