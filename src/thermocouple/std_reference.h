#pragma once

#include "thermocouple/thermocouple_type.h"

namespace tmcalc {

// The standard S and B calculations work with the published NIST coefficients exactly, in millivolts,
// separately from the working set (whose last digits differ in a few entries). Failures are quiet NaN.

// Emf in mV of type S or B at t °C; NaN outside the range or for any other type.
[[nodiscard]] double StdRefEmf(ThermocoupleType type, double t);

// dE/dt of type B in mV/°C.
[[nodiscard]] double StdRefBSlope(double t);

// Temperature of type B at an emf in mV. Below 700 °C the 250-700 °C inverse is used with no lower bound.
[[nodiscard]] double StdRefBTemperature(double emfMillivolts);

}  // namespace tmcalc
