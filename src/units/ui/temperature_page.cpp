#include "units/ui/temperature_page.h"

#include "framework/number_text.h"
#include "framework/ui/numeric_edit.h"
#include "resources/string_table.h"
#include "units/temperature.h"

namespace tmcalc {

TemperaturePage::TemperaturePage(QWidget* parent, const QRect& geometry)
    : Page(parent, geometry, kStrFirstNavigationItem, true),
      m_strip(*this, {0, 1, 2, 3, 4}, TemperatureOnEveryScale)
{
    setObjectName(QStringLiteral("TemperaturePage"));
    BuildFieldColumn(kStrTemperatureLabels, kStrTemperatureUnits);
}

void TemperaturePage::Recompute(int id) { m_strip.ConvertEdited(id); }

}  // namespace tmcalc
