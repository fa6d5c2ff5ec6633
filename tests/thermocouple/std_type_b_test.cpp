// The type B standard: certificate polynomials, the fixed-point fit in single precision, both
// conversions with the cold junction.
#include "thermocouple/std_type_b.h"

#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <limits>
#include <span>
#include <string>
#include <tuple>

#include "thermocouple/deviation_fit.h"
#include "thermocouple/std_reference.h"

namespace tmcalc {
namespace {

constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();
constexpr double kInf = std::numeric_limits<double>::infinity();
constexpr auto kB = ThermocoupleType::B;

// The published ITS-90 type B coefficients (NIST Monograph 175), µV, typed as a certificate would be.
constexpr StdBCalibration kLowRange = {StdBMode::LowRange,
                                       {-2.46508183460E-01, 5.90404211710E-03, -1.32579316360E-06,
                                        1.56682919010E-09, -1.69445292400E-12, 6.29903470940E-16}};
constexpr StdBCalibration kHighRange = {
    StdBMode::HighRange,
    {-3.89381686210E+03, 2.85717474700E+01, -8.48851047850E-02, 1.57852801640E-04, -1.68353448640E-07,
     1.11097940130E-10, -4.45154310330E-14, 9.89756408210E-18, -9.37913302890E-22}};

// A standard 10 µV above the reference at 1100 °C, deviating by a + b t + c t^2 mV.
StdBCalibration FixedPoints(double a = 0.01, double b = -1E-5, double c = 3E-9)
{
    StdBCalibration cal{StdBMode::FixedPoints, {}};
    for (std::size_t i = 0; i < kStdBFixedPointTemperatures.size(); ++i) {
        const double t = kStdBFixedPointTemperatures[i];
        cal.p[i] = StdRefEmf(kB, t) + a + b * t + c * t * t;
    }
    return cal;
}

TEST(StdBCalibration, PublishedCoefficientsReproduceTheReference)
{
    EXPECT_NEAR(StdBEmfMicro(kHighRange, 1000), 4834.3, 0.05);
    // Horner against term-by-term sums: 1E-6 µV is far below the 1E-4 µV (1E-7 mV) shown.
    for (double t : {700.0, 1000.0, 1300.0, 1820.0}) {
        EXPECT_NEAR(StdBEmfMicro(kHighRange, t), 1000 * StdRefEmf(kB, t), 1E-6) << t;
        EXPECT_NEAR(StdBSlope(kHighRange, t), 1000 * StdRefBSlope(t), 1E-9) << t;
        EXPECT_NEAR(StdBTemperature(kHighRange, StdBEmfMicro(kHighRange, t)), t, 1E-7) << t;
    }
    for (double t : {50.0, 250.0, 600.0}) {
        EXPECT_NEAR(StdBEmfMicro(kLowRange, t), 1000 * StdRefEmf(kB, t), 1E-9) << t;
        EXPECT_NEAR(StdBSlope(kLowRange, t), 1000 * StdRefBSlope(t), 1E-9) << t;
        EXPECT_NEAR(StdBTemperature(kLowRange, StdBEmfMicro(kLowRange, t)), t, 1E-7) << t;
    }
}

TEST(StdBTemperature, AboveTheReferenceInverseAndWithoutARoot)
{
    // Once NaN after 1000001 steps from a NaN start: the reference inverse stops at 13.820 mV.
    EXPECT_NEAR(StdBTemperature(kHighRange, 13900), 1826.988374, 5E-6);
    EXPECT_TRUE(std::isnan(StdRefBTemperature(13.9)));
    // The low-range polynomial extrapolated that far has a root too; it is what the certificate says.
    EXPECT_NEAR(StdBEmfMicro(kLowRange, StdBTemperature(kLowRange, 13900)), 13900, 1E-7);
    // 1 + t^2 never reaches 0 µV: Newton wanders for 1000001 steps. Once the last step was the result.
    EXPECT_TRUE(std::isnan(StdBTemperature({StdBMode::HighRange, {1, 0, 1}}, 0)));
    // Fixed points: the curve never falls to -10 µV (its minimum is -2.6 µV at 21 °C).
    EXPECT_TRUE(std::isnan(StdBTemperature(FixedPoints(0, 0, 0), -10)));
}

TEST(StdBTemperature, FlatStartWithoutConvergingGivesNaN)
{
    // The reference emf turns at 21.02 °C. Find the emf from which the reference inverse starts there; it
    // is nowhere near the emf at 21 °C (-2.6 µV). Once the start itself was the result.
    const auto solve = [](auto f, double low, double high) {
        for (int i = 0; i < 200; ++i) (f((low + high) / 2) < 0 ? low : high) = (low + high) / 2;
        return low;
    };
    const double flat = solve([](double t) { return StdRefBSlope(t); }, 15, 25);
    const double emf = solve([flat](double e) { return StdRefBTemperature(e) - flat; }, -0.2, 0);
    ASSERT_LT(std::fabs(StdRefBSlope(StdRefBTemperature(emf))), 1E-8);
    EXPECT_TRUE(std::isnan(StdBTemperature(FixedPoints(0, 0, 0), emf * 1000)));
}

TEST(StdBFixedPoints, FitRecoversTheDeviation)
{
    const StdBCalibration cal = FixedPoints();
    // The float fit misses the fixed points by about 0.004 µV, under 1 mK at 10 µV/°C.
    for (std::size_t i = 0; i < kStdBFixedPointTemperatures.size(); ++i) {
        const double t = kStdBFixedPointTemperatures[i];
        EXPECT_NEAR(StdBEmfMicro(cal, t), 1000 * cal.p[i], 0.01) << t;
        EXPECT_NEAR(StdBTemperature(cal, 1000 * cal.p[i]), t, 1E-3) << t;
        EXPECT_NEAR(StdBSlope(cal, t), 1000 * (StdRefBSlope(t) - 1E-5 + 6E-9 * t), 1E-4) << t;
    }
    for (double t : {700.0, 1000.0, 1820.0}) EXPECT_NEAR(StdBTemperature(cal, StdBEmfMicro(cal, t)), t, 1E-6) << t;
}

TEST(StdBFixedPoints, FitIsSinglePrecisionAndNeedsFivePoints)
{
    // A constant 1 µV deviation: the double-precision normal equations give a = 0.001 mV to 1E-12; the
    // float ones miss by about 3E-6 mV and leave a curvature.
    const auto fitted = [](const StdBCalibration& cal) {
        return FitDeviationQuadratic(kStdBFixedPointTemperatures, std::span(cal.p).first(5));
    };
    const auto fit = fitted(FixedPoints(0.001, 0, 0));
    ASSERT_TRUE(fit);
    EXPECT_GT(std::fabs(fit->a - 0.001), 1E-7);
    EXPECT_LT(std::fabs(fit->a - 0.001), 1E-4);
    // Exact reference emfs give exactly no deviation.
    const auto none = fitted(FixedPoints(0, 0, 0));
    ASSERT_TRUE(none);
    EXPECT_EQ(std::tuple(none->a, none->b, none->c), std::tuple(0.0, 0.0, 0.0));
    const std::array<double, 2> two = {1.0, 2.0};
    EXPECT_FALSE(FitDeviationQuadratic(kStdBFixedPointTemperatures, two));
    EXPECT_FALSE(
        FitDeviationQuadratic(std::span<const double>(two.data(), 1), std::span<const double>(two.data(), 1)));
}

TEST(StdBPage, ColdJunctionFromTheReferenceInModes2And3)
{
    // Once -3355.1 µV from the 630.615-1820 °C polynomial at 20 °C, and a true 1000 °C read 546.34 °C.
    EXPECT_EQ(StdBColdJunctionMicro(kHighRange, 20), 1000 * StdRefEmf(kB, 20));
    const StdBReading emf = StdBPageTemperatureToEmf(kHighRange, 1000, 20);
    EXPECT_NEAR(emf.value, 4.8369176, 5E-8);
    EXPECT_NEAR(StdBPageEmfToTemperature(kHighRange, emf.value, 20).value, 1000, 1E-7);
    // Once the 1100-1500 °C deviation was extrapolated to 20 °C: about 2 °C wrong at 1300 °C.
    const StdBCalibration fixed = FixedPoints(0.05, -1E-4, 4E-8);
    EXPECT_EQ(StdBColdJunctionMicro(fixed, 20), 1000 * StdRefEmf(kB, 20));
    const StdBReading fixedEmf = StdBPageTemperatureToEmf(fixed, 1300, 20);
    EXPECT_NEAR(StdBPageEmfToTemperature(fixed, fixedEmf.value, 20).value, 1300, 1E-6);
    EXPECT_EQ(fixedEmf.slope, StdBSlope(fixed, 1300));
    // The low range holds room temperature: its own polynomial.
    EXPECT_EQ(StdBColdJunctionMicro(kLowRange, 20), StdBEmfMicro(kLowRange, 20));
    // A cold junction of exactly 0 °C contributes nothing, even with a constant term.
    StdBCalibration offset = kHighRange;
    offset.p[0] = 5;
    for (const StdBCalibration& cal : {kLowRange, offset, fixed}) EXPECT_EQ(StdBColdJunctionMicro(cal, 0), 0.0);
}

TEST(StdBPage, BadInputsGiveNaN)
{
    for (const StdBCalibration& cal : {kLowRange, kHighRange, FixedPoints()}) {
        for (double x : {kNaN, kInf, -kInf}) {
            EXPECT_TRUE(std::isnan(StdBTemperature(cal, x))) << x;
            EXPECT_TRUE(std::isnan(StdBPageEmfToTemperature(cal, x, 0).value)) << x;
            EXPECT_TRUE(std::isnan(StdBPageEmfToTemperature(cal, 5, x).value)) << x;
            EXPECT_FALSE(std::isfinite(StdBPageTemperatureToEmf(cal, x, 0).value)) << x;
        }
        EXPECT_TRUE(std::isfinite(StdBTemperature(cal, 5000))) << static_cast<int>(cal.mode);
    }
    // A fixed-point row that reads "nan" or "1e999".
    for (double bad : {kNaN, kInf}) {
        StdBCalibration cal = FixedPoints();
        cal.p[2] = bad;
        EXPECT_TRUE(std::isnan(StdBEmfMicro(cal, 1300))) << bad;
        EXPECT_TRUE(std::isnan(StdBTemperature(cal, 5000))) << bad;
    }
    // Fixed points beyond the reference range and an unknown mode.
    EXPECT_TRUE(std::isnan(StdBEmfMicro(FixedPoints(), 1900)));
    const StdBCalibration unknown = {static_cast<StdBMode>(7), {}};
    EXPECT_TRUE(std::isnan(StdBEmfMicro(unknown, 1000)) && std::isnan(StdBSlope(unknown, 1000)));
    EXPECT_TRUE(std::isnan(StdBTemperature(unknown, 5000)));
}

}  // namespace
}  // namespace tmcalc
