#pragma once

namespace tmcalc {

// Moist air: saturation vapour pressure, enhancement factor and the humidity quantities, all through the
// water vapour pressure e of the sample. Temperatures in °C (T = t + 273.15 K), pressures in hPa.

// Humidity quantities, numbered as the humidity page's fields (0 and 1 are its air temperature and total
// pressure, which are inputs, not quantities).
enum HumidityKind : int {
    kHumidityRelative = 2,            // %rh over water
    kHumidityDewPoint = 3,            // °C: dew point at or above 0 °C, frost point below
    kHumidityWetBulb = 4,             // °C
    kHumiditySaturationPressure = 5,  // hPa, over water, enhanced
    kHumidityVaporPressure = 6,       // hPa
    kHumidityPpmvDry = 7,             // ppmv, dry basis
    kHumidityPpmvWet = 8,             // ppmv, wet basis
    kHumidityAbsolute = 9,            // g/m³
    kHumidityMixingRatio = 10,        // g/kg of dry air
    kHumidityEnthalpy = 11,           // kJ/kg of dry air
};

// Sonntag (1990), over water and over ice, for any t (no range is enforced); NaN below −273.15 °C, inf
// where the exponential overflows (water: above about 6900 °C).
[[nodiscard]] double SaturationPressureWater(double t);
[[nodiscard]] double SaturationPressureIce(double t);

// f = exp(α(1 − es/P) + β(P/es − 1)), at least 1: the ice coefficient set on [−100, 0) °C, the water set on
// [0, 100] °C, and exactly 1 outside them, for a NaN t and for P above 20000 hPa.
[[nodiscard]] double EnhancementFactor(double t, double pressure);

// The three bisections halve their bracket to 1e-6 °C. Each gives NaN when the saturation pressure at t
// or the target ratio is not finite (an air temperature of 8.6e9 °C overflows it) and stops early when the
// midpoint equals a bound, so none can run forever. A target above the bracket (supersaturated air) widens
// the bracket upward until it holds the answer, NaN when none exists up to 10000 °C; a target below it
// (e = 0: dry air has no dew point) gives NaN, never the bound.

// Over water, bracket [−100, t + 5].
[[nodiscard]] double DewPointFromVaporPressure(double e, double t, double pressure);
// Over ice, bracket [−100, 0]; the ratio is taken to the ice pressure at the air temperature.
[[nodiscard]] double FrostPointFromVaporPressure(double e, double t, double pressure);
// The psychrometer equation with coefficients 0.000662 /K and 0.00115 /K, bracket [−100, t + 5]. Dry air
// has one: 5.9278 °C at 20 °C and 996 hPa.
[[nodiscard]] double WetBulbFromVaporPressure(double e, double t, double pressure);

// es is the enhanced saturation pressure over water at the air temperature,
// SaturationPressureWater(t) × EnhancementFactor(t, pressure), computed once by the caller. Kinds 2 to
// 11; any other kind gives NaN. A saturation pressure (kind 5) as input gives e = 0.
[[nodiscard]] double VaporPressureFromQuantity(int kind, double x, double t, double pressure, double es);
// Kind 3 is the dew point when it is at or above 0 °C, else the frost point. Kinds 7, 10 and 11 are NaN
// when the concentration or mixing ratio leaves [0, 1000000] (also for e at or above the pressure).
[[nodiscard]] double QuantityFromVaporPressure(int kind, double e, double t, double pressure, double es);

}  // namespace tmcalc
