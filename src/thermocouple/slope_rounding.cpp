#include "thermocouple/slope_rounding.h"

#include <cmath>
#include <limits>

namespace tmcalc {

double RoundSlope6(double slope)
{
    // In doubles rather than 32-bit integers: D and C slopes beyond 214 µV/°C would overflow those, and
    // trunc and fmod are exact, so within the integer range the result is the same. An infinity passes
    // through unchanged (fmod gives NaN, which is not > 4).
    double micro = std::trunc(slope * 1E6);
    const double tenths = std::trunc(slope * 10 * 1E6);
    // fmod(tenths, 10) without the library call where that is exact: below 2^49 the quotient's rounding
    // cannot carry it across a whole number, so tenths - 10 trunc(tenths / 10) is the remainder itself.
    const double seventh = std::fabs(tenths) < 0x1p49 ? tenths - 10.0 * std::trunc(tenths / 10.0)
                                                      : std::fmod(tenths, 10.0);  // sign of the slope
    if (seventh > 4) micro += 1;
    return micro / 1E6;
}

bool NearSlope6Edge(double slope, double spread)
{
    // RoundSlope6 steps where slope x 1E7 (formed two ways) crosses a whole number; allow for the
    // rounding of those products as well as for the spread. Anything not finite counts as near.
    const double scaled = slope * 1E7;
    const double margin = spread * 1E7 + 8.0 * std::numeric_limits<double>::epsilon() * std::fabs(scaled);
    return !(std::fabs(scaled - std::nearbyint(scaled)) > margin);
}

}  // namespace tmcalc
