// The seven box/spinner pairs and the wind-dependent rows, driven through the
// real widgets: arrow clicks, typed keys, pastes.
#include "find_control.h"
#include "main_window/form1.h"
#include "main_window/spinner.h"

#include <QApplication>
#include <QClipboard>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QtTest>

using tavrel::Form1;
using tavrel::Spinner;

namespace {

// Everything an edit could disturb: every box's text and every spinner's value.
QStringList Snapshot(const QWidget &form)
{
    QStringList state;
    for (const QLineEdit *box : form.findChildren<QLineEdit *>())
        state << box->objectName() + "=" + box->text();
    for (const Spinner *spinner : form.findChildren<Spinner *>())
        state << spinner->objectName() + "=" + QString::number(spinner->value());
    state.sort();
    return state;
}

// The look of the heading and wind-direction rows.
QStringList WindLook(const QWidget &form)
{
    QStringList look;
    for (const char *name : {"Label16", "Label17", "Label10", "Label14"})
        look << form.findChild<QLabel *>(name)->palette().color(QPalette::WindowText).name();
    for (const char *name : {"Text7", "Text8"})
        look << form.findChild<QLineEdit *>(name)->palette().color(QPalette::Text).name();
    for (const char *name : {"VScroll6", "VScroll7"})
        look << (form.findChild<Spinner *>(name)->isVisible() ? "shown" : "hidden");
    return look;
}

} // namespace

class TestSpinnerPairs : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void oneClickEachWay_data();
    void oneClickEachWay();
    void rangeEnds_data();
    void rangeEnds();
    void typedEditsAreUndone_data();
    void typedEditsAreUndone();
    void pasteIsUndone();
    void writeBackChainsEndAfterOneNestedCall();
    void noWindLookAtStart();
    void windSpeedSwitchesTheRows();
    void headingKeptWhileGreyed();
    void sameSideChangesNothing();
    void hiddenSpinnersLeaveTheFocusOrder();

private:
    template <typename T> T *Child(const char *name) { return FindControl<T>(m_form, name); }
    QString Text(const char *box) { return Child<QLineEdit>(box)->text(); }
    void ClickArrow(const char *spinner, Spinner::Arrow arrow)
    {
        Spinner *s = Child<Spinner>(spinner);
        QTest::mouseClick(s, Qt::LeftButton, {}, s->ArrowRect(arrow).center());
    }

    Form1 *m_form = nullptr;
};

void TestSpinnerPairs::init()
{
    m_form = new Form1;
    m_form->show();
    QVERIFY(QTest::qWaitForWindowActive(m_form));
}

void TestSpinnerPairs::cleanup()
{
    delete m_form;
    m_form = nullptr;
}

void TestSpinnerPairs::oneClickEachWay_data()
{
    QTest::addColumn<QString>("spinner");
    QTest::addColumn<QString>("box");
    QTest::addColumn<QString>("afterUp");
    QTest::addColumn<QString>("afterDown");

    QTest::newRow("VScroll5 starting altitude") << "VScroll5"
                                                << "Text1"
                                                << "30100"
                                                << "29900";
    QTest::newRow("VScroll2 target altitude") << "VScroll2"
                                              << "Text2"
                                              << "3100"
                                              << "2900";
    QTest::newRow("VScroll3 vertical speed") << "VScroll3"
                                             << "Text3"
                                             << "1900"
                                             << "1700";
    QTest::newRow("VScroll4 airspeed") << "VScroll4"
                                       << "Text4"
                                       << "255"
                                       << "245";
    // Starting at the top of their range (value 0): the upper arrow points past it.
    QTest::newRow("VScroll6 heading") << "VScroll6"
                                      << "Text7"
                                      << "360"
                                      << "359";
    QTest::newRow("VScroll7 wind direction") << "VScroll7"
                                             << "Text8"
                                             << "360"
                                             << "359";
    // Starting at its Max (199): the lower arrow points past it.
    QTest::newRow("VScroll8 wind speed") << "VScroll8"
                                         << "Text9"
                                         << "1"
                                         << "0";
}

void TestSpinnerPairs::oneClickEachWay()
{
    QFETCH(QString, spinner);
    QFETCH(QString, box);
    QFETCH(QString, afterUp);
    QFETCH(QString, afterDown);

    if (spinner == "VScroll6" || spinner == "VScroll7")
        ClickArrow("VScroll8", Spinner::Arrow::Up); // wind, so that they are shown
    const QByteArray s = spinner.toLatin1(), b = box.toLatin1();
    const int start = Child<Spinner>(s)->value();

    ClickArrow(s, Spinner::Arrow::Up);
    QCOMPARE(Text(b), afterUp);
    ClickArrow(s, Spinner::Arrow::Down);
    if (Child<Spinner>(s)->value() == start) // came back: one more to go down
        ClickArrow(s, Spinner::Arrow::Down);
    QCOMPARE(Text(b), afterDown);
}

void TestSpinnerPairs::rangeEnds_data()
{
    QTest::addColumn<QString>("spinner");
    QTest::addColumn<QString>("box");
    QTest::addColumn<QString>("atMin");
    QTest::addColumn<QString>("atMax");

    QTest::newRow("VScroll5") << "VScroll5"
                              << "Text1"
                              << "62000"
                              << "2000";
    QTest::newRow("VScroll2") << "VScroll2"
                              << "Text2"
                              << "26000"
                              << "0";
    QTest::newRow("VScroll3") << "VScroll3"
                              << "Text3"
                              << "10000"
                              << "100";
    QTest::newRow("VScroll4") << "VScroll4"
                              << "Text4"
                              << "850"
                              << "50";
    QTest::newRow("VScroll6") << "VScroll6"
                              << "Text7"
                              << "360"
                              << "1";
    QTest::newRow("VScroll7") << "VScroll7"
                              << "Text8"
                              << "360"
                              << "1";
    QTest::newRow("VScroll8") << "VScroll8"
                              << "Text9"
                              << "199"
                              << "0";
}

void TestSpinnerPairs::rangeEnds()
{
    QFETCH(QString, spinner);
    QFETCH(QString, box);
    QFETCH(QString, atMin);
    QFETCH(QString, atMax);

    ClickArrow("VScroll8", Spinner::Arrow::Up); // wind: every spinner shown
    const QByteArray s = spinner.toLatin1(), b = box.toLatin1();
    Spinner *bar = Child<Spinner>(s);

    // Walk to each end as a user would, one step from it, then click past it.
    bar->setValue(bar->minimum() + bar->singleStep());
    ClickArrow(s, Spinner::Arrow::Up);
    QCOMPARE(bar->value(), bar->minimum());
    QCOMPARE(Text(b), atMin);
    ClickArrow(s, Spinner::Arrow::Up);
    QCOMPARE(bar->value(), bar->minimum());
    QCOMPARE(Text(b), atMin);

    bar->setValue(bar->maximum() - bar->singleStep());
    ClickArrow(s, Spinner::Arrow::Down);
    QCOMPARE(bar->value(), bar->maximum());
    QCOMPARE(Text(b), atMax);
    const QStringList before = Snapshot(*m_form);
    ClickArrow(s, Spinner::Arrow::Down);
    QCOMPARE(Snapshot(*m_form), before);
}

void TestSpinnerPairs::typedEditsAreUndone_data()
{
    QTest::addColumn<QString>("box");
    QTest::addColumn<QString>("shown");

    QTest::newRow("Text1") << "Text1"
                           << "30000";
    QTest::newRow("Text2") << "Text2"
                           << "3000";
    QTest::newRow("Text3") << "Text3"
                           << "1800";
    QTest::newRow("Text4") << "Text4"
                           << "250";
    QTest::newRow("Text7, greyed") << "Text7"
                                   << "360";
    QTest::newRow("Text8, greyed") << "Text8"
                                   << "360";
    QTest::newRow("Text9") << "Text9"
                           << "0";
}

void TestSpinnerPairs::typedEditsAreUndone()
{
    QFETCH(QString, box);
    QFETCH(QString, shown);

    QLineEdit *edit = Child<QLineEdit>(box.toLatin1());
    const QStringList before = Snapshot(*m_form);
    edit->setFocus();
    QTest::keyClicks(edit, "12");
    QCOMPARE(edit->text(), shown);
    edit->selectAll();
    QTest::keyClick(edit, Qt::Key_Delete);
    QCOMPARE(edit->text(), shown);
    QTest::keyClick(edit, Qt::Key_Backspace);
    QTest::keyClick(edit, Qt::Key_Z, Qt::ControlModifier); // undo has nothing to bring back
    QCOMPARE(edit->text(), shown);
    QCOMPARE(Snapshot(*m_form), before);
}

void TestSpinnerPairs::pasteIsUndone()
{
    QClipboard *clipboard = QApplication::clipboard();
    clipboard->setText("99999");
    QLineEdit *edit = Child<QLineEdit>("Text1");
    const QStringList before = Snapshot(*m_form);
    edit->setFocus();
    edit->selectAll();
    QTest::keyClick(edit, Qt::Key_V, Qt::ControlModifier);
    QCOMPARE(edit->text(), QString("30000"));
    QCOMPARE(Snapshot(*m_form), before);
    Child<QPushButton>("Command1")->click();
    QCOMPARE(Text("Text6"), QString(" 81.7"));
}

void TestSpinnerPairs::writeBackChainsEndAfterOneNestedCall()
{
    // One textChanged is one run of the box's change procedure.
    QLineEdit *box = Child<QLineEdit>("Text2");
    QSignalSpy changes(box, &QLineEdit::textChanged);
    QSignalSpy otherChanges(Child<QLineEdit>("Text1"), &QLineEdit::textChanged);

    // The platform must raise nothing for a write of the text a box holds.
    box->setText(box->text());
    QCOMPARE(changes.count(), 0);

    // Spinner change -> new text (one change) -> same text written again (none).
    ClickArrow("VScroll2", Spinner::Arrow::Up);
    QCOMPARE(changes.count(), 1);
    QCOMPARE(changes.last().first().toString(), QString("3100"));

    // A typed key -> typed text (one) -> derived text (one) -> same text (none).
    changes.clear();
    box->setFocus();
    QTest::keyClick(box, Qt::Key_7);
    // The spy, connected after the window, sees the nested change before the outer one.
    QCOMPARE(changes.count(), 2);
    QCOMPARE(changes.at(0).first().toString(), QString("3100"));
    QCOMPARE(changes.at(1).first().toString(), QString("31007"));
    QCOMPARE(otherChanges.count(), 0);
}

void TestSpinnerPairs::noWindLookAtStart()
{
    const QColor greyed = QApplication::palette().color(QPalette::Disabled, QPalette::WindowText);
    const QStringList expected = {greyed.name(), greyed.name(), greyed.name(), greyed.name(),
                                  "#ffffff",     "#ffffff",     "hidden",      "hidden"};
    QCOMPARE(WindLook(*m_form), expected);
    QCOMPARE(Text("Text7"), QString("360"));
    QCOMPARE(Text("Text8"), QString("360"));
}

void TestSpinnerPairs::windSpeedSwitchesTheRows()
{
    const QStringList noWind = WindLook(*m_form);
    const QColor buttonText = QApplication::palette().color(QPalette::Active, QPalette::ButtonText);

    ClickArrow("VScroll8", Spinner::Arrow::Up);
    QCOMPARE(Text("Text9"), QString("1"));
    const QStringList wind = {
        buttonText.name(), buttonText.name(), buttonText.name(), buttonText.name(),
        "#0000c0",         "#0000c0",         "shown",           "shown"};
    QCOMPARE(WindLook(*m_form), wind);

    ClickArrow("VScroll8", Spinner::Arrow::Down);
    QCOMPARE(Text("Text9"), QString("0"));
    QCOMPARE(WindLook(*m_form), noWind);
}

void TestSpinnerPairs::headingKeptWhileGreyed()
{
    Child<Spinner>("VScroll8")->setValue(189); // wind 10
    Child<Spinner>("VScroll6")->setValue(270); // heading 90
    QCOMPARE(Text("Text7"), QString("90"));
    Child<Spinner>("VScroll8")->setValue(198);
    ClickArrow("VScroll8", Spinner::Arrow::Down); // wind back to 0
    QVERIFY(!Child<Spinner>("VScroll6")->isVisible());
    QCOMPARE(Text("Text7"), QString("90"));
    QCOMPARE(Child<QLineEdit>("Text7")->palette().color(QPalette::Text), QColor(Qt::white));

    // Still read by Calculate: with no wind the heading changes nothing, 81.7 stays.
    Child<QPushButton>("Command1")->click();
    QCOMPARE(Text("Text6"), QString(" 81.7"));

    ClickArrow("VScroll8", Spinner::Arrow::Up);
    QCOMPARE(Text("Text7"), QString("90"));
    QCOMPARE(Child<QLineEdit>("Text7")->palette().color(QPalette::Text), QColor(0, 0, 192));
    QVERIFY(Child<Spinner>("VScroll6")->isVisible());
}

void TestSpinnerPairs::sameSideChangesNothing()
{
    Child<Spinner>("VScroll8")->setValue(194); // wind 5
    const QStringList at5 = WindLook(*m_form);
    ClickArrow("VScroll8", Spinner::Arrow::Up);
    QCOMPARE(Text("Text9"), QString("6"));
    QCOMPARE(WindLook(*m_form), at5);
}

void TestSpinnerPairs::hiddenSpinnersLeaveTheFocusOrder()
{
    ClickArrow("VScroll8", Spinner::Arrow::Up);
    Child<Spinner>("VScroll4")->setFocus();
    QStringList visited;
    for (int i = 0; i < 4; ++i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        visited << QApplication::focusWidget()->objectName();
    }
    QCOMPARE(visited, QStringList({"VScroll6", "VScroll7", "VScroll8", "VScroll5"}));

    ClickArrow("VScroll8", Spinner::Arrow::Down);
    Child<Spinner>("VScroll4")->setFocus();
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget()->objectName(), QString("VScroll8"));
}

QTEST_MAIN(TestSpinnerPairs)
#include "tst_spinner_pairs.moc"
