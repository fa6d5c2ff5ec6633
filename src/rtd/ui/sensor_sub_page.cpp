#include "resources/string_table.h"
#include "rtd/ui/sensor_sub_page.h"

#include "framework/ui/field.h"
#include "framework/number_text.h"
#include "framework/ui/numeric_edit.h"
#include "framework/ui/uncertainty_panel.h"
#include "rtd/rtd_uncertainty.h"
#include "units/temperature.h"

#include <string>

namespace tmcalc {

RtdSensorSubPage::RtdSensorSubPage(QWidget* parent, const QRect& geometry, const RtdSensorPage& sensor)
    : Page(parent, geometry, 0, false), m_sensor(sensor), m_strip(*this, {0, 1, 2, 3, 4}, StripTemperatureOnEveryScale)
{
    setObjectName(QString::fromLatin1(sensor.objectName.data(), static_cast<qsizetype>(sensor.objectName.size())));
    BuildInputOutputRows(kStrRtdSensorLabels, kStrRtdSensorUnits);
    // The °C text is read back after the strip wrote it: its out-of-range text stays out of range.
    SetFieldPolicy({kRtdCelsius}, {ReadRule::Written, DisplayFormat::G7()});

    NumericEdit* r0 = edit(kRtdR0);
    r0->setText(QString::fromLatin1(sensor.r0Text.data(), static_cast<qsizetype>(sensor.r0Text.size())));
    r0->setEnabled(sensor.r0Editable);  // a fixed R0 shows greyed out

    // Uncertainty: from the resistance (and R0) to the strip and the slope, or from any scale back.
    const std::array<int, 5> strip{0, 1, 2, 3, 4};
    UncertaintySetup setup;
    std::vector<UncertaintyOutput> fromR = StripOutputs(strip, 0);
    fromR.push_back({kRtdSlope, 1});
    setup.routes.push_back({{kRtdResistance}, {{kRtdResistance, kRtdResistance}, {kRtdR0, kRtdR0}}, fromR,
                           [this] { return RtdFromResistanceModel(m_sensor); }});
    // (The strip's other scales are the typed temperature itself, not a result: they get no U box.)
    for (UncertaintyRoute& r : StripRoutes(strip, {{kRtdR0, kRtdR0}}, {{kRtdResistance, 0}, {kRtdSlope, 1}},
                                           [this] { return RtdFromTemperatureModel(m_sensor.metal); }))
        setup.routes.push_back(std::move(r));
    EnableUncertainty(std::move(setup));
}

void RtdSensorSubPage::Recompute(int id)
{
    // R0 (PtX) and the slope start nothing: a new R0 counts from the next edit of a temperature or of the
    // resistance on.
    if (id >= 0 && id < kTemperatureScaleCount) {
        m_strip.ConvertEdited(id);
        TemperatureToResistance();
    } else if (id == kRtdResistance) {
        ResistanceToTemperature();
        m_strip.FollowFirst();
    }
}

void RtdSensorSubPage::TemperatureToResistance()
{
    NumericEdit* celsius = edit(kRtdCelsius);
    if (celsius->text().isEmpty()) {
        ClearFields({kRtdResistance, kRtdSlope});
        return;
    }
    // Junk reads as 0; typed on another scale the °C text is what the strip wrote, and its out-of-range
    // text stays out of range.
    const double t = Read(kRtdCelsius).value;
    const double r0 = Read(kRtdR0).value;
    const RtdShownTexts shown = RtdTextsFromTemperature(m_sensor.metal, t, r0);
    edit(kRtdResistance)->setText(QString::fromStdString(shown.value));
    edit(kRtdSlope)->setText(QString::fromStdString(shown.slope));
}

void RtdSensorSubPage::ResistanceToTemperature()
{
    const std::u16string resistance = FieldText(edit(kRtdResistance));
    if (resistance.empty()) {
        ClearFields({kRtdCelsius, kRtdSlope});
        return;
    }
    const double r0 = Read(kRtdR0).value;
    const RtdShownTexts shown = RtdTextsFromResistance(m_sensor, Read(kRtdResistance).value, r0);
    edit(kRtdCelsius)->setText(QString::fromStdString(shown.value));
    edit(kRtdSlope)->setText(QString::fromStdString(shown.slope));
}

}  // namespace tmcalc
