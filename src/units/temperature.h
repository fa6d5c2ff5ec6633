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

}  // namespace tmcalc
