#pragma once

#include "framework/ui/page.h"
#include "framework/ui/scale_strip.h"
#include "thermocouple/thermocouple_type.h"

namespace tmcalc {

// Field ids of a working thermocouple sub-page; 0-4 are the five-scale strip (°C, °F, K, °R, °Re).
enum ThermocoupleField : int {
    kTcCelsius = 0,
    kTcEmf = 10,           // mV
    kTcSlope = 11,         // µV/°C, shown only
    kTcColdJunction = 12,  // °C
};

// The thermocouple type shown under tab `tab` (0-9: S, R, B, K, N, E, J, T, D, C). The tabs put E before
// J; the type index does not.
[[nodiscard]] ThermocoupleType ThermocoupleTypeOfTab(int tab);

// One sub-page of the work-thermocouple container: temperature on five scales, emf, differential emf and
// cold junction of one type. The ten sub-pages differ only in the type.
class ThermocoupleSubPage : public Page {
public:
    ThermocoupleSubPage(QWidget* parent, const QRect& geometry, ThermocoupleType type);

    [[nodiscard]] ThermocoupleType type() const { return m_type; }

protected:
    void Recompute(int id) override;

private:
    void TemperatureToEmf();
    void EmfToTemperature();

    ThermocoupleType m_type;
    ScaleStrip m_strip;
};

}  // namespace tmcalc
