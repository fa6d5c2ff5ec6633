#pragma once

#include "framework/fit_point.h"
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

}  // namespace tmcalc
