#include "thermistor/ntc_fits.h"

#include "thermistor/ntc_conversions.h"

#include <algorithm>
#include <cmath>
#include <initializer_list>
#include <limits>
#include <vector>

namespace tmcalc {
namespace {

constexpr double kKelvinOffset = 273.15;

bool Usable(std::initializer_list<const std::optional<FitPoint>*> points)
{
    for (const auto* point : points) {
        if (!point->has_value() || (*point)->r == 0) return false;
    }
    return true;
}

}  // namespace

std::optional<double> FitNtcBeta(const std::optional<FitPoint>& first, const std::optional<FitPoint>& second)
{
    if (!Usable({&first, &second})) return std::nullopt;
    const double t1 = first->t + kKelvinOffset;
    const double t2 = second->t + kKelvinOffset;
    // Equal temperatures would give ±inf or 0/0; neither is a β.
    if (t1 == t2) return std::numeric_limits<double>::quiet_NaN();
    return std::log(second->r / first->r) / (1 / t2 - 1 / t1);
}

std::optional<NtcShCoefficients> FitNtcSteinhartHart(const std::optional<FitPoint>& first,
                                                     const std::optional<FitPoint>& second,
                                                     const std::optional<FitPoint>& third)
{
    if (!Usable({&first, &second, &third})) return std::nullopt;
    const double l1 = std::log(first->r);
    const double l2 = std::log(second->r);
    const double l3 = std::log(third->r);
    const double t1 = first->t + kKelvinOffset;
    const double t2 = second->t + kKelvinOffset;
    const double t3 = third->t + kKelvinOffset;
    // Divided differences of y = 1/T over L = ln R. Y1 − Y2 is formed as (T2 − T1)/(T1·T2) and
    // (L1³ − L2³)/(L1 − L2) as L1² + L1·L2 + L2², so that points a few degrees apart lose no digits to
    // cancellation: for points 1 °C apart C still comes out within 1e-10 relative, where single-precision
    // steps made it wrong by 1e-3 and more.
    const double y12 = (t2 - t1) / (t1 * t2) / (l1 - l2);
    const double y13 = (t3 - t1) / (t1 * t3) / (l1 - l3);
    const double c = (y12 - y13) / ((l2 - l3) * (l1 + l2 + l3));
    const double b = y12 - c * (l1 * l1 + l1 * l2 + l2 * l2);
    const double a = 1 / t1 - b * l1 - c * l1 * l1 * l1;
    if (!std::isfinite(a) || !std::isfinite(b) || !std::isfinite(c)) {
        constexpr double nan = std::numeric_limits<double>::quiet_NaN();
        return NtcShCoefficients{nan, nan, nan};
    }
    return NtcShCoefficients{a, b, c};
}

}  // namespace tmcalc

namespace tmcalc {
namespace {

constexpr double kT25 = 298.15;

std::optional<PointFit> RefusedPoint(std::span<const FitPoint> points)
{
    for (std::size_t i = 0; i < points.size(); ++i) {
        const FitPoint p = points[i];
        if (!std::isfinite(p.t) || !std::isfinite(p.r) || !(p.r > 0) || !(p.t + kKelvinOffset > 0))
            return PointFit{PointFitProblem::BadPoint, static_cast<int>(i)};
    }
    return std::nullopt;
}

double OrNaN(std::optional<double> t) { return t.value_or(std::numeric_limits<double>::quiet_NaN()); }

// 1/T = Σ k_j (ln R)^power_j, the Steinhart-Hart forms.
PointFit FitInverseTemperature(std::span<const FitPoint> points, std::span<const int> powers)
{
    if (auto refused = RefusedPoint(points)) return *refused;
    std::vector<double> design;
    std::vector<double> y;
    for (const FitPoint& p : points) {
        const double l = std::log(p.r);
        for (const int power : powers) design.push_back(std::pow(l, power));
        y.push_back(1 / (p.t + kKelvinOffset));
    }
    return FitDesign(design, powers.size(), y);
}

}  // namespace

PointFit FitNtcBetaPoints(std::span<const FitPoint> points)
{
    if (auto refused = RefusedPoint(points)) return *refused;
    std::vector<double> design;
    std::vector<double> y;
    for (const FitPoint& p : points) {
        design.push_back(1.0);
        design.push_back(1 / (p.t + kKelvinOffset));
        y.push_back(std::log(p.r));
    }
    LinearLeastSquares solution;
    PointFit fit = FitDesign(design, 2, y, &solution);
    if (!fit.Ok()) return fit;
    const double beta = solution.coefficients[1];
    const double r25 = std::exp(solution.coefficients[0] + beta / kT25);
    fit.coefficients = {beta, r25};
    if (!solution.covariance.empty()) {
        // ln R25 = intercept + β/T25.
        const std::vector<double>& v = solution.covariance;
        const double lnVariance = v[0] + 2 * v[1] / kT25 + v[3] / (kT25 * kT25);
        fit.uncertainties = {std::sqrt(v[3]), r25 * std::sqrt(std::max(lnVariance, 0.0))};
    }
    FinishResiduals(fit, points, [&](const FitPoint& p) { return OrNaN(NtcBetaTemperature(r25, beta, p.r)); },
                    points.size() - 2);
    return fit;
}

PointFit FitNtcShPoints(std::span<const FitPoint> points)
{
    static constexpr int kPowers[] = {0, 1, 3};
    PointFit fit = FitInverseTemperature(points, kPowers);
    if (!fit.Ok()) return fit;
    const std::vector<double> k = fit.coefficients;
    FinishResiduals(fit, points, [&](const FitPoint& p) { return OrNaN(NtcShTemperature(k[0], k[1], k[2], p.r)); },
                    points.size() - 3);
    return fit;
}

PointFit FitNtcShxPoints(std::span<const FitPoint> points)
{
    static constexpr int kPowers[] = {0, 1, 2, 3};
    PointFit fit = FitInverseTemperature(points, kPowers);
    if (!fit.Ok()) return fit;
    const std::vector<double> k = fit.coefficients;
    FinishResiduals(fit, points,
                    [&](const FitPoint& p) { return OrNaN(NtcShxTemperature(k[0], k[1], k[2], k[3], p.r)); },
                    points.size() - 4);
    return fit;
}

}  // namespace tmcalc
