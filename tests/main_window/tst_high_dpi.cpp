// Both windows on a screen scaled by 2: the same layout twice as large, the
// pictures from their double-size images, nothing clipped.
#include "about/frm_about.h"
#include "main_window/form1.h"
#include "main_window/look.h"
#include "main_window/spinner.h"

#include <QLabel>
#include <QtTest>

using namespace tavrel;

namespace {

// Rows of the spinner's image (device pixels) holding arrow-coloured pixels.
QList<int> ArrowRows(Spinner *spinner)
{
    const QImage image = spinner->grab().toImage();
    const QColor arrow = spinner->palette().color(QPalette::ButtonText);
    QList<int> rows;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (image.pixelColor(x, y) == arrow) {
                rows << y;
                break;
            }
    return rows;
}

} // namespace

class TestHighDpi : public QObject
{
    Q_OBJECT

private slots:
    void mainWindowDoubles();
    void spinnersKeepBothArrows();
    void aboutPictureIsSharp();
    void iconHasDoubleSizeImages();
};

void TestHighDpi::mainWindowDoubles()
{
    Form1 form;
    form.show();
    QVERIFY(QTest::qWaitForWindowExposed(&form));
    QCOMPARE(form.devicePixelRatioF(), 2.0);
    // Same layout in logical pixels as at 96 DPI, twice as many device pixels.
    QCOMPARE(form.size(), QSize(400, 192));
    QCOMPARE(form.grab().size(), QSize(800, 384));
    for (QLabel *label : form.findChildren<QLabel *>())
        QVERIFY2(label->width() >= label->sizeHint().width(), qPrintable(label->objectName()));
}

void TestHighDpi::spinnersKeepBothArrows()
{
    Form1 form;
    form.show();
    QVERIFY(QTest::qWaitForWindowExposed(&form));
    auto *spinner = form.findChild<Spinner *>("VScroll5");
    const QList<int> rows = ArrowRows(spinner);
    const int middle = spinner->height(); // half of the image, twice as tall as the widget
    QVERIFY(!rows.isEmpty());
    QVERIFY2(rows.first() < middle && rows.last() >= middle, "an arrow is missing");
    QVERIFY(rows.count() >= 8); // each triangle several device pixels tall
}

void TestHighDpi::aboutPictureIsSharp()
{
    frmAbout *dialog = frmAbout::ShowAbout();
    QVERIFY(QTest::qWaitForWindowExposed(dialog));
    const QPixmap picture = dialog->findChild<QLabel *>("picIcon")->pixmap();
    QCOMPARE(picture.devicePixelRatio(), 2.0);
    QCOMPARE(picture.size(), QSize(216, 198));
    QCOMPARE(dialog->size(), QSize(392, 185));
    dialog->close();
}

void TestHighDpi::iconHasDoubleSizeImages()
{
    const QPixmap icon = ApplicationIcon().pixmap(QSize(32, 32), 2.0);
    QCOMPARE(icon.size(), QSize(64, 64));
    QVERIFY(ApplicationIcon().availableSizes().contains(QSize(64, 64)));
}

QTEST_MAIN(TestHighDpi)
#include "tst_high_dpi.moc"
