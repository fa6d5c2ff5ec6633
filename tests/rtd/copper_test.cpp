#include "rtd/copper.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "rtd/rounding.h"

namespace tmcalc {
namespace {

constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();
constexpr double kInf = std::numeric_limits<double>::infinity();

// The copper equation written independently in long double.
long double CuW(long double t)
{
    return 1 + 4.28e-3L * t - 9.31e-8L * t * (t - 100) + 1.23e-9L * t * t * (t - 100);
}

TEST(CopperResistance, PrintedEdgeValuesOfCu50)
{
    // 0.00428 · 100 lands a hair low in double: the raw resistance is 71.39999999999999 and only the
    // display rounding makes it 71.4.
    EXPECT_EQ(CuResistance(100, 50), 71.39999999999999);
    EXPECT_EQ(RoundResistance4(CuResistance(100, 50)), 71.4);
    EXPECT_EQ(RoundResistance4(CuResistance(-50, 50)), 39.242);
    EXPECT_EQ(RoundResistance4(CuResistance(150, 50)), 82.1343);
    EXPECT_EQ(CuResistance(0, 100), 100.0);
}

TEST(CopperResistance, FollowsTheEquationOverItsRange)
{
    for (int i = -500; i <= 1500; ++i) {
        const double t = i / 10.0;
        // 1e-12 Ω: a few double roundings of a 100 Ω value.
        ASSERT_NEAR(CuResistance(t, 100), static_cast<double>(100 * CuW(t)), 1e-12) << t;
    }
}

TEST(CopperResistance, RangeLimits)
{
    EXPECT_FALSE(std::isnan(CuResistance(-50, 100)));
    EXPECT_FALSE(std::isnan(CuResistance(150, 100)));
    EXPECT_TRUE(std::isnan(CuResistance(std::nextafter(-50.0, -kInf), 100)));
    EXPECT_TRUE(std::isnan(CuResistance(std::nextafter(150.0, kInf), 100)));
    const CuModel fitted = CuFitted(kCuStandard.k);
    EXPECT_NEAR(CuResistance(-50.1, 100, fitted), static_cast<double>(100 * CuW(-50.1L)), 1e-12);
    EXPECT_NEAR(CuResistance(150.1, 100, fitted), static_cast<double>(100 * CuW(150.1L)), 1e-12);
    EXPECT_TRUE(std::isnan(CuResistance(-50.11, 100, fitted)));
    EXPECT_TRUE(std::isnan(CuResistance(150.11, 100, fitted)));
    EXPECT_TRUE(std::isnan(CuResistance(kNaN, 100)));
    EXPECT_TRUE(std::isnan(CuResistance(kInf, 100)));
}

TEST(CopperModel, StandardLiteralsMatchTheExpansionOfTheCoefficients)
{
    const CuModel expanded = CuFitted(kCuStandard.k);
    EXPECT_DOUBLE_EQ(expanded.a1, kCuStandard.a1);
    EXPECT_DOUBLE_EQ(expanded.a2, kCuStandard.a2);
    EXPECT_DOUBLE_EQ(expanded.a3, kCuStandard.a3);
}

TEST(CopperTemperature, InvertsTheResistance)
{
    for (int i = -5000; i <= 15000; ++i) {
        const double t = i / 100.0;
        const double r = CuResistance(t, 50);
        const double back = CuTemperature(r, 50);
        // The residual tolerance of the cubic, 1e-8 in W, is about 2.4e-6 °C (dW/dt >= 0.0042/°C).
        ASSERT_LE(std::abs(static_cast<double>(CuW(back)) - r / 50), 1e-8 + 1e-15) << t;
        ASSERT_NEAR(back, t, 3e-6) << t;
    }
    EXPECT_EQ(CuTemperature(50, 50), 0.0);
}

TEST(CopperTemperature, FittedCoefficientsBuildTheirOwnCubic)
{
    const CuModel fitted = CuFitted({4.3e-3, -1.2e-7, 2.0e-9});
    for (double t : {-50.1, -10.0, 0.3, 99.0, 150.1}) {
        EXPECT_NEAR(CuTemperature(CuResistance(t, 50, fitted), 50, fitted), t, 3e-6) << t;
    }
    EXPECT_TRUE(std::isnan(CuTemperature(55, 50, CuFitted({}))));
}

TEST(CopperTemperature, BadInputAnswersAtOnce)
{
    // A pasted 1e12 Ω is W = 1e10: the cubic has a root near 2e6 °C, which the page's band rejects.
    const double huge = CuTemperature(1e12, 100);
    EXPECT_TRUE(std::isnan(ScreenCuTemperature(huge)));
    EXPECT_TRUE(std::isnan(CuTemperature(-1e12, 100)));
    EXPECT_TRUE(std::isnan(CuTemperature(kNaN, 100)));
    EXPECT_TRUE(std::isnan(CuTemperature(kInf, 100)));
    EXPECT_TRUE(std::isnan(ScreenCuTemperature(CuTemperature(50, 0))));
}

TEST(CopperSlope, StoredConstants)
{
    EXPECT_DOUBLE_EQ(CuSlope(0, 100), 0.428931);
    for (double t : {-50.0, 0.0, 42.0, 150.0}) {
        const long double h = 1e-3L;
        const double numeric = static_cast<double>(100 * (CuW(t + h) - CuW(t - h)) / (2 * h));
        EXPECT_NEAR(CuSlope(t, 100), numeric, 1e-10) << t;
    }
    EXPECT_FALSE(std::isnan(CuSlope(-50.1, 100)));
    EXPECT_FALSE(std::isnan(CuSlope(150.1, 100)));
    EXPECT_TRUE(std::isnan(CuSlope(-50.11, 100)));
    EXPECT_TRUE(std::isnan(CuSlope(150.11, 100)));
    EXPECT_TRUE(std::isnan(CuSlope(kNaN, 100)));
}

TEST(CopperScreen, BandOfPointThreePlusSixThousandths)
{
    // Shown from -50.6036 °C (t >= -50.3/0.994) up to 151.2072 °C (t <= 150.3/0.994), both inclusive.
    EXPECT_EQ(ScreenCuTemperature(151.2072), 151.2072);
    EXPECT_TRUE(std::isnan(ScreenCuTemperature(151.2073)));
    EXPECT_EQ(ScreenCuTemperature(-50.6036), -50.6036);
    EXPECT_TRUE(std::isnan(ScreenCuTemperature(-50.6037)));
    EXPECT_EQ(ScreenCuTemperature(0.0), 0.0);
    EXPECT_TRUE(std::isnan(ScreenCuTemperature(kNaN)));
    EXPECT_TRUE(std::isnan(ScreenCuTemperature(kInf)));
    EXPECT_TRUE(std::isnan(ScreenCuTemperature(-kInf)));
}

}  // namespace
}  // namespace tmcalc
