#pragma once

#include <array>
#include <vector>

namespace tmcalc {

// Field order of the temperature page.
enum class TemperatureScale : int { Celsius = 0, Fahrenheit, Kelvin, Rankine, Reaumur };
inline constexpr int kTemperatureScaleCount = 5;

// Absolute zero in °C. Nothing is colder: a temperature below it, on any scale, is out of range.
inline constexpr double kAbsoluteZeroCelsius = -273.15;

// Whether x on scale `from` lies below absolute zero (-273.15 °C, -459.67 °F, 0 K, 0 °R, -218.52 °Re).
[[nodiscard]] bool BelowAbsoluteZero(TemperatureScale from, double x);

// All five scales for a value x on scale `from` (the `from` slot holds x itself). Each conversion keeps
// its own order of operations, which fixes the last digit shown: Rankine from Celsius is
// (x + 273.15) x 1.8, not x x 1.8 + 491.67. Below absolute zero every slot is NaN (out of range).
[[nodiscard]] std::array<double, kTemperatureScaleCount> ConvertTemperature(TemperatureScale from, double x);

// The five-scale strip of the thermocouple and resistance-thermometer sub-pages goes through Celsius
// instead: Celsius from a value on `from`, then all five scales from Celsius as °F = c x 1.8 + 32,
// K = c + 273.15, °R = (c x 1.8 + 32) + 459.67, °Re = c x 0.8. The last digit of a Rankine value (and of
// anything typed on a scale other than Celsius) may therefore differ from the temperature page's. Below
// absolute zero both give NaN.
[[nodiscard]] double StripCelsiusFrom(TemperatureScale from, double x);
[[nodiscard]] std::array<double, kTemperatureScaleCount> StripScalesFromCelsius(double c);

// The two conversions as the pages' scale strips take them (the scale as its index): the temperature
// page's, and the sub-pages' through Celsius.
[[nodiscard]] std::vector<double> TemperatureOnEveryScale(int from, double x);
[[nodiscard]] std::vector<double> StripTemperatureOnEveryScale(int from, double x);

}  // namespace tmcalc
