#pragma once

#include "thermocouple/thermocouple_type.h"

namespace tmcalc {

// Reference functions of the working set, reference junction at 0 °C, t in °C (ITS-90).
// Emf is in µV for S to T and in mV for D and C; callers scale. Every failure is a quiet NaN.

// NaN outside the type's range or for an unknown type.
[[nodiscard]] double TcEmf(ThermocoupleType type, double t);

// dE/dt in µV/°C for every type (D and C too). NaN outside the range for S to T; D and C have no outer
// limit and give 0 for a NaN t, so a failed inversion shows 0 rather than an error; 0 for an unknown type.
[[nodiscard]] double TcSlope(ThermocoupleType type, double t);

// Temperature at an emf (µV for S to T, mV for D and C). NaN outside the inverse ranges, when no
// temperature inside TcEmf's range gives that emf, when the D or C iteration fails, or for an unknown type.
[[nodiscard]] double TcTemperature(ThermocoupleType type, double emf);

}  // namespace tmcalc
