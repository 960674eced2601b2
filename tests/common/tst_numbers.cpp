// ReadNumber, NumberToSignedText and NumberToText: the rows of tst_numbers.txt,
// under a locale whose decimal point is ",", as many users' is.
#include "../rows.h"
#include "common/numbers.h"

#include <gtest/gtest.h>

#include <locale>

struct CommaDecimal : std::numpunct<char>
{
    char do_decimal_point() const override { return ','; }
};

TEST(Numbers, ReadAndWritten)
{
    const std::locale previous =
        std::locale::global(std::locale(std::locale::classic(), new CommaDecimal));
    for (const auto &row : tavrel::testing::ReadRows(TAVREL_TABLE, 4)) {
        SCOPED_TRACE(row[1]);
        const bool read = row[0] == "read";
        const std::string text = tavrel::testing::Unescape(row[read ? 2 : 3]);
        const double number = std::strtod(row[read ? 3 : 2].c_str(), nullptr); // C's own locale
        EXPECT_EQ(read ? tavrel::ReadNumber(text) : number, number);
        EXPECT_EQ(read ? text : tavrel::NumberToSignedText(number), text);
        EXPECT_EQ(read ? text : tavrel::NumberToText(number), text.substr(!read && text[0] == ' '));
    }
    std::locale::global(previous);
}
