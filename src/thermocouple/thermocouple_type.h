#pragma once

namespace tmcalc {

// Index of the working set. The work page lists E before J; this order does not, and the index is what
// the pages pass around.
enum class ThermocoupleType : int { S = 0, R = 1, B = 2, K = 3, N = 4, J = 5, E = 6, T = 7, D = 8, C = 9 };

inline constexpr int kThermocoupleTypeCount = 10;

[[nodiscard]] constexpr bool IsKnownType(ThermocoupleType type)
{
    const int index = static_cast<int>(type);
    return index >= 0 && index < kThermocoupleTypeCount;
}

// The tungsten-rhenium types D and C work in millivolts; S to T work in microvolts.
[[nodiscard]] constexpr bool EmfInMillivolts(ThermocoupleType type)
{
    return type == ThermocoupleType::D || type == ThermocoupleType::C;
}

}  // namespace tmcalc
