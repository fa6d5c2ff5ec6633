#pragma once

namespace tmcalc {

// Copper form: W = R/R0 = 1 + α t + β t (t - 100) + γ t^2 (t - 100). Temperatures in °C, resistances in Ω.
struct CuCoefficients {
    double alpha = 0.0;
    double beta = 0.0;
    double gamma = 0.0;
};

// The coefficients together with the form expanded in powers of t (W - 1 = a1 t + a2 t^2 + a3 t^3) that
// the inversion solves, and the range of the forward conversion. The standard set holds the expanded
// coefficients as stored literals; a fitted set expands its own.
struct CuModel {
    CuCoefficients k;
    double a1 = 0.0;  // α - 100β
    double a2 = 0.0;  // β - 100γ
    double a3 = 0.0;  // γ
    double t_min = 0.0;
    double t_max = 0.0;
};

// α = 4.28e-3, β = -9.31e-8, γ = 1.23e-9, valid from -50 to 150 °C.
inline constexpr CuModel kCuStandard{{0.00428, -9.31e-8, 1.23e-9}, 0.00428931, -2.161e-7, 1.23e-9, -50.0, 150.0};

// Coefficients from the calibration fit; its check row accepts a tenth of a degree beyond the range.
[[nodiscard]] constexpr CuModel CuFitted(const CuCoefficients& k)
{
    return {k, k.alpha - 100 * k.beta, k.beta - 100 * k.gamma, k.gamma, -50.1, 150.1};
}

// Resistance at t; NaN outside [t_min, t_max].
[[nodiscard]] double CuResistance(double t, double r0, const CuModel& model = kCuStandard);

// Temperature at resistance r: W exactly 1 gives 0, otherwise the cubic solved by Newton from 0 °C
// (NaN when it fails). No range is applied; the pages screen the result (ScreenCuTemperature).
[[nodiscard]] double CuTemperature(double r, double r0, const CuModel& model = kCuStandard);

// dR/dt in Ω/°C with the standard constants, for -50.1 <= t <= 150.1; NaN outside.
[[nodiscard]] double CuSlope(double t, double r0);

// t when the Cu100 and Cu50 pages show a temperature computed from a resistance, NaN when it lies more
// than 0.3 + 0.006·|t| outside -50..150 °C, or is infinite. A NaN t stays NaN.
[[nodiscard]] double ScreenCuTemperature(double t);

}  // namespace tmcalc
