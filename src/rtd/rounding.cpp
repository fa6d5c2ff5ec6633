#include "rtd/rounding.h"

#include <cmath>

namespace tmcalc {
namespace {

// floor(n / d) for d > 0, also for negative n.
long long FloorDiv(long long n, long long d) { return n >= 0 ? n / d : -((-n + d - 1) / d); }

}  // namespace

double RoundResistance4(double r)
{
    // First to whole 1e-8 Ω, which removes the binary noise of the computation: the Pt50 value at
    // 100 °C, exactly 69.25275, comes out as 69.25274999999999 and would otherwise show 69.2527. Then half
    // up at the fourth decimal in integers, where nothing rounds behind our back.
    const double scaled8 = r * 1e8;
    if (std::abs(scaled8) < 0x1p62) {
        const long long units = std::llround(scaled8);
        return static_cast<double>(FloorDiv(units + 5000, 10000)) / 10000;
    }
    const double scaled = r * 10000;
    // From 2^52 up every double is a whole number, so there is nothing left to round, and adding 0.5
    // could itself round up to the next integer. Also keeps inf and NaN as they are.
    if (!(std::abs(scaled) < 0x1p52)) return r;
    return std::floor(scaled + 0.5) / 10000;
}

double ResistanceForDisplay(double r)
{
    return std::abs(r) >= 1000 ? r : RoundResistance4(r);
}

}  // namespace tmcalc
