#include "units/ui/temperature_page.h"

#include "framework/number_text.h"
#include "framework/ui/numeric_edit.h"
#include "resources/string_table.h"
#include "units/temperature.h"

namespace tmcalc {

TemperaturePage::TemperaturePage(QWidget* parent, const QRect& geometry)
    : Page(parent, geometry, kStrFirstNavigationItem, true)
{
    setObjectName(QStringLiteral("TemperaturePage"));
    BuildFieldColumn(kStrTemperatureLabels, kStrTemperatureUnits);
}

void TemperaturePage::Recompute(int id)
{
    const std::u16string text = FieldText(edit(id));
    if (text.empty()) {
        for (int i = 0; i < kTemperatureScaleCount; ++i) {
            if (i != id) edit(i)->clear();
        }
        return;
    }
    const auto values = ConvertTemperature(static_cast<TemperatureScale>(id), ReadFieldValue(text));
    for (int i = 0; i < kTemperatureScaleCount; ++i) {
        if (i != id) ShowValueG7(edit(i), values[static_cast<std::size_t>(i)]);
    }
}

}  // namespace tmcalc
