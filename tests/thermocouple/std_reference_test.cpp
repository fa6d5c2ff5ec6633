#include "thermocouple/std_reference.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "thermocouple/reference_functions.h"

namespace tmcalc {
namespace {

using Type = ThermocoupleType;
constexpr double kInf = std::numeric_limits<double>::infinity();
constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();

double Below(double x) { return std::nextafter(x, -kInf); }
double Above(double x) { return std::nextafter(x, kInf); }

TEST(StdReference, FixedPointEmfOfTypeS)
{
    // Zinc, aluminium and copper points; tolerance half a unit of the eighth digit shown.
    EXPECT_NEAR(StdRefEmf(Type::S, 419.527), 3.4468883, 5E-8);
    EXPECT_NEAR(StdRefEmf(Type::S, 660.323), 5.8601275, 5E-8);
    EXPECT_NEAR(StdRefEmf(Type::S, 1084.62), 10.574801, 5E-7);
}

TEST(StdReference, PublishedCoefficientsDifferFromWorkingSetInLastDigitsOnly)
{
    // S c3 and B c0 differ between the sets: the results must differ, but by far less than 1 nV.
    EXPECT_NE(StdRefEmf(Type::S, 1000), TcEmf(Type::S, 1000) / 1000);
    EXPECT_NEAR(StdRefEmf(Type::S, 1000), TcEmf(Type::S, 1000) / 1000, 1E-8);
    EXPECT_NE(StdRefEmf(Type::B, 1000), TcEmf(Type::B, 1000) / 1000);
    EXPECT_NEAR(StdRefEmf(Type::B, 1000), TcEmf(Type::B, 1000) / 1000, 1E-9);
}

TEST(StdReference, EmfRanges)
{
    EXPECT_TRUE(std::isfinite(StdRefEmf(Type::S, -50.1)));
    EXPECT_TRUE(std::isnan(StdRefEmf(Type::S, Below(-50.1))));
    EXPECT_TRUE(std::isfinite(StdRefEmf(Type::S, 1768.1999999)));
    // 1768.1 + 0.1 is just below 1768.2 in doubles, so a typed 1768.2 is refused.
    EXPECT_TRUE(std::isnan(StdRefEmf(Type::S, 1768.2)));
    EXPECT_NEAR(StdRefEmf(Type::S, 1064.18), StdRefEmf(Type::S, Above(1064.18)), 1E-8);
    EXPECT_NEAR(StdRefEmf(Type::S, 1664.5), StdRefEmf(Type::S, Above(1664.5)), 1E-8);

    EXPECT_TRUE(std::isfinite(StdRefEmf(Type::B, -0.1)));
    EXPECT_TRUE(std::isnan(StdRefEmf(Type::B, Below(-0.1))));
    EXPECT_TRUE(std::isfinite(StdRefEmf(Type::B, 1820.1)));
    EXPECT_TRUE(std::isnan(StdRefEmf(Type::B, Above(1820.1))));
    EXPECT_NEAR(StdRefEmf(Type::B, 630.615), StdRefEmf(Type::B, Below(630.615)), 1E-8);

    for (Type other : {Type::R, Type::K, Type::D, static_cast<Type>(12)}) {
        EXPECT_TRUE(std::isnan(StdRefEmf(other, 500)));
    }
    for (double x : {kNaN, kInf, -kInf}) {
        EXPECT_TRUE(std::isnan(StdRefEmf(Type::S, x)));
        EXPECT_TRUE(std::isnan(StdRefEmf(Type::B, x)));
        EXPECT_TRUE(std::isnan(StdRefBSlope(x)));
        EXPECT_TRUE(std::isnan(StdRefBTemperature(x)));
    }
}

TEST(StdReference, BSlopeIsDerivativeOfBEmf)
{
    constexpr double h = 1E-3;  // central difference; error well below 1E-9 mV/°C
    for (double t = 0.0; t <= 1820.0; t += 9.7) {
        const double difference = (StdRefEmf(Type::B, t + h) - StdRefEmf(Type::B, t - h)) / (2 * h);
        ASSERT_NEAR(StdRefBSlope(t), difference, 1E-9) << t;
    }
    EXPECT_TRUE(std::isfinite(StdRefBSlope(-0.1)));
    EXPECT_TRUE(std::isnan(StdRefBSlope(Below(-0.1))));
    EXPECT_TRUE(std::isfinite(StdRefBSlope(1820.1)));
    EXPECT_TRUE(std::isnan(StdRefBSlope(Above(1820.1))));
    EXPECT_NEAR(StdRefBSlope(630.615), StdRefBSlope(Above(630.615)), 1E-8);
}

TEST(StdReference, BTemperatureRanges)
{
    // No lower bound: -0.5 mV still goes through the 250-700 °C polynomial.
    const double low = StdRefBTemperature(-0.5);
    EXPECT_TRUE(std::isfinite(low));
    EXPECT_LT(low, 0.0);
    EXPECT_NEAR(StdRefBTemperature(2.431), StdRefBTemperature(Above(2.431)), 0.05);
    EXPECT_TRUE(std::isfinite(StdRefBTemperature(13.82)));
    EXPECT_TRUE(std::isnan(StdRefBTemperature(Above(13.82))));
    EXPECT_TRUE(std::isnan(StdRefBTemperature(13.9)));
    // Within the published inverse errors (-0.02..0.03 and -0.01..0.02 °C) of the reference function.
    for (double t : {300.0, 500.0, 700.0, 1000.0, 1500.0, 1800.0}) {
        EXPECT_NEAR(StdRefBTemperature(StdRefEmf(Type::B, t)), t, 0.03) << t;
    }
}

}  // namespace
}  // namespace tmcalc
