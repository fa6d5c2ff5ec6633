#include "humidity/humidity_uncertainty.h"

#include "humidity/humidity.h"
#include "humidity/humidity_pages.h"

#include <array>

namespace tmcalc {

std::string_view HumidityKindName(int kind)
{
    static constexpr std::array<std::string_view, 10> kNames{"rh",       "dewpoint", "wetbulb",  "es",     "e",
                                                             "ppmv-dry", "ppmv-wet", "absolute", "mixing", "enthalpy"};
    if (kind < kHumidityRelative || kind > kHumidityEnthalpy) return {};
    return kNames[static_cast<std::size_t>(kind - kHumidityRelative)];
}

UncertaintyModel HumidityModel(int kind)
{
    UncertaintyModel m;
    m.inputs = {"in_" + std::string(HumidityKindName(kind)), "t", "pressure"};
    for (int j = kHumidityRelative; j <= kHumidityEnthalpy; ++j) m.outputs.emplace_back(HumidityKindName(j));
    m.evaluate = [kind](std::span<const double> x) {
        const auto all = HumidityQuantities(kind, x[0], x[1], x[2]);
        return std::vector<double>(all.begin() + kHumidityRelative, all.end());
    };
    return m;
}

}  // namespace tmcalc
