// The descent distance and its result text.
//
// Expected texts come from three places, cited per row: the figures pilots
// know from the calculator ("known"), hand arithmetic given in the comment, and
// cases found by comparing an exact single/double evaluation with an all-double
// one over the spinners' ranges ("single step": the all-double figure follows
// in the row name, so each row fails if that step is done in double).
#include "calc/descent.h"
#include "common/errors.h"

#include <QtTest>

#include <limits>

using namespace tavrel;

Q_DECLARE_METATYPE(std::optional<double>)

namespace {

DescentInputs Inputs(float a, float b, float c, float d, float e, float f, float g, bool ias)
{
    return {a, b, c, d, e, f, g, ias, !ias};
}

} // namespace

class TestDescent : public QObject
{
    Q_OBJECT

private slots:
    void resultText_data();
    void resultText();
    void startupDistance();
    void airspeedKindTests();
    void faults_data();
    void faults();
    void distanceText_data();
    void distanceText();
};

void TestDescent::resultText_data()
{
    QTest::addColumn<float>("a");
    QTest::addColumn<float>("b");
    QTest::addColumn<float>("c");
    QTest::addColumn<float>("d");
    QTest::addColumn<float>("e");
    QTest::addColumn<float>("f");
    QTest::addColumn<float>("g");
    QTest::addColumn<bool>("ias");
    QTest::addColumn<QString>("expected");

    // Known: the start-up values, 250 kt over 27000 ft at 1800 ft/min = 15 min.
    QTest::newRow("known: start-up IAS")
        << 30000.f << 3000.f << 1800.f << 250.f << 360.f << 360.f << 0.f << true << " 81.7";
    QTest::newRow("known: start-up TAS")
        << 30000.f << 3000.f << 1800.f << 250.f << 360.f << 360.f << 0.f << false << " 62.5";
    // Known: head wind 50 kt, S = 200, 16 min; with IAS 200 x (1 + 32000/1750 x 0.02).
    QTest::newRow("known: head wind TAS")
        << 35000.f << 3000.f << 2000.f << 250.f << 360.f << 360.f << 50.f << false << " 53.3";
    QTest::newRow("known: head wind IAS")
        << 35000.f << 3000.f << 2000.f << 250.f << 360.f << 360.f << 50.f << true << " 72.8";
    // Known: tail wind; 0.017454 is not pi/180, so S is a hair below 300: 79.99999957.
    QTest::newRow("known: tail wind shows 79.9, not 80")
        << 35000.f << 3000.f << 2000.f << 250.f << 90.f << 270.f << 50.f << false << " 79.9";
    // Known: no wind, the directions do not matter.
    QTest::newRow("known: no wind, any directions")
        << 35000.f << 3000.f << 2000.f << 250.f << 12.f << 77.f << 0.f << false << " 66.6";
    // Known: climbing instead of descending gives a negative time and distance.
    QTest::newRow("known: target above start")
        << 3000.f << 35000.f << 2000.f << 250.f << 360.f << 360.f << 50.f << false << "-53.3";
    // Known: equal altitudes give no distance, even with no vertical speed.
    QTest::newRow("known: equal altitudes")
        << 5000.f << 5000.f << 1800.f << 250.f << 360.f << 360.f << 0.f << true << " 0";
    QTest::newRow("known: equal altitudes, speed 0")
        << 5000.f << 5000.f << 0.f << 250.f << 360.f << 360.f << 0.f << true << " 0";
    // Known: wind equal to airspeed from ahead leaves 1.01E-07 nm, shown as 0 (not "1.01").
    QTest::newRow("known: near-zero ground speed")
        << 30000.f << 3000.f << 1800.f << 50.f << 360.f << 360.f << 50.f << false << " 0";

    // Single step: K = 60/25 = 2.4 rounds to 2.4000001 in single, R = 87.4999965.
    QTest::newRow("single K, double gives 87.5")
        << 20200.f << 200.f << 800.f << 210.f << 136.f << 111.f << 0.f << false << " 87.4";
    QTest::newRow("single K, double gives 42.5")
        << 14400.f << 7400.f << 2100.f << 710.f << 261.f << 55.f << 0.f << true << " 42.6";
    QTest::newRow("single K, double gives -1.71")
        << 10900.f << 14700.f << 6200.f << 175.f << 68.f << 51.f << 0.f << true << "-1.70";
    // Single step: the descent time 18200/1000 is rounded to single before 60 is divided by it.
    QTest::newRow("single time, double gives 54.5")
        << 43500.f << 25300.f << 1000.f << 180.f << 357.f << 183.f << 0.f << false << " 54.6";
    QTest::newRow("single time, double gives 32.2")
        << 36400.f << 15400.f << 2500.f << 230.f << 33.f << 208.f << 0.f << false << " 32.1";
    // Single step: (A - B) / 1750 of the IAS correction is rounded to single.
    QTest::newRow("single IAS steps, double gives 65.0")
        << 47400.f << 14900.f << 9200.f << 805.f << 96.f << 214.f << 0.f << true << " 64.9";
    QTest::newRow("single IAS steps, double gives -13")
        << 6500.f << 9500.f << 2600.f << 700.f << 96.f << 177.f << 0.f << true << "-12.9";
    QTest::newRow("single IAS steps, double gives 3")
        << 27500.f << 25000.f << 3000.f << 210.f << 86.f << 61.f << 0.f << true << " 3.00";
    // Single step with a cross wind: the same rounding of K.
    QTest::newRow("cross wind, double gives 21.0")
        << 32300.f << 18300.f << 7200.f << 655.f << 150.f << 150.f << 7.f << false << " 20.9";
    QTest::newRow("quartering wind, double gives -8.03")
        << 14700.f << 24700.f << 9900.f << 485.f << 113.f << 188.f << 31.f << false << "-8.02";

    // Beyond 10000 nm the integer digits stay: 62000 ft at 100 ft/min, 850 kt IAS + 199 kt tail
    // wind.
    QTest::newRow("spinner extremes keep every digit")
        << 62000.f << 0.f << 100.f << 850.f << 1.f << 181.f << 199.f << true << " 18520";
    QTest::newRow("thousands keep the integer part")
        << 62000.f << 0.f << 100.f << 850.f << 360.f << 180.f << 199.f << false << " 10839";
}

void TestDescent::resultText()
{
    QFETCH(float, a);
    QFETCH(float, b);
    QFETCH(float, c);
    QFETCH(float, d);
    QFETCH(float, e);
    QFETCH(float, f);
    QFETCH(float, g);
    QFETCH(bool, ias);
    QFETCH(QString, expected);

    const auto distance = ComputeDescentDistance(Inputs(a, b, c, d, e, f, g, ias));
    QCOMPARE(QString::fromStdString(DistanceText(distance)), expected);
}

void TestDescent::startupDistance()
{
    // 250 x (1 + 27000/1750 x 0.02) / 4: the full value, not only its first digits.
    const auto distance = ComputeDescentDistance(Inputs(30000, 3000, 1800, 250, 360, 360, 0, true));
    QVERIFY(distance.has_value());
    QCOMPARE(*distance, 81.78571462631226);
    QVERIFY(!ComputeDescentDistance(Inputs(5000, 5000, 1800, 250, 360, 360, 0, true)).has_value());
}

void TestDescent::airspeedKindTests()
{
    DescentInputs in = Inputs(30000, 3000, 1800, 250, 360, 360, 0, true);
    in.tasSelected = true; // both: the TAS test comes second and wins
    QCOMPARE(*ComputeDescentDistance(in), 62.5);
    in.iasSelected = in.tasSelected = false; // neither: the speed stays 0
    QCOMPARE(*ComputeDescentDistance(in), 0.0);
}

void TestDescent::faults_data()
{
    QTest::addColumn<float>("a");
    QTest::addColumn<float>("b");
    QTest::addColumn<float>("c");
    QTest::addColumn<float>("d");
    QTest::addColumn<float>("g");
    QTest::addColumn<bool>("ias");
    QTest::addColumn<QString>("error");

    const float inf = std::numeric_limits<float>::infinity();
    const float big = std::numeric_limits<float>::max();
    QTest::newRow("no vertical speed")
        << 30000.f << 3000.f << 0.f << 250.f << 0.f << true << "Division by zero";
    QTest::newRow("no vertical speed, no airspeed")
        << 30000.f << 3000.f << 0.f << 0.f << 0.f << false << "Division by zero";
    QTest::newRow("difference beyond single")
        << big << -big << 1800.f << 250.f << 0.f << false << "Overflow";
    QTest::newRow("descent time beyond single")
        << big << 0.f << 1e-10f << 250.f << 0.f << false << "Overflow";
    QTest::newRow("vertical speed so large the time is 0")
        << 1e-30f << 0.f << big << 250.f << 0.f << false << "Division by zero";
    QTest::newRow("infinite airspeed")
        << 30000.f << 3000.f << 1800.f << inf << 0.f << false << "Overflow";
    QTest::newRow("infinite wind speed")
        << 30000.f << 3000.f << 1800.f << 250.f << inf << false << "Overflow";
    QTest::newRow("infinite altitude with IAS")
        << inf << 3000.f << 1800.f << 250.f << 0.f << true << "Overflow";
    QTest::newRow("infinite altitude, no ground speed")
        << inf << 3000.f << 1800.f << 0.f << 0.f << true << "Invalid floating-point operation";
}

void TestDescent::faults()
{
    QFETCH(float, a);
    QFETCH(float, b);
    QFETCH(float, c);
    QFETCH(float, d);
    QFETCH(float, g);
    QFETCH(bool, ias);
    QFETCH(QString, error);

    try {
        const auto distance = ComputeDescentDistance(Inputs(a, b, c, d, 360, 360, g, ias));
        QFAIL(qPrintable("no error, distance " + QString::number(distance.value_or(0.0))));
    } catch (const std::runtime_error &e) {
        QVERIFY(dynamic_cast<const ArithmeticError *>(&e) != nullptr);
        QCOMPARE(QString::fromUtf8(e.what()), error);
    }
}

void TestDescent::distanceText_data()
{
    QTest::addColumn<std::optional<double>>("distance");
    QTest::addColumn<QString>("expected");

    QTest::newRow("no value") << std::optional<double>() << " 0";
    QTest::newRow("zero") << std::optional<double>(0.0) << " 0";
    QTest::newRow("two decimals cut to one") << std::optional<double>(53.333333) << " 53.3";
    QTest::newRow("negative") << std::optional<double>(-53.333333) << "-53.3";
    QTest::newRow("below one") << std::optional<double>(0.4391) << " .439";
    QTest::newRow("whole below ten") << std::optional<double>(5.0) << " 5";
    QTest::newRow("four integer digits lose the decimals")
        << std::optional<double>(1234.56) << " 1234";
    QTest::newRow("just below 10000") << std::optional<double>(9999.99) << " 9999";
    // Five characters would drop integer digits here: all of them stay.
    QTest::newRow("10000") << std::optional<double>(10000.0) << " 10000";
    QTest::newRow("12345.6") << std::optional<double>(12345.6) << " 12345";
    QTest::newRow("-18520.3") << std::optional<double>(-18520.3) << "-18520";
    QTest::newRow("14 integer digits")
        << std::optional<double>(12345678901234.5) << " 12345678901234";
    // An exponent would be cut off: below 1 it shows 0, above it the whole text.
    QTest::newRow("1.01E-07") << std::optional<double>(1.0135692640744765e-07) << " 0";
    QTest::newRow("-2E-05") << std::optional<double>(-2e-05) << " 0";
    QTest::newRow("1.5E+20") << std::optional<double>(1.5e20) << " 1.5E+20";
    QTest::newRow("-1E+15") << std::optional<double>(-1e15) << "-1E+15";
}

void TestDescent::distanceText()
{
    QFETCH(std::optional<double>, distance);
    QFETCH(QString, expected);
    QCOMPARE(QString::fromStdString(DistanceText(distance)), expected);
}

QTEST_APPLESS_MAIN(TestDescent)
#include "tst_descent.moc"
