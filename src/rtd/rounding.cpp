#include "rtd/rounding.h"

#include <cmath>

namespace tmcalc {

double RoundResistance4(double r)
{
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
