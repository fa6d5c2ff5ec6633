#include "rtd/nickel.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace tmcalc {
namespace {

TEST(NickelPresets, TableAndIndexBounds)
{
    const std::optional<NiPreset> na = NickelPreset(4);
    ASSERT_TRUE(na.has_value());
    EXPECT_EQ(na->r0, 1000.0);
    EXPECT_EQ(na->k.c1, 0.00588025);
    EXPECT_EQ(na->k.c2, 8.28385e-6);
    EXPECT_EQ(na->k.c3, 0.0);
    EXPECT_EQ(na->k.c4, 7.67175e-12);
    EXPECT_EQ(na->k.c5, 0.0);
    EXPECT_EQ(na->k.c6, 1.49e-16);
    const std::optional<NiPreset> nd = NickelPreset(1);
    ASSERT_TRUE(nd.has_value());
    EXPECT_EQ(nd->k.c6, -2e-17);
    EXPECT_FALSE(NickelPreset(0).has_value());
    EXPECT_FALSE(NickelPreset(kNickelPresetCount + 1).has_value());
    EXPECT_FALSE(NickelPreset(-1).has_value());
}

TEST(NickelPresets, NominalSensitivityMatchesTheirNames)
{
    // The labels give the mean 0..100 °C coefficient, (W(100) - 1) / 100, rounded to 10 ppm/K.
    constexpr double kPpm[] = {6180, 5000, 6370, 6720};
    for (int i = 1; i <= kNickelPresetCount; ++i) {
        const NiPreset p = *NickelPreset(i);
        const double alpha = (NiResistance(100, 1, p.k) - 1) / 100 * 1e6;
        EXPECT_NEAR(alpha, kPpm[i - 1], 5.0) << i;
    }
}

TEST(NickelResistance, PresetNdAtOneHundredDegrees)
{
    const NiPreset nd = *NickelPreset(1);
    EXPECT_NEAR(NiResistance(100, nd.r0, nd.k), 1617.785, 1e-9);
    EXPECT_EQ(NiResistance(0, nd.r0, nd.k), 1000.0);
}

TEST(NickelSlope, MatchesACentralDifference)
{
    for (int i = 1; i <= kNickelPresetCount; ++i) {
        const NiPreset p = *NickelPreset(i);
        for (double t : {-60.0, 0.0, 100.0, 250.0}) {
            const double h = 1e-4;
            const double numeric = (NiResistance(t + h, p.r0, p.k) - NiResistance(t - h, p.r0, p.k)) / (2 * h);
            // Cancellation in the difference of ~2000 Ω values: about 1e-13 / 2e-4 = 1e-9 Ω/°C.
            EXPECT_NEAR(NiSlope(t, p.r0, p.k), numeric, 1e-7) << i << " " << t;
        }
    }
}

TEST(NickelTemperature, InvertsEveryPresetOverItsUse)
{
    for (int i = 1; i <= kNickelPresetCount; ++i) {
        const NiPreset p = *NickelPreset(i);
        for (int j = -600; j <= 1800; ++j) {
            const double t = j / 10.0;
            const double r = NiResistance(t, p.r0, p.k);
            const double back = NiTemperature(r, p.r0, p.k);
            ASSERT_LE(std::abs(NiResistance(back, 1, p.k) - r / p.r0), 1e-8 + 1e-15) << i << " " << t;
            ASSERT_NEAR(back, t, 5e-6) << i << " " << t;  // 1e-8 in W over dW/dt >= 0.0025/°C
        }
        EXPECT_EQ(NiTemperature(p.r0, p.r0, p.k), 0.0);
    }
}

TEST(NickelTemperature, BadInputAnswersAtOnce)
{
    const NiPreset na = *NickelPreset(4);
    // NA has a positive sixth-order term: below its minimum W there is no root at all.
    EXPECT_TRUE(std::isnan(NiTemperature(-1e10, na.r0, na.k)));
    EXPECT_TRUE(std::isnan(NiTemperature(std::numeric_limits<double>::quiet_NaN(), na.r0, na.k)));
    EXPECT_TRUE(std::isnan(NiTemperature(std::numeric_limits<double>::infinity(), na.r0, na.k)));
    EXPECT_TRUE(std::isnan(NiTemperature(500, na.r0, NiCoefficients{})));
}

TEST(NickelParameters, ZeroR0OrFirstTwoCoefficientsMeanNotEntered)
{
    const NiCoefficients k{0.005, 6e-6, 0, 0, 0, 0};
    EXPECT_TRUE(NiParametersEntered(1000, k));
    EXPECT_FALSE(NiParametersEntered(0, k));
    EXPECT_FALSE(NiParametersEntered(1000, {0, 6e-6, 1, 1, 1, 1}));
    EXPECT_FALSE(NiParametersEntered(1000, {0.005, 0, 1, 1, 1, 1}));
    EXPECT_TRUE(NiParametersEntered(-1000, {-0.005, -6e-6, 0, 0, 0, 0}));
}

}  // namespace
}  // namespace tmcalc
