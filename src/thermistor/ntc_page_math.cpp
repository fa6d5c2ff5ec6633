#include "thermistor/ntc_page_math.h"

#include "framework/number_text.h"
#include "framework/utf_text.h"
#include "thermistor/ntc_conversions.h"
#include "units/temperature.h"

#include <limits>

namespace tmcalc {

namespace {

constexpr double kOutOfRange = std::numeric_limits<double>::quiet_NaN();

// Nothing is colder than absolute zero, and a resistance is positive: outside that the panel shows out of
// range, whatever a formula would give there (-278.9 °C from 1e-300 Ω, a resistance at -300 °C).
std::optional<double> Physical(std::optional<double> value, bool inputPhysical)
{
    if (!value) return value;
    if (!inputPhysical || *value < kAbsoluteZeroCelsius) return kOutOfRange;
    return value;
}

}  // namespace

std::optional<double> NtcPanelTemperature(NtcMode mode, const NtcPanelValues& v, double r)
{
    switch (mode) {
        case NtcMode::Beta:
            return Physical(NtcBetaTemperature(v.r25, v.beta, r > 0 ? r : 1.0), r > 0 && v.r25 > 0);
        case NtcMode::SteinhartHart:
            return Physical(NtcShTemperature(v.a, v.b, v.c, r > 0 ? r : 1.0), r > 0);
        case NtcMode::Extended:
            return Physical(NtcShxTemperature(v.a, v.b, v.c, v.d, r > 0 ? r : 1.0), r > 0);
    }
    return std::nullopt;
}

std::optional<double> NtcPanelResistance(NtcMode mode, const NtcPanelValues& v, double t)
{
    const bool above = !(t < kAbsoluteZeroCelsius);
    switch (mode) {
        case NtcMode::Beta: {
            const std::optional<double> r = NtcBetaResistance(v.r25, v.beta, t);
            return r && (v.r25 < 0 || !above) ? std::optional<double>(kOutOfRange) : r;
        }
        case NtcMode::SteinhartHart: {
            const std::optional<double> r = NtcShResistance(v.a, v.b, v.c, t);
            return r && !above ? std::optional<double>(kOutOfRange) : r;
        }
        case NtcMode::Extended: {
            const std::optional<double> r = NtcShxResistance(v.a, v.b, v.c, v.d, t);
            return r && !above ? std::optional<double>(kOutOfRange) : r;
        }
    }
    return std::nullopt;
}

std::optional<NtcMode> NtcModeFromMethod(std::u16string_view method)
{
    const CheckedValue m = ReadFieldValueChecked(method);
    if (!m.consumed) return std::nullopt;
    if (m.value == 1.0) return NtcMode::Beta;
    if (m.value == 2.0) return NtcMode::SteinhartHart;
    if (m.value == 3.0) return NtcMode::Extended;
    return std::nullopt;
}

std::optional<NtcStandardLoad> NtcLoadFromStandard(const StandardRecord& record)
{
    const auto text = [&record](std::string_view key) { return Utf8ToUtf16(record.Value(key)); };
    const std::optional<NtcMode> mode = NtcModeFromMethod(text("Method"));
    if (!mode) return std::nullopt;

    NtcStandardLoad load;
    load.mode = *mode;
    const CheckedValue r25 = ReadFieldValueChecked(text("R25"));
    NtcPanelValues& v = load.values;
    v.r25 = r25.value;
    v.beta = ReadFieldValue(text("Beta"));
    v.a = ReadFieldValue(text("A"));
    v.b = ReadFieldValue(text("B"));
    v.c = ReadFieldValue(text("C"));
    v.d = ReadFieldValue(text("D"));
    switch (*mode) {
        case NtcMode::Beta:
            load.fill = r25.consumed && v.r25 != 0.0 && v.beta != 0.0;
            break;
        case NtcMode::SteinhartHart:
            load.fill = v.a != 0.0 && v.b != 0.0 && v.c != 0.0;
            break;
        case NtcMode::Extended:
            // C may be zero: the extended form without its square term is still a thermistor curve.
            load.fill = v.a != 0.0 && v.b != 0.0 && v.d != 0.0;
            break;
    }
    return load;
}

}  // namespace tmcalc
