#pragma once

#include "units/temperature.h"

#include <array>

class QLineEdit;

namespace tmcalc {

// The five-scale strip of the thermocouple and resistance-thermometer sub-pages: °C, °F, K, °R and °Re
// fields kept in step through Celsius (StripCelsiusFrom, StripScalesFromCelsius).
using TemperatureStripFields = std::array<QLineEdit*, kTemperatureScaleCount>;

// The user edited the strip field `driving` (a scale index): its text is read (empty text empties the
// other four) and the other four show the conversions ("%.07g").
void StripConvertEdited(const TemperatureStripFields& fields, int driving);

// A computation wrote the °C field: the other four follow it. Empty °C text empties them; text that does
// not begin with a number (the out-of-range text, say) counts as NaN and they show the out-of-range text.
void StripFillFromCelsius(const TemperatureStripFields& fields);

}  // namespace tmcalc
