#pragma once

#include "framework/uncertainty.h"

#include <string_view>

namespace tmcalc {

// The command line's name of humidity quantity `kind` (2-11): rh, dewpoint, wetbulb, es, e, ppmv-dry,
// ppmv-wet, absolute, mixing, enthalpy; empty for any other kind.
[[nodiscard]] std::string_view HumidityKindName(int kind);

// Every humidity quantity from one, as an uncertainty model for the page and the command line, by
// central differences: inputs {in_<kind>, t, pressure} (the given quantity, the air temperature in °C and
// the total pressure in hPa), outputs the ten quantities in kind order, named as HumidityKindName.
[[nodiscard]] UncertaintyModel HumidityModel(int kind);

}  // namespace tmcalc
