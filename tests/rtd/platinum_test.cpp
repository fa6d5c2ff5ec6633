#include "rtd/platinum.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace tmcalc {
namespace {

constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();
constexpr double kInf = std::numeric_limits<double>::infinity();

// The Callendar-Van Dusen equation written independently: long double, Horner form, the standard's
// coefficients. Agreement with it to 1e-9 Ω (a million times the double rounding error of a Pt100 value,
// a millionth of the table resolution) shows both the formula and the branch choice.
long double Cvd(long double t, long double r0)
{
    const long double a = 3.9083e-3L;
    const long double b = -5.775e-7L;
    const long double c = t < 0 ? -4.183e-12L * (t - 100) : 0.0L;
    return r0 * (1 + t * (a + t * (b + t * c)));
}

struct TableRow {
    double t;
    double r;  // Pt100 table value, 0.01 Ω resolution
};

// Printed Pt100 table, every 50 °C.
constexpr TableRow kPt100Table[] = {
    {-200, 18.52}, {-150, 39.72}, {-100, 60.26}, {-50, 80.31},  {0, 100.00},   {50, 119.40},
    {100, 138.51}, {150, 157.33}, {200, 175.86}, {250, 194.10}, {300, 212.05}, {350, 229.72},
    {400, 247.09}, {450, 264.18}, {500, 280.98}, {550, 297.49}, {600, 313.71}, {650, 329.64},
    {700, 345.28}, {750, 360.64}, {800, 375.70}, {850, 390.48},
};

TEST(PlatinumResistance, AgreesWithThePrintedTableToItsResolution)
{
    for (const TableRow& row : kPt100Table) {
        SCOPED_TRACE(row.t);
        // Half the table's last digit, plus room for the double evaluation.
        EXPECT_NEAR(PtResistance(row.t, 100), row.r, 0.005 + 1e-9);
    }
}

TEST(PlatinumResistance, FollowsTheEquationEveryTenthOfADegree)
{
    for (int i = -2000; i <= 8500; ++i) {
        const double t = i / 10.0;
        ASSERT_NEAR(PtResistance(t, 100), static_cast<double>(Cvd(t, 100)), 1e-9) << t;
    }
}

TEST(PlatinumResistance, ScalesWithR0)
{
    // Pt50, a PtX of 25 Ω and a Pt1000 at 100 °C: the same W.
    EXPECT_NEAR(PtResistance(100, 50), 69.25275, 1e-10);
    EXPECT_NEAR(PtResistance(100, 25), 34.626375, 1e-10);
    EXPECT_NEAR(PtResistance(100, 1000), 1385.055, 1e-9);
}

TEST(PlatinumResistance, StandardRangeEndsExactlyAtItsLimits)
{
    EXPECT_NEAR(PtResistance(-200, 100), 18.52008, 1e-10);
    EXPECT_NEAR(PtResistance(850, 100), 390.481125, 1e-10);
    EXPECT_TRUE(std::isnan(PtResistance(std::nextafter(-200.0, -kInf), 100)));
    EXPECT_TRUE(std::isnan(PtResistance(std::nextafter(850.0, kInf), 100)));
    EXPECT_TRUE(std::isnan(PtResistance(850.01, 100)));
}

TEST(PlatinumResistance, FittedRangeReachesATenthOfADegreeFurther)
{
    const PtModel fitted = PtFitted({3.9083e-3, -5.775e-7, -4.183e-12});
    EXPECT_NEAR(PtResistance(-200.1, 100, fitted), static_cast<double>(Cvd(-200.1L, 100)), 1e-9);
    EXPECT_NEAR(PtResistance(850.1, 100, fitted), static_cast<double>(Cvd(850.1L, 100)), 1e-9);
    EXPECT_TRUE(std::isnan(PtResistance(-200.11, 100, fitted)));
    EXPECT_TRUE(std::isnan(PtResistance(850.11, 100, fitted)));
}

TEST(PlatinumResistance, IsContinuousAcrossZero)
{
    EXPECT_EQ(PtResistance(0, 100), 100.0);
    const double below = PtResistance(-1e-9, 100);
    const double above = PtResistance(1e-9, 100);
    EXPECT_LT(below, 100.0);
    EXPECT_GT(above, 100.0);
    EXPECT_NEAR(above - below, 2e-9 * 0.39083, 3e-14);  // two roundings of values near 100 Ω
}

TEST(PlatinumResistance, RejectsNonFiniteTemperatures)
{
    EXPECT_TRUE(std::isnan(PtResistance(kNaN, 100)));
    EXPECT_TRUE(std::isnan(PtResistance(kInf, 100)));
    EXPECT_TRUE(std::isnan(PtResistance(-kInf, 100)));
}

TEST(PlatinumTemperature, InvertsTheResistanceOnBothBranches)
{
    // Every hundredth of a degree; the quartic below 0 °C must land within 1e-8 in W, the closed form
    // above it far closer. 1e-8 in W is at most 4.3e-6 °C anywhere in the range (dW/dt >= 0.0023/°C).
    double worst_w = 0;
    for (int i = -20000; i <= 85000; ++i) {
        const double t = i / 100.0;
        const double r = PtResistance(t, 100);
        const double back = PtTemperature(r, 100);
        const double w_error = std::abs(static_cast<double>(Cvd(back, 1)) - r / 100);
        worst_w = std::max(worst_w, w_error);
        ASSERT_LE(w_error, 1e-8) << t;
        ASSERT_NEAR(back, t, 5e-6) << t;
    }
    EXPECT_LE(worst_w, 1e-8);
}

TEST(PlatinumTemperature, ResistanceEqualToR0GivesZeroExactly)
{
    EXPECT_EQ(PtTemperature(100, 100), 0.0);
    EXPECT_EQ(PtTemperature(1000, 1000), 0.0);
    // Just above 1 the closed form; its cancellation costs about 4e-13 °C.
    EXPECT_NEAR(PtTemperature(100 * (1 + 1e-9), 100), 1e-9 / 3.9083e-3, 1e-12);
    EXPECT_LE(std::abs(PtTemperature(std::nextafter(100.0, 200.0), 100)), 1e-12);
    // Just below 1 the quartic, whose start value 0 °C already meets the tolerance of 1e-8 in W.
    EXPECT_EQ(PtTemperature(std::nextafter(100.0, 0.0), 100), 0.0);
    EXPECT_EQ(PtTemperature(100 * (1 - 0.5e-8), 100), 0.0);
    EXPECT_NEAR(PtTemperature(100 * (1 - 2e-8), 100), -2e-8 / 3.9083e-3, 1e-11);
}

TEST(PlatinumTemperature, PrintedEdgeValues)
{
    // 390.4811 Ω is 850 °C rounded to 0.1 mΩ, about 1.3e-4 °C off.
    EXPECT_NEAR(PtTemperature(390.4811, 100), 850.0, 2e-4);
    EXPECT_NEAR(PtTemperature(18.5201, 100), -200.0, 2e-4);
    const double r855 = 100 * (1 + 3.9083e-3 * 855 - 5.775e-7 * 855 * 855);
    EXPECT_NEAR(PtTemperature(r855, 100), 855.0, 1e-9);
}

TEST(PlatinumTemperature, FittedCoefficientsUseTheSameBranches)
{
    const PtCoefficients k{3.95e-3, -6.1e-7, -3.9e-12};
    const PtModel fitted = PtFitted(k);
    for (double t : {-200.1, -150.0, -0.5, 0.5, 420.0, 850.1}) {
        const double r = PtResistance(t, 100, fitted);
        EXPECT_NEAR(PtTemperature(r, 100, fitted), t, 5e-6) << t;
    }
    // Before any fit the held coefficients are all zero: no temperature, no hang.
    const PtModel empty = PtFitted({});
    EXPECT_TRUE(std::isnan(PtTemperature(110, 100, empty)));
    EXPECT_TRUE(std::isnan(PtTemperature(90, 100, empty)));
}

TEST(PlatinumTemperature, BadInputGivesNaNAtOnce)
{
    EXPECT_TRUE(std::isnan(PtTemperature(kNaN, 100)));
    EXPECT_TRUE(std::isnan(PtTemperature(100, kNaN)));
    // An infinite W takes the closed form to -inf; the page's screen turns it into "out of range".
    EXPECT_EQ(PtTemperature(kInf, 100), -kInf);
    EXPECT_TRUE(std::isnan(ScreenPtTemperature(PtTemperature(kInf, 100), PtInverseRange::Widened)));
    EXPECT_TRUE(std::isnan(PtTemperature(-kInf, 100)));
    EXPECT_TRUE(std::isnan(PtTemperature(-1e10, 100)));  // pasted on a Pt page
    EXPECT_TRUE(std::isnan(PtTemperature(1e12, 100)));   // beyond the vertex of the parabola
    // An R0 of zero on the PtX page makes W infinite; whatever comes out is not a temperature in range.
    for (double r : {50.0, 0.0, -50.0}) {
        const double t = ScreenPtTemperature(PtTemperature(r, 0), PtInverseRange::Strict);
        EXPECT_TRUE(std::isnan(t)) << r;
    }
}

TEST(PlatinumSlope, StoredConstantsOnBothSidesOfZero)
{
    EXPECT_DOUBLE_EQ(PtSlope(0, 100), 0.39083);
    EXPECT_DOUBLE_EQ(PtSlope(100, 100), 0.37928);
    // Below zero the derivative of the C term joins in: compare with a central difference of the
    // independent equation (truncation error of h = 1e-3 well below 1e-9 Ω/°C).
    for (double t : {-200.0, -120.5, -40.0, -1e-6, 250.0, 850.0}) {
        const long double h = 1e-3L;
        const double numeric = static_cast<double>((Cvd(t + h, 100) - Cvd(t - h, 100)) / (2 * h));
        EXPECT_NEAR(PtSlope(t, 100), numeric, 1e-9) << t;
    }
}

TEST(PlatinumSlope, RangeIsWidenedByATenthOfADegree)
{
    EXPECT_FALSE(std::isnan(PtSlope(-200.1, 100)));
    EXPECT_FALSE(std::isnan(PtSlope(850.1, 100)));
    EXPECT_TRUE(std::isnan(PtSlope(-200.11, 100)));
    EXPECT_TRUE(std::isnan(PtSlope(850.11, 100)));
    EXPECT_TRUE(std::isnan(PtSlope(kNaN, 100)));
    EXPECT_TRUE(std::isnan(PtSlope(kInf, 100)));
}

struct ScreenRow {
    const char* name;
    PtInverseRange range;
    double t;
    bool shown;
};

class PlatinumScreen : public testing::TestWithParam<ScreenRow> {};

TEST_P(PlatinumScreen, ShowsOrRejects)
{
    const ScreenRow& row = GetParam();
    const double got = ScreenPtTemperature(row.t, row.range);
    if (row.shown) {
        EXPECT_EQ(got, row.t);
    } else {
        EXPECT_TRUE(std::isnan(got));
    }
}

// Widened band: shown while -200.6 - 0.01|t| <= t < 850.6 + 0.01|t|, i.e. from -202.6263 °C up to
// 859.1919 °C (exclusive).
INSTANTIATE_TEST_SUITE_P(
    Rows, PlatinumScreen,
    testing::Values(ScreenRow{"WidenedAt855", PtInverseRange::Widened, 855.0, true},
                    ScreenRow{"WidenedJustBelowTop", PtInverseRange::Widened, 859.1919, true},
                    ScreenRow{"WidenedJustAboveTop", PtInverseRange::Widened, 859.1920, false},
                    ScreenRow{"WidenedJustAboveBottom", PtInverseRange::Widened, -202.6262, true},
                    ScreenRow{"WidenedJustBelowBottom", PtInverseRange::Widened, -202.6263, false},
                    ScreenRow{"WidenedZero", PtInverseRange::Widened, 0.0, true},
                    ScreenRow{"StrictAt850", PtInverseRange::Strict, 850.0, true},
                    ScreenRow{"StrictAbove850", PtInverseRange::Strict, 850.000001, false},
                    ScreenRow{"StrictAt855", PtInverseRange::Strict, 855.0, false},
                    ScreenRow{"StrictAtMinus200", PtInverseRange::Strict, -200.0, true},
                    ScreenRow{"StrictBelowMinus200", PtInverseRange::Strict, -200.000001, false},
                    // The band grows with |t| and would admit -inf (and the copper band +inf).
                    ScreenRow{"WidenedInfinity", PtInverseRange::Widened, kInf, false},
                    ScreenRow{"WidenedMinusInfinity", PtInverseRange::Widened, -kInf, false},
                    ScreenRow{"StrictInfinity", PtInverseRange::Strict, kInf, false},
                    ScreenRow{"StrictMinusInfinity", PtInverseRange::Strict, -kInf, false}),
    [](const testing::TestParamInfo<ScreenRow>& param_info) { return std::string(param_info.param.name); });

TEST(PlatinumScreen, NaNStaysNaN)
{
    EXPECT_TRUE(std::isnan(ScreenPtTemperature(kNaN, PtInverseRange::Widened)));
    EXPECT_TRUE(std::isnan(ScreenPtTemperature(kNaN, PtInverseRange::Strict)));
}

}  // namespace
}  // namespace tmcalc
