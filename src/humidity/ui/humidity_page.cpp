#include "humidity/ui/humidity_page.h"

#include "framework/number_text.h"
#include "framework/ui/numeric_edit.h"
#include "humidity/humidity.h"
#include "humidity/humidity_pages.h"
#include "humidity/humidity_uncertainty.h"
#include "framework/ui/uncertainty_panel.h"
#include "resources/string_table.h"

#include <vector>

namespace tmcalc {
namespace {

constexpr int kTemperatureField = 0;
constexpr int kPressureField = 1;
// The wet-basis concentration carries the moisture while the air's temperature or pressure changes.
constexpr int kCarrierField = kHumidityPpmvWet;

}  // namespace

HumidityPage::HumidityPage(QWidget* parent, const QRect& geometry)
    : Page(parent, geometry, kStrTitleHumidity, true)
{
    setObjectName(QStringLiteral("HumidityPage"));
    BuildFieldGridInRect(HumidityGridRect(clientArea()), 2, 6, kStrHumidityLabels, kStrHumidityUnits,
                         {ReadRule::Typed, DisplayFormat::Show(6, 7)});
    edit(FieldId(kTemperatureField))->setText(QStringLiteral("20"));
    Show(FieldId(kPressureField), 996);

    // Uncertainty: the typed quantity, the air temperature and the pressure to every other quantity; an
    // edit of the air's temperature or pressure converts the carrier.
    UncertaintySetup setup;
    for (int kind = kHumidityRelative; kind <= kHumidityEnthalpy; ++kind) {
        UncertaintyRoute route;
        route.drivers = {FieldId(kind)};
        if (kind == kCarrierField) route.drivers.insert(route.drivers.end(), {FieldId(kTemperatureField), FieldId(kPressureField)});
        for (const int k : {kind, kTemperatureField, kPressureField}) route.inputs.push_back({FieldId(k), FieldId(k)});
        for (int j = kHumidityRelative; j <= kHumidityEnthalpy; ++j)
            if (j != kind) route.outputs.push_back({FieldId(j), j - kHumidityRelative});
        route.model = [kind] { return HumidityModel(kind); };
        setup.routes.push_back(std::move(route));
    }
    EnableUncertainty(std::move(setup));
}

int HumidityPage::FieldId(int k) { return kStrHumidityLabels + k; }

void HumidityPage::ClearQuantitiesExcept(int k) const
{
    std::vector<int> ids;
    for (int j = kHumidityRelative; j <= kHumidityEnthalpy; ++j) {
        if (j != k) ids.push_back(FieldId(j));
    }
    ClearFields(ids);
}

void HumidityPage::Recompute(int id)
{
    const int k = id - kStrHumidityLabels;
    const CheckedValue t = Read(FieldId(kTemperatureField));
    const CheckedValue pressure = Read(FieldId(kPressureField));
    const CheckedValue typed = Read(id);
    if (!t.consumed || !pressure.consumed || !typed.consumed) {
        ClearQuantitiesExcept(k);
        return;
    }
    int kind = k;
    double x = typed.value;
    if (k == kTemperatureField || k == kPressureField) {
        kind = kCarrierField;
        const CheckedValue carried = Read(FieldId(kCarrierField));
        x = carried.consumed ? carried.value : 0.0;
        if (!carried.consumed) Show(FieldId(kCarrierField), 0.0);
    }
    const auto values = HumidityQuantities(kind, x, t.value, pressure.value);
    for (int j = kHumidityRelative; j <= kHumidityEnthalpy; ++j) {
        if (j != kind) Show(FieldId(j), values[static_cast<std::size_t>(j)]);
    }
}

}  // namespace tmcalc
