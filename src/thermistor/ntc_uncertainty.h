#pragma once

#include "framework/uncertainty.h"
#include "thermistor/ntc_page_math.h"

namespace tmcalc {

// The thermistor conversions as uncertainty models, shared by the page and the command line, by central
// differences. In the β mode R25 and β are inputs too: {r_ohm or t_C, r25, beta}; the Steinhart-Hart
// and extended modes have the converted value alone. Outputs {t_C} or {r_ohm}.
[[nodiscard]] UncertaintyModel NtcModel(NtcMode mode, const NtcPanelValues& values, bool fromTemperature);

}  // namespace tmcalc
