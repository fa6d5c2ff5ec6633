#include "units/ui/historic_scales_page.h"

#include "resources/string_ids.h"
#include "units/historic_scales.h"

#include <cstddef>
#include <vector>

namespace tmcalc {

HistoricScalesPage::HistoricScalesPage(QWidget* parent, const QRect& geometry)
    : Page(parent, geometry, kStrTitleHistoricScales, true)
{
    setObjectName(QStringLiteral("HistoricScalesPage"));
    // Four decimals: the published differences are good to about a millikelvin.
    BuildFieldGrid(kHistoricScaleCount, 1, kStrHistoricScaleLabels, kStrHistoricScaleUnits,
                   {ReadRule::Typed, DisplayFormat::Show(10, 4)});
}

void HistoricScalesPage::Recompute(int id)
{
    const CheckedValue typed = Read(id);
    if (!typed.consumed) {
        std::vector<int> others;
        for (int i = 0; i < kHistoricScaleCount; ++i) {
            if (i != id) others.push_back(i);
        }
        ClearFields(others);
        return;
    }
    const auto values = ConvertHistoric(static_cast<HistoricScale>(id), typed.value);
    for (int i = 0; i < kHistoricScaleCount; ++i) {
        if (i != id) Show(i, values[static_cast<std::size_t>(i)]);
    }
}

}  // namespace tmcalc
