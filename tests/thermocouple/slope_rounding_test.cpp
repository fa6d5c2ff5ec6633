#include "thermocouple/slope_rounding.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <ostream>
#include <string>

#include "thermocouple/reference_functions.h"

namespace tmcalc {
namespace {

struct Rounding {
    const char* name;
    double slope;
    double shown;
};

constexpr Rounding kRoundings[] = {
    {"PositiveHalfUp", 38.9813797, 38.981380},
    {"PositiveBelowHalf", 38.9813794, 38.981379},
    {"NegativeTruncated", -0.22290787, -0.222907},  // B at 2 °C
    {"NegativeNeverRoundedAway", -0.23470407, -0.234704},  // B at 1 °C
    {"Zero", 0.0, 0.0},
    // Once wrong: 32-bit arithmetic overflowed beyond 214 µV/°C.
    {"LargeBeyond32Bits", 3000.0000006, 3000.000001},
    {"LargeNegative", -2500.1234569, -2500.123456},
};

// Names rather than bytes in test listings.
void PrintTo(const Rounding& row, std::ostream* out) { *out << row.name; }

class RoundSlope6Test : public testing::TestWithParam<Rounding> {};

TEST_P(RoundSlope6Test, ShowsSixDecimals)
{
    // Results carry the representation error of a six-decimal value in a double, nothing more.
    EXPECT_NEAR(RoundSlope6(GetParam().slope), GetParam().shown, 1E-12);
}

INSTANTIATE_TEST_SUITE_P(SlopeRounding, RoundSlope6Test, testing::ValuesIn(kRoundings),
                         [](const auto& row) { return std::string(row.param.name); });

TEST(SlopeRounding, ShownValuesOfThePages)
{
    EXPECT_NEAR(RoundSlope6(TcSlope(ThermocoupleType::B, 2)), -0.222907, 1E-12);
    EXPECT_NEAR(RoundSlope6(TcSlope(ThermocoupleType::B, 1)), -0.234704, 1E-12);
    EXPECT_NEAR(RoundSlope6(TcSlope(ThermocoupleType::K, 1000)), 38.981380, 1E-12);
}

TEST(SlopeRounding, NonFinite)
{
    const double inf = std::numeric_limits<double>::infinity();
    EXPECT_TRUE(std::isnan(RoundSlope6(std::numeric_limits<double>::quiet_NaN())));
    EXPECT_EQ(RoundSlope6(inf), inf);
    EXPECT_EQ(RoundSlope6(-inf), -inf);
}

}  // namespace
}  // namespace tmcalc
