// Colour mapping and the error path shared by every event procedure.
#include "common/colours.h"
#include "common/errors.h"
#include "main_window/look.h"

#include <QApplication>
#include <QMessageBox>
#include <QPushButton>
#include <QtTest>

using namespace tavrel;

class TestLook : public QObject
{
    Q_OBJECT

private slots:
    void plainColoursAreBlueGreenRed();
    void systemColoursFollowThePalette();
    void procedureErrorIsShownAndTheProgramGoesOn();
};

void TestLook::plainColoursAreBlueGreenRed()
{
    QCOMPARE(ToQColor(kDarkBlue), QColor(0, 0, 192));
    QCOMPARE(ToQColor(kBlue), QColor(0, 0, 255));
    QCOMPARE(ToQColor(kRed), QColor(255, 0, 0));
    QCOMPARE(ToQColor(0x00336699u), QColor(0x99, 0x66, 0x33));
}

void TestLook::systemColoursFollowThePalette()
{
    const QPalette original = QApplication::palette();
    QPalette palette = original;
    palette.setColor(QPalette::Active, QPalette::ButtonText, QColor(1, 2, 3));
    palette.setColor(QPalette::Disabled, QPalette::WindowText, QColor(4, 5, 6));
    palette.setColor(QPalette::Inactive, QPalette::Window, QColor(7, 8, 9));
    QApplication::setPalette(palette);

    QCOMPARE(ToQColor(kSysButtonText), QColor(1, 2, 3));
    QCOMPARE(ToQColor(kSysButtonShadow), QColor(4, 5, 6));
    QCOMPARE(ToQColor(kSysInactiveBorder), QColor(7, 8, 9));
    QApplication::setPalette(original);
}

void TestLook::procedureErrorIsShownAndTheProgramGoesOn()
{
    QWidget window;
    window.show();
    QString title, text;
    QMessageBox::Icon icon = QMessageBox::Warning;
    QTimer::singleShot(0, &window, [&] {
        auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
        QVERIFY(box);
        title = box->windowTitle();
        text = box->text();
        icon = box->icon();
        QCOMPARE(box->buttons().size(), 1);
        box->button(QMessageBox::Ok)->click();
    });

    bool after = false;
    RunProcedure(&window, [&] {
        throw ArithmeticError(ArithmeticError::Kind::DivisionByZero);
        after = true; // abandoned
    });
    QVERIFY(!after);
    QCOMPARE(title, QString("Tavrel V1.0"));
    QCOMPARE(text, QString("Division by zero"));
    QCOMPARE(icon, QMessageBox::NoIcon);

    // A procedure that raises nothing shows nothing.
    bool ran = false;
    RunProcedure(&window, [&] { ran = true; });
    QVERIFY(ran);
    QVERIFY(!QApplication::activeModalWidget());
}

QTEST_MAIN(TestLook)
#include "tst_look.moc"
