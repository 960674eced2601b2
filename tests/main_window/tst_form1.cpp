// The main window, headless: its controls as a pilot finds them, and
// "Calculate", "Exit" and the error message driven through the real widgets.
#include "find_control.h"
#include "main_window/form1.h"
#include "main_window/spinner.h"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QtTest>

using tavrel::Form1;
using tavrel::Spinner;

namespace {

QColor Rgb(unsigned bgr) { return QColor(bgr & 0xFF, (bgr >> 8) & 0xFF, (bgr >> 16) & 0xFF); }

} // namespace

class TestForm1 : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void windowFrame();
    void controls_data();
    void controls();
    void placement();
    void colours();
    void initialState();
    void tabOrder();
    void calculate_data();
    void calculate();
    void resultBoxKeepsTypedText();
    void enterRunsNoCalculation();
    void optionsAndCaptions();
    void exitEndsTheProgram();

private:
    template <typename T> T *Child(const char *name) { return FindControl<T>(m_form, name); }
    void Type(const char *box, const QString &text)
    {
        QLineEdit *edit = Child<QLineEdit>(box);
        edit->selectAll();
        QTest::keyClick(edit, Qt::Key_Delete);
        QTest::keyClicks(edit, text);
    }
    void Click(const char *button)
    {
        QTest::mouseClick(Child<QPushButton>(button), Qt::LeftButton);
    }

    Form1 *m_form = nullptr;
};

void TestForm1::init()
{
    m_form = new Form1;
    m_form->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_form));
}

void TestForm1::cleanup()
{
    delete m_form;
    m_form = nullptr;
}

void TestForm1::windowFrame()
{
    QCOMPARE(m_form->windowTitle(), QString("Tavrel V1.0"));
    const Qt::WindowFlags flags = m_form->windowFlags();
    QVERIFY(!(flags & Qt::WindowMinimizeButtonHint));
    QVERIFY(!(flags & Qt::WindowMaximizeButtonHint));
    QVERIFY(flags & Qt::WindowCloseButtonHint);
    QVERIFY(flags & Qt::WindowSystemMenuHint);
    // Fixed size: 6000 x 2880 twips at the screen's logical DPI.
    const qreal dpi = m_form->logicalDpiY();
    QCOMPARE(m_form->minimumSize(), m_form->maximumSize());
    QCOMPARE(m_form->width(), qRound(6000 * dpi / 1440));
    QCOMPARE(m_form->height(), qRound(2880 * dpi / 1440));
}

void TestForm1::controls_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("kind");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<qreal>("points");
    QTest::addColumn<QString>("toolTip");

    const qreal none = 0; // the window's default font
    QTest::newRow("Command1") << "Command1"
                              << "QPushButton"
                              << "Calculate" << 9.75 << "";
    QTest::newRow("Command2") << "Command2"
                              << "QPushButton"
                              << "Exit" << none << "Exit the program";
    QTest::newRow("Command3") << "Command3"
                              << "QPushButton"
                              << "About" << none << "About this software";
    QTest::newRow("Option1") << "Option1"
                             << "QRadioButton"
                             << "IAS" << 8.25 << "";
    QTest::newRow("Option2") << "Option2"
                             << "QRadioButton"
                             << "TAS" << 8.25 << "";
    QTest::newRow("Label1") << "Label1"
                            << "QLabel"
                            << "Flying from" << 8.25 << "Your altitude starting the descent.";
    QTest::newRow("Label2") << "Label2"
                            << "QLabel"
                            << "Flying to" << 8.25 << "Your desired altitude";
    QTest::newRow("Label3") << "Label3"
                            << "QLabel"
                            << "Vertical speed" << 8.25 << "Your descent rate";
    QTest::newRow("Label4") << "Label4"
                            << "QLabel"
                            << "Airspeed" << 8.25
                            << "Choose IAS ( Indicated AirSpeed ) or TAS ( True AirSpeed )";
    QTest::newRow("Label5") << "Label5"
                            << "QLabel"
                            << "IAS" << 9.75 << "";
    QTest::newRow("Label7") << "Label7"
                            << "QLabel"
                            << "Feet" << 8.25 << "";
    QTest::newRow("Label8") << "Label8"
                            << "QLabel"
                            << "Feet" << 8.25 << "";
    QTest::newRow("Label9") << "Label9"
                            << "QLabel"
                            << "Feet/min" << 8.25 << "";
    QTest::newRow("Label10") << "Label10"
                             << "QLabel"
                             << "Deg." << 8.25 << "";
    QTest::newRow("Label11") << "Label11"
                             << "QLabel"
                             << "TAS" << 9.75 << "";
    QTest::newRow("Label12") << "Label12"
                             << "QLabel"
                             << "Nm" << 9.75 << "";
    QTest::newRow("Label13") << "Label13"
                             << "QLabel"
                             << "Distance" << 9.75 << "";
    QTest::newRow("Label14") << "Label14"
                             << "QLabel"
                             << "Deg." << 8.25 << "";
    QTest::newRow("Label15") << "Label15"
                             << "QLabel"
                             << "Kts" << 8.25 << "";
    QTest::newRow("Label16") << "Label16"
                             << "QLabel"
                             << "Plane heading" << 8.25 << "Wher you're going!)";
    QTest::newRow("Label17") << "Label17"
                             << "QLabel"
                             << "Wind direction" << 8.25 << "The direction the wind comes from";
    QTest::newRow("Label18") << "Label18"
                             << "QLabel"
                             << "Wind speed" << 8.25 << "";
    QTest::newRow("Text6") << "Text6"
                           << "QLineEdit"
                           << "" << 9.75 << "";
    // Input boxes hold their spinners' texts from the load step on.
    const char *boxes[][2] = {{"Text1", "30000"}, {"Text2", "3000"}, {"Text3", "1800"},
                              {"Text4", "250"},   {"Text7", "360"},  {"Text8", "360"},
                              {"Text9", "0"}};
    for (const auto &[box, text] : boxes)
        QTest::newRow(box) << box << "QLineEdit" << text << none << "";
}

void TestForm1::controls()
{
    QFETCH(QString, name);
    QFETCH(QString, kind);
    QFETCH(QString, caption);
    QFETCH(qreal, points);
    QFETCH(QString, toolTip);

    QWidget *control = m_form->findChild<QWidget *>(name);
    QVERIFY(control);
    QVERIFY(control->inherits(qPrintable(kind)));
    QString text;
    if (auto *label = qobject_cast<QLabel *>(control))
        text = label->text();
    else if (auto *button = qobject_cast<QAbstractButton *>(control))
        text = button->text();
    else
        text = qobject_cast<QLineEdit *>(control)->text();
    QCOMPARE(text, caption);
    QCOMPARE(control->toolTip(), toolTip);
    if (points > 0) {
        QCOMPARE(control->font().pointSizeF(), points);
        QVERIFY(control->font().bold());
    } else {
        QCOMPARE(control->font(), m_form->font());
    }
}

void TestForm1::placement()
{
    const qreal dpi = m_form->logicalDpiY();
    const auto px = [dpi](int twips) { return qRound(twips * dpi / 1440); };
    // Spinners: 135 x 235 twips beside their boxes.
    const Spinner *vscroll5 = Child<Spinner>("VScroll5");
    QCOMPARE(vscroll5->geometry().topLeft(), QPoint(px(2249), px(120)));
    QCOMPARE(vscroll5->size(), QSize(px(2249 + 135) - px(2249), px(120 + 235) - px(120)));
    QCOMPARE(Child<Spinner>("VScroll8")->geometry().topLeft(), QPoint(px(5400), px(915)));
    QCOMPARE(Child<QLineEdit>("Text1")->geometry().topLeft(), QPoint(px(1499), px(120)));
    QCOMPARE(Child<QLineEdit>("Text6")->geometry().topLeft(), QPoint(px(1200), px(2205)));
    QCOMPARE(Child<QPushButton>("Command3")->geometry().topLeft(), QPoint(px(4200), px(2280)));
    QCOMPARE(Child<QLabel>("Label17")->geometry().topLeft(), QPoint(px(3480), px(600)));

    // Every caption is whole, and no caption covers a control that takes input
    // (children are listed bottom to top).
    const QObjectList stack = m_form->children();
    for (QObject *object : stack) {
        auto *control = qobject_cast<QWidget *>(object);
        auto *label = qobject_cast<QLabel *>(control);
        // A label's box may run past the edge ("Kts" does); its caption may not.
        const QRect drawn = label ? QRect(label->pos(), label->sizeHint()) : control->geometry();
        QVERIFY2(m_form->rect().contains(drawn), qPrintable(control->objectName()));
        if (!label)
            continue;
        QVERIFY2(label->width() >= label->sizeHint().width(), qPrintable(label->objectName()));
        for (QObject *above : stack.mid(stack.indexOf(label) + 1)) {
            auto *input = qobject_cast<QWidget *>(above);
            QVERIFY2(input->focusPolicy() != Qt::NoFocus ||
                         !label->geometry().intersects(input->geometry()),
                     qPrintable(label->objectName() + " covers " + input->objectName()));
        }
    }
}

void TestForm1::colours()
{
    for (const char *box : {"Text1", "Text2", "Text3", "Text4", "Text9"}) {
        QCOMPARE(Child<QLineEdit>(box)->palette().color(QPalette::Text), Rgb(0x00C00000));
        QCOMPARE(Child<QLineEdit>(box)->palette().color(QPalette::Base), Rgb(0x00FFFFFF));
    }
    // No wind at start: white on white, and greyed captions in the desktop's disabled text colour.
    for (const char *box : {"Text7", "Text8"}) {
        QCOMPARE(Child<QLineEdit>(box)->palette().color(QPalette::Text), Rgb(0x00FFFFFF));
        QCOMPARE(Child<QLineEdit>(box)->palette().color(QPalette::Base), Rgb(0x00FFFFFF));
    }
    const QColor greyed = QApplication::palette().color(QPalette::Disabled, QPalette::WindowText);
    const QColor normal = QApplication::palette().color(QPalette::Active, QPalette::WindowText);
    QVERIFY(greyed != normal);
    for (const char *label : {"Label16", "Label17", "Label10", "Label14"})
        QCOMPARE(Child<QLabel>(label)->palette().color(QPalette::WindowText), greyed);
    for (const char *label : {"Label1", "Label18", "Label15"})
        QCOMPARE(Child<QLabel>(label)->palette().color(QPalette::WindowText), normal);
    QCOMPARE(Child<QLineEdit>("Text6")->palette().color(QPalette::Text), Rgb(0x00C00000));
    QCOMPARE(Child<QRadioButton>("Option1")->palette().color(QPalette::WindowText),
             Rgb(0x00FF0000));
}

void TestForm1::initialState()
{
    QVERIFY(Child<QLineEdit>("Text6")->text().isEmpty());
    QVERIFY(Child<QRadioButton>("Option1")->isChecked());
    QVERIFY(!Child<QRadioButton>("Option2")->isChecked());
    QVERIFY(!Child<Spinner>("VScroll6")->isVisible());
    QVERIFY(!Child<Spinner>("VScroll7")->isVisible());

    struct Expected
    {
        const char *name;
        int min, max, step, value;
    };
    for (const Expected &e : {Expected{"VScroll5", 0, 30000, 50, 16000},
                              {"VScroll2", 0, 26000, 100, 23000},
                              {"VScroll3", 100, 10000, 100, 8300},
                              {"VScroll4", 0, 800, 5, 600},
                              {"VScroll6", 0, 359, 1, 0},
                              {"VScroll7", 0, 359, 1, 0},
                              {"VScroll8", 0, 199, 1, 199}}) {
        const Spinner *spinner = Child<Spinner>(e.name);
        QCOMPARE(spinner->minimum(), e.min);
        QCOMPARE(spinner->maximum(), e.max);
        QCOMPARE(spinner->singleStep(), e.step);
        QCOMPARE(spinner->pageStep(), 1);
        QCOMPARE(spinner->value(), e.value);
    }
    QVERIFY(QTest::qWaitForWindowActive(m_form));
    QCOMPARE(QApplication::focusWidget(), Child<QLineEdit>("Text1"));
}

void TestForm1::tabOrder()
{
    QVERIFY(QTest::qWaitForWindowActive(m_form));
    Child<QLineEdit>("Text1")->setFocus();
    QStringList visited;
    for (int i = 0; i < 20; ++i) {
        visited << QApplication::focusWidget()->objectName();
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    }
    // The selected option button only; hidden spinners skipped; then round again.
    const QStringList expected = {"Text1",    "Text2",    "Text3",    "Text4",    "Text6",
                                  "Command1", "Command2", "Option1",  "Text7",    "Text8",
                                  "Text9",    "Command3", "VScroll2", "VScroll3", "VScroll4",
                                  "VScroll8", "VScroll5", "Text1",    "Text2",    "Text3"};
    QCOMPARE(visited, expected);
}

void TestForm1::calculate_data()
{
    // Spinner values for VScroll5, 2, 3, 4, 6, 7, 8; the boxes show the inputs in the row name.
    QTest::addColumn<QList<int>>("values");
    QTest::addColumn<bool>("tas");
    QTest::addColumn<QString>("expected");

    const QList<int> start = {16000, 23000, 8300, 600, 0, 0, 199};
    QTest::newRow("start-up 30000 3000 1800 250 IAS") << start << false << " 81.7";
    QTest::newRow("start-up with TAS") << start << true << " 62.5";
    QTest::newRow("35000 3000 2000 250 90 270 50 TAS")
        << QList<int>{13500, 23000, 8100, 600, 270, 90, 149} << true << " 79.9";
    QTest::newRow("every spinner at its far end: 18520 nm")
        << QList<int>{0, 26000, 10000, 0, 359, 179, 0} << false << " 18520";
    QTest::newRow("equal altitudes 3000 3000")
        << QList<int>{29500, 23000, 8300, 600, 0, 0, 199} << false << " 0";
}

void TestForm1::calculate()
{
    QFETCH(QList<int>, values);
    QFETCH(bool, tas);
    QFETCH(QString, expected);

    const char *names[] = {"VScroll5", "VScroll2", "VScroll3", "VScroll4",
                           "VScroll6", "VScroll7", "VScroll8"};
    for (int i = 0; i < 7; ++i)
        Child<Spinner>(names[i])->setValue(values[i]);
    if (tas)
        QTest::mouseClick(Child<QRadioButton>("Option2"), Qt::LeftButton);
    Click("Command1");
    QCOMPARE(Child<QLineEdit>("Text6")->text(), expected);
}

void TestForm1::resultBoxKeepsTypedText()
{
    Type("Text6", "my note");
    Child<Spinner>("VScroll5")->setValue(15000);
    QTest::mouseClick(Child<QRadioButton>("Option2"), Qt::LeftButton);
    QCOMPARE(Child<QLineEdit>("Text6")->text(), QString("my note"));
    Click("Command1");
    QCOMPARE(Child<QLineEdit>("Text6")->text(), QString(" 67.1"));
}

void TestForm1::enterRunsNoCalculation()
{
    for (const char *name : {"Text1", "Text4", "Text6"})
        QTest::keyClick(Child<QLineEdit>(name), Qt::Key_Return);
    QTest::keyClick(Child<QLineEdit>("Text1"), Qt::Key_Escape);
    QVERIFY(Child<QLineEdit>("Text6")->text().isEmpty());
    // The platform's key for a focused button does press it.
    Child<QPushButton>("Command1")->setFocus();
    QTest::keyClick(Child<QPushButton>("Command1"), Qt::Key_Space);
    QCOMPARE(Child<QLineEdit>("Text6")->text(), QString(" 81.7"));
}

void TestForm1::optionsAndCaptions()
{
    auto *ias = Child<QRadioButton>("Option1");
    auto *tas = Child<QRadioButton>("Option2");
    QTest::mouseClick(Child<QLabel>("Label11"), Qt::LeftButton);
    QVERIFY(ias->isChecked());
    QTest::mouseClick(tas, Qt::LeftButton, {}, QPoint(tas->width() / 2, tas->height() / 2));
    QVERIFY(tas->isChecked());
    QVERIFY(!ias->isChecked());
    QTest::mouseClick(Child<QLabel>("Label5"), Qt::LeftButton);
    QVERIFY(tas->isChecked());
    QTest::mouseClick(ias, Qt::LeftButton, {}, QPoint(ias->width() / 2, ias->height() / 2));
    QVERIFY(ias->isChecked() && !tas->isChecked());
}

void TestForm1::exitEndsTheProgram()
{
    QTimer::singleShot(0, m_form, [this] { Click("Command2"); });
    QTimer::singleShot(5000, qApp, [] { QCoreApplication::exit(1); }); // Exit did nothing
    QCOMPARE(QCoreApplication::exec(), 0);
}

QTEST_MAIN(TestForm1)
#include "tst_form1.moc"
