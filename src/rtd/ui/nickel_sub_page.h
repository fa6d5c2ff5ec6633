#pragma once

#include "framework/ui/page.h"
#include "framework/ui/scale_strip.h"
#include "rtd/nickel.h"

#include <array>

class QRadioButton;

namespace tmcalc {

// Field ids of the nickel sub-page, equal to their label string ids.
enum NickelField : int {
    kNiCelsius = 741,           // 741-745 the five-scale strip (°C, °F, K, °R, °Re)
    kNiResistance = 746,        // Ω
    kNiSlope = 747,             // Ω/°C, shown only
    kNiFirstCoefficient = 748,  // 748-753: c1 ("A = ") to c6 ("F =")
    kNiR0 = 754,                // Ω
};


// The nickel sub-page: a sensor characteristic W = 1 + c1 t + ... + c6 t^6 chosen from four presets or
// typed in, and conversions both ways between the five temperature scales and the resistance.
class NickelSubPage : public Page {
    Q_OBJECT
public:
    NickelSubPage(QWidget* parent, const QRect& geometry);

    [[nodiscard]] QRadioButton* presetButton(int index) const;  // index 1-4

protected:
    void Recompute(int id) override;

private:
    void LoadPreset(int index);
    // The R0 and coefficients as typed; false when R0, c1 or c2 is zero (not filled in).
    [[nodiscard]] bool ReadParameters(double& r0, NiCoefficients& k) const;
    void TemperatureToResistance(int driving);
    void ResistanceToTemperature();

    ScaleStrip m_strip;
    std::array<QRadioButton*, kNickelPresetCount> m_presets{};
};

}  // namespace tmcalc
