#pragma once

#include "standards/standard_records.h"

#include <optional>
#include <string_view>

namespace tmcalc {

// The three forms of the conversion sub-page, in the order of its mode buttons and of the standards'
// "Method" (1, 2, 3).
enum class NtcMode : int {
    Beta = 0,
    SteinhartHart = 1,
    Extended = 2,
};

// The coefficients of a panel as its fields read (a field without a number reads 0). β mode uses R25 and β,
// Steinhart-Hart A, B and C, the extended mode all four of A to D.
struct NtcPanelValues {
    double r25 = 0.0;
    double beta = 0.0;
    double a = 0.0;
    double b = 0.0;
    double c = 0.0;
    double d = 0.0;
};

// The temperature (°C) of resistance `r` (Ω), or the resistance of temperature `t`, in the given mode; an
// empty optional when a coefficient is a zero the mode refuses (nothing is written then). NaN (out of
// range) for a resistance of zero or less, a negative R25, a temperature below absolute zero either way.
[[nodiscard]] std::optional<double> NtcPanelTemperature(NtcMode mode, const NtcPanelValues& v, double r);
[[nodiscard]] std::optional<double> NtcPanelResistance(NtcMode mode, const NtcPanelValues& v, double t);

// A standard's "Method" text as a mode: it must read (ReadFieldValueChecked, the whole text) as a number
// that is exactly 1, 2 or 3, so "2", " 2" and "2.0" are 2; "1.5", "4", "" and "two" give no mode.
[[nodiscard]] std::optional<NtcMode> NtcModeFromMethod(std::u16string_view method);

// What choosing a standard does to the conversion sub-page: select `mode` and empty its resistance and
// temperature; when `fill`, also write the mode's coefficients from `values`. `fill` needs a number in R25
// and a nonzero R25 and β (β mode), nonzero A, B and C (Steinhart-Hart), nonzero A, B and D (extended, where
// C may be 0); otherwise the coefficients on the page stay as they are.
struct NtcStandardLoad {
    NtcMode mode = NtcMode::Beta;
    bool fill = false;
    NtcPanelValues values;
};
// Empty when the record's "Method" names no mode: the page then changes nothing but the tab.
[[nodiscard]] std::optional<NtcStandardLoad> NtcLoadFromStandard(const StandardRecord& record);

}  // namespace tmcalc
