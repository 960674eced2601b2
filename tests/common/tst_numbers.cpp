// ReadNumber, NumberToSignedText and NumberToText: the conversions behind every box.
#include "common/numbers.h"

#include <QtTest>

#include <cmath>
#include <limits>
#include <locale>

using namespace tavrel;

namespace {

// A C++ locale that writes and reads "," as the decimal point, as many users' do.
class CommaDecimal : public std::numpunct<char>
{
protected:
    char do_decimal_point() const override { return ','; }
    char do_thousands_sep() const override { return '.'; }
    std::string do_grouping() const override { return "\3"; }
};

} // namespace

class TestNumbers : public QObject
{
    Q_OBJECT

private slots:
    void readNumber_data();
    void readNumber();
    void readNumberOutOfRange();
    void toSingle();
    void numberToSignedText_data();
    void numberToSignedText();
    void numberToText_data();
    void numberToText();
    void independentOfLocale();
};

void TestNumbers::readNumber_data()
{
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<double>("expected");

    // What the spinners write and what a calculation reads.
    QTest::newRow("whole") << QByteArray("30000") << 30000.0;
    QTest::newRow("negative decimal") << QByteArray("-7.25") << -7.25;
    QTest::newRow("explicit plus") << QByteArray("+3") << 3.0;
    QTest::newRow("point first") << QByteArray(".5") << 0.5;
    QTest::newRow("point last") << QByteArray("5.") << 5.0;

    // Text without a leading number.
    QTest::newRow("empty") << QByteArray("") << 0.0;
    QTest::newRow("letters") << QByteArray("abc") << 0.0;
    QTest::newRow("sign alone") << QByteArray("-") << 0.0;
    QTest::newRow("point alone") << QByteArray(".") << 0.0;
    QTest::newRow("non-ascii digit") << QByteArray("\xd9\xa3") << 0.0;

    // The first character that cannot continue the number ends the reading.
    QTest::newRow("12 then letters") << QByteArray("12abc") << 12.0;
    QTest::newRow("second point") << QByteArray("1.2.3") << 1.2;
    QTest::newRow("comma is no point") << QByteArray("1,5") << 1.0;
    QTest::newRow("second sign") << QByteArray("--5") << 0.0;
    QTest::newRow("carriage return ends") << QByteArray("1\r2") << 1.0;

    // Blanks, tabs and line feeds are looked through wherever they stand.
    QTest::newRow("leading blanks") << QByteArray("   42") << 42.0;
    QTest::newRow("inner blanks") << QByteArray("1 000") << 1000.0;
    QTest::newRow("tab and line feed") << QByteArray("\t1\n2") << 12.0;
    QTest::newRow("blank after sign") << QByteArray("- 4") << -4.0;
    QTest::newRow("blanks in exponent") << QByteArray("1 E + 2") << 100.0;

    // Exponents: E or D, either case, optional sign, read only with digits.
    QTest::newRow("E") << QByteArray("1E3") << 1000.0;
    QTest::newRow("lower d negative") << QByteArray("25d-2") << 0.25;
    QTest::newRow("D positive") << QByteArray("1.5D+1") << 15.0;
    QTest::newRow("E without digits") << QByteArray("2E") << 2.0;
    QTest::newRow("E and sign without digits") << QByteArray("2E-x") << 2.0;
    QTest::newRow("no mantissa, no exponent") << QByteArray("E5") << 0.0;
    QTest::newRow("long exponent") << QByteArray("1e0000000000000000000000000003") << 1000.0;
    QTest::newRow("leading zeros of a fraction")
        << QByteArray("0.000000000000000000000000000000000000012e38") << 1.2;

    // More digits than a double holds: correctly rounded.
    QTest::newRow("thirty digits")
        << QByteArray("123456789012345678901234567890") << 1.2345678901234568e29;

    // Radix prefixes.
    QTest::newRow("hex") << QByteArray("&H1F") << 31.0;
    QTest::newRow("hex lower case") << QByteArray("&hff zz") << 255.0;
    QTest::newRow("octal") << QByteArray("&O17") << 15.0;
    QTest::newRow("octal stops at 8") << QByteArray("&o178") << 15.0;
    QTest::newRow("ampersand alone") << QByteArray("&") << 0.0;
    QTest::newRow("unknown radix") << QByteArray("&X1") << 0.0;
}

void TestNumbers::readNumber()
{
    QFETCH(QByteArray, text);
    QFETCH(double, expected);
    QCOMPARE(ReadNumber(std::string_view(text.constData(), text.size())), expected);
}

void TestNumbers::readNumberOutOfRange()
{
    const double largest = std::numeric_limits<double>::max();
    QCOMPARE(ReadNumber("1e400"), largest);
    QCOMPARE(ReadNumber("-1e400"), -largest);
    // The written form of the largest double is a little above it, and reads back as it.
    QCOMPARE(ReadNumber(NumberToSignedText(largest)), largest);
    QCOMPARE(ReadNumber("1e-400"), 0.0);
    QVERIFY(!std::signbit(ReadNumber("-1e-400")));
    QCOMPARE(ReadNumber("1.7976931348623157e308"), std::numeric_limits<double>::max());
    QCOMPARE(ReadNumber("4.9406564584124654e-324"), std::numeric_limits<double>::denorm_min());
    // A million digits neither hangs nor loses the magnitude.
    QCOMPARE(ReadNumber(std::string(1000000, '9')), largest);
    QCOMPARE(ReadNumber("&H" + std::string(300, 'F')), largest);
    QCOMPARE(ReadNumber("." + std::string(100000, '0') + "1e100005"), 10000.0);
}

void TestNumbers::toSingle()
{
    const float largest = std::numeric_limits<float>::max();
    const float inf = std::numeric_limits<float>::infinity();
    QCOMPARE(ToSingle(2.4), 2.4f);
    QCOMPARE(ToSingle(double(largest)), largest);
    // Up to half a step above the largest single, rounding still gives it; from there, infinity.
    QCOMPARE(ToSingle(0x1.fffffefffffffp127), largest);
    QCOMPARE(ToSingle(0x1.ffffffp127), inf);
    QCOMPARE(ToSingle(-1e39), -inf);
    QCOMPARE(ToSingle(std::numeric_limits<double>::max()), inf);
    QVERIFY(std::isnan(ToSingle(std::nan(""))));
}

void TestNumbers::numberToSignedText_data()
{
    QTest::addColumn<double>("value");
    QTest::addColumn<QString>("expected");

    QTest::newRow("zero") << 0.0 << " 0";
    QTest::newRow("negative zero") << -0.0 << " 0";
    QTest::newRow("whole") << 360.0 << " 360";
    QTest::newRow("negative whole") << -5.0 << "-5";
    QTest::newRow("half, no leading zero") << 0.5 << " .5";
    QTest::newRow("negative half") << -0.5 << "-.5";
    QTest::newRow("decimals") << 1234.56 << " 1234.56";

    // Rounded to 15 significant digits, then trailing zeros dropped.
    QTest::newRow("startup IAS distance") << 81.78571462631226 << " 81.7857146263123";
    QTest::newRow("one third") << 1.0 / 3.0 << " .333333333333333";
    QTest::newRow("two thirds rounds up") << 2.0 / 3.0 << " .666666666666667";
    QTest::newRow("0.1 + 0.2") << 0.1 + 0.2 << " .3";
    QTest::newRow("rounds to one") << 0.9999999999999999 << " 1";
    QTest::newRow("15 digits stay plain") << 999999999999999.0 << " 999999999999999";
    QTest::newRow("16th digit rounded") << 123456789012345.6 << " 123456789012346";

    // Exponent form outside 0.0001 .. 999999999999999 (after rounding).
    QTest::newRow("smallest plain") << 0.0001 << " .0001";
    QTest::newRow("largest plain exponent -4") << 0.00012345 << " .00012345";
    QTest::newRow("first small exponent") << 0.00001 << " 1E-05";
    QTest::newRow("wind-equals-airspeed distance")
        << 1.0135692640744765e-07 << " 1.01356926407448E-07";
    QTest::newRow("first large exponent") << 1e15 << " 1E+15";
    QTest::newRow("rounding carries into exponent") << 9999999999999995.0 << " 1E+16";
    QTest::newRow("three-digit exponent") << -1e300 << "-1E+300";
    QTest::newRow("denormal") << 5e-324 << " 4.94065645841247E-324";
}

void TestNumbers::numberToSignedText()
{
    QFETCH(double, value);
    QFETCH(QString, expected);
    QCOMPARE(QString::fromStdString(NumberToSignedText(value)), expected);
}

void TestNumbers::numberToText_data()
{
    QTest::addColumn<double>("value");
    QTest::addColumn<QString>("expected");

    QTest::newRow("spinner box") << 30000.0 << "30000";
    QTest::newRow("heading") << 360.0 << "360";
    QTest::newRow("zero") << 0.0 << "0";
    QTest::newRow("negative") << -32768.0 << "-32768";
    QTest::newRow("fraction") << 0.25 << ".25";
}

void TestNumbers::numberToText()
{
    QFETCH(double, value);
    QFETCH(QString, expected);
    QCOMPARE(QString::fromStdString(NumberToText(value)), expected);
}

void TestNumbers::independentOfLocale()
{
    const std::locale previous =
        std::locale::global(std::locale(std::locale::classic(), new CommaDecimal));
    const double read = ReadNumber("1234.5");
    const std::string written = NumberToSignedText(1234.5);
    std::locale::global(previous);

    QCOMPARE(read, 1234.5);
    QCOMPARE(QString::fromStdString(written), QString(" 1234.5"));
}

QTEST_APPLESS_MAIN(TestNumbers)
#include "tst_numbers.moc"
