#pragma once

#include "thermocouple/power_series.h"
#include "thermocouple/thermocouple_type.h"

#include <optional>

namespace tmcalc {

// The arithmetic of the working thermocouple sub-pages, which show emf in mV and the differential emf in
// µV/°C whatever unit the reference functions use. Free of widgets so that it can be checked directly.

// The temperatures (°C) a sub-page accepts before it computes an emf.
struct TcTemperatureLimits {
    double lower;
    double upper;
};

// Types S to T only; D and C have no test of their own. S deliberately takes up to 1768.5 °C, where R
// stops at 1768.1.
[[nodiscard]] std::optional<TcTemperatureLimits> WorkPageLimits(ThermocoupleType type);

// False only for a temperature strictly outside the limits, so a NaN passes here and shows as out of
// range from the functions themselves.
[[nodiscard]] bool WorkPageAccepts(ThermocoupleType type, double t);

// Emf in mV of the measuring junction at t °C against the cold junction at tc °C; no range test of t.
[[nodiscard]] double WorkEmfMillivolts(ThermocoupleType type, double t, double tc);

// Temperature in °C of the measuring junction for a measured emf in mV and the cold junction at tc °C.
[[nodiscard]] double WorkTemperature(ThermocoupleType type, double emfMillivolts, double tc);
// The same in two parts, for many readings at one cold junction: the cold junction's reference emf once,
// then each reading added to it (the same result to the last bit).
[[nodiscard]] double WorkColdJunctionEmf(ThermocoupleType type, double tc);
[[nodiscard]] double WorkTemperatureAtColdEmf(ThermocoupleType type, double emfMillivolts, double coldEmf,
                                              Evaluation how = Evaluation::TermByTerm);

// The differential emf as shown, µV/°C to six decimals (see RoundSlope6). With Horner's rule the result is
// the same: where the faster slope might round apart from the term-by-term one, that one is used.
[[nodiscard]] double WorkSlopeShown(ThermocoupleType type, double t, Evaluation how = Evaluation::TermByTerm);

}  // namespace tmcalc
