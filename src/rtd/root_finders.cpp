#include "rtd/root_finders.h"

#include <cmath>
#include <limits>

namespace tmcalc {
namespace {

// Runs Newton from x0 with value(x) and slope(x). Each step leaves the sequence of iterates exactly as
// an unbounded iteration would produce it, so every result reached within the limit is the same; only
// the give-up point differs. A step that leaves x unchanged leaves the residual unchanged too, so such
// an iterate would never converge and stopping there changes nothing either.
template <typename Value, typename Slope>
double Newton(double x0, Value value, Slope slope)
{
    double x = x0;
    double f = value(x);
    int steps = 0;
    while (std::abs(f) > kRootResidualTolerance && steps < kNewtonStepLimit) {
        const double next = x - f / slope(x);
        ++steps;
        if (next == x) break;
        x = next;
        f = value(x);
    }
    // A NaN residual (zero derivative, overflow) fails this test as well.
    return std::abs(f) <= kRootResidualTolerance ? x : std::numeric_limits<double>::quiet_NaN();
}

}  // namespace

double SolveQuartic(double a4, double a3, double a2, double a1, double a0, double x0)
{
    // Powers by repeated multiplication, summed from the highest term: the converged x depends on it
    // in its last bits.
    const auto value = [=](double x) {
        return a4 * (x * x * x * x) + a3 * (x * x * x) + a2 * (x * x) + a1 * x + a0;
    };
    const auto slope = [=](double x) { return 4 * a4 * (x * x * x) + 3 * a3 * (x * x) + 2 * a2 * x + a1; };
    return Newton(x0, value, slope);
}

double SolveSextic(double a6, double a5, double a4, double a3, double a2, double a1, double a0, double x0)
{
    const auto value = [=](double x) {
        return a6 * (x * x * x * x * x * x) + a5 * (x * x * x * x * x) + a4 * (x * x * x * x) + a3 * (x * x * x) +
               a2 * (x * x) + a1 * x + a0;
    };
    const auto slope = [=](double x) {
        return 6 * a6 * (x * x * x * x * x) + 5 * a5 * (x * x * x * x) + 4 * a4 * (x * x * x) + 3 * a3 * (x * x) +
               2 * a2 * x + a1;
    };
    return Newton(x0, value, slope);
}

}  // namespace tmcalc
