// The Qt front-end on real widgets, as main() builds them: "scenarios" runs the
// shared scenario table with the mouse and the keyboard; "look" reads both
// windows back against their designs, colours from the drawn pixels.
#include "../scenarios/scenario_table.h"
#include "common/application.h"
#include "common/twips.h"
#include "qt/about_dialog.h"
#include "qt/desktop_platform.h"
#include "qt/form1_window.h"
#include "qt/spinner.h"

#include <QtTest>
#include <QtWidgets>

using namespace tavrel;

namespace {

// The program's windows; a message box is counted and closed as soon as it shows.
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
        QWidget *found = form.findChild<QWidget *>(name);
        found = found || !dialog ? found : dialog->findChild<QWidget *>(name);
        return found ? static_cast<T *>(found) : (qFatal("no %s", qPrintable(name)), nullptr);
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

int Distance(QColor a, QColor b)
{
    return std::abs(a.red() - b.red()) + std::abs(a.green() - b.green()) +
           std::abs(a.blue() - b.blue());
}

// An area's background (its top and bottom rows' commonest colour) and ink (the
// colour farthest from it) in a drawn window; pixels under `above` are another's.
std::pair<QColor, QColor> Drawn(const QImage &image, QRect area, const QRegion &above = {})
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
    for (const QRgb colour : edge.keys())
        ink = Distance(colour, back) > Distance(ink, back) ? QColor(colour) : ink;
    return {back, ink};
}

void Click(QWidget *control, QPoint at = {})
{
    control->window()->activateWindow(); // as a click on a desktop does
    QTest::mouseClick(control, Qt::LeftButton, {}, at.isNull() ? control->rect().center() : at);
}

// A box's value drawn: anything but its white, the caret aside; a selection too.
bool Inked(QLineEdit *box)
{
    const QRect caret = box->inputMethodQuery(Qt::ImCursorRectangle).toRect().adjusted(-1, 0, 1, 0);
    const auto [back, ink] =
        Drawn(box->grab().toImage(), box->rect().adjusted(3, 3, -3, -3), {caret});
    return back != Qt::white || ink != Qt::white;
}

QPoint ArrowAt(const Spinner *spinner, const QString &which)
{
    return spinner->ArrowRect(which == "down" ? Spinner::Arrow::Down : Spinner::Arrow::Up).center();
}

// The table's keys named as Qt names them, but for those a keyboard sends otherwise.
const QHash<QString, QKeyCombination> kSentAs = {{"Enter", Qt::Key_Return},
                                                 {"Shift+Tab", Qt::ShiftModifier | Qt::Key_Backtab},
                                                 {"KP_Up", Qt::KeypadModifier | Qt::Key_Up},
                                                 {"KP_Enter", Qt::KeypadModifier | Qt::Key_Enter}};

void Step(App &app, const QString &step)
{
    const QStringList parts = step.split(':');
    const QKeyCombination key = kSentAs.value(step, QKeySequence(step)[0]);
    QWidget *control = parts.size() > 1 && parts[0] != "wait" ? app.Find(parts[1]) : nullptr;
    auto *spinner = qobject_cast<Spinner *>(control);
    if (key.key() != Qt::Key_unknown) {
        QVERIFY2(QApplication::focusWidget(), "nothing has the focus");
        QTest::keyClick(QApplication::focusWidget(), key.key(), key.keyboardModifiers());
    } else if (parts[0] == "wait") {
        QTest::qWait(parts[1].toInt());
    } else if (step == "closemain" || step == "closeabout") { // as a window manager asks
        (step == "closemain" ? &app.form : app.dialog.data())->windowHandle()->close();
    } else if (step == "dropabout") {
        static_cast<QDialog *>(app.dialog.data())->done(QDialog::Rejected);
    } else if (parts[0] == "click") {
        Click(control);
    } else if (parts[0] == "right" || parts[0] == "middle") {
        QTest::mouseClick(control, parts[0] == "right" ? Qt::RightButton : Qt::MiddleButton, {},
                          spinner ? ArrowAt(spinner, "up") : control->rect().center());
    } else if (QStringList{"up", "down", "hold", "press"}.contains(parts[0])) {
        app.held = {spinner, ArrowAt(spinner, parts[0])};
        QTest::mousePress(spinner, Qt::LeftButton, {}, app.held.second);
        if (parts[0] == "hold")
            QTest::qWait(1200);
        if (parts[0] != "press")
            Step(app, "release");
    } else if (parts[0] == "move") { // still pressed: the spinner has the pointer anywhere
        app.held.second = parts[2] == "off" ? QPoint(-20, 0) : ArrowAt(spinner, parts[2]);
        QTest::mouseMove(spinner, app.held.second);
    } else if (step == "release") {
        QTest::mouseRelease(app.held.first, Qt::LeftButton, {}, app.held.second);
    } else if (step == "forget") { // a screen reader reads the focused control's new description
        QApplication::focusWidget()->setAccessibleDescription({});
    } else if (parts[0] == "wheel") {
        const QPointF at = control->rect().center();
        QWheelEvent wheel(at, control->mapToGlobal(at), {}, {0, parts[2].toInt()}, Qt::NoButton, {},
                          Qt::NoScrollPhase, false);
        QApplication::sendEvent(control, &wheel);
    } else if (parts[0] == "type") {
        Click(control);
        QTest::keyClicks(QApplication::focusWidget(), parts[2]);
    } else if (parts[0] == "paste") {
        QApplication::clipboard()->setText(QString::fromStdWString(kHostilePaste));
        Click(control);
        for (const Qt::Key letter : {Qt::Key_A, Qt::Key_V}) // select all, paste
            QTest::keyClick(control, letter, Qt::ControlModifier);
    } else {
        QFAIL(qPrintable("unknown step " + step));
    }
}

// What a check reads, by its name; any other name is a box's value.
QString Seen(App &app, const QString &check)
{
    const QString name = check.section(QRegularExpression("[=>]"), 0, 0);
    const QString control = check.section('=', 1);
    const QWidget *focused = QApplication::focusWidget();
    const bool about = app.dialog && app.dialog->isVisible();
    const auto right = [&](bool ok) { return control + (ok ? "" : " wrong"); };
    // Centred across the work area as known before it was shown, less the desktop's frame.
    const QRect work = app.form.screen()->availableGeometry(), frame = app.form.frameGeometry();
    const QPoint placed(work.left() + (work.width() - app.form.width()) / 2,
                        work.top() + std::max(0, work.height() - app.form.height()) / 8);
    const QColor greyed = QApplication::palette().color(QPalette::Disabled, QPalette::WindowText);
    const QHash<QString, std::function<QString()>> seen = {
        {"focus", [&] { return focused ? focused->objectName() : "none"; }},
        {"about", [&] { return QString::number(about); }},
        {"ended", [&] { return QString::number(!app.form.isVisible() && !about); }},
        {"active", [&] { return QApplication::activeWindow() == &app.form ? "main" : "about"; }},
        {"message", [&] { return QString::number(app.messages); }},
        {"placed", [&] { return frame.topLeft() == placed ? "main" : "main elsewhere"; }},
        {"heard", [&] { return focused->accessibleDescription(); }},
        {"checked", [&] { return right(app.Find(control)->property("checked").toBool()); }},
        {"greyed",
         [&] { return right(app.Find(control)->palette().windowText().color() == greyed); }},
        {"blank", [&] { return right(!Inked(app.Find<QLineEdit>(control))); }},
        {"inked", [&] { return right(Inked(app.Find<QLineEdit>(control))); }},
    };
    return seen.contains(name) ? seen[name]() : app.Find(name)->property("text").toString();
}

// A design colour as shown: 0x00BBGGRR as it is, a system colour from the palette.
QColor Colour(ColourValue colour)
{
    const QPalette p = QApplication::palette();
    return colour == kSysButtonText       ? p.color(QPalette::Active, QPalette::ButtonText)
           : colour == kSysButtonShadow   ? p.color(QPalette::Disabled, QPalette::WindowText)
           : colour == kSysInactiveBorder ? p.color(QPalette::Inactive, QPalette::Window)
                                          : QColor(colour & 0xFF, colour >> 8 & 0xFF, colour >> 16);
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

// A control as drawn in `image` of its window. With wind the greyed rows show
// as any other: captions in button text, values in the boxes' blue. Debian has
// no "MS Sans Serif": Liberation Sans stands in.
void CheckControl(QWidget *window, const QImage &image, const ControlDesign &c, FontDesign font,
                  bool wind)
{
    const bool box = c.kind == ControlKind::TextBox, button = c.kind == ControlKind::CommandButton,
               label = c.kind == ControlKind::Label, spinner = c.kind == ControlKind::Spinner;
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
    const QString text = w->property("text").toString();
    QCOMPARE(std::tuple(w->objectName(), w->pos(), w->height(),
                        label ? std::min(w->width(), r.width()) : w->width(), w->isVisible(),
                        w->isEnabled(), bool(w->focusPolicy() & Qt::TabFocus), w->toolTip(),
                        *c.accessibleName ? w->accessibleName() : "", box ? c.caption : text,
                        w->property("wordWrap").toBool(), w->property("checked").toBool(),
                        w->property("default").toBool()),
             std::tuple(QString(c.name), r.topLeft(), r.height(), r.width(),
                        c.visible || (wind && spinner), true, c.tabIndex >= 0, QString(c.toolTip),
                        QString(c.accessibleName), QString(c.caption), c.wordWrap, c.selected,
                        c.isDefault));
    if (const auto *s = qobject_cast<Spinner *>(w); s && !wind)
        QCOMPARE(std::tuple(s->minimum(), s->maximum(), s->singleStep(), s->value()),
                 std::tuple(c.spinner.min, c.spinner.max, c.spinner.smallChange, c.spinner.value));
    if (spinner || c.kind == ControlKind::PictureBox)
        return;
    QRegion above; // the boxes a caption lies beneath
    for (const QWidget *other : window->findChildren<QWidget *>())
        above += label && other->isVisible() && !qobject_cast<const QLabel *>(other)
                     ? other->geometry()
                     : QRect();
    const int whole = w->sizeHint().width(); // a caption is shown whole
    QVERIFY(!label || c.wordWrap ||
            (w->width() >= whole && window->rect().contains(w->pos() + QPoint(whole, 0))));
    font = c.font.points > 0 ? c.font : font;
    const QFontInfo seen(w->font()), platform(QApplication::font());
    QCOMPARE(std::tuple(seen.family(), seen.pixelSize(), seen.weight(), seen.italic()),
             font.points > 0
                 ? std::tuple(QString("Liberation Sans"),
                              qRound(font.points * w->logicalDpiY() / 72), font.bold ? 700 : 400,
                              false)
                 : std::tuple(platform.family(), platform.pixelSize(), platform.weight(), false));
    // The pixels: an option's circle fills its box but for a strip above.
    const QRect area = c.kind == ControlKind::OptionButton ? QRect(r.topLeft(), QSize(r.width(), 2))
                       : label                             ? r
                                                           : r.adjusted(4, 4, -4, -4);
    const auto [back, ink] = Drawn(image, area & window->rect(), above);
    const QPalette palette = QApplication::palette();
    QVERIFY2(button || back == (c.backColour != kDefaultColour // a bevel's shades aside
                                    ? Colour(c.backColour)
                                    : palette.color(box ? QPalette::Base : QPalette::Window)),
             qPrintable(QString(c.name) + " on " + back.name()));
    const QColor wantInk = fore != kDefaultColour ? Colour(fore)
                                                  : palette.color(box      ? QPalette::Text
                                                                  : button ? QPalette::ButtonText
                                                                           : QPalette::WindowText);
    QVERIFY2(c.kind == ControlKind::OptionButton || text.isEmpty() ||
                 Distance(ink, wantInk) < 16, // a thin stroke may cover no whole pixel
             qPrintable(QString(c.name) + " in " + ink.name()));
}

// The window's title, size and frame (its title's colours are the window
// manager's), then every control against its design.
void CheckWindow(QWidget *window, const WindowDesign &design, const QString &title, bool wind)
{
    const int dpi = window->logicalDpiY();
    QCOMPARE(window->windowTitle(), title);
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
        if (CheckControl(window, image, c, design.font, wind); QTest::currentTestFailed())
            return qWarning("at %s", c.name);
}

} // namespace

class TestQt : public QObject
{
    Q_OBJECT

private slots:
    void scenarios_data()
    {
        QTest::addColumn<Scenario>("row");
        for (const Scenario &row : ReadScenarios(TAVREL_SCENARIOS, "qt"))
            if (row.notHere.empty())
                QTest::newRow(row.name.c_str()) << row;
            else
                qInfo("not here: %s (%s)", row.name.c_str(), row.notHere.c_str());
    }

    void scenarios()
    {
        QFETCH(Scenario, row);
        App app;
        for (const std::string &step : row.steps) {
            Step(app, QString::fromStdString(step));
            QTest::qWait(10); // the events a step posted
        }
        for (const std::string &check : row.checks) { // a text, or at least a number
            const Expected want = ParseCheck(check);
            const QString seen = Seen(app, QString::fromStdString(check));
            QCOMPARE(want.atLeast && seen.toInt() >= *want.atLeast ? "enough" : seen,
                     QString::fromStdString(want.atLeast ? "enough" : want.value));
        }
    }

    void look()
    {
        // A theme where no colour the design names or implies is another's.
        QPalette theme = QApplication::palette();
        theme.setColor(QPalette::Button, QColor(0xe0e0e0));
        theme.setColor(QPalette::ButtonText, QColor(0x202020));
        theme.setColor(QPalette::Inactive, QPalette::Window, QColor(0xd4d0c8));
        QApplication::setPalette(theme);
        App app;
        CheckWindow(&app.form, kForm1Design, kApplicationTitle, false);
        for (const char *step : {"up:VScroll8", "click:Command1"}) // wind, and a distance
            Step(app, step);
        CheckWindow(&app.form, kForm1Design, kApplicationTitle, true);
        Step(app, "down:VScroll8");
        CheckWindow(&app.form, kForm1Design, kApplicationTitle, false);
        // A held arrow looks pressed, and released again when let go.
        Step(app, "press:VScroll4");
        const QImage pressed = app.held.first->grab().toImage();
        Step(app, "release");
        QVERIFY(app.held.first->grab().toImage() != pressed);

        Step(app, "click:Command3");
        QVERIFY(QTest::qWaitForWindowExposed(app.dialog));
        CheckWindow(app.dialog, kAboutDesign, QString("About ") + kApplicationTitle, false);

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

QTEST_MAIN(TestQt)
#include "tst_qt.moc"
