#include "framework/point_fit_plot.h"

#include "resources/string_table.h"

namespace tmcalc {

PlotModel BuildPointFitPlot(const std::string& title, std::span<const FitPoint> points, const PointFit& fit,
                            const FitCurve& curve)
{
    FitPlotInput input;
    input.title = title;
    input.xTitle = std::string(LoadString(kStrFitTemperatureHeading));
    input.yTitle = std::string(LoadString(curve.yTitleId));
    input.residualTitle = std::string(LoadString(kStrFitResidualHeading));
    for (const FitPoint& p : points)
        input.points.push_back({p.t, curve.deviation ? curve.deviation(p.t, p.r) : p.r});
    if (fit.Ok()) {
        input.curve = curve.curve;
        input.residualsMk = fit.residualsMk;
    }
    return BuildFitPlot(input);
}

}  // namespace tmcalc
