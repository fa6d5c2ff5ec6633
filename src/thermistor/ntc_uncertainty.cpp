#include "thermistor/ntc_uncertainty.h"

#include <limits>

namespace tmcalc {

UncertaintyModel NtcModel(NtcMode mode, const NtcPanelValues& values, bool fromTemperature)
{
    UncertaintyModel m;
    m.inputs = {fromTemperature ? "t_C" : "r_ohm"};
    if (mode == NtcMode::Beta) {
        m.inputs.emplace_back("r25");
        m.inputs.emplace_back("beta");
    }
    m.outputs = {fromTemperature ? "r_ohm" : "t_C"};
    m.evaluate = [mode, values, fromTemperature](std::span<const double> x) {
        NtcPanelValues v = values;
        if (mode == NtcMode::Beta) {
            v.r25 = x[1];
            v.beta = x[2];
        }
        const std::optional<double> y =
            fromTemperature ? NtcPanelResistance(mode, v, x[0]) : NtcPanelTemperature(mode, v, x[0]);
        return std::vector<double>{y.value_or(std::numeric_limits<double>::quiet_NaN())};
    };
    return m;
}

}  // namespace tmcalc
