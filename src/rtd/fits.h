#pragma once

#include "rtd/copper.h"
#include "rtd/platinum.h"

namespace tmcalc {

// One measured calibration point: temperature in °C, resistance in Ω.
struct FitPoint {
    double t = 0.0;
    double r = 0.0;
};

enum class FitStatus {
    // An input is exactly zero, which the coefficient pages read as a cell not yet filled in: they leave
    // their result cells and the held coefficients alone.
    Incomplete,
    // Copper only: the three points do not determine the coefficients (system determinant exactly 0). The
    // page keeps its previous coefficients and shows them again.
    Singular,
    // `coefficients` holds the fit. For platinum points whose two upper temperatures coincide it holds
    // three NaNs, which the page shows and keeps like any other result.
    Fitted,
};

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
