#pragma once

#include "thermocouple/power_series.h"
#include "thermocouple/thermocouple_type.h"

namespace tmcalc {

// Reference functions of the working set, reference junction at 0 °C, t in °C (ITS-90).
// Emf is in µV for S to T and in mV for D and C; callers scale. Every failure is a quiet NaN.

// NaN outside the type's range or for an unknown type.
[[nodiscard]] double TcEmf(ThermocoupleType type, double t);

// dE/dt in µV/°C for every type (D and C too). NaN outside the range for S to T; D and C have no outer
// limit and give 0 for a NaN t, so a failed inversion shows 0 rather than an error; 0 for an unknown type.
[[nodiscard]] double TcSlope(ThermocoupleType type, double t);

// TcSlope by Horner's rule, for batches that want speed: `spread` bounds how far `value` can lie from
// TcSlope(type, t), so a caller that rounds can tell when the two might round apart.
struct TcSlopeEstimate {
    double value;
    double spread;
};
[[nodiscard]] TcSlopeEstimate TcSlopeByHorner(ThermocoupleType type, double t);

// Temperature at an emf (µV for S to T, mV for D and C). NaN outside the inverse ranges, when no
// temperature inside TcEmf's range gives that emf, when the D or C iteration fails, or for an unknown type.
// `how` applies to the inverse polynomials where they are the answer; the iterations always evaluate term
// by term, so Horner's rule never moves where one stops.
[[nodiscard]] double TcTemperature(ThermocoupleType type, double emf, Evaluation how = Evaluation::TermByTerm);

}  // namespace tmcalc
