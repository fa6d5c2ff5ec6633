#pragma once

namespace tmcalc {

// One measured calibration point: temperature in °C, resistance in Ω. Shared by every coefficient fit.
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

}  // namespace tmcalc
