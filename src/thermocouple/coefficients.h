#pragma once

#include <array>
#include <cstddef>
#include <span>

#include "thermocouple/thermocouple_type.h"

namespace tmcalc {

// One polynomial piece, sum of c_i x^i. It holds x in [lower, upper), or in [lower, upper] for the last
// piece of a function.
struct TcRange {
    double lower;
    double upper;
    bool upperIncluded;
    std::span<const double> c;  // c0 upward

    [[nodiscard]] constexpr bool Contains(double x) const
    {
        return lower <= x && (upperIncluded ? x <= upper : x < upper);
    }
};

// A piece of an inverse t(E), E in µV. The accepted range reaches about 100 µV beyond the emf span the
// polynomial was fitted on; outside that span its value is only a starting point.
struct TcInverseRange {
    TcRange range;
    double fittedLower;  // µV
    double fittedUpper;  // µV
};

struct TcTypeCoefficients {
    std::span<const TcRange> direct;          // E(t): µV for S to T, mV for D and C
    std::span<const TcInverseRange> inverse;  // empty for D and C, which are inverted by iteration
};

// Type K above 0 °C adds a0 exp(a1 (t - a2)^2) µV to its polynomial.
struct TcKExponential {
    double a0;
    double a1;
    double a2;
};

// Emf in mV, rounded to 1 µV, at each whole degree 0 to 2315 °C; it only picks where the D and C
// iteration starts.
inline constexpr std::size_t kTcDegreeTableSize = 2316;
using TcDegreeTable = std::span<const double, kTcDegreeTableSize>;

struct TcCoefficientSet {
    std::array<TcTypeCoefficients, kThermocoupleTypeCount> types;
    TcKExponential kExponential;
    TcDegreeTable dDegreeTable;
    TcDegreeTable cDegreeTable;

    // The type must be known (IsKnownType).
    [[nodiscard]] constexpr const TcTypeCoefficients& operator[](ThermocoupleType type) const
    {
        return types[static_cast<std::size_t>(type)];
    }
};

// The one shared instance used by TcEmf, TcSlope and TcTemperature.
[[nodiscard]] const TcCoefficientSet& WorkingCoefficientSet();

}  // namespace tmcalc
