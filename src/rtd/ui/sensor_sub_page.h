#pragma once

#include "framework/ui/page.h"
#include "framework/ui/scale_strip.h"
#include "rtd/rtd_page_math.h"

namespace tmcalc {

// Field ids of the Pt100, Pt50, PtX, Cu100 and Cu50 sub-pages; 0-4 are the five-scale strip (°C, °F, K,
// °R, °Re).
enum RtdSensorField : int {
    kRtdCelsius = 0,
    kRtdResistance = 10,  // Ω, typed or computed
    kRtdSlope = 11,       // Ω/°C, shown only
    kRtdR0 = 12,          // Ω, editable on PtX only
};


// One temperature sub-page of the work resistance thermometer container: temperature on five scales,
// resistance and slope of a platinum or copper sensor. The five sub-pages differ only in their
// RtdSensorPage data.
class RtdSensorSubPage : public Page {
    Q_OBJECT
public:
    RtdSensorSubPage(QWidget* parent, const QRect& geometry, const RtdSensorPage& sensor);

    [[nodiscard]] const RtdSensorPage& sensor() const { return m_sensor; }

protected:
    void Recompute(int id) override;

private:
    void TemperatureToResistance();
    void ResistanceToTemperature();

    RtdSensorPage m_sensor;
    ScaleStrip m_strip;
};

}  // namespace tmcalc
