#pragma once

#include "framework/point_fit.h"
#include "framework/point_fit_plot.h"

namespace tmcalc {

// The type S standard's plot: E - E_ref(t) in mV against the published reference function, the curve the
// fitted deviation a + b·t + c·t² (coefficients of FitStdSDeviationPoints).
[[nodiscard]] FitCurve StdSFitCurve(const PointFit& fit);

}  // namespace tmcalc
