// The Qt front-end on real widgets: every row of the shared scenario table,
// driven with the mouse and the keyboard as a user drives the program.
#include "../scenarios/scenario_table.h"
#include "common/twips.h"
#include "qt/spinner.h"
#include "tests/qt/qt_app.h"

#include <QClipboard>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QWheelEvent>
#include <QWindow>

using namespace tavrel;

namespace {

// A box's value drawn: any ink on its white, the caret aside.
bool Inked(QLineEdit *box)
{
    const QRect caret = box->inputMethodQuery(Qt::ImCursorRectangle).toRect().adjusted(-1, 0, 1, 0);
    return Drawn(box->grab().toImage(), box->rect().adjusted(3, 3, -3, -3), {caret}).second !=
           Qt::white;
}

QPoint ArrowAt(const Spinner *spinner, const QString &which)
{
    return spinner->ArrowRect(which == "down" ? Spinner::Arrow::Down : Spinner::Arrow::Up).center();
}

void Step(App &app, const QString &step)
{
    const QStringList parts = step.split(':');
    // The table's keys are named as Qt names them; a keyboard sends Enter as
    // Return, and Shift+Tab as Backtab.
    const QKeyCombination key = step == "Enter" ? QKeyCombination(Qt::Key_Return)
                                : step == "Shift+Tab"
                                    ? QKeyCombination(Qt::ShiftModifier, Qt::Key_Backtab)
                                : step == "KP_Up" ? QKeyCombination(Qt::KeypadModifier, Qt::Key_Up)
                                                  : QKeySequence(step)[0];
    if (key.key() != Qt::Key_unknown) {
        QWidget *focused = QApplication::focusWidget();
        QVERIFY2(focused, "nothing has the focus");
        QTest::keyClick(focused, key.key(), key.keyboardModifiers());
    } else if (parts[0] == "wait") {
        QTest::qWait(parts[1].toInt());
    } else if (step == "closemain" || step == "closeabout") { // as a window manager asks
        (step == "closemain" ? static_cast<QWidget *>(&app.form) : app.dialog.data())
            ->windowHandle()
            ->close();
    } else if (step == "dropabout") {
        static_cast<QDialog *>(app.dialog.data())->done(QDialog::Rejected);
    } else if (parts[0] == "click") {
        Click(app.Find(parts[1]));
    } else if (parts[0] == "right" || parts[0] == "middle") {
        QWidget *control = app.Find(parts[1]);
        auto *spinner = qobject_cast<Spinner *>(control);
        QTest::mouseClick(control, parts[0] == "right" ? Qt::RightButton : Qt::MiddleButton, {},
                          spinner ? ArrowAt(spinner, "up") : control->rect().center());
    } else if (QStringList{"up", "down", "hold", "press"}.contains(parts[0])) {
        auto *spinner = app.Child<Spinner>(qPrintable(parts[1]));
        app.held = {spinner, ArrowAt(spinner, parts[0])};
        QTest::mousePress(spinner, Qt::LeftButton, {}, app.held.second);
        if (parts[0] == "hold")
            QTest::qWait(1200);
        if (parts[0] != "press")
            Step(app, "release");
    } else if (parts[0] == "move") { // still pressed: the spinner has the pointer anywhere
        auto *spinner = app.Child<Spinner>(qPrintable(parts[1]));
        app.held.second = parts[2] == "off" ? QPoint(-20, 0) : ArrowAt(spinner, parts[2]);
        QTest::mouseMove(spinner, app.held.second);
    } else if (step == "release") {
        QTest::mouseRelease(app.held.first, Qt::LeftButton, {}, app.held.second);
    } else if (step == "forget") { // a screen reader reads the focused control's new description
        QApplication::focusWidget()->setAccessibleDescription({});
    } else if (parts[0] == "wheel") {
        QWidget *spinner = app.Find(parts[1]);
        const QPointF at = spinner->rect().center();
        QWheelEvent wheel(at, spinner->mapToGlobal(at), {}, {0, parts[2].toInt()}, Qt::NoButton, {},
                          Qt::NoScrollPhase, false);
        QApplication::sendEvent(spinner, &wheel);
    } else if (parts[0] == "type") {
        Click(app.Find(parts[1]));
        QTest::keyClicks(QApplication::focusWidget(), parts[2]);
    } else if (parts[0] == "paste") {
        QApplication::clipboard()->setText(QString::fromStdWString(kHostilePaste));
        Click(app.Find(parts[1]));
        QTest::keyClick(app.Find(parts[1]), Qt::Key_A, Qt::ControlModifier);
        QTest::keyClick(app.Find(parts[1]), Qt::Key_V, Qt::ControlModifier);
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

QString Seen(App &app, const QString &check)
{
    const QString name = check.section(QRegularExpression("[=>]"), 0, 0);
    const QString control = check.section('=', 1);
    if (name == "focus")
        return QApplication::focusWidget() ? QApplication::focusWidget()->objectName() : "none";
    if (name == "about")
        return app.dialog && app.dialog->isVisible() ? "1" : "0";
    if (name == "active")
        return QApplication::activeWindow() == &app.form ? "main" : "about";
    if (name == "message")
        return QString::number(app.messages);
    if (name == "ended")
        return !app.form.isVisible() && !(app.dialog && app.dialog->isVisible()) ? "1" : "0";
    if (name == "placed")
        return Placed(app);
    if (name == "heard")
        return QApplication::focusWidget()->accessibleDescription();
    const auto right = [&](bool ok) { return control + (ok ? "" : " wrong"); };
    if (name == "checked")
        return right(app.Child<QRadioButton>(qPrintable(control))->isChecked());
    if (name == "greyed")
        return right(
            app.Child<QLabel>(qPrintable(control))->palette().color(QPalette::WindowText) ==
            QApplication::palette().color(QPalette::Disabled, QPalette::WindowText));
    if (name == "blank" || name == "inked")
        return right(Inked(app.Child<QLineEdit>(qPrintable(control))) == (name == "inked"));
    return app.Child<QLineEdit>(qPrintable(name))->text();
}

} // namespace

class TestQt : public QObject
{
    Q_OBJECT

private slots:
    void scenarios_data()
    {
        QTest::addColumn<QStringList>("steps");
        QTest::addColumn<QStringList>("checks");
        for (const Scenario &row : ReadScenarios(TAVREL_SCENARIOS, "qt")) {
            if (!row.notHere.empty()) {
                qInfo("not here: %s (%s)", row.name.c_str(), row.notHere.c_str());
                continue;
            }
            QStringList steps, checks;
            for (const std::string &step : row.steps)
                steps << QString::fromStdString(step);
            for (const std::string &check : row.checks)
                checks << QString::fromStdString(check);
            QTest::newRow(row.name.c_str()) << steps << checks;
        }
    }

    void scenarios()
    {
        QFETCH(QStringList, steps);
        QFETCH(QStringList, checks);
        App app;
        for (const QString &step : steps) {
            Step(app, step);
            QTest::qWait(10); // the events a step posted
        }
        for (const QString &check : checks) {
            const Expected expected = ParseCheck(check.toStdString());
            const QString seen = Seen(app, check);
            if (expected.atLeast)
                QVERIFY2(seen.toInt() >= *expected.atLeast, qPrintable(check + ": " + seen));
            else
                QCOMPARE(seen, QString::fromStdString(expected.value));
        }
    }
};

QTEST_MAIN(TestQt)
#include "tst_qt.moc"
