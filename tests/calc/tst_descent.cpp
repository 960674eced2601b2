// The descent distance and its result text.
//
// Expected texts come from the figures pilots know from the calculator
// ("known"), and from comparing an exact single/double evaluation with an
// all-double one over the spinners' ranges ("single": the all-double figure
// follows in the row name, so each row fails if that step is done in double).
#include "calc/descent.h"
#include "common/errors.h"

#include <gtest/gtest.h>

#include <sstream>

using namespace tavrel;

namespace {

// "A B C D E F G IAS|TAS", the inputs in the order of DescentInputs.
std::optional<double> Distance(const std::string &inputs)
{
    std::istringstream words(inputs);
    float v[7];
    for (float &value : v)
        words >> value;
    std::string kind;
    words >> kind;
    return ComputeDescentDistance({.startAltitudeFt = v[0],
                                   .targetAltitudeFt = v[1],
                                   .verticalSpeedFtPerMin = v[2],
                                   .airspeedKt = v[3],
                                   .headingDeg = v[4],
                                   .windDirectionDeg = v[5],
                                   .windSpeedKt = v[6],
                                   .iasSelected = kind == "IAS",
                                   .tasSelected = kind == "TAS"});
}

} // namespace

TEST(Descent, ResultText)
{
    const struct
    {
        const char *name;
        std::string inputs;
        std::string text; // the result text, or the error's
    } rows[] = {
        // Known: 27000 ft at 1800 ft/min = 15 min; IAS 250 x (1 + 27000/1750 x 0.02).
        {"known: start-up IAS", "30000 3000 1800 250 360 360 0 IAS", " 81.7"},
        {"known: head wind, S 200, 16 min", "35000 3000 2000 250 360 360 50 IAS", " 72.8"},
        // Known: 0.017454 is not pi/180, so S is a hair below 300: 79.99999957.
        {"known: tail wind 79.9, not 80", "35000 3000 2000 250 90 270 50 TAS", " 79.9"},
        {"0.017454, not pi/180: 0.0174533 gives 7098", "62000 0 100 850 1 36 199 TAS", " 7099"},
        {"known: target above start", "3000 35000 2000 250 360 360 50 TAS", "-53.3"},
        // A climb with IAS lowers the speed: 250 x (1 - 24000/1750 x 0.02) / 4.5.
        {"by hand: climb 2000 to 26000, IAS", "2000 26000 1800 250 360 360 0 IAS", "-40.3"},
        {"by hand: climb 2000 to 26000, TAS, 250 / 4.5", "2000 26000 1800 250 360 360 0 TAS",
         "-55.5"},
        {"known: equal altitudes, speed 0", "5000 5000 0 250 360 360 0 IAS", " 0"},
        // Known: wind equal to airspeed from ahead leaves 1.01E-07 nm, shown as 0 (not "1.01").
        {"known: near-zero ground speed", "30000 3000 1800 50 360 360 50 TAS", " 0"},
        {"known: spinner extremes, every integer digit", "62000 0 100 850 1 181 199 IAS", " 18520"},
        // Single K: 60/25 = 2.4 rounds to 2.4000001, R = 87.4999965.
        {"single K, double 87.5", "20200 200 800 210 136 111 0 TAS", " 87.4"},
        // Single time: 18200/1000 is rounded before 60 is divided by it.
        {"single time, double 54.5", "43500 25300 1000 180 357 183 0 TAS", " 54.6"},
        // Single steps: (A - B) / 1750 of the IAS correction is rounded.
        {"single steps, double 65.0", "47400 14900 9200 805 96 214 0 IAS", " 64.9"},
        {"single K, cross wind, double 21.0", "32300 18300 7200 655 150 150 7 TAS", " 20.9"},
        // The five-character cut, as far as it does not misstate the magnitude.
        {"cut below one: .439", "60 0 1 0.4391 360 360 0 TAS", " .439"},
        {"cut at four integer digits: 1234.56", "62000 2000 100 123.456 360 360 0 TAS", " 1234"},
        {"exponent kept above one: 2^67", "60 0 1 147573952589676412928 360 360 0 TAS",
         " 1.47573952589676E+20"},
        // Faults: the check after each stage.
        {"no vertical speed", "30000 3000 0 250 360 360 0 IAS", "Division by zero"},
        {"difference beyond single", "3e38 -3e38 1800 250 360 360 0 TAS", "Overflow"},
    };
    for (const auto &row : rows) {
        SCOPED_TRACE(row.name);
        try {
            EXPECT_EQ(DistanceText(Distance(row.inputs)), row.text);
        } catch (const ArithmeticError &e) {
            EXPECT_EQ(e.what(), row.text);
        }
    }
}
