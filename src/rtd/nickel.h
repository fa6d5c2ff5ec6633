#pragma once

#include <optional>

namespace tmcalc {

// Nickel form: W = R/R0 = 1 + c1 t + c2 t^2 + ... + c6 t^6 (t in °C). The user may edit every
// coefficient, so no temperature range applies.
struct NiCoefficients {
    double c1 = 0.0;
    double c2 = 0.0;
    double c3 = 0.0;
    double c4 = 0.0;
    double c5 = 0.0;
    double c6 = 0.0;
};

struct NiPreset {
    double r0 = 0.0;
    NiCoefficients k;
};

// The four sensor characteristics offered on the nickel page, 1 to 4 in the order of its radio buttons
// (ND 6180 ppm/K, NL 5000 ppm/K, NJ 6370 ppm/K, NA 6720 ppm/K), all with R0 = 1000 Ω. Empty for any
// other index.
inline constexpr int kNickelPresetCount = 4;
[[nodiscard]] std::optional<NiPreset> NickelPreset(int index);

// An R0, c1 or c2 of exactly zero means the field was not filled in; the page then converts nothing.
// c3 to c6 may be zero.
[[nodiscard]] bool NiParametersEntered(double r0, const NiCoefficients& k);

// Each is NaN (out of range) for an R0 of zero or less, a temperature below absolute zero, and (the
// temperature) a resistance of zero or less.
[[nodiscard]] double NiResistance(double t, double r0, const NiCoefficients& k);

// Temperature at resistance r: W exactly 1 gives 0, otherwise the sextic solved by Newton from 0 °C
// (NaN when it fails).
[[nodiscard]] double NiTemperature(double r, double r0, const NiCoefficients& k);

// dR/dt in Ω/°C.
[[nodiscard]] double NiSlope(double t, double r0, const NiCoefficients& k);

}  // namespace tmcalc
