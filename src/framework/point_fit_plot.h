#pragma once

#include "framework/fit_point.h"
#include "framework/plot_model.h"
#include "framework/point_fit.h"

#include <functional>
#include <span>
#include <string>

namespace tmcalc {

// How a model's fit is drawn, the same on the pages and on the command line: the main panel shows each
// measured point's deviation from the model's reference function and the fitted curve's (or, for a model
// without a reference, the measured value and the curve itself).
struct FitCurve {
    int yTitleId = 0;  // the main panel's y axis, a string id
    std::function<double(double t, double measured)> deviation;
    std::function<double(double t)> curve;  // empty when there is no fit to draw
};

// The plot of `fit` over `points` (its residuals in the points' order), with the axis titles of the
// current language and `title` above.
[[nodiscard]] PlotModel BuildPointFitPlot(const std::string& title, std::span<const FitPoint> points,
                                          const PointFit& fit, const FitCurve& curve);

}  // namespace tmcalc
