#pragma once

namespace tmcalc {

// Six decimals for the differential emf (µV/°C) as the pages show it: positive slopes round
// half up at the seventh decimal, negative ones are truncated toward zero. NaN stays NaN.
[[nodiscard]] double RoundSlope6(double slope);

}  // namespace tmcalc
