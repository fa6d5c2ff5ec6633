#pragma once

#include <optional>

namespace tmcalc {

// Resistance and temperature of NTC thermistors in three forms. Temperatures in °C (T = t + 273.15 K),
// resistances in Ω, natural logarithms. An empty optional means "no result": a coefficient (or the
// input) is exactly zero, which the pages read as a field not yet filled in, and they then write nothing.
// A result that cannot be computed (the logarithm of a resistance <= 0, a negative discriminant or cube
// root base) is NaN.

// β mode: R = R25·exp(β·(1/T − 1/298.15)). Empty when R25, β or R is zero. No snapping to 0: 33620.60372 Ω
// at R25 = 10000, β = 3950 gives 8.07e-10 °C, and that tiny value is what the page shows.
[[nodiscard]] std::optional<double> NtcBetaTemperature(double r25, double beta, double r);
// Empty when R25 or β is zero.
[[nodiscard]] std::optional<double> NtcBetaResistance(double r25, double beta, double t);

// Steinhart-Hart mode: 1/T = A + B·ln R + C·(ln R)³. Empty when A, B, C or R is zero. A temperature within
// 1e-7 °C of 0 is returned as exactly 0.
[[nodiscard]] std::optional<double> NtcShTemperature(double a, double b, double c, double r);
// The real root of the depressed cubic by Cardano's formula. Empty when A, B or C is zero.
[[nodiscard]] std::optional<double> NtcShResistance(double a, double b, double c, double t);

// Extended mode: 1/T = A + B·ln R + C·(ln R)² + D·(ln R)³. Empty when A, B or D is zero; C may be zero.
// A temperature within 1e-7 °C of 0 is returned as exactly 0; R = 0 gives NaN.
[[nodiscard]] std::optional<double> NtcShxTemperature(double a, double b, double c, double d, double r);
// The real root of the full cubic by Cardano's formula. Empty when A, B or D is zero.
[[nodiscard]] std::optional<double> NtcShxResistance(double a, double b, double c, double d, double t);

}  // namespace tmcalc
