// The About box headless: its controls, the one instance, the ways it closes,
// the main window beside it, and "System Info..." on this desktop.
#include "../main_window/find_control.h"
#include "about/frm_about.h"
#include "fake_platform.h"
#include "main_window/form1.h"
#include "main_window/spinner.h"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTemporaryDir>
#include <QtTest>

using namespace tavrel;

namespace {

// Waits until the dialog of the last ShowAbout is gone (deleted on close).
bool Destroyed(QPointer<frmAbout> &dialog)
{
    return QTest::qWaitFor([&] {
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        return dialog.isNull();
    });
}

} // namespace

class TestAbout : public QObject
{
    Q_OBJECT

private slots:
    void cleanup();

    void controls();
    void oneInstance();
    void okUnloadsAndTheNextOpenLoadsAgain();
    void escAndEnterClose();
    void enterOnSystemInfoRunsTheLauncher();
    void mainWindowWorksBeside();
    void aboutButtonOpensIt();
    void closingTheMainWindowFirst();
    void exitEndsBoth();
    void systemInfoStartsTheInstalledTool();
    void systemInfoUnavailable();

private:
    template <typename T> static T *Child(const QWidget *parent, const char *name)
    {
        return FindControl<T>(parent, name);
    }
};

void TestAbout::cleanup()
{
    QPointer<frmAbout> dialog = frmAbout::Instance();
    if (dialog) {
        dialog->close();
        QVERIFY(Destroyed(dialog));
    }
}

void TestAbout::controls()
{
    frmAbout *dialog = frmAbout::ShowAbout();
    QVERIFY(QTest::qWaitForWindowActive(dialog));
    QCOMPARE(dialog->windowTitle(), QString("About Tavrel V1.0"));
    QVERIFY(!dialog->isModal());
    QVERIFY(!dialog->parentWidget());
    QVERIFY(!(dialog->windowFlags() & (Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint |
                                       Qt::WindowContextHelpButtonHint)));
    const qreal dpi = dialog->logicalDpiY();
    QCOMPARE(dialog->size(), QSize(qRound(5880 * dpi / 1440), qRound(2775 * dpi / 1440)));
    QCOMPARE(dialog->minimumSize(), dialog->maximumSize());

    QCOMPARE(Child<QLabel>(dialog, "lblTitle")->text(), QString("Tavrel V1.0"));
    QCOMPARE(Child<QLabel>(dialog, "Label1")->text(), QString("   FOR FLIGHT SIMULATOR USE ONLY"));
    QCOMPARE(Child<QLabel>(dialog, "Label1")->palette().color(QPalette::WindowText),
             QColor(Qt::red));
    QVERIFY(Child<QLabel>(dialog, "Label1")->font().bold());
    const QString description = Child<QLabel>(dialog, "lblDescription")->text();
    QVERIFY(
        description.startsWith("Tavrel allows you to calculate with a 1% accuracy your distance"));
    QVERIFY(description.endsWith("IAS/TAS variation." + QString(37, ' ')));
    const QString disclaimer = Child<QLabel>(dialog, "lblDisclaimer")->text();
    QVERIFY(disclaimer.startsWith("Freeware"));
    QVERIFY(disclaimer.contains("2026") && disclaimer.contains("The Tavrel developers"));
    QVERIFY(disclaimer.contains("issue tracker") && !disclaimer.contains('@'));
    QCOMPARE(Child<QPushButton>(dialog, "cmdSysInfo")->text(), QString("&System Info..."));

    auto *ok = Child<QPushButton>(dialog, "cmdOK");
    QCOMPARE(ok->text(), QString("OK"));
    QVERIFY(ok->isDefault());
    QCOMPARE(QApplication::focusWidget(), ok);
    const QPixmap picture = Child<QLabel>(dialog, "picIcon")->pixmap();
    QCOMPARE(picture.size(), QSize(108, 99));
    QCOMPARE(dialog->font().pointSizeF(), 8.25);
}

void TestAbout::oneInstance()
{
    QPointer<frmAbout> first = frmAbout::ShowAbout();
    QVERIFY(QTest::qWaitForWindowExposed(first));
    first->setWindowTitle("changed"); // a second load step would set it back
    QPointer<frmAbout> second = frmAbout::ShowAbout();
    QCOMPARE(second.data(), first.data());
    QCOMPARE(second->windowTitle(), QString("changed"));
    const QWidgetList windows = QApplication::topLevelWidgets();
    QCOMPARE(std::count_if(windows.begin(), windows.end(),
                           [](QWidget *w) { return qobject_cast<frmAbout *>(w) != nullptr; }),
             1);
}

void TestAbout::okUnloadsAndTheNextOpenLoadsAgain()
{
    QPointer<frmAbout> dialog = frmAbout::ShowAbout();
    dialog->setWindowTitle("changed");
    QTest::mouseClick(Child<QPushButton>(dialog, "cmdOK"), Qt::LeftButton);
    QVERIFY(Destroyed(dialog));
    QVERIFY(!frmAbout::Instance());

    frmAbout *fresh = frmAbout::ShowAbout();
    QCOMPARE(fresh->windowTitle(), QString("About Tavrel V1.0"));
}

void TestAbout::escAndEnterClose()
{
    QPointer<frmAbout> dialog = frmAbout::ShowAbout();
    QVERIFY(QTest::qWaitForWindowActive(dialog));
    QTest::keyClick(dialog, Qt::Key_Escape);
    QVERIFY(Destroyed(dialog));

    dialog = frmAbout::ShowAbout();
    QVERIFY(QTest::qWaitForWindowActive(dialog));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    QVERIFY(Destroyed(dialog));
}

void TestAbout::enterOnSystemInfoRunsTheLauncher()
{
    QPointer<frmAbout> dialog = frmAbout::ShowAbout();
    auto platform = std::make_unique<testing::FakePlatform>();
    testing::FakePlatform *fake = platform.get();
    fake->fakeRegistry.keys[kSysInfoKey][kSysInfoValue] = {kRegSz,
                                                           std::string("C:\\tool.exe\0", 12)};
    fake->files = {"C:\\tool.exe"};
    dialog->SetLauncherPlatform(std::move(platform));
    QVERIFY(QTest::qWaitForWindowActive(dialog));

    auto *sysInfo = Child<QPushButton>(dialog, "cmdSysInfo");
    sysInfo->setFocus();
    QTest::keyClick(sysInfo, Qt::Key_Return);
    QTest::mouseClick(sysInfo, Qt::LeftButton);
    QCOMPARE(fake->started, (std::vector<std::string>{"C:\\tool.exe", "C:\\tool.exe"}));
    QVERIFY(dialog);
    QVERIFY(dialog->isVisible());
}

void TestAbout::mainWindowWorksBeside()
{
    Form1 form;
    form.show();
    frmAbout::ShowAbout();
    Spinner *vertical = Child<Spinner>(&form, "VScroll3");
    QTest::mouseClick(vertical, Qt::LeftButton, {},
                      vertical->ArrowRect(Spinner::Arrow::Down).center());
    QCOMPARE(Child<QLineEdit>(&form, "Text3")->text(), QString("1700"));
    QTest::mouseClick(Child<QPushButton>(&form, "Command1"), Qt::LeftButton);
    QCOMPARE(Child<QLineEdit>(&form, "Text6")->text(),
             QString(" 86.5")); // 27000 ft at 1700 ft/min, 250 kt IAS
    QVERIFY(frmAbout::Instance()->isVisible());
}

void TestAbout::aboutButtonOpensIt()
{
    Form1 form;
    form.show();
    QVERIFY(!frmAbout::Instance());
    QTest::mouseClick(Child<QPushButton>(&form, "Command3"), Qt::LeftButton);
    QPointer<frmAbout> dialog = frmAbout::Instance();
    QVERIFY(dialog && dialog->isVisible());
    QTest::mouseClick(Child<QPushButton>(&form, "Command3"), Qt::LeftButton);
    QCOMPARE(frmAbout::Instance(), dialog.data());
}

void TestAbout::closingTheMainWindowFirst()
{
    // The program ends when its last window closes, not with the main window.
    Form1 form;
    form.show();
    QPointer<frmAbout> dialog = frmAbout::ShowAbout();
    QVERIFY(QTest::qWaitForWindowExposed(dialog));
    bool runningAfterMainClosed = false;
    QTimer::singleShot(0, &form, [&] { form.close(); });
    QTimer::singleShot(200, dialog, [&] {
        runningAfterMainClosed = dialog && dialog->isVisible();
        dialog->close();
    });
    QTimer::singleShot(5000, qApp, [] { QCoreApplication::exit(1); }); // never ended
    QCOMPARE(QCoreApplication::exec(), 0);
    QVERIFY(runningAfterMainClosed);
}

void TestAbout::exitEndsBoth()
{
    Form1 form;
    form.show();
    frmAbout::ShowAbout();
    QTimer::singleShot(0, &form, [&] {
        QTest::mouseClick(Child<QPushButton>(&form, "Command2"), Qt::LeftButton);
    });
    QTimer::singleShot(5000, qApp, [] { QCoreApplication::exit(1); });
    QCOMPARE(QCoreApplication::exec(), 0);
}

void TestAbout::systemInfoStartsTheInstalledTool()
{
    // A "hardinfo" on the search path that leaves a mark when it runs.
    QTemporaryDir bin;
    const QString marker = bin.filePath("started");
    const QString tool = bin.filePath("hardinfo");
    QFile script(tool);
    QVERIFY(script.open(QIODevice::WriteOnly));
    script.write(QString("#!/bin/sh\ntouch '%1'\n").arg(marker).toUtf8());
    script.close();
    script.setPermissions(script.permissions() | QFile::ExeOwner);

    const QByteArray path = qgetenv("PATH");
    qputenv("PATH", bin.path().toUtf8());
    frmAbout *dialog = frmAbout::ShowAbout();
    qputenv("PATH", path);
    QTest::mouseClick(Child<QPushButton>(dialog, "cmdSysInfo"), Qt::LeftButton);
    QTRY_VERIFY_WITH_TIMEOUT(QFile::exists(marker), 5000);
    QVERIFY(!QApplication::activeModalWidget());
}

void TestAbout::systemInfoUnavailable()
{
    QTemporaryDir empty;
    const QByteArray path = qgetenv("PATH");
    qputenv("PATH", empty.path().toUtf8());
    QPointer<frmAbout> dialog = frmAbout::ShowAbout();
    qputenv("PATH", path);

    QString title, text;
    QTimer::singleShot(0, dialog, [&] {
        auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
        QVERIFY(box);
        title = box->windowTitle();
        text = box->text();
        box->button(QMessageBox::Ok)->click();
    });
    QTest::mouseClick(Child<QPushButton>(dialog, "cmdSysInfo"), Qt::LeftButton);
    QCOMPARE(title, QString("Tavrel V1.0"));
    QCOMPARE(text, QString("System Information Is Unavailable At This Time"));
    QVERIFY(dialog && dialog->isVisible());
}

QTEST_MAIN(TestAbout)
#include "tst_about.moc"
