#include "units/temperature.h"

#include <cstddef>
#include <limits>

namespace tmcalc {
namespace {

constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();

// At absolute zero typed on another scale the arithmetic may leave a residue below 0 K (-5.7e-14 K from
// -218.52 °Re): the absolute scales are never negative.
std::array<double, kTemperatureScaleCount> NoNegativeAbsolute(std::array<double, kTemperatureScaleCount> values)
{
    for (const TemperatureScale absolute : {TemperatureScale::Kelvin, TemperatureScale::Rankine}) {
        double& value = values[static_cast<std::size_t>(absolute)];
        if (value < 0) value = 0;
    }
    return values;
}

std::array<double, kTemperatureScaleCount> ConvertTemperatureAbove(TemperatureScale from, double x)
{
    switch (from) {
    case TemperatureScale::Celsius:
        return {x, x * 1.8 + 32, x + 273.15, (x + 273.15) * 1.8, x * 0.8};
    case TemperatureScale::Fahrenheit:
        return {(x - 32) / 1.8, x, (x + 459.67) / 1.8, x + 459.67, (x - 32) / 2.25};
    case TemperatureScale::Kelvin:
        return {x - 273.15, x * 1.8 - 459.67, x, x * 1.8, (x - 273.15) * 0.8};
    case TemperatureScale::Rankine:
        return {(x - 32 - 459.67) / 1.8, x - 459.67, x / 1.8, x, (x - 459.67 - 32) / 2.25};
    case TemperatureScale::Reaumur:
        return {x * 1.25, x * 2.25 + 32, x * 1.25 + 273.15, (x * 2.25 + 32) + 459.67, x};
    }
    return {x, x, x, x, x};
}

}  // namespace

bool BelowAbsoluteZero(TemperatureScale from, double x)
{
    // The bound itself is absolute zero: a tolerance of a few rounding steps keeps it in when it comes out
    // of another scale's arithmetic (-273.15 x 0.8 is not exactly -218.52).
    constexpr double kSlack = 1e-12;
    switch (from) {
    case TemperatureScale::Celsius:
        return x < kAbsoluteZeroCelsius - kSlack;
    case TemperatureScale::Fahrenheit:
        return x < -459.67 - kSlack;
    case TemperatureScale::Kelvin:
    case TemperatureScale::Rankine:
        return x < -kSlack;
    case TemperatureScale::Reaumur:
        return x < -218.52 - kSlack;
    }
    return false;
}

std::array<double, kTemperatureScaleCount> ConvertTemperature(TemperatureScale from, double x)
{
    if (BelowAbsoluteZero(from, x)) return {kNaN, kNaN, kNaN, kNaN, kNaN};
    return NoNegativeAbsolute(ConvertTemperatureAbove(from, x));
}

double StripCelsiusFrom(TemperatureScale from, double x)
{
    if (BelowAbsoluteZero(from, x)) return kNaN;
    switch (from) {
    case TemperatureScale::Celsius:
        return x;
    case TemperatureScale::Fahrenheit:
        return (x - 32) / 1.8;
    case TemperatureScale::Kelvin:
        return x - 273.15;
    case TemperatureScale::Rankine:
        return (x - 32 - 459.67) / 1.8;
    case TemperatureScale::Reaumur:
        return x * 1.25;
    }
    return x;
}

std::array<double, kTemperatureScaleCount> StripScalesFromCelsius(double c)
{
    if (BelowAbsoluteZero(TemperatureScale::Celsius, c)) return {kNaN, kNaN, kNaN, kNaN, kNaN};
    return NoNegativeAbsolute({c, c * 1.8 + 32, c + 273.15, (c * 1.8 + 32) + 459.67, c * 0.8});
}

std::vector<double> TemperatureOnEveryScale(int from, double x)
{
    const auto values = ConvertTemperature(static_cast<TemperatureScale>(from), x);
    return {values.begin(), values.end()};
}

std::vector<double> StripTemperatureOnEveryScale(int from, double x)
{
    const auto values = StripScalesFromCelsius(StripCelsiusFrom(static_cast<TemperatureScale>(from), x));
    return {values.begin(), values.end()};
}

}  // namespace tmcalc
