#include "rtd/fits.h"

#include <cmath>
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

PointFit FitPtPoints(double, std::span<const FitPoint>) { return {PointFitProblem::Singular}; }
PointFit FitCuPoints(double, std::span<const FitPoint>) { return {PointFitProblem::Singular}; }

}  // namespace tmcalc
