// ReadNumber, NumberToSignedText and NumberToText: the conversions behind every box.
#include "common/numbers.h"

#include <QtTest>

#include <limits>
#include <locale>

using namespace tavrel;

namespace {

constexpr double kLargest = std::numeric_limits<double>::max();

struct CommaDecimal : std::numpunct<char>
{
    char do_decimal_point() const override { return ','; }
};

} // namespace

class TestNumbers : public QObject
{
    Q_OBJECT

private slots:
    // Every row runs under a locale whose decimal point is ",", as many users' is.
    void initTestCase()
    {
        m_locale = std::locale::global(std::locale(std::locale::classic(), new CommaDecimal));
    }
    void cleanupTestCase() { std::locale::global(m_locale); }

    void readNumber_data()
    {
        QTest::addColumn<QByteArray>("text");
        QTest::addColumn<double>("value");
        // Blanks, tabs and line feeds are looked through; the first character
        // that cannot continue the number ends it.
        QTest::newRow("inner blanks, sign") << QByteArray("- \t1 0\n00") << -1000.0;
        QTest::newRow("point first, letters after") << QByteArray("+.5abc") << 0.5;
        QTest::newRow("no leading number") << QByteArray("abc") << 0.0;
        QTest::newRow("second point") << QByteArray("1.2.3") << 1.2;
        QTest::newRow("comma is no point") << QByteArray("1,5") << 1.0;
        QTest::newRow("carriage return ends") << QByteArray("1\r2") << 1.0;
        QTest::newRow("lower d, negative") << QByteArray("25d-2") << 0.25;
        QTest::newRow("exponent without digits") << QByteArray("2E-x") << 2.0;
        QTest::newRow("hex") << QByteArray("&hff zz") << 255.0;
        QTest::newRow("octal stops at 8") << QByteArray("&O178") << 15.0;
        // Beyond a double: the largest double of the sign, or 0; never an infinity.
        QTest::newRow("-1e400") << QByteArray("-1e400") << -kLargest;
        QTest::newRow("1e-400") << QByteArray("1e-400") << 0.0;
        // Found by fuzzing: the largest double's own text lies above it;
        // hundreds of hex digits gave an infinity.
        QTest::newRow("the largest double's text")
            << QByteArray("1.79769313486232E+308") << kLargest;
        QTest::newRow("300 hex digits") << "&H" + QByteArray(300, 'F') << kLargest;
        QTest::newRow("100,000 zeros after the point")
            << "." + QByteArray(100000, '0') + "1e100005" << 10000.0;
    }
    void readNumber()
    {
        QFETCH(QByteArray, text);
        QFETCH(double, value);
        QCOMPARE(ReadNumber(std::string_view(text.constData(), text.size())), value);
    }

    void numberToText_data()
    {
        QTest::addColumn<double>("value");
        QTest::addColumn<QString>("text"); // NumberToSignedText; NumberToText drops a leading blank
        QTest::newRow("negative zero") << -0.0 << " 0";
        QTest::newRow("negative, no zero before the point") << -0.5 << "-.5";
        // Rounded to 15 significant digits, trailing zeros dropped.
        QTest::newRow("start-up distance") << 81.78571462631226 << " 81.7857146263123";
        QTest::newRow("rounds to one") << 0.9999999999999999 << " 1";
        // Exponent form outside 0.0001 .. 999999999999999, after rounding.
        QTest::newRow("smallest plain") << 0.00012345 << " .00012345";
        QTest::newRow("first small exponent") << 0.00001 << " 1E-05";
        QTest::newRow("wind-equals-airspeed distance")
            << 1.0135692640744765e-07 << " 1.01356926407448E-07";
        QTest::newRow("rounding carries into exponent") << 9999999999999995.0 << " 1E+16";
        QTest::newRow("three-digit exponent") << -1e300 << "-1E+300";
    }
    void numberToText()
    {
        QFETCH(double, value);
        QFETCH(QString, text);
        QCOMPARE(QString::fromStdString(NumberToSignedText(value)), text);
        QCOMPARE(QString::fromStdString(NumberToText(value)), text.trimmed());
    }

private:
    std::locale m_locale;
};

QTEST_APPLESS_MAIN(TestNumbers)
#include "tst_numbers.moc"
