#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <span>
#include <string_view>

namespace tmcalc {

// Standard platinum resistance thermometers on ITS-90: W = R / Rtp (Rtp the resistance at the triple
// point of water) departs from the reference function Wr(t) by a deviation function of W whose
// coefficients a calibration at the defining fixed points gives. t in °C, W dimensionless; what cannot be
// computed is a quiet NaN.

// Which deviation groups a set carries.
inline constexpr std::uint32_t kSprtFlagA4B4 = 0x02;     // argon point to 0 °C
inline constexpr std::uint32_t kSprtFlagA5B5 = 0x04;     // mercury point to 0 °C
inline constexpr std::uint32_t kSprtFlagA7B7C7 = 0x08;   // 0 °C to the aluminium point
inline constexpr std::uint32_t kSprtFlagA8B8 = 0x10;     // 0 °C to the zinc point
inline constexpr std::uint32_t kSprtFlagA9B9 = 0x20;     // 0 °C to the tin point
inline constexpr std::uint32_t kSprtFlagA10 = 0x40;      // 0 °C to the indium point
inline constexpr std::uint32_t kSprtFlagA11 = 0x80;      // 0 °C to the gallium point

// One thermometer's deviation coefficients; groups not carried stay zero.
struct SprtCoefficientSet {
    double a4 = 0.0, b4 = 0.0;
    double a5 = 0.0, b5 = 0.0;
    double a7 = 0.0, b7 = 0.0, c7 = 0.0;
    double a8 = 0.0, b8 = 0.0;
    double a9 = 0.0, b9 = 0.0;
    double a10 = 0.0;
    double a11 = 0.0;
    std::uint32_t flags = 0;
    // Every coefficient of the flagged groups was given, zeros included: a zero is then a value (the ideal
    // thermometer has all of them 0 and W = Wr), not a field left empty.
    bool zeroIsValue = false;
};

// The group that applies at t is the last of a4/b4, a5/b5, a7.., a8.., a9.., a10, a11 (in that order)
// whose flag is set, whose range holds t and whose leading coefficient (for a5/b5 both) is nonzero;
// a4/b4 needs no nonzero coefficient. Ranges: a4/b4 -189.3442 <= t < 0, a5/b5 -38.8344 <= t < 0 (not
// below the mercury point, where the two-coefficient form was never calibrated), the others from 0 °C up
// to their top fixed point inclusive.

// ΔW = W - Wr of the group that applies at t; NaN when none does.
[[nodiscard]] double SprtDeviation(const SprtCoefficientSet& set, double t, double w);

// ∂ΔW/∂W of the same group; NaN when none applies, and for a4/b4 also when a4 is 0.
[[nodiscard]] double SprtDeviationSlope(const SprtCoefficientSet& set, double t, double w);

// W at t by Newton on Wr(t) + ΔW(W) - W from W = Wr, residual below 1e-10. NaN when no group applies,
// on a NaN iterate, and after 100,000 steps without convergence (a cycle takes about a millisecond);
// the reference ratio Wr when the derivative vanishes (|∂ΔW/∂W - 1| < 1e-10).
[[nodiscard]] double SprtRatio(const SprtCoefficientSet& set, double t);

// t for a measured W. The group is chosen at t0 = Its90T(W), the deviation ignored; when t0 lies beyond
// every group but within 0.1 °C of one, that group (a thermometer at its top calibration point reads a
// t0 up to some 45 mK beyond it). Then t solves Wr(t) = W - ΔW(W) by Newton from Its90T to 1e-12 in W,
// which removes the 0.13 mK of the published inverse. NaN when no group is near enough.
[[nodiscard]] double SprtTemperature(const SprtCoefficientSet& set, double w);

// t for a measured W with the deviation of one group (its kSprtFlag), whatever range that group applies
// to: Wr(t) = W - ΔW(W) solved as SprtTemperature solves it. The calibration fits use it for their
// residuals, where a5/b5 meets its gallium point above 0 °C. NaN for a flag that names no single group.
[[nodiscard]] double SprtTemperatureInGroup(const SprtCoefficientSet& set, std::uint32_t flag, double w);

// Group selection by a range text "low~high".
struct SprtRangeCodes {
    // 0 a7/b7/c7, 1 a8/b8, 2 a9/b9, 3 a10, 4 a11, 5 none.
    int upper = 5;
    // 0 a4/b4, 1 a5/b5, 2 none.
    int lower = 2;
};

// The upper code is the narrowest group whose top fixed point (gallium read as 29.7647) reaches the high
// bound within 0.1 mK; a high bound of at most 0.0001, a missing one (read as 0) and NaN select none. The
// lower code: a4/b4 below the mercury point, a5/b5 from it up to 0, none from 0 up and for NaN.
[[nodiscard]] SprtRangeCodes SprtRangeClasses(std::u16string_view text);

enum class SprtFixedPointId { Argon, Mercury, Gallium, Indium, Tin, Zinc, Aluminium };

struct SprtFixedPoint {
    SprtFixedPointId id = SprtFixedPointId::Gallium;
    double t = 0.0;        // °C, what the fits use
    double shown_t = 0.0;  // °C the coefficient grid shows: gallium as 29.765 in the a11 group
};

// A deviation group as the pages present it.
struct SprtGroupInfo {
    std::uint32_t flag = 0;  // 0 for "none"
    int coefficient_count = 0;
    std::array<std::string_view, 3> names{};  // "a7", "b7", "c7": the row labels and the record keys
    int point_count = 0;
    std::array<SprtFixedPoint, 3> points{};  // in the order the fits take their resistances
};

// Unknown codes give the empty group.
[[nodiscard]] const SprtGroupInfo& SprtUpperGroup(int code);
[[nodiscard]] const SprtGroupInfo& SprtLowerGroup(int code);

// The fixed-point rows of the coefficient grid: the upper group's points, then the lower group's.
struct SprtFixedPointRows {
    std::array<SprtFixedPoint, 5> points{};
    int upper_count = 0;
    int lower_count = 0;
};
[[nodiscard]] SprtFixedPointRows SprtFixedPoints(SprtRangeCodes codes);

// Coefficients in the order of the group's names.
struct SprtFit {
    int count = 0;  // 0: the code selects no group, or too few resistances were given
    std::array<double, 3> coefficients{};
};

// Above-zero coefficients from Rtp and the resistances (Ω) at the upper group's fixed points, in its
// order (aluminium, zinc, tin / zinc, tin / tin, indium / indium / gallium). No determinant is tested:
// coincident or zero inputs give infinities or NaN.
[[nodiscard]] SprtFit FitSprtUpper(int code, double rtp, std::span<const double> r);

// Below-zero coefficients: code 0 from argon r1 and mercury r2, code 1 from gallium r1 and mercury r2.
[[nodiscard]] SprtFit FitSprtLower(int code, double rtp, double r1, double r2);

// The set a conversion page works with: the groups of the codes with their coefficients (upper in the
// order of SprtUpperGroup's names, lower likewise), each with its flag; everything else zero.
[[nodiscard]] SprtCoefficientSet SprtSetFromGroups(SprtRangeCodes codes, const std::array<double, 3>& upper,
                                                   const std::array<double, 2>& lower);

// Whether any group is complete enough to convert with: a4 and b4, a5 and b5, a7 and b7, a8 and b8 or
// a9 and b9 both nonzero, or a10 or a11 nonzero.
[[nodiscard]] bool SprtHasCompleteGroup(const SprtCoefficientSet& set);

// Everything the conversion page shows after one edit. NaN where the value cannot be computed; a NaN W
// makes both slopes NaN (and, from a temperature, the resistance).
struct SprtConversion {
    double t = 0.0;      // °C
    double r = 0.0;      // Ω
    double w = 0.0;
    double dw_dt = 0.0;  // 1/°C: dWr/dt / (1 - ∂ΔW/∂W) of the group applied
    double dr_dt = 0.0;  // Ω/°C: Rtp·dW/dt
};

// Temperature to resistance. Empty (nothing to write) when rtp is 0 or the set has no complete group; out
// of range (NaN) for a negative rtp or a temperature below absolute zero.
[[nodiscard]] std::optional<SprtConversion> SprtFromTemperature(const SprtCoefficientSet& set, double rtp,
                                                                double t);

// Resistance to temperature, with the same empty cases, out of range also for a resistance of zero or
// less. W is recomputed from t in the group that the
// inversion used, so a reading at a calibration point (t possibly a hair past the group's top) keeps its
// ratio.
[[nodiscard]] std::optional<SprtConversion> SprtFromResistance(const SprtCoefficientSet& set, double rtp,
                                                               double r);

}  // namespace tmcalc
