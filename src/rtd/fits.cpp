#include "rtd/fits.h"

#include <algorithm>
#include <cmath>
#include <functional>
#include <optional>
#include <vector>
#include <limits>

namespace tmcalc {
namespace {

bool AnyZero(double r0, FitPoint p, FitPoint q, FitPoint s)
{
    return r0 == 0 || p.t == 0 || p.r == 0 || q.t == 0 || q.r == 0 || s.t == 0 || s.r == 0;
}

// Determinant by the rule of Sarrus, rows (a, b, c).
double Sarrus(double a1, double a2, double a3, double b1, double b2, double b3, double c1, double c2, double c3)
{
    return a1 * b2 * c3 + a2 * b3 * c1 + a3 * b1 * c2 - a3 * b2 * c1 - a1 * b3 * c2 - a2 * b1 * c3;
}

}  // namespace

PtFit FitPtCoefficients(double r0, FitPoint below_zero, FitPoint first, FitPoint second)
{
    if (AnyZero(r0, below_zero, first, second)) return {};
    const double t1 = first.t;
    const double t2 = second.t;
    const double t1_squared = t1 * t1;
    const double t2_squared = t2 * t2;
    // The system determinant is the difference of these two products; it is tested through them.
    const double p = t2_squared * t1;
    const double q = t1_squared * t2;
    if (p == q) {
        constexpr double nan = std::numeric_limits<double>::quiet_NaN();
        return {FitStatus::Fitted, {nan, nan, nan}};
    }
    const double y1 = first.r / r0 - 1;
    const double y2 = second.r / r0 - 1;
    const double d = p - q;
    const double a = (y1 * t2_squared - y2 * t1_squared) / d;
    const double b = (y2 * t1 - y1 * t2) / d;
    const double tn = below_zero.t;
    const double c = (below_zero.r / r0 - a * tn - b * tn * tn - 1) / (tn - 100) / std::pow(tn, 3);
    return {FitStatus::Fitted, {a, b, c}};
}

CuFit FitCuCoefficients(double r0, FitPoint a, FitPoint b, FitPoint c)
{
    if (AnyZero(r0, a, b, c)) return {};
    // Row i: y_i = α t_i + β t_i (t_i - 100) + γ t_i^2 (t_i - 100).
    struct Row {
        double m1, m2, m3, y;
    };
    const auto row = [r0](FitPoint p) {
        return Row{p.t, p.t * (p.t - 100), p.t * p.t * (p.t - 100), p.r / r0 - 1};
    };
    const Row ra = row(a);
    const Row rb = row(b);
    const Row rc = row(c);
    const double det = Sarrus(ra.m1, ra.m2, ra.m3, rb.m1, rb.m2, rb.m3, rc.m1, rc.m2, rc.m3);
    if (det == 0) return {FitStatus::Singular, {}};
    const double d_alpha = Sarrus(ra.y, ra.m2, ra.m3, rb.y, rb.m2, rb.m3, rc.y, rc.m2, rc.m3);
    const double d_beta = Sarrus(ra.m1, ra.y, ra.m3, rb.m1, rb.y, rb.m3, rc.m1, rc.y, rc.m3);
    const double d_gamma = Sarrus(ra.m1, ra.m2, ra.y, rb.m1, rb.m2, rb.y, rc.m1, rc.m2, rc.y);
    return {FitStatus::Fitted, {d_alpha / det, d_beta / det, d_gamma / det}};
}

}  // namespace tmcalc

namespace tmcalc {
namespace {

bool Usable(FitPoint p) { return std::isfinite(p.t) && std::isfinite(p.r) && p.r > 0; }

// A BadPoint fit for R0 (index -1) or the first unusable point; none when everything can be taken.
std::optional<PointFit> Refused(double r0, std::span<const FitPoint> points)
{
    if (!(r0 > 0) || !std::isfinite(r0)) return PointFit{PointFitProblem::BadPoint, -1};
    for (std::size_t i = 0; i < points.size(); ++i) {
        if (!Usable(points[i])) return PointFit{PointFitProblem::BadPoint, static_cast<int>(i)};
    }
    return std::nullopt;
}

// The inverses stop at 1e-8 in W, some 0.3 µK below -150 °C; a residual shown in mK to three decimals
// wants the root itself, so a few Newton steps on W(t) - w follow from where they stop.
double Polish(double t, double w, const std::function<double(double)>& curve,
              const std::function<double(double)>& slope)
{
    for (int step = 0; step < 3 && std::isfinite(t); ++step) t -= (curve(t) - w) / slope(t);
    return t;
}

}  // namespace

PointFit FitPtPoints(double r0, std::span<const FitPoint> points)
{
    if (auto refused = Refused(r0, points)) return *refused;
    const bool withC = std::any_of(points.begin(), points.end(), [](FitPoint p) { return p.t < 0; });
    const std::size_t columns = withC ? 3 : 2;
    std::vector<double> design;
    std::vector<double> y;
    for (const FitPoint& p : points) {
        design.push_back(p.t);
        design.push_back(p.t * p.t);
        if (withC) design.push_back(p.t < 0 ? (p.t - 100) * p.t * p.t * p.t : 0.0);
        y.push_back(p.r / r0 - 1);
    }
    PointFit fit = FitDesign(design, columns, y);
    if (!fit.Ok()) return fit;
    if (!withC) {
        fit.coefficients.push_back(0.0);
        if (!fit.uncertainties.empty()) fit.uncertainties.push_back(0.0);
    }
    const PtModel model = PtFitted({fit.coefficients[0], fit.coefficients[1], fit.coefficients[2]});
    const double a = model.k.a;
    const double b = model.k.b;
    const double c = model.k.c;
    const auto w = [&](double t) { return 1 + a * t + b * t * t + (t < 0 ? c * (t - 100) * t * t * t : 0); };
    const auto slope = [&](double t) { return a + 2 * b * t + (t < 0 ? c * (4 * t - 300) * t * t : 0); };
    FinishResiduals(
        fit, points, [&](const FitPoint& p) { return Polish(PtTemperature(p.r, r0, model), p.r / r0, w, slope); },
        points.size() - columns);
    return fit;
}

PointFit FitCuPoints(double r0, std::span<const FitPoint> points)
{
    if (auto refused = Refused(r0, points)) return *refused;
    std::vector<double> design;
    std::vector<double> y;
    for (const FitPoint& p : points) {
        // The rows of FitCuCoefficients.
        design.insert(design.end(), {p.t, p.t * (p.t - 100), p.t * p.t * (p.t - 100)});
        y.push_back(p.r / r0 - 1);
    }
    PointFit fit = FitDesign(design, 3, y);
    if (!fit.Ok()) return fit;
    const CuModel model = CuFitted({fit.coefficients[0], fit.coefficients[1], fit.coefficients[2]});
    const auto w = [&](double t) { return 1 + ((model.a3 * t + model.a2) * t + model.a1) * t; };
    const auto slope = [&](double t) { return (3 * model.a3 * t + 2 * model.a2) * t + model.a1; };
    FinishResiduals(
        fit, points, [&](const FitPoint& p) { return Polish(CuTemperature(p.r, r0, model), p.r / r0, w, slope); },
        points.size() - 3);
    return fit;
}

}  // namespace tmcalc
