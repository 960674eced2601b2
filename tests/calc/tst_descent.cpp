// The descent distance and its result text, for the rows of tst_descent.txt.
#include "../rows.h"
#include "calc/descent.h"
#include "common/errors.h"

#include <gtest/gtest.h>

TEST(Descent, ResultText)
{
    for (const auto &row : tavrel::testing::ReadRows(TAVREL_TABLE, 3)) {
        SCOPED_TRACE(row[0]);
        std::istringstream words(row[1]);
        float v[7];
        std::string kind;
        words >> v[0] >> v[1] >> v[2] >> v[3] >> v[4] >> v[5] >> v[6] >> kind;
        try {
            EXPECT_EQ(
                tavrel::DistanceText(tavrel::ComputeDescentDistance(
                    {v[0], v[1], v[2], v[3], v[4], v[5], v[6], kind == "IAS", kind == "TAS"})),
                tavrel::testing::Unescape(row[2]));
        } catch (const tavrel::ArithmeticError &e) {
            EXPECT_EQ(e.what(), row[2]);
        }
    }
}
