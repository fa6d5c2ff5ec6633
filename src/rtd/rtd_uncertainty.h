#pragma once

#include "framework/uncertainty.h"
#include "rtd/nickel.h"
#include "rtd/rtd_page_math.h"
#include "rtd/sprt.h"

namespace tmcalc {

// The resistance thermometer conversions as uncertainty models, shared by the pages and the command
// line (names are its columns and options). Resistances in Ω, temperatures in °C.

// Platinum and copper sub-pages, resistance and R0 to temperature: inputs {r_ohm, r0}, outputs {t_C,
// slope_ohm_per_C}. Analytic: dt/dR = 1/(dR/dt), dt/dR0 = -(R/R0)/(dR/dt), since R = R0·f(t).
[[nodiscard]] UncertaintyModel RtdFromResistanceModel(const RtdSensorPage& page);
// Temperature and R0 to resistance: inputs {t_C, r0}, outputs {r_ohm, slope_ohm_per_C}; dR/dR0 = R/R0.
[[nodiscard]] UncertaintyModel RtdFromTemperatureModel(RtdMetal metal);

// Nickel with its six coefficients, the same both ways (inputs {r_ohm or t_C, r0}).
[[nodiscard]] UncertaintyModel NickelModel(const NiCoefficients& k, bool fromResistance);

// Standard platinum thermometer, resistance and R(TPW) to temperature: inputs {r_ohm, rtp}, outputs
// {t_C, W, dW_dt_per_C, dR_dt_ohm_per_C}; dt/dR = 1/(dR/dt) and dt/dR(TPW) = -(W/R(TPW))/(dW/dt). The
// other way inputs {t_C, rtp}, outputs {r_ohm, W, dW_dt_per_C, dR_dt_ohm_per_C}; dR/dt as the
// conversion gives it and dR/dR(TPW) = W.
[[nodiscard]] UncertaintyModel SprtModel(const SprtCoefficientSet& set, bool fromResistance);

}  // namespace tmcalc
