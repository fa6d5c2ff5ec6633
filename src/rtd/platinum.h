#pragma once

namespace tmcalc {

// Callendar-Van Dusen form: R(t) = R0 (1 + A t + B t^2 + C (t - 100) t^3), the C term below 0 °C only.
// Temperatures in °C, resistances in Ω.
struct PtCoefficients {
    double a = 0.0;
    double b = 0.0;
    double c = 0.0;
};

// Everything a conversion needs: the coefficients, the derived terms of the inversion and the
// temperature range of the forward conversion. The standard set keeps the derived terms as the stored
// literals (A² = 1.527480889e-5 rather than A·A), which decides the last bits of a temperature; a fitted
// set computes them from its coefficients. Both then run through the same code.
struct PtModel {
    PtCoefficients k;
    double a_squared = 0.0;
    double four_b = 0.0;
    double two_b = 0.0;
    double minus_100c = 0.0;
    double t_min = 0.0;
    double t_max = 0.0;
};

// IEC 60751, valid from -200 to 850 °C.
inline constexpr PtModel kPtStandard{
    {3.9083e-3, -5.775e-7, -4.183e-12}, 1.527480889e-5, -2.31e-6, -1.155e-6, 4.183e-10, -200.0, 850.0};

// Coefficients from the calibration fit, for its check row, which converts temperatures up to a tenth
// of a degree beyond the standard range.
[[nodiscard]] constexpr PtModel PtFitted(const PtCoefficients& k)
{
    return {k, k.a * k.a, 4 * k.b, 2 * k.b, -100 * k.c, -200.1, 850.1};
}

// Resistance at t for ice-point resistance r0; NaN outside [t_min, t_max]. 0 °C takes the lower branch,
// where the C term vanishes.
[[nodiscard]] double PtResistance(double t, double r0, const PtModel& model = kPtStandard);

// Temperature at resistance r: W = r/r0 exactly 1 gives 0; above, the closed form of the quadratic;
// below, the quartic solved by Newton from 0 °C (residual within 1e-8 in W, NaN when it fails). No
// range is applied; the pages screen the result (ScreenPtTemperature).
[[nodiscard]] double PtTemperature(double r, double r0, const PtModel& model = kPtStandard);

// dR/dt in Ω/°C with the standard constants, for -200.1 <= t <= 850.1; NaN outside.
[[nodiscard]] double PtSlope(double t, double r0);

// How far a temperature computed from a resistance may stray beyond -200..850 °C and still be shown.
enum class PtInverseRange {
    Widened,  // Pt100, Pt50: by 0.6 + 0.01·|t| (the IEC 60751 class C tolerance), upper end exclusive
    Strict,   // PtX: not at all
};

// t when the page shows it, NaN when it is rejected (also for an infinite t). A NaN t stays NaN.
[[nodiscard]] double ScreenPtTemperature(double t, PtInverseRange range);

}  // namespace tmcalc
