#pragma once

#include <cstddef>
#include <functional>
#include <limits>
#include <span>
#include <vector>

#include "framework/fit_point.h"

namespace tmcalc {

// Fits of calibration coefficients to any number of points by unweighted linear least squares. Every
// model is written as y = X·k in the quantity it is linear in (R/R0 - 1, ΔW = W - Wr, 1/T or ln R, ΔE);
// the residuals are then taken in temperature: t_i - t(x_i), where t(x_i) is the temperature at which the
// fitted curve gives the measured x_i.

enum class PointFitProblem {
    None,
    TooFewPoints,    // fewer points than coefficients
    RepeatedPoints,  // enough points, but too few distinct ones to determine the coefficients
    Singular,        // distinct points that still do not determine them (or a result that is not finite)
    BadPoint,        // a point (or a given value: `point` is then -1) the model cannot take
};

struct PointFit {
    PointFitProblem problem = PointFitProblem::None;
    int point = -1;  // BadPoint: the index of the first point refused; -1 for a given value such as R0
    // In the order the page and the command line name them. Empty unless Ok().
    std::vector<double> coefficients;
    // Standard uncertainties, one per coefficient; empty when there are exactly as many points as
    // coefficients (nothing is left to estimate them from).
    std::vector<double> uncertainties;
    // t_i - t(x_i) in mK, one per point in the order given; NaN for a point the fitted curve cannot invert.
    std::vector<double> residualsMk;
    // sqrt(Σ residual² / (N - p)) in mK; NaN when N = p.
    double residualSdMk = std::numeric_limits<double>::quiet_NaN();

    [[nodiscard]] bool Ok() const { return problem == PointFitProblem::None; }
};

// The solution of min |X·k - y|² for an N x p design X (row-major, N >= p), by Householder QR with column
// pivoting on X with its columns scaled to unit norm, refined twice on residuals formed in long double
// (so that with N = p it agrees with an exact solution to the digits the data carry). `uncertainties` are
// sqrt(diag(s²·(XᵀX)⁻¹)), s² = SSR/(N - p), from the triangular factor (empty when N = p); `residuals` are
// y - X·k.
struct LinearLeastSquares {
    bool fullRank = false;  // false: X has rank below p, and nothing else is filled in
    std::vector<double> coefficients;
    std::vector<double> uncertainties;
    std::vector<double> covariance;  // s²·(XᵀX)⁻¹, p x p row-major; empty when N = p
    std::vector<double> residuals;
};
[[nodiscard]] LinearLeastSquares SolveLinearLeastSquares(std::span<const double> design, std::size_t columns,
                                                         std::span<const double> y);

// The steps every model's fit shares. FitDesign checks the point count against the columns, the distinct
// rows, and solves; it fills `coefficients` and `uncertainties` (and `solution` when given), not the
// residuals. FinishResiduals then sets residualsMk[i] = 1000·(points[i].t - temperatureOf(points[i])),
// temperatureOf giving the temperature at which the fitted curve meets the point's measured value,
// and the standard deviation over `freedom` = N - p degrees of freedom (NaN when 0).
[[nodiscard]] PointFit FitDesign(std::span<const double> design, std::size_t columns, std::span<const double> y,
                                 LinearLeastSquares* solution = nullptr);
void FinishResiduals(PointFit& fit, std::span<const FitPoint> points,
                     const std::function<double(const FitPoint&)>& temperatureOf, std::size_t freedom);

// How many of the rows of a row-major design are different from each other (exact comparison).
[[nodiscard]] std::size_t DistinctRows(std::span<const double> design, std::size_t columns);

}  // namespace tmcalc
