#include "thermistor/ntc_conversions.h"

#include <cmath>
#include <limits>

namespace tmcalc {
namespace {

constexpr double kKelvinOffset = 273.15;
// 1/298.15 K, the 25 °C reference of β mode, as the stored literal.
constexpr double kInverse25C = 0.0033540164346805303;
constexpr double kOneThird = 0.3333333333333333;
constexpr double kTwoTwentySevenths = 0.07407407407407407;

// std::log(0) is -inf, which would let the extended polynomial come out as -273.15 °C (C = 0) instead
// of an error.
double LogResistance(double r)
{
    return r > 0 ? std::log(r) : std::numeric_limits<double>::quiet_NaN();
}

// The Steinhart-Hart forms: a temperature within 1e-7 °C of the ice point is shown as 0.
double SnapToZero(double t)
{
    return std::fabs(t) < 1e-7 ? 0.0 : t;
}

}  // namespace

std::optional<double> NtcBetaTemperature(double r25, double beta, double r)
{
    if (r25 == 0 || beta == 0 || r == 0) return std::nullopt;
    return 1 / (std::log(r / r25) * (1 / beta) + kInverse25C) - kKelvinOffset;
}

std::optional<double> NtcBetaResistance(double r25, double beta, double t)
{
    if (r25 == 0 || beta == 0) return std::nullopt;
    return std::exp((1 / (t + kKelvinOffset) - kInverse25C) * beta) * r25;
}

std::optional<double> NtcShTemperature(double a, double b, double c, double r)
{
    if (a == 0 || b == 0 || c == 0 || r == 0) return std::nullopt;
    const double l = LogResistance(r);
    return SnapToZero(1 / (c * std::pow(l, 3) + b * l + a) - kKelvinOffset);
}

std::optional<double> NtcShResistance(double a, double b, double c, double t)
{
    if (a == 0 || b == 0 || c == 0) return std::nullopt;
    const double inverse_t = 1 / (t + kKelvinOffset);
    const double p = b / 3 / c;
    const double h = (a - inverse_t) * (1 / c) * 0.5;
    const double s = std::sqrt(std::pow(h, 2) + std::pow(p, 3));  // NaN for a negative discriminant
    // pow with exponent 1/3 rather than cbrt: a negative base is NaN, as the failure rule wants.
    const double l = std::pow(s - h, kOneThird) - std::pow(s + h, kOneThird);
    return std::exp(l);
}

std::optional<double> NtcShxTemperature(double a, double b, double c, double d, double r)
{
    if (a == 0 || b == 0 || d == 0) return std::nullopt;
    const double l = LogResistance(r);
    return SnapToZero(1 / (a + b * l + c * std::pow(l, 2) + d * std::pow(l, 3)) - kKelvinOffset);
}

std::optional<double> NtcShxResistance(double a, double b, double c, double d, double t)
{
    if (a == 0 || b == 0 || d == 0) return std::nullopt;
    const double inverse_t = 1 / (t + kKelvinOffset);
    // Normalised cubic L³ + a2·L² + a1·L + a0 = 0, then L = u − a2/3 removes the square term.
    const double a2 = c / d;
    const double a1 = b / d;
    const double a0 = (a - inverse_t) / d;
    const double p = a1 - a2 * kOneThird * a2;
    const double q = a0 + std::pow(a2, 3) * kTwoTwentySevenths - a2 * kOneThird * a1;
    const double s = std::sqrt(std::pow(p, 3) / 27 + std::pow(q, 2) * 0.25);
    const double l = -std::pow(q * 0.5 + s, kOneThird) + std::pow(s - q * 0.5, kOneThird) - a2 / 3;
    return std::exp(l);
}

}  // namespace tmcalc
