#include "resources/string_table.h"
#include "rtd/ui/sensor_sub_page.h"

#include "framework/ui/field.h"
#include "framework/number_text.h"
#include "framework/ui/numeric_edit.h"

#include <string>

namespace tmcalc {

RtdSensorSubPage::RtdSensorSubPage(QWidget* parent, const QRect& geometry, const RtdSensorPage& sensor)
    : Page(parent, geometry, 0, false), m_sensor(sensor)
{
    setObjectName(QString::fromLatin1(sensor.objectName.data(), static_cast<qsizetype>(sensor.objectName.size())));
    BuildInputOutputRows(kStrRtdSensorLabels, kStrRtdSensorUnits);
    for (int i = 0; i < kTemperatureScaleCount; ++i) m_strip[static_cast<std::size_t>(i)] = edit(i);

    NumericEdit* r0 = edit(kRtdR0);
    r0->setText(QString::fromLatin1(sensor.r0Text.data(), static_cast<qsizetype>(sensor.r0Text.size())));
    r0->setEnabled(sensor.r0Editable);  // a fixed R0 shows greyed out
}

void RtdSensorSubPage::Recompute(int id)
{
    // R0 (PtX) and the slope start nothing: a new R0 counts from the next edit of a temperature or of the
    // resistance on.
    if (id >= 0 && id < kTemperatureScaleCount) {
        StripConvertEdited(m_strip, id);
        TemperatureToResistance(id);
    } else if (id == kRtdResistance) {
        ResistanceToTemperature();
        StripFillFromCelsius(m_strip);
    }
}

void RtdSensorSubPage::TemperatureToResistance(int driving)
{
    NumericEdit* celsius = edit(kRtdCelsius);
    if (celsius->text().isEmpty()) {
        ClearFields({kRtdResistance, kRtdSlope});
        return;
    }
    // Typed on °C the text reads as a user's text does (junk as 0). Typed on another scale the °C text is
    // what the strip wrote, and its out-of-range text (a pasted "nan") stays out of range.
    const double t = ReadField(celsius, driving == kRtdCelsius ? ReadRule::Typed : ReadRule::Written).value;
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
