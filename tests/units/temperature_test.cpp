#include "units/temperature.h"

#include <gtest/gtest.h>

#include "framework/number_text.h"

#include <array>
#include <cmath>
#include <limits>
#include <string>

namespace tmcalc {
namespace {

using Texts = std::array<std::string, kTemperatureScaleCount>;

Texts Shown(TemperatureScale from, double x)
{
    Texts out;
    const auto values = ConvertTemperature(from, x);
    for (std::size_t i = 0; i < values.size(); ++i) out[i] = FormatValueG7(values[i]);
    return out;
}

TEST(TemperatureScales, ConvertsAsThePageShows)
{
    EXPECT_EQ(Shown(TemperatureScale::Celsius, 100), (Texts{"100", "212", "373.15", "671.67", "80"}));
    EXPECT_EQ(Shown(TemperatureScale::Kelvin, 0), (Texts{"-273.15", "-459.67", "0", "0", "-218.52"}));
    EXPECT_EQ(Shown(TemperatureScale::Fahrenheit, -40)[0], "-40");
    EXPECT_EQ(Shown(TemperatureScale::Celsius, 1)[3], "493.47");
    EXPECT_EQ(Shown(TemperatureScale::Rankine, 0), (Texts{"-273.15", "-459.67", "0", "0", "-218.52"}));
    EXPECT_EQ(Shown(TemperatureScale::Reaumur, 80), (Texts{"100", "212", "373.15", "671.67", "80"}));
    // No range check; non-finite values pass through.
    EXPECT_EQ(Shown(TemperatureScale::Celsius, -1000)[2], "-726.85");
    EXPECT_EQ(Shown(TemperatureScale::Celsius, std::numeric_limits<double>::infinity())[1], "inf");
    for (double v : ConvertTemperature(TemperatureScale::Kelvin, std::numeric_limits<double>::quiet_NaN())) {
        EXPECT_TRUE(std::isnan(v));
    }
}

TEST(TemperatureScales, EveryScaleRoundTrips)
{
    for (int from = 0; from < kTemperatureScaleCount; ++from) {
        for (double x : {-500.0, -273.15, -40.0, 0.0, 0.01, 25.0, 1234.5, 1e6}) {
            const auto values = ConvertTemperature(static_cast<TemperatureScale>(from), x);
            for (int to = 0; to < kTemperatureScaleCount; ++to) {
                const double back = ConvertTemperature(static_cast<TemperatureScale>(to), values[to])[from];
                EXPECT_NEAR(back, x, 1e-9 * (1 + std::abs(x))) << from << " -> " << to << " at " << x;
            }
        }
    }
}

}  // namespace
}  // namespace tmcalc
