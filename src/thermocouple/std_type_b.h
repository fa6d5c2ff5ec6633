#pragma once

#include <array>

namespace tmcalc {

// A calibrated type B standard. Its certificate states the emf in µV, so the functions here work in µV
// and µV/°C; temperatures in °C.

// The three ways a type B standard is described; the values are the modes' numbers on the page.
enum class StdBMode : int {
    LowRange = 1,     // certificate polynomial of 0 to 630.615 °C: a1..a6, no constant term
    HighRange = 2,    // certificate polynomial of 630.615 to 1820 °C: a0..a8
    FixedPoints = 3,  // emfs in mV at 1100, 1200, ..., 1500 °C; a quadratic deviation is fitted to them
};

inline constexpr std::array<double, 5> kStdBFixedPointTemperatures = {1100.0, 1200.0, 1300.0, 1400.0, 1500.0};

// How many values the mode takes: 6, 9 or 5.
[[nodiscard]] constexpr int StdBValueCount(StdBMode mode)
{
    switch (mode) {
        case StdBMode::LowRange:
            return 6;
        case StdBMode::HighRange:
            return 9;
        case StdBMode::FixedPoints:
            return static_cast<int>(kStdBFixedPointTemperatures.size());
    }
    return 0;
}

// The mode and its values in the order the page lists them (a1..a6; a0..a8; the five emfs); the unused
// tail is ignored.
struct StdBCalibration {
    StdBMode mode = StdBMode::LowRange;
    std::array<double, 9> p{};
};

// Emf in µV at t (reference junction at 0 °C).
[[nodiscard]] double StdBEmfMicro(const StdBCalibration& calibration, double t);

// dE/dt in µV/°C.
[[nodiscard]] double StdBSlope(const StdBCalibration& calibration, double t);

// Temperature at an emf in µV, by Newton's method from the reference inverse (an emf beyond the reference
// inverse's 13.820 mV starts at 1820 °C). NaN when the iteration does not meet its tolerance.
[[nodiscard]] double StdBTemperature(const StdBCalibration& calibration, double emfMicrovolts);

// Emf in µV of a cold junction at tc. The certificate polynomial of 630.615 to 1820 °C and the deviation
// fitted at 1100 to 1500 °C are worthless at room temperature (the first gives -3355 µV at 20 °C), so
// only the low-range polynomial, which holds there, is used; the other modes take the reference function.
// A cold junction of exactly 0 °C gives 0.
[[nodiscard]] double StdBColdJunctionMicro(const StdBCalibration& calibration, double tc);

// The sub-page's conversions with the cold junction at tc: emf in mV and the differential emf in µV/°C at
// the measuring junction.
struct StdBReading {
    double value = 0.0;  // emf in mV, or temperature in °C
    double slope = 0.0;  // µV/°C
};
[[nodiscard]] StdBReading StdBPageTemperatureToEmf(const StdBCalibration& calibration, double t, double tc);
[[nodiscard]] StdBReading StdBPageEmfToTemperature(const StdBCalibration& calibration, double emfMillivolts,
                                                   double tc);

}  // namespace tmcalc
