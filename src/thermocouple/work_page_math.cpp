#include "thermocouple/work_page_math.h"

#include "thermocouple/reference_functions.h"
#include "thermocouple/slope_rounding.h"

#include <array>
#include <cstddef>

namespace tmcalc {
namespace {

// Indexed by ThermocoupleType, S to T.
constexpr std::array<TcTemperatureLimits, 8> kLimits{{
    {-50, 1768.5},  // S
    {-50, 1768.1},  // R
    {0, 1820},      // B
    {-270, 1372},   // K
    {-270, 1300},   // N
    {-210, 1200},   // J
    {-270, 1000},   // E
    {-270, 400},    // T
}};

// The reference functions work in µV for S to T and in mV for D and C.
double MillivoltScale(ThermocoupleType type)
{
    return EmfInMillivolts(type) ? 1.0 : 1000.0;
}

}  // namespace

std::optional<TcTemperatureLimits> WorkPageLimits(ThermocoupleType type)
{
    const auto index = static_cast<std::size_t>(type);
    if (index >= kLimits.size()) return std::nullopt;
    return kLimits[index];
}

bool WorkPageAccepts(ThermocoupleType type, double t)
{
    const auto limits = WorkPageLimits(type);
    return !limits || !(t < limits->lower || t > limits->upper);
}

double WorkEmfMillivolts(ThermocoupleType type, double t, double tc)
{
    return (TcEmf(type, t) - TcEmf(type, tc)) / MillivoltScale(type);
}

double WorkTemperature(ThermocoupleType type, double emfMillivolts, double tc)
{
    return WorkTemperatureAtColdEmf(type, emfMillivolts, WorkColdJunctionEmf(type, tc));
}

double WorkColdJunctionEmf(ThermocoupleType type, double tc) { return TcEmf(type, tc); }

double WorkTemperatureAtColdEmf(ThermocoupleType type, double emfMillivolts, double coldEmf, Evaluation how)
{
    return TcTemperature(type, emfMillivolts * MillivoltScale(type) + coldEmf, how);
}

double WorkSlopeShown(ThermocoupleType type, double t, Evaluation how)
{
    if (how == Evaluation::Horner) {
        const TcSlopeEstimate fast = TcSlopeByHorner(type, t);
        if (!NearSlope6Edge(fast.value, fast.spread)) return RoundSlope6(fast.value);
    }
    return RoundSlope6(TcSlope(type, t));
}

}  // namespace tmcalc
