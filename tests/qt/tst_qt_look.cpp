// Both windows read back from what Qt shows against kForm1Design and
// kAboutDesign, control by control, colours from the drawn pixels; with and
// without wind, an arrow held, the About box's picture. At scale 1 and 2.
#include "common/twips.h"
#include "main_window/form1_controls.h"
#include "qt/spinner.h"
#include "tests/qt/qt_app.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

using namespace tavrel;

namespace {

enum { kStart, kWind, kCalmAgain }; // the states the main window is read in

// A design colour as the platform shows it: 0x00BBGGRR as it is, a system
// colour as the application's palette gives it.
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
bool Underlined(QPushButton *button)
{
    QPushButton plain(button->text().remove('&'), button->parentWidget());
    plain.setFont(button->font());
    plain.setGeometry(button->geometry());
    return !Changed(button->grab().toImage(), plain.grab().toImage()).isEmpty();
}

// A design's font as Qt resolved it for a control. Debian has no "MS Sans
// Serif": the front-end stands Liberation Sans in for it.
void CheckFont(const QWidget *control, const FontDesign &design)
{
    const QFontInfo seen(control->font()), platform(QApplication::font());
    const bool own = design.points > 0;
    QCOMPARE(own ? "MS Sans Serif: drawn in " + seen.family() : seen.family(),
             own ? "MS Sans Serif: drawn in Liberation Sans" : platform.family());
    QCOMPARE(seen.pixelSize(),
             own ? qRound(design.points * control->logicalDpiY() / 72) : platform.pixelSize());
    QCOMPARE(seen.weight(), own ? (design.bold ? 700 : 400) : platform.weight());
    QVERIFY(!seen.italic());
}

// A control as drawn in `image` of its window, against its design.
void CheckControl(QWidget *window, const QImage &image, const ControlDesign &c,
                  const FontDesign &windowFont, int state)
{
    const bool wind = state == kWind;
    const auto px = [dpi = window->logicalDpiY()](int twips) { return TwipsToPixels(twips, dpi); };
    const QRect r(QPoint(px(c.rect.left), px(c.rect.top)),
                  QPoint(px(c.rect.left + c.rect.width) - 1, px(c.rect.top + c.rect.height) - 1));
    const ColourValue fore = !wind                              ? c.foreColour
                             : c.foreColour == kSysButtonShadow ? kSysButtonText
                             : c.kind == ControlKind::TextBox && c.foreColour == c.backColour
                                 ? kDarkBlue
                                 : c.foreColour;
    if (c.kind == ControlKind::Line) { // drawn by the window
        QCOMPARE(image.pixelColor(QPoint(r.center().x(), r.top()) * image.devicePixelRatio()),
                 Colour(fore));
        return;
    }
    auto *w = window->findChild<QWidget *>(c.name);
    const auto *box = qobject_cast<QLineEdit *>(w);
    auto *button = qobject_cast<QPushButton *>(w);
    QVERIFY2(w->pos() == r.topLeft() && w->height() == r.height(), c.name);
    QVERIFY2(c.kind == ControlKind::Label ? w->width() >= r.width() : w->width() == r.width(),
             c.name);
    QCOMPARE(w->isVisible(), c.visible || (wind && c.kind == ControlKind::Spinner));
    QVERIFY(w->isEnabled());
    QCOMPARE(bool(w->focusPolicy() & Qt::TabFocus), c.tabIndex >= 0);
    QCOMPARE(w->toolTip(), QString(c.toolTip));
    if (*c.accessibleName)
        QCOMPARE(w->accessibleName(), QString(c.accessibleName));
    QList<QRect> above; // the boxes a caption lies beneath
    switch (c.kind) {
    case ControlKind::Spinner: {
        const auto *s = static_cast<Spinner *>(w);
        if (state == kStart)
            QCOMPARE(
                std::tuple(s->minimum(), s->maximum(), s->singleStep(), s->value()),
                std::tuple(c.spinner.min, c.spinner.max, c.spinner.smallChange, c.spinner.value));
        return;
    }
    case ControlKind::PictureBox:
        return;
    case ControlKind::Label:
        QCOMPARE(static_cast<QLabel *>(w)->text(), QString(c.caption));
        QCOMPARE(static_cast<QLabel *>(w)->wordWrap(), c.wordWrap);
        QVERIFY(c.wordWrap ||
                (w->width() >= w->sizeHint().width() && // the whole caption
                 window->rect().contains(w->pos() + QPoint(w->sizeHint().width(), 0))));
        for (const QWidget *other : window->findChildren<QWidget *>())
            if (other->isVisible() && !qobject_cast<const QLabel *>(other))
                above << other->geometry();
        break;
    case ControlKind::OptionButton:
        QCOMPARE(static_cast<QRadioButton *>(w)->text(), QString(c.caption));
        QCOMPARE(static_cast<QRadioButton *>(w)->isChecked(), c.selected);
        break;
    case ControlKind::CommandButton:
        QCOMPARE(button->text(), QString(c.caption));
        QCOMPARE(button->isDefault(), c.isDefault);
        QVERIFY2(!QString(c.caption).contains('&') || Underlined(button), "access key");
        break;
    default:
        break;
    }
    CheckFont(w, c.font.points > 0 ? c.font : windowFont);
    // The pixels: an option's circle fills its box but for a strip above.
    const QRect area = c.kind == ControlKind::OptionButton ? QRect(r.topLeft(), QSize(r.width(), 2))
                       : c.kind == ControlKind::Label      ? r
                                                           : r.adjusted(4, 4, -4, -4);
    const auto [back, ink] = Drawn(image, area & window->rect(), above);
    const QPalette palette = QApplication::palette();
    const QColor wantBack = c.backColour != kDefaultColour   ? Colour(c.backColour)
                            : c.kind == ControlKind::TextBox ? palette.color(QPalette::Base)
                                                             : palette.color(QPalette::Window);
    if (!button) // a bevel's shades
        QVERIFY2(back == wantBack, qPrintable(QString(c.name) + " on " + back.name()));
    const QColor wantInk =
        fore != kDefaultColour ? Colour(fore)
        : box                  ? palette.color(QPalette::Text)
              : palette.color(button ? QPalette::ButtonText : QPalette::WindowText);
    if (c.kind != ControlKind::OptionButton && (*c.caption || (box && !box->text().isEmpty())))
        QVERIFY2(Distance(ink, wantInk) < 16, // a thin stroke may cover no whole pixel
                 qPrintable(QString(c.name) + " in " + ink.name()));
}

// Every control of a window against its design. With wind the greyed rows
// show as any other: captions in button text, values in the boxes' blue.
void CheckWindow(QWidget *window, const WindowDesign &design, int state)
{
    const auto px = [dpi = window->logicalDpiY()](int twips) { return TwipsToPixels(twips, dpi); };
    QCOMPARE(window->minimumSize(), QSize(px(design.widthTwips), px(design.heightTwips)));
    QCOMPARE(window->maximumSize(), window->size());
    const Qt::WindowFlags flags = window->windowFlags();
    QVERIFY(
        flags.testFlags(Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint));
    QVERIFY(!(flags & (Qt::WindowMinMaxButtonsHint | Qt::WindowContextHelpButtonHint)));
    qInfo("title colours: drawn by the window manager, which Qt leaves the title bar to");

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
        // A desktop theme in which no colour that the design names or implies
        // is another's, so that none stands in for another unseen.
        QPalette theme = QApplication::palette();
        theme.setColor(QPalette::Button, QColor(0xe0e0e0));
        theme.setColor(QPalette::ButtonText, QColor(0x202020));
        theme.setColor(QPalette::Inactive, QPalette::Window, QColor(0xd4d0c8));
        QApplication::setPalette(theme);
        App app;
        QCOMPARE(app.form.windowTitle(), QString(kApplicationTitle));
        CheckWindow(&app.form, kForm1Design, kStart);

        // A held arrow looks pressed, and released again when let go.
        auto *spinner = app.Child<Spinner>("VScroll4");
        const QPoint arrow = spinner->ArrowRect(Spinner::Arrow::Up).center();
        QTest::mousePress(spinner, Qt::LeftButton, {}, arrow);
        const QImage pressed = spinner->grab().toImage();
        QTest::mouseRelease(spinner, Qt::LeftButton, {}, arrow);
        QVERIFY(spinner->grab().toImage() != pressed);

        Click(app.Child<Spinner>("VScroll8"), {1, 1}); // wind
        Click(app.Find("Command1"));
        CheckWindow(&app.form, kForm1Design, kWind);
        Click(app.Child<Spinner>("VScroll8"), {1, app.Find("VScroll8")->height() - 2});
        CheckWindow(&app.form, kForm1Design, kCalmAgain);
        if (QTest::currentTestFailed())
            return;

        Click(app.Find("Command3"));
        QVERIFY(QTest::qWaitForWindowExposed(app.dialog));
        QCOMPARE(app.dialog->windowTitle(), QString("About ") + kApplicationTitle);
        CheckWindow(app.dialog, kAboutDesign, kStart);

        // The picture at this scale, pixel for pixel: the @2x image from a scale of 2.
        auto *picture = app.Child<QLabel>("picIcon");
        const qreal scale = app.dialog->devicePixelRatio();
        const auto drawn = [&] {
            return app.dialog->grab().toImage().copy(
                QRect(picture->mapToParent(picture->contentsRect().topLeft()) * scale,
                      picture->contentsRect().size() * scale));
        };
        const QImage shown = drawn();
        QCOMPARE(Changed(shown, QImage(scale >= 2 ? ":/pictures/airliner@2x.png"
                                                  : ":/pictures/airliner.png")),
                 QList<QPoint>());
        // With the focus, a rectangle round its edge.
        QTest::keyClick(app.Find("cmdOK"), Qt::Key_Tab);
        QVERIFY(picture->hasFocus());
        const QList<QPoint> ring = Changed(shown, drawn());
        QVERIFY(ring.size() > shown.width());
        for (const QPoint p : ring)
            QVERIFY(std::min({p.x(), p.y(), shown.width() - 1 - p.x(),
                              shown.height() - 1 - p.y()}) < 3 * scale);
    }
};

QTEST_MAIN(TestQtLook)
#include "tst_qt_look.moc"
