#include "rtd/nickel.h"

#include <array>
#include <limits>

#include "rtd/root_finders.h"
#include "units/temperature.h"

namespace tmcalc {
namespace {

constexpr double kNotPhysical = std::numeric_limits<double>::quiet_NaN();

constexpr std::array<NiPreset, kNickelPresetCount> kPresets{{
    {1000, {0.005485, 6.65e-6, 0, 2.805e-11, 0, -2e-17}},           // ND
    {1000, {0.004427, 5.172e-6, 5.585e-9, 0, 0, 0}},                // NL
    {1000, {0.0056472, 6.69504e-6, 5.68816e-9, 0, 0, 0}},           // NJ
    {1000, {0.00588025, 8.28385e-6, 0, 7.67175e-12, 0, 1.49e-16}},  // NA
}};

}  // namespace

std::optional<NiPreset> NickelPreset(int index)
{
    if (index < 1 || index > kNickelPresetCount) return std::nullopt;
    return kPresets[static_cast<std::size_t>(index - 1)];
}

bool NiParametersEntered(double r0, const NiCoefficients& k)
{
    return r0 != 0 && k.c1 != 0 && k.c2 != 0;
}

double NiResistance(double t, double r0, const NiCoefficients& k)
{
    if (!(r0 > 0) || t < kAbsoluteZeroCelsius) return kNotPhysical;
    // Horner's rule from c6 down.
    double w = k.c6;
    w = w * t + k.c5;
    w = w * t + k.c4;
    w = w * t + k.c3;
    w = w * t + k.c2;
    w = w * t + k.c1;
    w = w * t + 1;
    return r0 * w;
}

double NiTemperature(double r, double r0, const NiCoefficients& k)
{
    if (!(r0 > 0) || !(r > 0)) return kNotPhysical;
    const double w = r / r0;
    if (w == 1) return 0.0;
    const double t = SolveSextic(k.c6, k.c5, k.c4, k.c3, k.c2, k.c1, 1 - w, 0);
    return t < kAbsoluteZeroCelsius ? kNotPhysical : t;
}

double NiSlope(double t, double r0, const NiCoefficients& k)
{
    if (!(r0 > 0) || t < kAbsoluteZeroCelsius) return kNotPhysical;
    double d = 6 * k.c6;
    d = d * t + 5 * k.c5;
    d = d * t + 4 * k.c4;
    d = d * t + 3 * k.c3;
    d = d * t + 2 * k.c2;
    d = d * t + k.c1;
    return r0 * d;
}

}  // namespace tmcalc
