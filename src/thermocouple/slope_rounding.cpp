#include "thermocouple/slope_rounding.h"

#include <cmath>

namespace tmcalc {

double RoundSlope6(double slope)
{
    // In doubles rather than 32-bit integers: D and C slopes beyond 214 µV/°C would overflow those, and
    // trunc and fmod are exact, so within the integer range the result is the same. An infinity passes
    // through unchanged (fmod gives NaN, which is not > 4).
    double micro = std::trunc(slope * 1E6);
    const double seventh = std::fmod(std::trunc(slope * 10 * 1E6), 10.0);  // sign of the slope
    if (seventh > 4) micro += 1;
    return micro / 1E6;
}

}  // namespace tmcalc
