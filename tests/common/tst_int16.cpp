// The 16-bit arithmetic of the spinner rules: exact inside the range, an
// overflow error (never a wrapped value) outside it.
#include "common/errors.h"
#include "common/int16.h"

#include <QtTest>

using namespace tavrel;

class TestInt16 : public QObject
{
    Q_OBJECT

private slots:
    void inRange();
    void overflow_data();
    void overflow();
};

void TestInt16::inRange()
{
    QCOMPARE(Sub16(30000, 16000), std::int16_t(14000));
    QCOMPARE(Sub16(0, 32767), std::int16_t(-32767));
    QCOMPARE(Sub16(-1, 32767), std::int16_t(-32768));
    QCOMPARE(Add16(32766, 1), std::int16_t(32767));
    QCOMPARE(Add16(-32768, 0), std::int16_t(-32768));
}

void TestInt16::overflow_data()
{
    QTest::addColumn<bool>("subtract");
    QTest::addColumn<int>("a");
    QTest::addColumn<int>("b");

    QTest::newRow("32767 + 1") << false << 32767 << 1;
    QTest::newRow("-32768 + -1") << false << -32768 << -1;
    QTest::newRow("30000 + 30000") << false << 30000 << 30000;
    QTest::newRow("-2 - 32767") << true << -2 << 32767;
    QTest::newRow("0 - -32768") << true << 0 << -32768;
    QTest::newRow("30000 - -30000") << true << 30000 << -30000;
}

void TestInt16::overflow()
{
    QFETCH(bool, subtract);
    QFETCH(int, a);
    QFETCH(int, b);
    const auto x = static_cast<std::int16_t>(a);
    const auto y = static_cast<std::int16_t>(b);
    try {
        const int result = subtract ? Sub16(x, y) : Add16(x, y);
        QFAIL(qPrintable(QString("no overflow, result %1").arg(result)));
    } catch (const ArithmeticError &e) {
        QCOMPARE(e.kind(), ArithmeticError::Kind::Overflow);
        QCOMPARE(QString::fromUtf8(e.what()), QString("Overflow"));
    }
}

QTEST_APPLESS_MAIN(TestInt16)
#include "tst_int16.moc"
