#include "thermocouple/ui/work_sub_page.h"

#include "framework/ui/field.h"
#include "framework/number_text.h"
#include "framework/ui/numeric_edit.h"
#include "framework/ui/uncertainty_panel.h"
#include "thermocouple/tc_uncertainty.h"
#include "framework/ui/ui_context.h"
#include "resources/string_table.h"
#include "thermocouple/work_page_math.h"
#include "units/temperature.h"

#include <cmath>
#include <limits>
#include <string>

namespace tmcalc {
namespace {


constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();

}  // namespace

ThermocoupleSubPage::ThermocoupleSubPage(QWidget* parent, const QRect& geometry, ThermocoupleType type)
    : Page(parent, geometry, 0, false), m_type(type), m_strip(*this, {0, 1, 2, 3, 4}, StripTemperatureOnEveryScale)
{
    // The scales share their texts with the temperature page; then emf, differential emf, cold junction.
    BuildInputOutputRows(kStrTemperatureLabels, kStrTemperatureUnits);
    // Temperature and emf are written as well as typed: the out-of-range text a computation left in them
    // stays out of range for the computations that read them next, rather than reading as 0.
    SetFieldPolicy({kTcCelsius, kTcEmf}, {ReadRule::Written, DisplayFormat::G7()});
    // Nothing converts until the cold junction is known; the hint says so while that field is empty.
    edit(kTcColdJunction)->setPlaceholderText(Str(kStrColdJunctionHint));

    // Uncertainty: from the emf and the cold junction (whose edit re-reads the emf) to the strip and the
    // Seebeck coefficient, or from any scale and the cold junction to the emf.
    const std::array<int, 5> strip{0, 1, 2, 3, 4};
    UncertaintySetup setup;
    std::vector<UncertaintyOutput> fromEmf = StripOutputs(strip, 0);
    fromEmf.push_back({kTcSlope, 1});
    setup.routes.push_back({{kTcEmf, kTcColdJunction},
                           {{kTcEmf, kTcEmf}, {kTcColdJunction, kTcColdJunction}},
                           fromEmf,
                           [this] { return WorkTcFromEmfModel(m_type); }});
    for (UncertaintyRoute& r : StripRoutes(strip, {{kTcColdJunction, kTcColdJunction}}, {{kTcEmf, 0}, {kTcSlope, 1}},
                                           [this] { return WorkTcFromTemperatureModel(m_type); }))
        setup.routes.push_back(std::move(r));
    EnableUncertainty(std::move(setup));
}

void ThermocoupleSubPage::Recompute(int id)
{
    if (id >= 0 && id < kTemperatureScaleCount) {
        m_strip.ConvertEdited(id);
        TemperatureToEmf();
    } else if (id == kTcEmf) {
        EmfToTemperature();
        m_strip.FollowFirst();
    } else if (id == kTcColdJunction) {
        // A new cold junction re-reads the emf, never the temperature: with no emf it changes nothing.
        if (edit(kTcEmf)->text().isEmpty()) return;
        EmfToTemperature();
        m_strip.FollowFirst();
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
    // After an edit on another scale the strip may have written the out-of-range text here.
    const double t = Read(kTcCelsius).value;
    const double tc = Read(kTcColdJunction).value;
    if (!WorkPageAccepts(m_type, t)) {
        Show(kTcEmf, kNaN);
        Show(kTcSlope, kNaN);
        return;
    }
    // An emf out of range (a cold junction beyond the type) leaves no slope to show either.
    const double emf = WorkEmfMillivolts(m_type, t, tc);
    Show(kTcEmf, emf);
    Show(kTcSlope, std::isnan(emf) ? kNaN : WorkSlopeShown(m_type, t));
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
    const double e = Read(kTcEmf).value;
    const double t = WorkTemperature(m_type, e, Read(kTcColdJunction).value);
    Show(kTcCelsius, t);
    Show(kTcSlope, WorkSlopeShown(m_type, t));
}

}  // namespace tmcalc
