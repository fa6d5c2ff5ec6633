#pragma once

#include "rtd/platinum.h"

#include <array>
#include <string>
#include <string_view>

namespace tmcalc {

enum class RtdMetal { Platinum, Copper };

// One of the five temperature sub-pages of the work resistance thermometer page (tabs 0-4). They differ
// only in these data.
struct RtdSensorPage {
    std::string_view objectName;
    RtdMetal metal = RtdMetal::Platinum;
    std::string_view r0Text;  // what the R0 field shows when the page opens
    bool r0Editable = false;
    // How far a temperature computed from a resistance may stray beyond the range (platinum only; the
    // copper pages always widen by 0.3 + 0.006·|t|).
    PtInverseRange ptRange = PtInverseRange::Widened;
};

inline constexpr int kRtdSensorPageCount = 5;
inline constexpr std::array<RtdSensorPage, kRtdSensorPageCount> kRtdSensorPages{{
    {"gyrdzPt100", RtdMetal::Platinum, "100.00", false, PtInverseRange::Widened},
    {"gyrdzPt50", RtdMetal::Platinum, "50.00", false, PtInverseRange::Widened},
    {"gyrdzPtX", RtdMetal::Platinum, "25.00", true, PtInverseRange::Strict},
    {"gyrdzCu100", RtdMetal::Copper, "100.00", false, PtInverseRange::Widened},
    {"gyrdzCu50", RtdMetal::Copper, "50.00", false, PtInverseRange::Widened},
}};

// The texts a temperature sub-page writes after one edit: `value` is the resistance (after a temperature
// was edited) or the °C text (after the resistance was edited); `slope` is dR/dt in Ω/°C. An empty text
// empties its field.
struct RtdShownTexts {
    std::string value;
    std::string slope;
};

// Temperature t (°C) to resistance with ice-point resistance r0 (Ω). Inside the sensor's range
// (-200..850 °C platinum, -50..150 °C copper) the resistance, rounded to 0.1 mΩ below 1000 Ω, in "%.07g",
// and the slope with 8 significant digits and 7 decimals. Outside it, and for a NaN t, the out-of-range
// text and an empty slope; for an r0 of zero or less (or NaN) the out-of-range text in both.
[[nodiscard]] RtdShownTexts RtdTextsFromTemperature(RtdMetal metal, double t, double r0);

// Resistance r to temperature, both in Ω with ice-point resistance r0. The temperature in "%.07g", or the
// out-of-range text when the page rejects it; the literal "0.0" when r equals r0 exactly. The slope is
// that of the computed temperature even when the temperature itself is rejected, so a temperature just
// beyond the range shows the out-of-range text beside a slope. A resistance or r0 of zero or less is out of
// range in both.
[[nodiscard]] RtdShownTexts RtdTextsFromResistance(const RtdSensorPage& page, double r, double r0);

}  // namespace tmcalc
