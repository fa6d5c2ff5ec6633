#pragma once

#include <array>

namespace tmcalc {

// Field order of the temperature page.
enum class TemperatureScale : int { Celsius = 0, Fahrenheit, Kelvin, Rankine, Reaumur };
inline constexpr int kTemperatureScaleCount = 5;

// All five scales for a value x on scale `from` (the `from` slot holds x itself). Each conversion keeps
// its own order of operations, which fixes the last digit shown: Rankine from Celsius is
// (x + 273.15) x 1.8, not x x 1.8 + 491.67.
[[nodiscard]] std::array<double, kTemperatureScaleCount> ConvertTemperature(TemperatureScale from, double x);

// The five-scale strip of the thermocouple and resistance-thermometer sub-pages goes through Celsius
// instead: Celsius from a value on `from`, then all five scales from Celsius as °F = c x 1.8 + 32,
// K = c + 273.15, °R = (c x 1.8 + 32) + 459.67, °Re = c x 0.8. The last digit of a Rankine value (and of
// anything typed on a scale other than Celsius) may therefore differ from the temperature page's.
[[nodiscard]] double StripCelsiusFrom(TemperatureScale from, double x);
[[nodiscard]] std::array<double, kTemperatureScaleCount> StripScalesFromCelsius(double c);

}  // namespace tmcalc
