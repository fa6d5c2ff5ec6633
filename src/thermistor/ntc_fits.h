#pragma once

#include <optional>
#include <span>

#include "framework/fit_point.h"
#include "framework/point_fit.h"

namespace tmcalc {

// Coefficients of 1/T = A + B·ln R + C·(ln R)³, T in K, R in Ω.
struct NtcShCoefficients {
    double a = 0.0;
    double b = 0.0;
    double c = 0.0;
};

// The fits take calibration points as the coefficient page reads them: an empty point is one whose
// resistance or temperature cell holds no number. Such a point, or a resistance of exactly 0, gives no
// result (the page leaves its result cells alone). A temperature of 0 °C is a valid point: the ice point
// is the most common calibration point of a thermistor.

// β = ln(R2/R1) / (1/T2 − 1/T1); NaN when the two temperatures are equal (or a resistance is negative).
[[nodiscard]] std::optional<double> FitNtcBeta(const std::optional<FitPoint>& first,
                                               const std::optional<FitPoint>& second);

// A, B, C through three points, in double throughout. NaN coefficients when the points do not determine
// them (two equal resistances, a resistance below 0, a temperature of −273.15 °C).
[[nodiscard]] std::optional<NtcShCoefficients> FitNtcSteinhartHart(const std::optional<FitPoint>& first,
                                                                   const std::optional<FitPoint>& second,
                                                                   const std::optional<FitPoint>& third);

// Least squares over any number of points (T = t + 273.15 K). A point not finite, with a resistance of 0
// or less or a temperature at or below absolute zero is a BadPoint. Residuals through NtcBetaTemperature,
// NtcShTemperature and NtcShxTemperature with the fitted coefficients.
//
// β: ln R = ln R∞ + β·(1/T) on 1/T, at least two points; coefficients β and R25, the fitted curve's
// resistance at 25 °C (its uncertainty from the intercept's and β's covariance).
[[nodiscard]] PointFit FitNtcBetaPoints(std::span<const FitPoint> points);
// Steinhart-Hart: 1/T = A + B·ln R + C·(ln R)³, at least three points; coefficients A, B, C.
[[nodiscard]] PointFit FitNtcShPoints(std::span<const FitPoint> points);
// Extended: 1/T = A + B·ln R + C·(ln R)² + D·(ln R)³, at least four points; coefficients A, B, C, D.
[[nodiscard]] PointFit FitNtcShxPoints(std::span<const FitPoint> points);

}  // namespace tmcalc
