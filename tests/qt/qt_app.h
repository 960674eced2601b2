// The program's two windows on real widgets, as main() builds them; a message
// box is counted and closed with OK as soon as it shows.
#pragma once

#include "common/application.h"
#include "qt/about_dialog.h"
#include "qt/desktop_platform.h"
#include "qt/form1_window.h"

#include <QApplication>
#include <QMessageBox>
#include <QPointer>
#include <QTimer>
#include <QtTest>

#include <utility>

namespace tavrel {

struct App
{
    App()
    {
        QObject::connect(&closer, &QTimer::timeout, [this] {
            if (auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget())) {
                messages += box->windowTitle() == QString::fromUtf8(kApplicationTitle);
                box->accept();
            }
        });
        closer.start(20);
        form.Start();
        QVERIFY(QTest::qWaitForWindowActive(&form));
    }
    template <typename T = QWidget> T *Find(const QString &name) const
    {
        QWidget *control = form.findChild<QWidget *>(name);
        if (!control && dialog)
            control = dialog->findChild<QWidget *>(name);
        return control ? static_cast<T *>(control)
                       : (qFatal("no control %s", qPrintable(name)), nullptr);
    }

    QTimer closer;
    int messages = 0;
    std::pair<QPointer<QWidget>, QPoint> held; // the arrow pressed last, and where the pointer is
    QPointer<QWidget> dialog;                  // the About box last loaded
    DesktopPlatform launcher;
    frmAbout about{[this](frmAbout &procedures) -> AboutControls & {
                       AboutControls &loaded = AboutDialog::Load(procedures);
                       dialog = dynamic_cast<QWidget *>(&loaded);
                       return loaded;
                   },
                   launcher};
    Form1Window form{about};
};

inline int Distance(QColor a, QColor b)
{
    return std::abs(a.red() - b.red()) + std::abs(a.green() - b.green()) +
           std::abs(a.blue() - b.blue());
}

// An area's background (its top and bottom rows' commonest colour) and ink (the
// colour farthest from it) in a drawn window; pixels under `above` are another's.
inline std::pair<QColor, QColor> Drawn(const QImage &image, QRect area, const QRegion &above = {})
{
    const qreal scale = image.devicePixelRatio();
    QHash<QRgb, int> edge; // every colour, with how often it is on the top or bottom row
    const QRect device(area.topLeft() * scale, area.size() * scale);
    for (int y = device.top(); y <= device.bottom(); ++y)
        for (int x = device.left(); x <= device.right(); ++x)
            if (!above.contains(QPoint(int(x / scale), int(y / scale))))
                edge[image.pixel(x, y)] += y == device.top() || y == device.bottom();
    const QColor back =
        std::max_element(edge.keyValueBegin(), edge.keyValueEnd(), [](auto a, auto b) {
            return a.second < b.second;
        })->first;
    QColor ink = back;
    for (const QRgb c : edge.keys())
        ink = Distance(c, back) > Distance(ink, back) ? QColor(c) : ink;
    return {back, ink};
}

inline void Click(QWidget *control, QPoint at = {})
{
    control->window()->activateWindow(); // as a click on a desktop does
    QTest::mouseClick(control, Qt::LeftButton, {}, at.isNull() ? control->rect().center() : at);
}

} // namespace tavrel
