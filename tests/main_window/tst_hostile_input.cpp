// Hostile text typed and pasted into every box of the main window, with a
// calculation after each: nothing crashes, no spinner moves, every input box
// goes back to its spinner's text and the result is the start-up distance.
#include "main_window/form1.h"
#include "main_window/spinner.h"

#include <QApplication>
#include <QClipboard>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPushButton>
#include <QtTest>

using tavrel::Form1;
using tavrel::Spinner;

namespace {

// Types each character as a key event carrying it, whatever it is (QTest's
// key clicks refuse characters that have no key).
void TypeText(QWidget *box, const QString &text)
{
    for (const QChar c : text) {
        QKeyEvent press(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, QString(c));
        QKeyEvent release(QEvent::KeyRelease, Qt::Key_unknown, Qt::NoModifier, QString(c));
        QApplication::sendEvent(box, &press);
        QApplication::sendEvent(box, &release);
    }
}

} // namespace

class TestHostileInput : public QObject
{
    Q_OBJECT

private slots:
    void hostileText_data();
    void hostileText();
};

void TestHostileInput::hostileText_data()
{
    QTest::addColumn<QString>("text");

    QString binary;
    for (int code = 0; code < 256; ++code)
        binary += QChar(code);
    QTest::newRow("empty") << QString();
    QTest::newRow("long digits") << QString(100000, '9');
    QTest::newRow("long letters") << QString(50000, 'x');
    QTest::newRow("binary bytes") << binary;
    QTest::newRow("unpaired surrogates") << QString(QChar(0xD800)) + QChar(0xDFFF) + "12";
    QTest::newRow("right-to-left digits")
        << QString::fromUtf8("\u0663\u0660\u0660\u0660 \u05e9\u05dc\u05d5\u05dd");
    QTest::newRow("right-to-left override") << QString::fromUtf8("\u202e12345\u202c");
    QTest::newRow("huge number") << "1e308";
    QTest::newRow("beyond double") << "-1e4000";
    QTest::newRow("beyond single") << "3.5e38";
    QTest::newRow("400 digits") << QString(400, '9');
    QTest::newRow("hex overflow") << "&H" + QString(300, 'F');
    QTest::newRow("exponent only") << "E999999999999999999999";
}

void TestHostileInput::hostileText()
{
    QFETCH(QString, text);

    Form1 form;
    form.show();
    QVERIFY(QTest::qWaitForWindowExposed(&form));
    auto *calculate = form.findChild<QPushButton *>("Command1");
    const auto snapshot = [&form] {
        QStringList state;
        for (const Spinner *spinner : form.findChildren<Spinner *>())
            state << spinner->objectName() + "=" + QString::number(spinner->value());
        for (const char *box : {"Text1", "Text2", "Text3", "Text4", "Text7", "Text8", "Text9"})
            state << QString(box) + "=" + form.findChild<QLineEdit *>(box)->text();
        return state;
    };
    const QStringList before = snapshot();

    for (const char *name :
         {"Text1", "Text2", "Text3", "Text4", "Text6", "Text7", "Text8", "Text9"}) {
        QLineEdit *box = form.findChild<QLineEdit *>(name);
        box->setFocus();
        // Typed key by key (the short texts only: a key event per character).
        if (text.size() <= 300) {
            box->selectAll();
            TypeText(box, text);
            QTest::mouseClick(calculate, Qt::LeftButton);
            QCOMPARE(snapshot(), before);
        }
        // Pasted over the whole text, and into the middle of it.
        QApplication::clipboard()->setText(text);
        box->selectAll();
        QTest::keyClick(box, Qt::Key_V, Qt::ControlModifier);
        box->setCursorPosition(1);
        QTest::keyClick(box, Qt::Key_V, Qt::ControlModifier);
        QTest::mouseClick(calculate, Qt::LeftButton);
        QCOMPARE(snapshot(), before);
        QCOMPARE(form.findChild<QLineEdit *>("Text6")->text(), QString(" 81.7"));
    }
}

QTEST_MAIN(TestHostileInput)
#include "tst_hostile_input.moc"
