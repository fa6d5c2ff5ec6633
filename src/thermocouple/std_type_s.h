#pragma once

#include <array>
#include <optional>
#include <string>

namespace tmcalc {

// A calibrated type S standard: its deviation from the reference function, fixed by its emfs at the
// freezing points of zinc, aluminium and copper. Emfs in mV, temperatures in °C, differential emf in µV/°C.

inline constexpr double kZincPoint = 419.527;
inline constexpr double kAluminiumPoint = 660.323;
inline constexpr double kCopperPoint = 1084.62;

// D(t) = a + b t + c t^2 in mV: a in mV, b in mV/°C, c in mV/°C^2.
struct SDeviation {
    double a = 0.0;
    double b = 0.0;
    double c = 0.0;
};

// The two renderings differ in their last digits and both are shown: Rounded (working reference set,
// weights to nine digits) for temperature to emf, the hundred-degree table and the coefficient
// calculator; Precise (published reference set, full weights) for emf to temperature.
enum class SDeviationVariant { Rounded, Precise };

// The quadratic through the three fixed-point deviations. Any input goes: NaN propagates.
[[nodiscard]] SDeviation SDeviationFromFixedPoints(double zinc, double aluminium, double copper,
                                                   SDeviationVariant variant);

// The deviation added to the reference emf, in µV. Below 400 °C the millivolt value is added unscaled,
// which adds at most a few thousandths of a µV: the deviation in effect starts at 400 °C, with a step of
// about 1000 x D(400) there. Kept, since every emf the standard's table and pages show follows it.
[[nodiscard]] double SDeviationMicrovolts(const SDeviation& deviation, double t);

struct StdSEmfResult {
    double emf = 0.0;    // mV
    double slope = 0.0;  // differential emf, µV/°C
};

struct StdSTemperatureResult {
    double t = 0.0;      // °C
    double slope = 0.0;  // differential emf, µV/°C
};

// Emf of the standard at t against a cold junction at tc, whose emf comes from the reference function
// alone. Within a thousandth of a degree of 0 °C the measuring junction gives exactly 0.
[[nodiscard]] StdSEmfResult StdSEmf(double t, double tc, const SDeviation& deviation);

// Temperature of the standard at a measured emf with the cold junction at tc, by Newton's method on the
// emf. An emf inside the step of the deviation at 400 °C reads 400 °C. NaN when the emf is outside the
// reference function's reach or the iteration does not meet its tolerance within its step limit.
[[nodiscard]] StdSTemperatureResult StdSTemperature(double emf, double tc, const SDeviation& deviation);

// The emf in mV at 300, 400, ..., 1300 °C with the cold junction at 0 °C.
inline constexpr int kHundredDegreeRows = 11;
using HundredDegreeValues = std::array<double, kHundredDegreeRows>;
[[nodiscard]] HundredDegreeValues HundredDegreeTable(const SDeviation& deviation);

// The texts that fill the table panel's markers in order: the eleven emfs ("%0.5g"), then a, b and c
// ("%g"), in the C conventions. A value that is not finite gives the "out of range" text.
inline constexpr int kHundredDegreeTexts = kHundredDegreeRows + 3;
[[nodiscard]] std::array<std::string, kHundredDegreeTexts> HundredDegreeTableTexts(
    const HundredDegreeValues& table, const SDeviation& deviation);

// The sub-page's conversions from the three typed fixed points (mV). A fixed point that reads exactly 0
// is a field not filled in: the result is empty and the page writes nothing.
struct StdSFixedPoints {
    double zinc = 0.0;
    double aluminium = 0.0;
    double copper = 0.0;
};

// Temperature to emf, with the rounded deviation; the page keeps `deviation` as its current one.
struct StdSPageEmf {
    SDeviation deviation;
    StdSEmfResult result;
};
[[nodiscard]] std::optional<StdSPageEmf> StdSPageTemperatureToEmf(const StdSFixedPoints& points, double t,
                                                                  double tc);

// Emf (mV) to temperature, with the precise deviation, which the page does not keep.
[[nodiscard]] std::optional<StdSTemperatureResult> StdSPageEmfToTemperature(const StdSFixedPoints& points,
                                                                            double emf, double tc);

}  // namespace tmcalc
