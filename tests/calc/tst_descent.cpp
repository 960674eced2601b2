// The descent distance and its result text.
//
// Expected texts come from the figures pilots know from the calculator
// ("known"), and from comparing an exact single/double evaluation with an
// all-double one over the spinners' ranges ("single": the all-double figure
// follows in the row name, so each row fails if that step is done in double).
#include "../rows.h"
#include "calc/descent.h"
#include "common/errors.h"

using namespace tavrel;

namespace {

// "A B C D E F G IAS|TAS|both|neither", the inputs in the order of DescentInputs.
std::optional<double> Distance(const QString &inputs)
{
    const QStringList f = inputs.split(' ');
    float v[7];
    for (int i = 0; i < 7; ++i)
        v[i] = f[i] == "inf" ? HUGE_VALF : f[i].toFloat();
    const bool ias = f[7] == "IAS" || f[7] == "both", tas = f[7] == "TAS" || f[7] == "both";
    return ComputeDescentDistance({v[0], v[1], v[2], v[3], v[4], v[5], v[6], ias, tas});
}

} // namespace

class TestDescent : public QObject
{
    Q_OBJECT

private slots:
    void resultText_data()
    {
        QTest::addColumn<QString>("inputs");
        QTest::addColumn<QString>("text"); // the result text, or the error's
        // Known: 27000 ft at 1800 ft/min = 15 min; IAS 250 x (1 + 27000/1750 x 0.02).
        Row("known: start-up IAS", "30000 3000 1800 250 360 360 0 IAS", " 81.7");
        Row("known: both kinds, TAS tested last", "30000 3000 1800 250 1 2 0 both", " 62.5");
        Row("known: neither kind, no speed", "30000 3000 1800 250 1 2 0 neither", " 0");
        Row("known: head wind, S 200, 16 min", "35000 3000 2000 250 360 360 50 IAS", " 72.8");
        // Known: 0.017454 is not pi/180, so S is a hair below 300: 79.99999957.
        Row("known: tail wind 79.9, not 80", "35000 3000 2000 250 90 270 50 TAS", " 79.9");
        Row("0.017454, not pi/180: 0.0174533 gives 7098", "62000 0 100 850 1 36 199 TAS", " 7099");
        Row("known: target above start", "3000 35000 2000 250 360 360 50 TAS", "-53.3");
        Row("known: equal altitudes, speed 0", "5000 5000 0 250 360 360 0 IAS", " 0");
        // Known: wind equal to airspeed from ahead leaves 1.01E-07 nm, shown as 0 (not "1.01").
        Row("known: near-zero ground speed", "30000 3000 1800 50 360 360 50 TAS", " 0");
        Row("known: spinner extremes, every integer digit", "62000 0 100 850 1 181 199 IAS",
            " 18520");
        // Single K: 60/25 = 2.4 rounds to 2.4000001, R = 87.4999965.
        Row("single K, double 87.5", "20200 200 800 210 136 111 0 TAS", " 87.4");
        Row("single K, double 42.5", "14400 7400 2100 710 261 55 0 IAS", " 42.6");
        Row("single K, double -1.71", "10900 14700 6200 175 68 51 0 IAS", "-1.70");
        // Single time: 18200/1000 is rounded before 60 is divided by it.
        Row("single time, double 54.5", "43500 25300 1000 180 357 183 0 TAS", " 54.6");
        Row("single time, double 32.2", "36400 15400 2500 230 33 208 0 TAS", " 32.1");
        // Single steps: (A - B) / 1750 of the IAS correction is rounded.
        Row("single steps, double 65.0", "47400 14900 9200 805 96 214 0 IAS", " 64.9");
        Row("single steps, double -13", "6500 9500 2600 700 96 177 0 IAS", "-12.9");
        Row("single steps, double 3", "27500 25000 3000 210 86 61 0 IAS", " 3.00");
        Row("single K, cross wind, double 21.0", "32300 18300 7200 655 150 150 7 TAS", " 20.9");
        Row("single K, quartering wind, double -8.03", "14700 24700 9900 485 113 188 31 TAS",
            "-8.02");
        // The five-character cut, as far as it does not misstate the magnitude.
        Row("cut below one: .439", "60 0 1 0.4391 360 360 0 TAS", " .439");
        Row("cut at four integer digits: 1234.56", "62000 2000 100 123.456 360 360 0 TAS", " 1234");
        Row("exponent kept above one: 2^67", "60 0 1 147573952589676412928 360 360 0 TAS",
            " 1.47573952589676E+20");
        // Faults: the check after each stage.
        Row("no vertical speed", "30000 3000 0 250 360 360 0 IAS", "Division by zero");
        Row("difference beyond single", "3e38 -3e38 1800 250 360 360 0 TAS", "Overflow");
        Row("descent time beyond single", "3e38 0 1e-10 250 360 360 0 TAS", "Overflow");
        Row("time so short it is 0", "1e-30 0 3e38 250 360 360 0 TAS", "Division by zero");
        Row("infinite wind speed", "30000 3000 1800 250 360 360 inf TAS", "Overflow");
        Row("infinite altitude, no ground speed", "inf 3000 1800 0 360 360 0 IAS",
            "Invalid floating-point operation");
    }
    void resultText()
    {
        QFETCH(QString, inputs);
        QFETCH(QString, text);
        try {
            QCOMPARE(QString::fromStdString(DistanceText(Distance(inputs))), text);
        } catch (const ArithmeticError &e) {
            QCOMPARE(QString::fromUtf8(e.what()), text);
        }
    }

    void fullPrecision()
    {
        // 250 x (1 + 27000/1750 x 0.02) / 4: the whole value, not only its first digits.
        QCOMPARE(Distance("30000 3000 1800 250 360 360 0 IAS").value_or(0), 81.78571462631226);
        QVERIFY(!Distance("5000 5000 1800 250 360 360 0 IAS").has_value());
    }
};

QTEST_APPLESS_MAIN(TestDescent)
#include "tst_descent.moc"
