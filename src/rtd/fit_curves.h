#pragma once

#include "framework/point_fit.h"
#include "framework/point_fit_plot.h"
#include "rtd/sprt.h"

namespace tmcalc {

// The plots of the resistance thermometer fits. Platinum and copper: R - R_std(t), the standard sensor
// of the same R0 (its polynomial taken beyond its range too), in Ω. SPRT: W - Wr(t), W = R/Rtp, the curve
// through the fitted groups' deviation functions (broken where no group applies).
[[nodiscard]] FitCurve PtFitCurve(double r0, const PointFit& fit);
[[nodiscard]] FitCurve CuFitCurve(double r0, const PointFit& fit);
[[nodiscard]] FitCurve SprtFitCurve(SprtRangeCodes codes, double rtp, const PointFit& fit);

}  // namespace tmcalc
