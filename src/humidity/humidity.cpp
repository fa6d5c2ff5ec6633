#include "humidity/humidity.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace tmcalc {
namespace {

constexpr double kNotANumber = std::numeric_limits<double>::quiet_NaN();
constexpr double kKelvinOffset = 273.15;

constexpr double kMolarMassWater = 18.0154;    // g/mol
constexpr double kMolarMassDryAir = 28.96443;  // g/mol
constexpr double kGasConstant = 8.3145;        // J/(mol·K)
constexpr double kHeatDryAir = 1.006;          // kJ/(kg·K)
constexpr double kHeatVapour = 1.84;           // kJ/(kg·K)
constexpr double kLatentHeat = 2501.0;         // kJ/kg at 0 °C
constexpr double kPsychrometerA = 0.000662;    // 1/K
constexpr double kPsychrometerB = 0.00115;     // 1/K
// g of water per kg of dry air for one mole of each; the quotient in this order decides the last bits.
constexpr double kMixingScale = kMolarMassWater / kMolarMassDryAir * 1000;

constexpr double kBisectionLow = -100.0;      // °C, the lower end of the enhancement factor's range
constexpr double kBisectionTolerance = 1e-6;  // °C
// The water formula overflows to inf near 6900 °C, so any finite target is reached below this; a ratio
// that is still short here (the ice pressure falls again at high temperatures, an extreme pressure turns
// the psychrometer term into NaN) has no answer.
constexpr double kWidenCeiling = 10000.0;  // °C

struct EnhancementSet {
    double a[4];
    double b[4];
};
constexpr EnhancementSet kEnhancementIce{{0.000364449, 2.9367585e-5, 4.8874766e-7, 4.3669918e-9},
                                         {-10.7271, 0.076215115, -0.00017490155, 2.4668279e-6}};
constexpr EnhancementSet kEnhancementWater{{0.000353624, 2.9328363e-5, 2.6168979e-7, 8.5813609e-9},
                                           {-10.7588, 0.063268134, -0.00025368934, 6.3405286e-7}};

double Cubic(const double (&k)[4], double t)
{
    return k[0] + k[1] * t + k[2] * (t * t) + k[3] * (t * t * t);
}

double EnhancedWater(double t, double pressure)
{
    return SaturationPressureWater(t) * EnhancementFactor(t, pressure);
}

struct Bracket {
    double lo;
    double hi;
};

// Halves the bracket down to the tolerance, or until no double lies between its bounds.
template <typename Ratio>
Bracket Halve(const Ratio& ratio, double target, Bracket b)
{
    while (b.hi - b.lo > kBisectionTolerance) {
        const double mid = (b.lo + b.hi) * 0.5;
        if (mid == b.lo || mid == b.hi) break;
        if (ratio(mid) >= target) {
            b.hi = mid;
        } else {
            b.lo = mid;
        }
    }
    return b;
}

// The point where the increasing `ratio` reaches `target`, searched in [lo, hi] first. Only when every
// midpoint and hi itself fall short does the search go on above hi: testing hi beforehand would misjudge
// brackets that end at 0 °C, where the enhancement factor drops from the ice set to the water set and a
// root just below 0 lies above the ratio at 0. An inverted bracket (air below −105 °C) is not searched:
// its midpoint comes back as it is.
// A target below the ratio at lo has its root below the bracket: no answer (NaN), never the bound itself.
template <typename Ratio>
double Bisect(const Ratio& ratio, double target, double lo, double hi)
{
    if (hi > lo && !(ratio(lo) <= target)) return kNotANumber;
    Bracket b = Halve(ratio, target, {lo, hi});
    if (b.hi == hi && hi > lo && !(ratio(hi) >= target)) {
        double step = hi - lo;
        double top = hi;
        do {
            if (top >= kWidenCeiling) return kNotANumber;
            lo = top;
            top += step;
            step *= 2;
        } while (!(ratio(top) >= target));
        b = Halve(ratio, target, {lo, top});
    }
    return (b.lo + b.hi) * 0.5;
}

// r = e/(P − e)·ε′ in g/kg, NaN outside [0, 1000000].
double MixingRatio(double e, double pressure)
{
    const double r = e / (pressure - e) * kMixingScale;
    return r > 1000000 || r < 0 ? kNotANumber : r;
}

}  // namespace

double SaturationPressureWater(double t)
{
    const double temp = t + kKelvinOffset;
    return std::exp(-6096.9385 / temp + 21.2409642 - 0.02711193 * temp + 1.673952e-5 * temp * temp +
                    2.433502 * std::log(temp)) /
           100;
}

double SaturationPressureIce(double t)
{
    const double temp = t + kKelvinOffset;
    return std::exp(29.32707 - 6024.5282 / temp + 0.010613868 * temp - 1.3198825e-5 * temp * temp -
                    0.49382577 * std::log(temp)) /
           100;
}

double EnhancementFactor(double t, double pressure)
{
    const EnhancementSet* set = nullptr;
    double es0 = 0.0;
    if (t >= -100 && t < 0) {
        set = &kEnhancementIce;
        es0 = SaturationPressureIce(t);
    } else if (t >= 0 && t <= 100) {
        set = &kEnhancementWater;
        es0 = SaturationPressureWater(t);
    } else {
        return 1.0;
    }
    if (pressure > 20000) return 1.0;
    const double alpha = Cubic(set->a, t);
    const double beta = std::exp(Cubic(set->b, t));
    const double f = std::exp(alpha * (1 - es0 / pressure) + beta * (pressure / es0 - 1));
    return std::max(1.0, f);  // a NaN f (NaN pressure) gives 1
}

double DewPointFromVaporPressure(double e, double t, double pressure)
{
    const double es = EnhancedWater(t, pressure);
    const double target = e / es * 100;
    if (!std::isfinite(es) || !std::isfinite(target)) return kNotANumber;
    return Bisect([&](double mid) { return EnhancedWater(mid, pressure) / es * 100; }, target, kBisectionLow,
                  t + 5);
}

double FrostPointFromVaporPressure(double e, double t, double pressure)
{
    const double esi = SaturationPressureIce(t) * EnhancementFactor(t, pressure);
    const double target = e / esi * 100;
    if (!std::isfinite(esi) || !std::isfinite(target)) return kNotANumber;
    return Bisect(
        [&](double mid) { return SaturationPressureIce(mid) * EnhancementFactor(mid, pressure) / esi * 100; },
        target, kBisectionLow, 0.0);
}

double WetBulbFromVaporPressure(double e, double t, double pressure)
{
    const double es = EnhancedWater(t, pressure);
    const double target = e / es * 100;
    if (!std::isfinite(es) || !std::isfinite(target)) return kNotANumber;
    const double k = kPsychrometerA * pressure;
    // Not clamped at 0: dry air (e = 0) has the wet bulb where the psychrometer term takes up all of es.
    return Bisect(
        [&](double mid) {
            const double ew = EnhancedWater(mid, pressure) - (t - mid) * k * (kPsychrometerB * mid + 1);
            return ew / es * 100;
        },
        target, kBisectionLow, t + 5);
}

double VaporPressureFromQuantity(int kind, double x, double t, double pressure, double es)
{
    switch (kind) {
        case kHumidityRelative:
            return x / 100 * es;
        case kHumidityDewPoint:
            return (x >= 0 ? SaturationPressureWater(x) : SaturationPressureIce(x)) *
                   EnhancementFactor(x, pressure);
        case kHumidityWetBulb:  // below the dry-air wet bulb e comes out negative: out of range
            return EnhancedWater(x, pressure) - (t - x) * (pressure * kPsychrometerA) * (x * kPsychrometerB + 1);
        case kHumiditySaturationPressure:
            return 0.0;
        case kHumidityVaporPressure:
            return x;
        case kHumidityPpmvDry:
            return x * pressure / (x + 1000000);
        case kHumidityPpmvWet:
            return x * pressure / 1000000;
        case kHumidityAbsolute:
            return (t + kKelvinOffset) * kGasConstant * x / (kMolarMassWater * 100);  // 1801.54 exactly
        case kHumidityMixingRatio:
            return x * pressure / (kMixingScale + x);
        case kHumidityEnthalpy: {
            const double r = (x - kHeatDryAir * t) * 1000 / (kHeatVapour * t + kLatentHeat);
            return r * pressure / (kMixingScale + r);
        }
        default:
            return kNotANumber;
    }
}

double QuantityFromVaporPressure(int kind, double e, double t, double pressure, double es)
{
    switch (kind) {
        case kHumidityRelative:
            return e / es * 100;
        case kHumidityDewPoint: {
            const double dew = DewPointFromVaporPressure(e, t, pressure);
            if (std::isnan(dew) || dew >= 0) return dew;
            return FrostPointFromVaporPressure(e, t, pressure);
        }
        case kHumidityWetBulb:
            return WetBulbFromVaporPressure(e, t, pressure);
        case kHumiditySaturationPressure:
            return es;
        case kHumidityVaporPressure:
            return e;
        case kHumidityPpmvDry: {
            const double c = e / (pressure - e) * 1000000;
            return c > 1000000 || c < 0 ? kNotANumber : c;
        }
        case kHumidityPpmvWet:
            return e / pressure * 1000000;
        case kHumidityAbsolute:
            return e * kMolarMassWater * 100 / ((t + kKelvinOffset) * kGasConstant);
        case kHumidityMixingRatio:
            return MixingRatio(e, pressure);
        case kHumidityEnthalpy:
            return kHeatDryAir * t + (kHeatVapour * t + kLatentHeat) * MixingRatio(e, pressure) / 1000;
        default:
            return kNotANumber;
    }
}

}  // namespace tmcalc
