#include "rtd/platinum.h"

#include <cmath>
#include <limits>

#include "rtd/root_finders.h"

namespace tmcalc {
namespace {
constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();
}

double PtResistance(double t, double r0, const PtModel& model)
{
    const PtCoefficients& k = model.k;
    if (t >= model.t_min && t <= 0) return r0 * (1 + k.a * t + k.b * t * t + k.c * (t - 100) * t * t * t);
    if (t > 0 && t <= model.t_max) return r0 * (1 + k.a * t + k.b * t * t);
    return kNaN;
}

double PtTemperature(double r, double r0, const PtModel& model)
{
    const double w = r / r0;
    if (w == 1) return 0.0;
    if (w > 1) return (std::pow(model.a_squared - model.four_b * (1 - w), 0.5) - model.k.a) / model.two_b;
    // Also reached by a NaN W, which the root finder passes through as NaN.
    return SolveQuartic(model.k.c, model.minus_100c, model.k.b, model.k.a, 1 - w, 0);
}

double PtSlope(double t, double r0)
{
    // The stored constants: 2B = -1.155e-6, -300C = 1.2549e-9, 4C = -1.6732e-11.
    if (t >= 0 && t <= 850.1) return r0 * (3.9083e-3 - 1.155e-6 * t);
    if (t >= -200.1 && t < 0) {
        return r0 * (3.9083e-3 - 1.155e-6 * t + 1.2549e-9 * t * t - 1.6732e-11 * t * t * t);
    }
    return kNaN;
}

double ScreenPtTemperature(double t, PtInverseRange range)
{
    // The band widens with |t|, so an infinite t would pass the lower comparison; reject it outright.
    if (std::isinf(t)) return kNaN;
    bool rejected = false;
    if (range == PtInverseRange::Widened) {
        const double tol = 0.6 + 0.01 * std::abs(t);
        rejected = t < -200 - tol || t >= 850 + tol;
    } else {
        rejected = t < -200 || t > 850;
    }
    return rejected ? kNaN : t;
}

}  // namespace tmcalc
