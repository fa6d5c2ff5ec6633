#include "rtd/sprt_fits.h"

#include <array>
#include <cmath>
#include <limits>

#include "rtd/its90.h"

namespace tmcalc {
namespace {

constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();

// How far beyond its span a point may lie and still serve a group, °C; how near the gallium point a
// point must be to be taken as a measurement there.
constexpr double kSpanGrace = 0.1;
constexpr double kAtGallium = 0.01;

// The columns of ΔW in x = W - 1 for each group's form.
std::vector<double> Columns(std::uint32_t flag, double w)
{
    const double x = w - 1;
    switch (flag) {
    case kSprtFlagA4B4: return {x, x * std::log(w)};
    case kSprtFlagA7B7C7: return {x, x * x, x * x * x};
    case kSprtFlagA10:
    case kSprtFlagA11: return {x};
    default: return {x, x * x};
    }
}

struct GroupFit {
    PointFit fit;
    std::size_t freedom = 0;
};

GroupFit FitGroup(const SprtGroupInfo& group, double rtp, std::span<const FitPoint> points, int firstIndex)
{
    for (std::size_t i = 0; i < points.size(); ++i) {
        const FitPoint p = points[i];
        if (!std::isfinite(p.t) || !std::isfinite(p.r) || !(p.r > 0))
            return {PointFit{PointFitProblem::BadPoint, firstIndex + static_cast<int>(i)}};
    }
    const auto columns = static_cast<std::size_t>(group.coefficient_count);
    std::vector<double> design;
    std::vector<double> y;
    for (const FitPoint& p : points) {
        const double w = p.r / rtp;
        const std::vector<double> row = Columns(group.flag, w);
        design.insert(design.end(), row.begin(), row.end());
        y.push_back(w - Its90Wr(p.t));
    }
    GroupFit out{FitDesign(design, columns, y)};
    if (out.fit.Ok()) {
        out.freedom = points.size() - columns;
        if (out.fit.uncertainties.empty()) out.fit.uncertainties.assign(columns, kNaN);
    }
    return out;
}

double UpperTop(const SprtGroupInfo& group)
{
    double top = 0;
    for (int i = 0; i < group.point_count; ++i) top = std::max(top, group.points[static_cast<std::size_t>(i)].t);
    return top;
}

}  // namespace

PointFit FitSprtPoints(SprtRangeCodes codes, double rtp, std::span<const FitPoint> upper,
                       std::span<const FitPoint> lower)
{
    if (!(rtp > 0) || !std::isfinite(rtp)) return {PointFitProblem::BadPoint, -1};
    const SprtGroupInfo& upperGroup = SprtUpperGroup(codes.upper);
    const SprtGroupInfo& lowerGroup = SprtLowerGroup(codes.lower);
    if (upperGroup.coefficient_count + lowerGroup.coefficient_count == 0) return {PointFitProblem::TooFewPoints};

    PointFit fit;
    std::array<double, 3> upperK{};
    std::array<double, 2> lowerK{};
    std::size_t freedom = 0;
    const struct {
        const SprtGroupInfo& group;
        std::span<const FitPoint> points;
        int firstIndex;
        double* k;
    } groups[] = {{upperGroup, upper, 0, upperK.data()},
                  {lowerGroup, lower, static_cast<int>(upper.size()), lowerK.data()}};
    for (const auto& g : groups) {
        if (g.group.coefficient_count == 0) continue;
        GroupFit one = FitGroup(g.group, rtp, g.points, g.firstIndex);
        if (!one.fit.Ok()) return one.fit;
        std::copy(one.fit.coefficients.begin(), one.fit.coefficients.end(), g.k);
        fit.coefficients.insert(fit.coefficients.end(), one.fit.coefficients.begin(), one.fit.coefficients.end());
        fit.uncertainties.insert(fit.uncertainties.end(), one.fit.uncertainties.begin(),
                                 one.fit.uncertainties.end());
        freedom += one.freedom;
    }
    if (freedom == 0) fit.uncertainties.clear();

    SprtCoefficientSet set = SprtSetFromGroups(codes, upperK, lowerK);
    set.zeroIsValue = true;
    const auto residuals = [&](std::span<const FitPoint> points, std::uint32_t flag) {
        PointFit part;
        FinishResiduals(
            part, points, [&](const FitPoint& p) { return SprtTemperatureInGroup(set, flag, p.r / rtp); }, 0);
        return part.residualsMk;
    };
    if (upperGroup.flag != 0) fit.residualsMk = residuals(upper, upperGroup.flag);
    if (lowerGroup.flag != 0) {
        const std::vector<double> below = residuals(lower, lowerGroup.flag);
        fit.residualsMk.insert(fit.residualsMk.end(), below.begin(), below.end());
    }
    if (freedom > 0) {
        double sum = 0;
        for (const double r : fit.residualsMk) sum += r * r;
        fit.residualSdMk = std::sqrt(sum / static_cast<double>(freedom));
    }
    return fit;
}

SprtPointSplit SprtSplitPoints(SprtRangeCodes codes, std::span<const FitPoint> points)
{
    const SprtGroupInfo& upperGroup = SprtUpperGroup(codes.upper);
    const SprtGroupInfo& lowerGroup = SprtLowerGroup(codes.lower);
    const bool hasUpper = upperGroup.flag != 0;
    const double top = UpperTop(upperGroup) + kSpanGrace;
    const double lowerFrom = (lowerGroup.flag == kSprtFlagA4B4 ? kIts90Argon : kIts90Mercury) - kSpanGrace;
    const double lowerTo = lowerGroup.flag == kSprtFlagA5B5 ? kIts90Gallium + kSpanGrace
                           : hasUpper                       ? 0.0
                                                            : kSpanGrace;
    SprtPointSplit split;
    for (std::size_t i = 0; i < points.size(); ++i) {
        const FitPoint p = points[i];
        bool toUpper = false;
        bool toLower = false;
        if (lowerGroup.flag == kSprtFlagA5B5 && std::fabs(p.t - kIts90Gallium) <= kAtGallium) {
            toLower = true;
            toUpper = upperGroup.flag == kSprtFlagA11;
        } else if (hasUpper && p.t >= 0 && p.t <= top) {
            toUpper = true;
        } else if (lowerGroup.flag != 0 && p.t >= lowerFrom && (hasUpper ? p.t < lowerTo : p.t <= lowerTo)) {
            toLower = true;
        }
        if (toUpper) {
            split.upper.push_back(p);
            split.upperIndex.push_back(i);
        }
        if (toLower) {
            split.lower.push_back(p);
            split.lowerIndex.push_back(i);
        }
        if (!toUpper && !toLower) split.outside.push_back(i);
    }
    return split;
}

}  // namespace tmcalc
