#include "rtd/copper.h"

#include <cmath>
#include <limits>

#include "rtd/root_finders.h"

namespace tmcalc {
namespace {
constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();
}

double CuResistance(double t, double r0, const CuModel& model)
{
    if (!(t >= model.t_min && t <= model.t_max)) return kNaN;
    // The standard β is negative, so adding β·t·(t - 100) gives the same bits as subtracting the stored
    // positive 9.31e-8 times it.
    const CuCoefficients& k = model.k;
    return r0 * (1 + k.alpha * t + k.beta * t * (t - 100) + k.gamma * t * t * (t - 100));
}

double CuTemperature(double r, double r0, const CuModel& model)
{
    const double w = r / r0;
    if (w == 1) return 0.0;
    return SolveQuartic(0, model.a3, model.a2, model.a1, 1 - w, 0);
}

double CuSlope(double t, double r0)
{
    // d/dt of the expanded cubic: a1 + 2 a2 t + 3 a3 t^2 with the stored literals.
    if (t >= -50.1 && t <= 150.1) return r0 * (0.00428931 - 4.322e-7 * t + 3.69e-9 * t * t);
    return kNaN;
}

double ScreenCuTemperature(double t)
{
    if (std::isinf(t)) return kNaN;  // the band would widen to admit it
    const double tol = 0.3 + 0.006 * std::abs(t);
    return t < -50 - tol || t > 150 + tol ? kNaN : t;
}

}  // namespace tmcalc
