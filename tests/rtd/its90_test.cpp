// The ITS-90 platinum reference function and its inverse against the values published with the scale,
// the derivative and the round trip through the inverse.
#include "rtd/its90.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <ostream>
#include <string>

#include "rtd_test_util.h"

namespace tmcalc {
namespace {

using test::ExpectRows;
using test::kInf;
using test::kNaN;

// Wr at the defining fixed points, ITS-90 text (Metrologia 27, 3-10, 1990), Table 1, eight decimals.
struct FixedPointRow {
    const char* name;
    double t;
    double wr;
    // The inverse functions reproduce the reference functions within 0.1 mK up to the aluminium point
    // and within 0.13 mK above it.
    double inverse_tol = 1e-4;
};
void PrintTo(const FixedPointRow& row, std::ostream* out) { *out << row.name; }

class Its90FixedPoint : public ::testing::TestWithParam<FixedPointRow> {};

TEST_P(Its90FixedPoint, ReferenceRatioAndInverse)
{
    const FixedPointRow& row = GetParam();
    // The table rounds to 1e-8, so 1e-8 catches any wrong digit of a coefficient.
    EXPECT_NEAR(Its90Wr(row.t), row.wr, 1e-8);
    EXPECT_NEAR(Its90T(row.wr), row.t, row.inverse_tol);
}

INSTANTIATE_TEST_SUITE_P(
    Table1, Its90FixedPoint,
    ::testing::Values(FixedPointRow{"hydrogen", -259.3467, 0.00119007}, FixedPointRow{"neon", -248.5939, 0.00844974},
                      FixedPointRow{"oxygen", -218.7916, 0.09171804}, FixedPointRow{"argon", -189.3442, 0.21585975},
                      FixedPointRow{"mercury", -38.8344, 0.84414211}, FixedPointRow{"water", 0.01, 1.0},
                      FixedPointRow{"gallium", 29.7646, 1.11813889}, FixedPointRow{"indium", 156.5985, 1.60980185},
                      FixedPointRow{"tin", 231.928, 1.89279768}, FixedPointRow{"zinc", 419.527, 2.56891730},
                      FixedPointRow{"aluminium", 660.323, 3.37600860}, FixedPointRow{"silver", 961.78, 4.28642053, 1.3e-4}),
    [](const ::testing::TestParamInfo<FixedPointRow>& row) { return std::string(row.param.name); });

TEST(Its90, SlopeIsTheDerivativeAndTheInverseInverts)
{
    // Central difference with h = 1e-4 °C: truncation ~1e-14, rounding ~1e-12; 1e-10 (2.5e-8 of the slope)
    // still shows a wrong index or factor in any term. The sweep never comes within h of 0 °C.
    for (int centi = -25934; centi <= 96178; centi += 7) {
        const double t = centi / 100.0;
        ASSERT_NEAR(Its90WrSlope(t), (Its90Wr(t + 1e-4) - Its90Wr(t - 1e-4)) / 2e-4, 1e-10) << t;
    }
    // The published inverses reproduce the reference functions within 0.13 mK; 0.14 mK leaves rounding.
    for (int milli = -189344; milli <= 961780; milli += 7) {
        const double t = milli / 1000.0;
        ASSERT_NEAR(Its90T(Its90Wr(t)), t, 1.4e-4) << t;
    }
}

TEST(Its90, ZeroTakesTheFunctionAboveZeroAndBadArgumentsGiveNoFiniteValue)
{
    // A zero on the low branch gave 0.9999601047.
    ExpectRows({{"at 0", Its90Wr(0), 0.9999601100, 1e-10},
                {"just below 0", Its90Wr(-std::numeric_limits<double>::min()), 0.9999601047, 1e-10},
                {"upper slope at 0", Its90WrSlope(0), (Its90Wr(1e-4) - Its90Wr(0)) / 1e-4, 1e-9}});
    for (double t : {kNaN, -273.15, -300.0, kInf, -kInf, 1e300, -1e300}) {
        EXPECT_FALSE(std::isfinite(Its90Wr(t))) << t;
        EXPECT_FALSE(std::isfinite(Its90WrSlope(t))) << t;
    }
    for (double wr : {kNaN, -1.0, kInf, -kInf, 1e300}) EXPECT_FALSE(std::isfinite(Its90T(wr))) << wr;
}

}  // namespace
}  // namespace tmcalc
