#include "humidity/transmitter.h"

namespace tmcalc {
namespace {

bool Degenerate(TransmitterRange signal, TransmitterRange conversion)
{
    return conversion.high == conversion.low || signal.high == signal.low;
}

// Signal per unit of the measured value.
double Slope(TransmitterRange signal, TransmitterRange conversion)
{
    return (signal.low - signal.high) / (conversion.low - conversion.high);
}

}  // namespace

TransmitterRange TransmitterRangeFromText(const RangeText& text)
{
    const double low = text.low.value;
    return {low, text.high.consumed ? text.high.value : low};
}

std::optional<double> TransmitterSignal(TransmitterRange signal, TransmitterRange conversion, double value)
{
    if (Degenerate(signal, conversion)) return std::nullopt;
    const double slope = Slope(signal, conversion);
    return signal.low - slope * conversion.low + slope * value;
}

std::optional<double> TransmitterValue(TransmitterRange signal, TransmitterRange conversion, double output)
{
    if (Degenerate(signal, conversion)) return std::nullopt;
    const double slope = Slope(signal, conversion);
    return (output - (signal.low - slope * conversion.low)) / slope;
}

}  // namespace tmcalc
