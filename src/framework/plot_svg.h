#pragma once

#include "framework/plot_model.h"

#include <string>

namespace tmcalc {

// The plot as an SVG document of `width` x `height` user units, drawn at the rectangles of LayoutPlot:
// per panel a group (id "main", "residuals") with its frame (a rect), grid lines, tick texts, the curve
// (one polyline per run), the marks (circles centred on the points) and the axis titles. Numbers are
// written in the C conventions, texts escaped.
[[nodiscard]] std::string PlotSvg(const PlotModel& model, double width, double height);

}  // namespace tmcalc
