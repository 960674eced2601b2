// The Qt front-end on real widgets: every row of the shared scenario table,
// driven with the mouse and the keyboard as a user drives the program.
#include "../scenarios/scenario_table.h"
#include "qt/spinner.h"
#include "tests/qt/qt_app.h"

#include <QClipboard>
#include <QLineEdit>
#include <QScreen>
#include <QWheelEvent>
#include <QWindow>

using namespace tavrel;

namespace {

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

// Where the procedures placed the main window: centred across the work area
// as known before it was shown, without the frame the desktop draws.
QString Placed(const App &app)
{
    const QRect work = app.form.screen()->availableGeometry();
    const QPoint expected(work.left() + (work.width() - app.form.width()) / 2,
                          work.top() + std::max(0, work.height() - app.form.height()) / 8);
    const QPoint at = app.form.frameGeometry().topLeft();
    return at == expected ? "main" : QString("main at %1,%2").arg(at.x()).arg(at.y());
}

// What a check reads, by its name; any other name is a box's value.
QString Seen(App &app, const QString &check)
{
    const QString name = check.section(QRegularExpression("[=>]"), 0, 0);
    const QString control = check.section('=', 1);
    const QWidget *focused = QApplication::focusWidget();
    const bool about = app.dialog && app.dialog->isVisible();
    const auto right = [&](bool ok) { return control + (ok ? "" : " wrong"); };
    const QHash<QString, std::function<QString()>> seen = {
        {"focus", [&] { return focused ? focused->objectName() : "none"; }},
        {"about", [&] { return QString::number(about); }},
        {"ended", [&] { return QString::number(!app.form.isVisible() && !about); }},
        {"active", [&] { return QApplication::activeWindow() == &app.form ? "main" : "about"; }},
        {"message", [&] { return QString::number(app.messages); }},
        {"placed", [&] { return Placed(app); }},
        {"heard", [&] { return focused->accessibleDescription(); }},
        {"checked", [&] { return right(app.Find(control)->property("checked").toBool()); }},
        {"greyed",
         [&] {
             return right(app.Find(control)->palette().color(QPalette::WindowText) ==
                          QApplication::palette().color(QPalette::Disabled, QPalette::WindowText));
         }},
        {"blank", [&] { return right(!Inked(app.Find<QLineEdit>(control))); }},
        {"inked", [&] { return right(Inked(app.Find<QLineEdit>(control))); }},
    };
    return seen.contains(name) ? seen[name]() : app.Find(name)->property("text").toString();
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
        for (const std::string &check : row.checks) {
            const Expected expected = ParseCheck(check);
            const QString seen = Seen(app, QString::fromStdString(check));
            if (expected.atLeast)
                QVERIFY2(seen.toInt() >= *expected.atLeast,
                         qPrintable(QString::fromStdString(check) + ": " + seen));
            else
                QCOMPARE(seen, QString::fromStdString(expected.value));
        }
    }
};

QTEST_MAIN(TestQt)
#include "tst_qt.moc"
