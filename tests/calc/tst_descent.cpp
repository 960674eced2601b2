// The descent distance and its result text, for the rows of tst_descent.txt.
#include "../rows.h"
#include "calc/descent.h"
#include "common/errors.h"

#include <gtest/gtest.h>

using namespace tavrel;

TEST(Descent, ResultText)
{
    for (const auto &row : tavrel::testing::ReadRows(TAVREL_TABLE, 3)) {
        SCOPED_TRACE(row[0]);
        std::istringstream words(row[1]);
        float v[7];
        for (float &value : v)
            words >> value;
        std::string kind;
        words >> kind;
        try {
            EXPECT_EQ(DistanceText(ComputeDescentDistance({v[0], v[1], v[2], v[3], v[4], v[5], v[6],
                                                           kind == "IAS", kind == "TAS"})),
                      tavrel::testing::Unescape(row[2]));
        } catch (const ArithmeticError &e) {
            EXPECT_EQ(e.what(), row[2]);
        }
    }
}
