// ReadNumber, NumberToSignedText and NumberToText: the conversions behind
// every box, each row under a locale whose decimal point is ",", as many
// users' is.
#include "common/numbers.h"

#include <gtest/gtest.h>

#include <limits>
#include <locale>

using namespace tavrel;

namespace {

constexpr double kLargest = std::numeric_limits<double>::max();

struct CommaDecimal : std::numpunct<char>
{
    char do_decimal_point() const override { return ','; }
};

class Numbers : public ::testing::Test
{
protected:
    void SetUp() override
    {
        m_previous = std::locale::global(std::locale(std::locale::classic(), new CommaDecimal));
    }
    void TearDown() override { std::locale::global(m_previous); }

private:
    std::locale m_previous;
};

} // namespace

TEST_F(Numbers, ReadNumber)
{
    const struct
    {
        const char *name;
        std::string text;
        double value;
    } rows[] = {
        // Blanks, tabs and line feeds are looked through; the first character
        // that cannot continue the number ends it.
        {"inner blanks, sign", "- \t1 0\n00", -1000.0},
        {"point first, letters after", "+.5abc", 0.5},
        {"no leading number", "abc", 0.0},
        {"comma is no point", "1,5", 1.0},
        {"carriage return ends", "1\r2", 1.0},
        {"lower d, negative", "25d-2", 0.25},
        {"hex", "&hff zz", 255.0},
        {"octal stops at 8", "&O178", 15.0},
        // Beyond a double: the largest double of the sign, or 0; never an infinity.
        {"-1e400", "-1e400", -kLargest},
        {"1e-400", "1e-400", 0.0},
        // Found by fuzzing: the largest double's own text lies above it;
        // hundreds of hex digits gave an infinity.
        {"the largest double's text", "1.79769313486232E+308", kLargest},
        {"300 hex digits", "&H" + std::string(300, 'F'), kLargest},
        {"100,000 zeros after the point", "." + std::string(100000, '0') + "1e100005", 10000.0},
    };
    for (const auto &row : rows) {
        SCOPED_TRACE(row.name);
        EXPECT_EQ(ReadNumber(row.text), row.value);
    }
}

TEST_F(Numbers, NumberToText)
{
    const struct
    {
        const char *name;
        double value;
        std::string text; // NumberToSignedText; NumberToText drops a leading blank
    } rows[] = {
        {"negative zero", -0.0, " 0"},
        {"negative, no zero before the point", -0.5, "-.5"},
        // Rounded to 15 significant digits, trailing zeros dropped.
        {"start-up distance", 81.78571462631226, " 81.7857146263123"},
        {"rounds to one", 0.9999999999999999, " 1"},
        // Exponent form outside 0.0001 .. 999999999999999, after rounding.
        {"smallest plain", 0.00012345, " .00012345"},
        {"first small exponent", 0.00001, " 1E-05"},
        {"wind-equals-airspeed distance", 1.0135692640744765e-07, " 1.01356926407448E-07"},
        {"rounding carries into exponent", 9999999999999995.0, " 1E+16"},
        {"three-digit exponent", -1e300, "-1E+300"},
    };
    for (const auto &row : rows) {
        SCOPED_TRACE(row.name);
        EXPECT_EQ(NumberToSignedText(row.value), row.text);
        EXPECT_EQ(NumberToText(row.value), row.text.substr(row.text[0] == ' ' ? 1 : 0));
    }
}
