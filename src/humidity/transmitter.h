#pragma once

#include <optional>

#include "framework/number_text.h"

namespace tmcalc {

// A linear transmitter maps its conversion range onto its signal range (4~20 mA over 0~100 °C, say).
// Values outside either range are not clamped: 150 on 0~100 gives 28 mA on 4~20.
struct TransmitterRange {
    double low = 0.0;
    double high = 0.0;
};

// A range as typed, "low~high": a missing low reads 0 (as the field reader does), and a text with a
// single number reads high = low, which the conversions then refuse.
[[nodiscard]] TransmitterRange TransmitterRangeFromText(const RangeText& text);

// The signal for a measured value, and the measured value for a signal. Empty when either range has
// equal bounds (the page then writes nothing).
[[nodiscard]] std::optional<double> TransmitterSignal(TransmitterRange signal, TransmitterRange conversion,
                                                      double value);
[[nodiscard]] std::optional<double> TransmitterValue(TransmitterRange signal, TransmitterRange conversion,
                                                     double output);

}  // namespace tmcalc
