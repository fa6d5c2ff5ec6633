#include "rtd/rounding.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <limits>
#include <string>

#include "rtd/platinum.h"

namespace tmcalc {
namespace {

std::string G7(double v)
{
    char buf[64];
    std::snprintf(buf, sizeof buf, "%.07g", v);
    return buf;
}

struct RoundRow {
    const char* name;
    double r;
    double rounded;
};

class RoundResistance : public testing::TestWithParam<RoundRow> {};

TEST_P(RoundResistance, HalfUpAtTheFourthDecimal)
{
    EXPECT_EQ(RoundResistance4(GetParam().r), GetParam().rounded);
}

INSTANTIATE_TEST_SUITE_P(
    Rows, RoundResistance,
    testing::Values(RoundRow{"Pt100At100", 138.50549999999998, 138.5055},
                    RoundRow{"Pt100AtMinus200", 18.520079999999997, 18.5201},
                    RoundRow{"Pt100At850", 390.48112499999996, 390.4811},
                    RoundRow{"ExactHalfGoesUp", 1.03125, 1.0313},  // 10312.5 exactly
                    RoundRow{"NegativeHalfGoesUpToo", -1.03125, -1.0312},
                    RoundRow{"JustBelowHalf", 1.03124999, 1.0312}, RoundRow{"Zero", 0.0, 0.0},
                    // The 32-bit conversion used to overflow from here on.
                    RoundRow{"FormerOverflowPoint", 21474.83648, 21474.8365},
                    RoundRow{"LargeStillRounds", 123456789.123456, 123456789.1235},
                    RoundRow{"NoDecimalsLeftToRound", 1e12 + 0.25, 1e12 + 0.25},
                    RoundRow{"MaxDouble", std::numeric_limits<double>::max(), std::numeric_limits<double>::max()}),
    [](const testing::TestParamInfo<RoundRow>& param_info) { return std::string(param_info.param.name); });

TEST(RoundResistance, FourthDecimalWhereScaledValueLandsBelowAnInteger)
{
    // Regressions: truncating r·100000 gave 197.7118, 267.562, 339.0607 and 387.5487 for these
    // temperatures, whose four-decimal values are exact.
    EXPECT_EQ(G7(RoundResistance4(PtResistance(260, 100))), "197.7119");
    EXPECT_EQ(G7(RoundResistance4(PtResistance(460, 100))), "267.5619");
    EXPECT_EQ(G7(RoundResistance4(PtResistance(680, 100))), "339.0608");
    EXPECT_EQ(G7(RoundResistance4(PtResistance(840, 100))), "387.5488");
}

TEST(RoundResistance, ExactDecimalTiesRoundUpDespiteBinaryNoise)
{
    // Regression: Pt50 at 100 °C is exactly 69.25275 Ω but computes as 69.25274999999999, and
    // floor(r x 10000 + 0.5) showed 69.2527.
    EXPECT_EQ(G7(RoundResistance4(PtResistance(100, 50))), "69.2528");
    EXPECT_EQ(RoundResistance4(69.25274999999999), 69.2528);
    EXPECT_EQ(RoundResistance4(-69.25275000000001), -69.2527);
    // A value truly below the tie (by far more than the noise) still rounds down.
    EXPECT_EQ(RoundResistance4(69.2527499), 69.2527);
}

TEST(RoundResistance, NonFiniteValuesPassThrough)
{
    EXPECT_TRUE(std::isnan(RoundResistance4(std::numeric_limits<double>::quiet_NaN())));
    EXPECT_EQ(RoundResistance4(std::numeric_limits<double>::infinity()), std::numeric_limits<double>::infinity());
    EXPECT_EQ(RoundResistance4(-std::numeric_limits<double>::infinity()),
              -std::numeric_limits<double>::infinity());
}

TEST(ResistanceForDisplay, Pt100ShowsFourDecimals)
{
    EXPECT_EQ(G7(ResistanceForDisplay(PtResistance(100, 100))), "138.5055");
    EXPECT_EQ(G7(ResistanceForDisplay(PtResistance(0, 100))), "100");
    EXPECT_EQ(G7(ResistanceForDisplay(999.99994)), "999.9999");
}

TEST(ResistanceForDisplay, Pt1000IsNotRoundedTwice)
{
    // Regression: rounding 1005.4704881 to 1005.4705 first showed "1005.471".
    EXPECT_EQ(G7(ResistanceForDisplay(PtResistance(1.4, 1000))), "1005.47");
    EXPECT_EQ(G7(ResistanceForDisplay(PtResistance(2.2, 1000))), "1008.595");
    EXPECT_EQ(G7(ResistanceForDisplay(PtResistance(100, 1000))), "1385.055");
    EXPECT_TRUE(std::isnan(ResistanceForDisplay(std::numeric_limits<double>::quiet_NaN())));
}

}  // namespace
}  // namespace tmcalc
