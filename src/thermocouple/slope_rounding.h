#pragma once

namespace tmcalc {

// Six decimals for the differential emf (µV/°C) as the pages show it: positive slopes round
// half up at the seventh decimal, negative ones are truncated toward zero. NaN stays NaN.
[[nodiscard]] double RoundSlope6(double slope);

// True when some slope within `spread` of this one might round to another value than it does, and for a
// slope or spread that is not finite.
[[nodiscard]] bool NearSlope6Edge(double slope, double spread);

}  // namespace tmcalc
