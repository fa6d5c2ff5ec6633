#include "resources/string_table.h"
#include "rtd/ui/nickel_sub_page.h"

#include "framework/ui/uncertainty_panel.h"
#include "rtd/rtd_uncertainty.h"

#include "framework/ui/field.h"
#include "framework/number_text.h"
#include "framework/ui/numeric_edit.h"
#include "units/temperature.h"
#include "framework/ui/ui_context.h"
#include "rtd/rtd_page_layout.h"

#include <QRadioButton>

#include <optional>

namespace tmcalc {
namespace {

constexpr int kCoefficientRows = 7;  // c1 to c6 and R0
constexpr int kValueRows = 7;        // five scales, resistance, slope

}  // namespace

NickelSubPage::NickelSubPage(QWidget* parent, const QRect& geometry)
    : Page(parent, geometry, 0, false),
      m_strip(*this, {kNiCelsius, kNiCelsius + 1, kNiCelsius + 2, kNiCelsius + 3, kNiCelsius + 4},
              StripTemperatureOnEveryScale)
{
    setObjectName(QStringLiteral("gyrdzNi"));
    const NickelPageLayout layout = ComputeNickelPageLayout(Ui().geometry, clientArea());
    for (int k = 0; k < kNickelPresetCount; ++k) {
        QRadioButton* button = AddRadioButton(QStringLiteral("preset_"), kStrFirstNiPreset + k,
                                              layout.presets[static_cast<std::size_t>(k)]);
        // Every click loads its preset, also on the button already chosen: that is how a user restores
        // the coefficients after editing them.
        connect(button, &QRadioButton::clicked, this, [this, k] { LoadPreset(k + 1); });
        m_presets[static_cast<std::size_t>(k)] = button;
    }
    BuildFieldGridInRect(layout.coefficients, 1, kCoefficientRows, kNiFirstCoefficient, 0);
    BuildFieldGridInRect(layout.values, 1, kValueRows, kNiCelsius, kStrNiValueUnits);
    // R0 and the computed values show seven digits; the °C field, which the strip also reads after an edit
    // on another scale, keeps the out-of-range text it was given as out of range.
    SetFieldPolicy({kNiR0, kNiResistance, kNiSlope}, {ReadRule::Typed, DisplayFormat::Show(7, 7)});
    SetFieldPolicy({kNiCelsius}, {ReadRule::Written, DisplayFormat::Show(7, 7)});

    m_presets[0]->setChecked(true);
    LoadPreset(1);

    // Uncertainty: resistance and R0 to the strip and the slope, or any scale and R0 to the resistance.
    const auto model = [this](bool fromResistance) {
        return [this, fromResistance] {
            double r0 = 0;
            NiCoefficients k;
            (void)ReadParameters(r0, k);
            return NickelModel(k, fromResistance);
        };
    };
    const std::array<int, 5> strip{kNiCelsius, kNiCelsius + 1, kNiCelsius + 2, kNiCelsius + 3, kNiCelsius + 4};
    UncertaintySetup setup;
    std::vector<UncertaintyOutput> fromR = StripOutputs(strip, 0);
    fromR.push_back({kNiSlope, 1});
    setup.routes.push_back({{kNiResistance}, {{kNiResistance, kNiResistance}, {kNiR0, kNiR0}}, fromR, model(true)});
    for (UncertaintyRoute& r : StripRoutes(strip, {{kNiR0, kNiR0}}, {{kNiResistance, 0}, {kNiSlope, 1}}, model(false)))
        setup.routes.push_back(std::move(r));
    EnableUncertainty(std::move(setup));
}

QRadioButton* NickelSubPage::presetButton(int index) const
{
    return index >= 1 && index <= kNickelPresetCount ? m_presets[static_cast<std::size_t>(index - 1)] : nullptr;
}

void NickelSubPage::LoadPreset(int index)
{
    const std::optional<NiPreset> preset = NickelPreset(index);
    if (!preset) return;
    const NiCoefficients& k = preset->k;
    const double coefficients[] = {k.c1, k.c2, k.c3, k.c4, k.c5, k.c6};
    for (int i = 0; i < 6; ++i) Show(kNiFirstCoefficient + i, coefficients[i]);
    Show(kNiR0, preset->r0);
    // The values shown belonged to the previous characteristic.
    ClearFields(
        {kNiCelsius, kNiCelsius + 1, kNiCelsius + 2, kNiCelsius + 3, kNiCelsius + 4, kNiResistance, kNiSlope});
}

bool NickelSubPage::ReadParameters(double& r0, NiCoefficients& k) const
{
    r0 = Read(kNiR0).value;
    k = {Read(kNiFirstCoefficient).value,     Read(kNiFirstCoefficient + 1).value,
         Read(kNiFirstCoefficient + 2).value, Read(kNiFirstCoefficient + 3).value,
         Read(kNiFirstCoefficient + 4).value, Read(kNiFirstCoefficient + 5).value};
    return NiParametersEntered(r0, k);
}

void NickelSubPage::Recompute(int id)
{
    // The coefficients and R0 start nothing; a changed one counts from the next edit of a value on.
    if (id >= kNiCelsius && id < kNiCelsius + kTemperatureScaleCount) {
        m_strip.ConvertEdited(id);
        TemperatureToResistance(id);
    } else if (id == kNiResistance) {
        ResistanceToTemperature();
    }
}

void NickelSubPage::TemperatureToResistance(int driving)
{
    const CheckedValue typed = Read(driving);
    if (!typed.consumed) {
        ClearFields({kNiResistance, kNiSlope});
        return;
    }
    double r0 = 0;
    NiCoefficients k;
    if (!ReadParameters(r0, k)) return;
    // Typed on another scale, the temperature is the °C text the strip wrote (its seven digits).
    const double t = Read(kNiCelsius).value;
    Show(kNiResistance, NiResistance(t, r0, k));
    Show(kNiSlope, NiSlope(t, r0, k));
}

void NickelSubPage::ResistanceToTemperature()
{
    const CheckedValue typed = Read(kNiResistance);
    if (!typed.consumed) {
        ClearFields({kNiCelsius, kNiSlope});
        m_strip.FollowFirst();
        return;
    }
    double r0 = 0;
    NiCoefficients k;
    if (!ReadParameters(r0, k)) return;
    const double t = NiTemperature(typed.value, r0, k);
    Show(kNiCelsius, t);
    Show(kNiSlope, NiSlope(t, r0, k));
    m_strip.FollowFirst();
}

}  // namespace tmcalc
