// The spinner widget: a scroll bar of two arrows that must behave like the
// desktop's own, clicked, held and driven from the keyboard.
#include "main_window/spinner.h"

#include <QtTest>

using tavrel::Spinner;

class TestSpinner : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void bothArrowsAtDesignedSize();
    void clickMovesBySmallChange();
    void holdingRepeatsUntilReleased();
    void leavingTheArrowPausesTheRepeat();
    void keyboardMovesIt();

private:
    QPoint Centre(Spinner::Arrow arrow) const { return m_spinner->ArrowRect(arrow).center(); }

    QWidget *m_window = nullptr;
    Spinner *m_spinner = nullptr;
};

void TestSpinner::init()
{
    m_window = new QWidget;
    m_window->resize(100, 100);
    m_spinner = new Spinner(m_window);
    // 135 x 235 twips at 96 DPI.
    m_spinner->setGeometry(10, 10, 9, 16);
    m_spinner->setRange(0, 30000);
    m_spinner->setSingleStep(50);
    m_spinner->setPageStep(1);
    m_spinner->setValue(16000);
    m_window->show();
    QVERIFY(QTest::qWaitForWindowActive(m_window));
}

void TestSpinner::cleanup()
{
    delete m_window;
    m_window = nullptr;
}

void TestSpinner::bothArrowsAtDesignedSize()
{
    const QRect up = m_spinner->ArrowRect(Spinner::Arrow::Up);
    const QRect down = m_spinner->ArrowRect(Spinner::Arrow::Down);
    QVERIFY(up.height() >= 7 && down.height() >= 7);
    QCOMPARE(up.united(down), m_spinner->rect());
    QVERIFY(!up.intersects(down));
    QCOMPARE(m_spinner->ArrowAt(QPoint(4, 0)), Spinner::Arrow::Up);
    QCOMPARE(m_spinner->ArrowAt(QPoint(4, 15)), Spinner::Arrow::Down);
}

void TestSpinner::clickMovesBySmallChange()
{
    QSignalSpy changes(m_spinner, &QAbstractSlider::valueChanged);
    QTest::mouseClick(m_spinner, Qt::LeftButton, {}, Centre(Spinner::Arrow::Up));
    QCOMPARE(m_spinner->value(), 15950);
    QTest::mouseClick(m_spinner, Qt::LeftButton, {}, Centre(Spinner::Arrow::Down));
    QTest::mouseClick(m_spinner, Qt::LeftButton, {}, Centre(Spinner::Arrow::Down));
    QCOMPARE(m_spinner->value(), 16050);
    QCOMPARE(changes.count(), 3);
    // A right click is no arrow click.
    QTest::mouseClick(m_spinner, Qt::RightButton, {}, Centre(Spinner::Arrow::Up));
    QCOMPARE(m_spinner->value(), 16050);
    QCOMPARE(QApplication::focusWidget(), m_spinner);
}

void TestSpinner::holdingRepeatsUntilReleased()
{
    QTest::mousePress(m_spinner, Qt::LeftButton, {}, Centre(Spinner::Arrow::Down));
    QCOMPARE(m_spinner->value(), 16050);
    QTRY_VERIFY_WITH_TIMEOUT(m_spinner->value() >= 16200, 3000);
    QTest::mouseRelease(m_spinner, Qt::LeftButton, {}, Centre(Spinner::Arrow::Down));
    const int released = m_spinner->value();
    QTest::qWait(300);
    QCOMPARE(m_spinner->value(), released);
}

void TestSpinner::leavingTheArrowPausesTheRepeat()
{
    QTest::mousePress(m_spinner, Qt::LeftButton, {}, Centre(Spinner::Arrow::Up));
    QTest::mouseMove(m_spinner, Centre(Spinner::Arrow::Down));
    QTest::qWait(800);
    QCOMPARE(m_spinner->value(), 15950);
    QTest::mouseMove(m_spinner, Centre(Spinner::Arrow::Up));
    QTRY_VERIFY_WITH_TIMEOUT(m_spinner->value() < 15950, 3000);
    QTest::mouseRelease(m_spinner, Qt::LeftButton, {}, Centre(Spinner::Arrow::Up));
}

void TestSpinner::keyboardMovesIt()
{
    m_spinner->setFocus();
    QTest::keyClick(m_spinner, Qt::Key_Up);
    QCOMPARE(m_spinner->value(), 15950); // as the upper arrow
    QTest::keyClick(m_spinner, Qt::Key_Down);
    QTest::keyClick(m_spinner, Qt::Key_Down);
    QCOMPARE(m_spinner->value(), 16050);
    QTest::keyClick(m_spinner, Qt::Key_PageDown);
    QCOMPARE(m_spinner->value(), 16051); // LargeChange 1
}

QTEST_MAIN(TestSpinner)
#include "tst_spinner.moc"
