#include "units/ui/temperature_strip.h"

#include "framework/ui/field.h"
#include "framework/number_text.h"

#include <QLineEdit>

#include <limits>

namespace tmcalc {

void StripConvertEdited(const TemperatureStripFields& fields, int driving)
{
    if (driving < 0 || driving >= kTemperatureScaleCount) return;
    const std::u16string text = FieldText(fields[static_cast<std::size_t>(driving)]);
    if (text.empty()) {
        for (int i = 0; i < kTemperatureScaleCount; ++i) {
            if (i != driving) fields[static_cast<std::size_t>(i)]->clear();
        }
        return;
    }
    const double celsius = StripCelsiusFrom(static_cast<TemperatureScale>(driving), ReadFieldValue(text));
    const auto scales = StripScalesFromCelsius(celsius);
    for (int i = 0; i < kTemperatureScaleCount; ++i) {
        if (i != driving) ShowValueG7(fields[static_cast<std::size_t>(i)], scales[static_cast<std::size_t>(i)]);
    }
}

void StripFillFromCelsius(const TemperatureStripFields& fields)
{
    const std::u16string text = FieldText(fields[0]);
    if (text.empty()) {
        for (int i = 1; i < kTemperatureScaleCount; ++i) fields[static_cast<std::size_t>(i)]->clear();
        return;
    }
    const CheckedValue read = ReadFieldValueChecked(text);
    const auto scales =
        StripScalesFromCelsius(read.consumed ? read.value : std::numeric_limits<double>::quiet_NaN());
    for (int i = 1; i < kTemperatureScaleCount; ++i)
        ShowValueG7(fields[static_cast<std::size_t>(i)], scales[static_cast<std::size_t>(i)]);
}

}  // namespace tmcalc
