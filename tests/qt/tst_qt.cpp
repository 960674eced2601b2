// The Qt front-end on real widgets: the write-back chain through QLineEdit,
// the layout with both arrows of every spinner (run at scale 1 and 2), the
// focus order, the names screen readers speak, and the spinners under the mouse.
#include "common/twips.h"
#include "qt/about_dialog.h"
#include "qt/desktop_platform.h"
#include "qt/form1_window.h"
#include "qt/look.h"
#include "qt/spinner.h"

#include <QApplication>
#include <QClipboard>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QtTest>

using namespace tavrel;

namespace {

// The program's two windows, as main() builds them.
struct App
{
    App() { form.show(); }
    template <typename T = QWidget> T *Child(const char *name, QWidget *window = nullptr) const
    {
        T *control = (window ? window : &form)->findChild<T *>(name);
        return control ? control : (qFatal("no control %s", name), nullptr);
    }
    QString Tab(QWidget *window, int stops, Qt::Key key = Qt::Key_Tab) const
    {
        QStringList visited;
        while (stops--) {
            QTest::keyClick(window, key);
            visited << QApplication::focusWidget()->objectName();
        }
        return visited.join(' ');
    }

    QWidget *dialog = nullptr; // the About box last loaded
    DesktopPlatform launcher;
    frmAbout about{[this](frmAbout &procedures) -> AboutControls & {
                       AboutControls &loaded = AboutDialog::Load(procedures);
                       dialog = dynamic_cast<QWidget *>(&loaded);
                       return loaded;
                   },
                   launcher};
    Form1Window form{about};
};

} // namespace

class TestQt : public QObject
{
    Q_OBJECT

private slots:
    void chain()
    {
        App app;
        QLineEdit *box = app.Child<QLineEdit>("Text2");
        QTest::keyClick(box, Qt::Key_7); // undone at once
        QCOMPARE(box->text(), QString("3000"));
        // Text6 has no procedure: a paste stays whole, however long, until "Calculate".
        QApplication::clipboard()->setText(QString(100000, '7'));
        QTest::keyClick(app.Child("Text6"), Qt::Key_V, Qt::ControlModifier);
        QCOMPARE(app.Child<QLineEdit>("Text6")->text().size(), 100000);
    }

    void layout()
    {
        App app;
        Spinner *wind = app.Child<Spinner>("VScroll8");
        QTest::mouseClick(wind, Qt::LeftButton, {}, wind->ArrowRect(Spinner::Arrow::Up).center());
        app.Child<QPushButton>("Command3")->click(); // wind: every spinner shown; and the About box
        QVERIFY(QTest::qWaitForWindowExposed(app.dialog));
        for (const auto &[window, design] :
             {std::pair<QWidget *, const WindowDesign *>(&app.form, &kForm1Design),
              {app.dialog, &kAboutDesign}}) {
            const qreal dpi = window->logicalDpiY();
            QCOMPARE(window->maximumSize(), QSize(TwipsToPixels(design->widthTwips, dpi),
                                                  TwipsToPixels(design->heightTwips, dpi)));
            QCOMPARE(window->size(), window->minimumSize());
            // Every caption whole: one this font draws wider grows to the right.
            for (const QLabel *label : window->findChildren<QLabel *>())
                QVERIFY2(label->wordWrap() ||
                             (label->width() >= label->sizeHint().width() &&
                              window->rect().contains(label->geometry().topLeft() +
                                                      QPoint(label->sizeHint().width(), 0))),
                         qPrintable(label->objectName()));
        }
        const QPixmap picture = app.Child<QLabel>("picIcon", app.dialog)->pixmap();
        QCOMPARE(picture.deviceIndependentSize().toSize(), QSize(108, 99));
        QCOMPARE(picture.devicePixelRatio(), app.dialog->devicePixelRatio()); // sharp at scale 2
    }

    void focusOrder()
    {
        App app;
        QVERIFY(QTest::qWaitForWindowActive(&app.form));
        QCOMPARE(QApplication::focusWidget(), app.Child("Text1"));
        // Only the selected option, before any had the focus; hidden spinners skipped.
        app.Child("Text7")->setFocus();
        QCOMPARE(app.Tab(&app.form, 2, Qt::Key_Backtab), QString("Option1 Command2"));
        QCOMPARE(app.Tab(&app.form, 17), QString("Option1 Text7 Text8 Text9 Command3 VScroll2 "
                                                 "VScroll3 VScroll4 VScroll8 VScroll5 Text1 Text2 "
                                                 "Text3 Text4 Text6 Command1 Command2"));
        QTest::mouseClick(app.Child("Option2"), Qt::LeftButton);
        app.Child("Text7")->setFocus();
        QCOMPARE(app.Tab(&app.form, 2, Qt::Key_Backtab), QString("Option2 Command2"));
        app.Child<QPushButton>("Command3")->click();
        QVERIFY(QTest::qWaitForWindowActive(app.dialog));
        QCOMPARE(QApplication::focusWidget()->objectName(), QString("cmdOK"));
        QCOMPARE(app.Tab(app.dialog, 3), QString("picIcon cmdSysInfo cmdOK"));
    }

    void greyedBoxHidesItsValue()
    {
        // Tabbed into at start, with no wind: focused, its text selected.
        App app;
        QVERIFY(QTest::qWaitForWindowActive(&app.form));
        QLineEdit *box = app.Child<QLineEdit>("Text7");
        box->setFocus(Qt::TabFocusReason);
        box->selectAll();
        const QImage image = box->grab().toImage();
        // Inside the frame, the caret aside (it shows where typing would go).
        const QRect inside = box->rect().adjusted(3, 3, -3, -3);
        const QRect caret =
            box->inputMethodQuery(Qt::ImCursorRectangle).toRect().adjusted(-1, 0, 1, 0);
        int ink = 0;
        for (int y = inside.top(); y <= inside.bottom(); ++y)
            for (int x = inside.left(); x <= inside.right(); ++x)
                ink += !caret.contains(x, y) &&
                       image.pixelColor((QPointF(x, y) * image.devicePixelRatio()).toPoint()) !=
                           Qt::white;
        QCOMPARE(ink, 0);
    }

    void spinnerUnderTheMouse()
    {
        App app;
        Spinner *spinner = app.Child<Spinner>("VScroll5");
        QLineEdit *box = app.Child<QLineEdit>("Text1");
        const QPoint up = spinner->ArrowRect(Spinner::Arrow::Up).center();
        const QPoint down = spinner->ArrowRect(Spinner::Arrow::Down).center();
        // Held: a step at once, repeats after a delay, pauses off the arrow, stops on release.
        QTest::mousePress(spinner, Qt::LeftButton, {}, down);
        QCOMPARE(box->text(), QString("29900"));
        QTRY_VERIFY_WITH_TIMEOUT(box->text().toInt() <= 29600, 3000);
        QTest::mouseMove(spinner, up);
        const QString paused = box->text();
        QTest::qWait(300);
        QCOMPARE(box->text(), paused);
        QTest::mouseMove(spinner, down);
        QTest::mouseRelease(spinner, Qt::LeftButton, {}, down);
        const QString released = box->text();
        QTest::qWait(300);
        QCOMPARE(box->text(), released);
    }
};

QTEST_MAIN(TestQt)
#include "tst_qt.moc"
