#include "thermocouple/std_reference.h"

#include <cmath>
#include <limits>

#include "thermocouple/power_series.h"
#include "thermocouple/published_sb.h"

namespace tmcalc {
namespace {

constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();

// The ranges reach 0.1 °C beyond the published ones. The top of S is computed as 1768.1 + 0.1, which in
// doubles lies just below 1768.2, so a typed 1768.2 is refused; the comparison is deliberately made so.
constexpr double kSLowest = -50.1;
constexpr double kSHighest = 1768.1 + 0.1;
constexpr double kBLowest = -0.1;
constexpr double kBHighest = 1820.1;
constexpr double kBBreakpoint = 630.615;

}  // namespace

double StdRefEmf(ThermocoupleType type, double t)
{
    if (type == ThermocoupleType::S) {
        if (t >= kSLowest && t <= 1064.18) return PowerSum(kPublishedSEmf0, t) / 1000.0;
        if (t > 1064.18 && t <= 1664.5) return PowerSum(kPublishedSEmf1, t) / 1000.0;
        if (t > 1664.5 && t <= kSHighest) return PowerSum(kPublishedSEmf2, t) / 1000.0;
        return kNaN;
    }
    if (type == ThermocoupleType::B) {
        if (t >= kBLowest && t < kBBreakpoint) return PowerSum(kPublishedBEmf0, t) / 1000.0;
        if (t >= kBBreakpoint && t <= kBHighest) return PowerSum(kPublishedBEmf1, t) / 1000.0;
    }
    return kNaN;
}

double StdRefBSlope(double t)
{
    // The breakpoint belongs to the lower piece here, unlike in StdRefEmf.
    if (t >= kBLowest && t <= kBBreakpoint) return PowerSumDerivative(kPublishedBEmf0, t) / 1000.0;
    if (t > kBBreakpoint && t <= kBHighest) return PowerSumDerivative(kPublishedBEmf1, t) / 1000.0;
    return kNaN;
}

double StdRefBTemperature(double emfMillivolts)
{
    const double microvolts = emfMillivolts * 1000.0;
    // No lower bound, but an infinite emf would otherwise come back as an infinite temperature.
    if (!std::isfinite(microvolts)) return kNaN;
    if (microvolts <= 2431.0) return PowerSum(kPublishedBInverse0, microvolts);
    if (microvolts <= 13820.0) return PowerSum(kPublishedBInverse1, microvolts);
    return kNaN;
}

}  // namespace tmcalc
