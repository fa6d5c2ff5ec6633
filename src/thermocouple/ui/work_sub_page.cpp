#include "thermocouple/ui/work_sub_page.h"

#include "framework/ui/field.h"
#include "framework/number_text.h"
#include "framework/ui/numeric_edit.h"
#include "framework/ui/uncertainty_panel.h"
#include "thermocouple/tc_uncertainty.h"
#include "framework/ui/ui_context.h"
#include "resources/string_table.h"
#include "thermocouple/work_page_math.h"

#include <cmath>
#include <limits>
#include <string>

namespace tmcalc {
namespace {


constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();

}  // namespace

ThermocoupleSubPage::ThermocoupleSubPage(QWidget* parent, const QRect& geometry, ThermocoupleType type)
    : Page(parent, geometry, 0, false), m_type(type)
{
    // The scales share their texts with the temperature page; then emf, differential emf, cold junction.
    BuildInputOutputRows(kStrTemperatureLabels, kStrTemperatureUnits);
    for (int i = 0; i < kTemperatureScaleCount; ++i) m_strip[static_cast<std::size_t>(i)] = edit(i);
    // Nothing converts until the cold junction is known; the hint says so while that field is empty.
    edit(kTcColdJunction)->setPlaceholderText(Str(kStrColdJunctionHint));

    // Uncertainty: from the emf and the cold junction (whose edit re-reads the emf) to the strip and the
    // Seebeck coefficient, or from any scale and the cold junction to the emf.
    const std::array<int, 5> strip{0, 1, 2, 3, 4};
    UncertaintySpec spec;
    std::vector<UncertaintyOutput> fromEmf = StripOutputs(strip, 0);
    fromEmf.push_back({kTcSlope, 1});
    spec.routes.push_back({{kTcEmf, kTcColdJunction},
                           {{kTcEmf, kTcEmf}, {kTcColdJunction, kTcColdJunction}},
                           fromEmf,
                           [this] { return WorkTcFromEmfModel(m_type); }});
    for (UncertaintyRoute& r : StripRoutes(strip, {{kTcColdJunction, kTcColdJunction}}, {{kTcEmf, 0}, {kTcSlope, 1}},
                                           [this] { return WorkTcFromTemperatureModel(m_type); }))
        spec.routes.push_back(std::move(r));
    EnableUncertainty(std::move(spec));
}

void ThermocoupleSubPage::Recompute(int id)
{
    if (id >= 0 && id < kTemperatureScaleCount) {
        StripConvertEdited(m_strip, id);
        TemperatureToEmf();
    } else if (id == kTcEmf) {
        EmfToTemperature();
        StripFillFromCelsius(m_strip);
    } else if (id == kTcColdJunction) {
        // A new cold junction re-reads the emf, never the temperature: with no emf it changes nothing.
        if (edit(kTcEmf)->text().isEmpty()) return;
        EmfToTemperature();
        StripFillFromCelsius(m_strip);
    }
}

void ThermocoupleSubPage::TemperatureToEmf()
{
    // Read back from the text, so after an edit on another scale t is the seven digits the strip wrote.
    const std::u16string temperature = FieldText(edit(kTcCelsius));
    if (temperature.empty()) {
        ClearFields({kTcEmf, kTcSlope});
        return;
    }
    const std::u16string coldJunction = FieldText(edit(kTcColdJunction));
    if (coldJunction.empty()) return;
    // After an edit on another scale the strip may have written the out-of-range text here: that stays
    // out of range rather than reading as 0 °C.
    const double t = ReadField(edit(kTcCelsius), ReadRule::Written).value;
    const double tc = Read(kTcColdJunction).value;
    if (!WorkPageAccepts(m_type, t)) {
        ShowValueG7(edit(kTcEmf), kNaN);
        ShowValueG7(edit(kTcSlope), kNaN);
        return;
    }
    // An emf out of range (a cold junction beyond the type) leaves no slope to show either.
    const double emf = WorkEmfMillivolts(m_type, t, tc);
    ShowValueG7(edit(kTcEmf), emf);
    ShowValueG7(edit(kTcSlope), std::isnan(emf) ? kNaN : WorkSlopeShown(m_type, t));
}

void ThermocoupleSubPage::EmfToTemperature()
{
    const std::u16string emf = FieldText(edit(kTcEmf));
    if (emf.empty()) {
        ClearFields({kTcCelsius, kTcSlope});
        return;
    }
    const std::u16string coldJunction = FieldText(edit(kTcColdJunction));
    if (coldJunction.empty()) return;
    // The whole text counts; text without a number reads as 0 mV, but the out-of-range text (left by a
    // temperature outside the type's range) stays out of range when the cold junction changes.
    const double e = ReadField(edit(kTcEmf), ReadRule::Written).value;
    const double t = WorkTemperature(m_type, e, Read(kTcColdJunction).value);
    ShowValueG7(edit(kTcCelsius), t);
    ShowValueG7(edit(kTcSlope), WorkSlopeShown(m_type, t));
}

}  // namespace tmcalc
