// Both windows read back against their designs, colours from the drawn pixels: with and
// without wind, an arrow held, the About box's picture.
#include "common/twips.h"
#include "main_window/form1_controls.h"
#include "qt/spinner.h"
#include "tests/qt/qt_app.h"

#include <algorithm>

#include <QLabel>
#include <QPushButton>

using namespace tavrel;

namespace {

enum { kStart, kWind, kCalmAgain }; // the states the main window is read in

// A design colour as shown: 0x00BBGGRR as it is, a system colour from the palette.
QColor Colour(ColourValue colour)
{
    const QPalette palette = QApplication::palette();
    return colour == kSysButtonText ? palette.color(QPalette::Active, QPalette::ButtonText) // 18
           : colour == kSysButtonShadow // 16, the greyed text
               ? palette.color(QPalette::Disabled, QPalette::WindowText)
               : colour == kSysInactiveBorder
                     ? palette.color(QPalette::Inactive, QPalette::Window) // 11
                     : QColor(colour & 0xFF, (colour >> 8) & 0xFF, colour >> 16);
}

// The pixels that differ between two images of the same size.
QList<QPoint> Changed(const QImage &a, const QImage &b)
{
    QList<QPoint> changed;
    for (int y = 0; y < a.height(); ++y)
        for (int x = 0; x < a.width(); ++x)
            if (a.size() != b.size() || a.pixel(x, y) != b.pixel(x, y))
                changed << QPoint(x, y);
    return changed;
}

// An access key's letter underlined: the caption drawn without its "&" differs.
bool Underlined(QWidget *button)
{
    QPushButton plain(button->property("text").toString().remove('&'), button->parentWidget());
    plain.setFont(button->font());
    plain.setGeometry(button->geometry());
    return !Changed(button->grab().toImage(), plain.grab().toImage()).isEmpty();
}

// A design's font as Qt resolved it. Debian has no "MS Sans Serif": Liberation Sans stands in.
void CheckFont(const QWidget *control, const FontDesign &design)
{
    const QFontInfo seen(control->font()), platform(QApplication::font());
    const int pixels = qRound(design.points * control->logicalDpiY() / 72);
    QCOMPARE(std::tuple(seen.family(), seen.pixelSize(), seen.weight(), seen.italic()),
             design.points > 0
                 ? std::tuple(QString("Liberation Sans"), pixels, design.bold ? 700 : 400, false)
                 : std::tuple(platform.family(), platform.pixelSize(), platform.weight(), false));
}

// A control as drawn in `image` of its window. With wind the greyed rows show
// as any other: captions in button text, values in the boxes' blue.
void CheckControl(QWidget *window, const QImage &image, const ControlDesign &c,
                  const FontDesign &windowFont, int state)
{
    const bool wind = state == kWind, box = c.kind == ControlKind::TextBox,
               button = c.kind == ControlKind::CommandButton, label = c.kind == ControlKind::Label;
    const auto px = [dpi = window->logicalDpiY()](int twips) { return TwipsToPixels(twips, dpi); };
    const QRect r(QPoint(px(c.rect.left), px(c.rect.top)),
                  QPoint(px(c.rect.left + c.rect.width) - 1, px(c.rect.top + c.rect.height) - 1));
    const ColourValue fore = !wind                              ? c.foreColour
                             : c.foreColour == kSysButtonShadow ? kSysButtonText
                             : HidesValue(c, c.foreColour)      ? kDarkBlue
                                                                : c.foreColour;
    if (c.kind == ControlKind::Line) { // drawn by the window, its back colour beneath
        for (const ColourValue colour : {fore, c.backColour})
            QCOMPARE(image.pixelColor(QPoint(r.center().x(), r.top() + (colour != fore)) *
                                      image.devicePixelRatio()),
                     Colour(colour));
        return;
    }
    QWidget *w = window->findChild<QWidget *>(c.name);
    QVERIFY2(w->pos() == r.topLeft() && w->height() == r.height(), c.name);
    QVERIFY2(label ? w->width() >= r.width() : w->width() == r.width(), c.name);
    QCOMPARE(w->isVisible(), c.visible || (wind && c.kind == ControlKind::Spinner));
    QVERIFY(w->isEnabled());
    QCOMPARE(bool(w->focusPolicy() & Qt::TabFocus), c.tabIndex >= 0);
    QCOMPARE(w->toolTip(), QString(c.toolTip));
    if (*c.accessibleName)
        QCOMPARE(w->accessibleName(), QString(c.accessibleName));
    if (const auto *s = qobject_cast<Spinner *>(w); s && state == kStart)
        QCOMPARE(std::tuple(s->minimum(), s->maximum(), s->singleStep(), s->value()),
                 std::tuple(c.spinner.min, c.spinner.max, c.spinner.smallChange, c.spinner.value));
    if (c.kind == ControlKind::Spinner || c.kind == ControlKind::PictureBox)
        return;
    // Each kind's own state by its property's name: a kind without it reads false.
    const QString text = w->property("text").toString();
    if (!box)
        QCOMPARE(text, QString(c.caption));
    QCOMPARE(w->property("wordWrap").toBool(), c.wordWrap);
    QCOMPARE(w->property("checked").toBool(), c.selected);
    QCOMPARE(w->property("default").toBool(), c.isDefault);
    QVERIFY2(!button || !text.contains('&') || Underlined(w), "access key");
    QRegion above; // the boxes a caption lies beneath
    if (label) {
        QVERIFY(c.wordWrap ||
                (w->width() >= w->sizeHint().width() && // the whole caption
                 window->rect().contains(w->pos() + QPoint(w->sizeHint().width(), 0))));
        for (const QWidget *other : window->findChildren<QWidget *>())
            if (other->isVisible() && !qobject_cast<const QLabel *>(other))
                above += other->geometry();
    }
    CheckFont(w, c.font.points > 0 ? c.font : windowFont);
    // The pixels: an option's circle fills its box but for a strip above.
    const QRect area = c.kind == ControlKind::OptionButton ? QRect(r.topLeft(), QSize(r.width(), 2))
                       : label                             ? r
                                                           : r.adjusted(4, 4, -4, -4);
    const auto [back, ink] = Drawn(image, area & window->rect(), above);
    const QPalette palette = QApplication::palette();
    const QColor wantBack = c.backColour != kDefaultColour
                                ? Colour(c.backColour)
                                : palette.color(box ? QPalette::Base : QPalette::Window);
    QVERIFY2(button || back == wantBack, // a bevel's shades
             qPrintable(QString(c.name) + " on " + back.name()));
    const QColor wantInk = fore != kDefaultColour ? Colour(fore)
                                                  : palette.color(box      ? QPalette::Text
                                                                  : button ? QPalette::ButtonText
                                                                           : QPalette::WindowText);
    if (c.kind != ControlKind::OptionButton && !text.isEmpty())
        QVERIFY2(Distance(ink, wantInk) < 16, // a thin stroke may cover no whole pixel
                 qPrintable(QString(c.name) + " in " + ink.name()));
}

// The window's size and frame (its title's colours are the window manager's),
// then every control against its design.
void CheckWindow(QWidget *window, const WindowDesign &design, int state)
{
    const int dpi = window->logicalDpiY();
    QCOMPARE(window->minimumSize(),
             QSize(TwipsToPixels(design.widthTwips, dpi), TwipsToPixels(design.heightTwips, dpi)));
    QCOMPARE(window->maximumSize(), window->size());
    const Qt::WindowFlags flags = window->windowFlags();
    QVERIFY(
        flags.testFlags(Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint));
    QVERIFY(!(flags & (Qt::WindowMinMaxButtonsHint | Qt::WindowContextHelpButtonHint)));

    QApplication::focusWidget()->clearFocus(); // no caret or selection over a value
    const QImage image = window->grab().toImage();
    for (const ControlDesign &c : design.controls)
        if (CheckControl(window, image, c, design.font, state); QTest::currentTestFailed())
            return qWarning("at %s", c.name);
}

} // namespace

class TestQtLook : public QObject
{
    Q_OBJECT

private slots:
    void look()
    {
        // A theme where no colour the design names or implies is another's.
        QPalette theme = QApplication::palette();
        theme.setColor(QPalette::Button, QColor(0xe0e0e0));
        theme.setColor(QPalette::ButtonText, QColor(0x202020));
        theme.setColor(QPalette::Inactive, QPalette::Window, QColor(0xd4d0c8));
        QApplication::setPalette(theme);
        App app;
        QCOMPARE(app.form.windowTitle(), QString(kApplicationTitle));
        CheckWindow(&app.form, kForm1Design, kStart);

        // A held arrow looks pressed, and released again when let go.
        auto *spinner = app.Find<Spinner>("VScroll4");
        const QPoint arrow = spinner->ArrowRect(Spinner::Arrow::Up).center();
        QTest::mousePress(spinner, Qt::LeftButton, {}, arrow);
        const QImage pressed = spinner->grab().toImage();
        QTest::mouseRelease(spinner, Qt::LeftButton, {}, arrow);
        QVERIFY(spinner->grab().toImage() != pressed);

        Click(app.Find("VScroll8"), {1, 1}); // wind
        Click(app.Find("Command1"));
        CheckWindow(&app.form, kForm1Design, kWind);
        Click(app.Find("VScroll8"), {1, app.Find("VScroll8")->height() - 2});
        CheckWindow(&app.form, kForm1Design, kCalmAgain);
        if (QTest::currentTestFailed())
            return;

        Click(app.Find("Command3"));
        QVERIFY(QTest::qWaitForWindowExposed(app.dialog));
        QCOMPARE(app.dialog->windowTitle(), QString("About ") + kApplicationTitle);
        CheckWindow(app.dialog, kAboutDesign, kStart);

        // The picture at this scale, pixel for pixel: the @2x image from a scale of 2.
        auto *picture = app.Find<QLabel>("picIcon");
        const qreal scale = app.dialog->devicePixelRatio();
        const auto drawn = [picture] { return picture->grab(picture->contentsRect()).toImage(); };
        const QImage shown = drawn();
        QCOMPARE(Changed(shown, QImage(scale >= 2 ? ":/pictures/airliner@2x.png"
                                                  : ":/pictures/airliner.png")),
                 QList<QPoint>());
        // With the focus, a dotted rectangle round its edge: black on white, dot for dot.
        QTest::keyClick(app.Find("cmdOK"), Qt::Key_Tab);
        QVERIFY(picture->hasFocus());
        const QImage focused = drawn();
        const QList<QPoint> ring = Changed(shown, focused);
        const auto black = std::ranges::count_if(
            ring, [&focused](QPoint p) { return focused.pixelColor(p) == Qt::black; });
        QVERIFY2(ring.size() > shown.width() && black > ring.size() / 4 &&
                     black < ring.size() * 3 / 4,
                 qPrintable(QString("%1 of %2 black").arg(black).arg(ring.size())));
        for (const QPoint p : ring)
            QVERIFY(std::min({p.x(), p.y(), shown.width() - 1 - p.x(),
                              shown.height() - 1 - p.y()}) < 3 * scale);
    }
};

QTEST_MAIN(TestQtLook)
#include "tst_qt_look.moc"
