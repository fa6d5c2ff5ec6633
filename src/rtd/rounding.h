#pragma once

namespace tmcalc {

// r rounded half up at the fourth decimal (0.1 mΩ), as the resistance thermometer pages show it.
// Non-finite values, and values too large to carry a fourth decimal in a double, come back unchanged.
[[nodiscard]] double RoundResistance4(double r);

// The value to write with "%.07g" in a resistance field. From 1000 Ω up seven significant digits hold
// fewer than four decimals, and rounding first to four decimals and then to seven digits would round
// twice (a wrong seventh digit for about one Pt1000 temperature in twenty), so there the value is
// passed on unrounded.
[[nodiscard]] double ResistanceForDisplay(double r);

}  // namespace tmcalc
