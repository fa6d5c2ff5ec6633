#include "rtd/fit_curves.h"

#include "resources/string_ids.h"
#include "rtd/copper.h"
#include "rtd/its90.h"
#include "rtd/platinum.h"

#include <array>

namespace tmcalc {
namespace {

// A model's polynomial over any temperature a plot reaches.
template <typename Model>
Model Unbounded(Model model)
{
    model.t_min = -273.15;
    model.t_max = 1e4;
    return model;
}

}  // namespace

FitCurve PtFitCurve(double r0, const PointFit& fit)
{
    const PtModel reference = Unbounded(kPtStandard);
    FitCurve out{kStrFitPlotResistanceDeviation,
                 [r0, reference](double t, double r) { return r - PtResistance(t, r0, reference); },
                 {}};
    if (fit.Ok() && fit.coefficients.size() >= 3) {
        const PtModel fitted = Unbounded(PtFitted({fit.coefficients[0], fit.coefficients[1], fit.coefficients[2]}));
        out.curve = [r0, reference, fitted](double t) {
            return PtResistance(t, r0, fitted) - PtResistance(t, r0, reference);
        };
    }
    return out;
}

FitCurve CuFitCurve(double r0, const PointFit& fit)
{
    const CuModel reference = Unbounded(kCuStandard);
    FitCurve out{kStrFitPlotResistanceDeviation,
                 [r0, reference](double t, double r) { return r - CuResistance(t, r0, reference); },
                 {}};
    if (fit.Ok() && fit.coefficients.size() >= 3) {
        const CuModel fitted = Unbounded(CuFitted({fit.coefficients[0], fit.coefficients[1], fit.coefficients[2]}));
        out.curve = [r0, reference, fitted](double t) {
            return CuResistance(t, r0, fitted) - CuResistance(t, r0, reference);
        };
    }
    return out;
}

FitCurve SprtFitCurve(SprtRangeCodes codes, double rtp, const PointFit& fit)
{
    FitCurve out{kStrFitPlotRatioDeviation, [rtp](double t, double r) { return r / rtp - Its90Wr(t); }, {}};
    if (!fit.Ok()) return out;
    // The coefficients are the upper group's, then the lower group's.
    const auto upperCount = static_cast<std::size_t>(SprtUpperGroup(codes.upper).coefficient_count);
    std::array<double, 3> upper{};
    std::array<double, 2> lower{};
    for (std::size_t i = 0; i < fit.coefficients.size(); ++i) {
        if (i < upperCount && i < upper.size()) {
            upper[i] = fit.coefficients[i];
        } else if (i >= upperCount && i - upperCount < lower.size()) {
            lower[i - upperCount] = fit.coefficients[i];
        }
    }
    const SprtCoefficientSet set = SprtSetFromGroups(codes, upper, lower);
    out.curve = [set](double t) { return SprtRatio(set, t) - Its90Wr(t); };
    return out;
}

}  // namespace tmcalc
