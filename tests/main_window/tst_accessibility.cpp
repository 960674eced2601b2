// What a screen reader hears in the main window: each field's caption and
// unit, its value and its tooltip, and the spinners as spin boxes it can move.
#include "main_window/form1.h"
#include "main_window/spinner.h"

#include <QAccessible>
#include <QLineEdit>
#include <QtTest>

using tavrel::Form1;
using tavrel::Spinner;

class TestAccessibility : public QObject
{
    Q_OBJECT

private slots:
    void fields_data();
    void fields();
    void resultAndOptions();
    void spinnerActions();
};

void TestAccessibility::fields_data()
{
    QTest::addColumn<QString>("box");
    QTest::addColumn<QString>("spinner");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("value");
    QTest::addColumn<QString>("description");

    QTest::newRow("Text1") << "Text1"
                           << "VScroll5"
                           << "Flying from, feet"
                           << "30000"
                           << "Your altitude starting the descent.";
    QTest::newRow("Text2") << "Text2"
                           << "VScroll2"
                           << "Flying to, feet"
                           << "3000"
                           << "Your desired altitude";
    QTest::newRow("Text3") << "Text3"
                           << "VScroll3"
                           << "Vertical speed, feet per minute"
                           << "1800"
                           << "Your descent rate";
    QTest::newRow("Text4") << "Text4"
                           << "VScroll4"
                           << "Airspeed, knots"
                           << "250"
                           << "Choose IAS ( Indicated AirSpeed ) or TAS ( True AirSpeed )";
    QTest::newRow("Text7") << "Text7"
                           << "VScroll6"
                           << "Plane heading, degrees"
                           << "360"
                           << "Wher you're going!)";
    QTest::newRow("Text8") << "Text8"
                           << "VScroll7"
                           << "Wind direction, degrees"
                           << "360"
                           << "The direction the wind comes from";
    QTest::newRow("Text9") << "Text9"
                           << "VScroll8"
                           << "Wind speed, knots"
                           << "0"
                           << "";
}

void TestAccessibility::fields()
{
    QFETCH(QString, box);
    QFETCH(QString, spinner);
    QFETCH(QString, name);
    QFETCH(QString, value);
    QFETCH(QString, description);

    Form1 form;
    for (const QString &control : {box, spinner}) {
        QAccessibleInterface *a =
            QAccessible::queryAccessibleInterface(form.findChild<QWidget *>(control));
        QVERIFY(a);
        QCOMPARE(a->text(QAccessible::Name), name);
        QCOMPARE(a->text(QAccessible::Description), description);
        QCOMPARE(a->text(QAccessible::Value), value);
    }
    QAccessibleInterface *s =
        QAccessible::queryAccessibleInterface(form.findChild<Spinner *>(spinner));
    QCOMPARE(s->role(), QAccessible::SpinBox);
}

void TestAccessibility::resultAndOptions()
{
    Form1 form;
    const auto name = [&](const char *control) {
        return QAccessible::queryAccessibleInterface(form.findChild<QWidget *>(control))
            ->text(QAccessible::Name);
    };
    QCOMPARE(name("Text6"), QString("Distance"));
    QCOMPARE(name("Option1"), QString("IAS"));
    QCOMPARE(name("Option2"), QString("TAS"));
}

void TestAccessibility::spinnerActions()
{
    Form1 form;
    QAccessibleActionInterface *actions =
        QAccessible::queryAccessibleInterface(form.findChild<Spinner *>("VScroll5"))
            ->actionInterface();
    QVERIFY(actions);
    QVERIFY(actions->actionNames().contains(QAccessibleActionInterface::increaseAction()));
    actions->doAction(QAccessibleActionInterface::increaseAction());
    QCOMPARE(form.findChild<QLineEdit *>("Text1")->text(), QString("30100"));
    actions->doAction(QAccessibleActionInterface::decreaseAction());
    actions->doAction(QAccessibleActionInterface::decreaseAction());
    QCOMPARE(form.findChild<QLineEdit *>("Text1")->text(), QString("29900"));
}

QTEST_MAIN(TestAccessibility)
#include "tst_accessibility.moc"
