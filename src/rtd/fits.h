#pragma once

#include <span>

#include "framework/fit_point.h"
#include "framework/point_fit.h"
#include "rtd/copper.h"
#include "rtd/platinum.h"

namespace tmcalc {

struct PtFit {
    FitStatus status = FitStatus::Incomplete;
    PtCoefficients coefficients;
};

struct CuFit {
    FitStatus status = FitStatus::Incomplete;
    CuCoefficients coefficients;
};

// A and B through two points above 0 °C, then C from the point below 0 °C; r0 is taken as the resistance
// at 0 °C. The signs of the temperatures are not checked.
[[nodiscard]] PtFit FitPtCoefficients(double r0, FitPoint below_zero, FitPoint first, FitPoint second);

// α, β and γ through three points by Cramer's rule; r0 is taken as the resistance at 0 °C.
[[nodiscard]] CuFit FitCuCoefficients(double r0, FitPoint a, FitPoint b, FitPoint c);

// Least squares over any number of points, R0 given, on R/R0 - 1. Platinum: coefficients A, B, C; C is
// fitted only when a point lies below 0 °C (then at least three points, else two, and C and its
// uncertainty are 0). Copper: α, β, γ from at least three points. Residuals through PtTemperature and
// CuTemperature with the fitted coefficients. R0 not positive, or a point not finite or with a resistance
// of 0 or less, is a BadPoint.
[[nodiscard]] PointFit FitPtPoints(double r0, std::span<const FitPoint> points);
[[nodiscard]] PointFit FitCuPoints(double r0, std::span<const FitPoint> points);

}  // namespace tmcalc
