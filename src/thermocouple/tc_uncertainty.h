#pragma once

#include "framework/uncertainty.h"
#include "thermocouple/std_type_b.h"
#include "thermocouple/std_type_s.h"
#include "thermocouple/thermocouple_type.h"

namespace tmcalc {

// The thermocouple conversions as uncertainty models, shared by the pages and the command line. Input
// and output names are the command line's columns and options; emf in mV, temperatures in °C, the Seebeck
// coefficient in µV/°C.

// Working thermocouple, emf and cold junction to temperature: inputs {emf_mV, cold}, outputs {t_C,
// seebeck_uV_per_C}. The temperature's sensitivities are analytic: dt/dE = 1/S(t) and
// dt/dt_cold = S(t_cold)/S(t), S the reference function's slope.
[[nodiscard]] UncertaintyModel WorkTcFromEmfModel(ThermocoupleType type);
// Temperature and cold junction to emf: inputs {t_C, cold}, outputs {emf_mV, seebeck_uV_per_C};
// dE/dt = S(t), dE/dt_cold = -S(t_cold).
[[nodiscard]] UncertaintyModel WorkTcFromTemperatureModel(ThermocoupleType type);

// The standard type S and B sub-pages, both ways, by central differences of the page arithmetic (their
// deviation functions have no slope of their own in the code): inputs {emf_mV or t_C, cold}, outputs
// {t_C or emf_mV, seebeck_uV_per_C}.
[[nodiscard]] UncertaintyModel StdSModel(const StdSFixedPoints& points, bool fromEmf);
[[nodiscard]] UncertaintyModel StdBModel(const StdBCalibration& calibration, bool fromEmf);

}  // namespace tmcalc
