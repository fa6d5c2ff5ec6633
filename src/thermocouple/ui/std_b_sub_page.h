#pragma once

#include "framework/ui/page.h"
#include "thermocouple/std_type_b.h"

#include <array>
#include <optional>

class QRadioButton;

namespace tmcalc {

// Field ids of the type B sub-page (the fixed-point grid: edit ids equal the label ids).
enum StdBField : int {
    kStdBFirstValue = 781,  // 781-789 the calibration values of the mode, top down
    kStdBColdJunction = 790,
    kStdBTemperature = 791,
    kStdBEmf = 792,  // mV
    kStdBSlope = 793,  // µV/°C, output
};

// The type B standard: a certificate polynomial of either range, or emfs at five fixed points, typed
// in (standards are never loaded here), and conversions both ways.
class StdBSubPage : public Page {
    Q_OBJECT
public:
    StdBSubPage(QWidget* parent, const QRect& geometry);

    [[nodiscard]] StdBMode mode() const { return m_mode; }
    [[nodiscard]] QRadioButton* modeButton(StdBMode mode) const;

protected:
    void Recompute(int id) override;

private:
    // Relabels, empties and shows the value rows of the mode; nothing when it is the mode already.
    void ApplyMode(StdBMode mode);
    // The mode and its typed values; empty when a value row holds no number.
    [[nodiscard]] std::optional<StdBCalibration> ReadCalibration() const;
    // Reads `input` and the cold junction, writes `output` and the slope.
    void Convert(int input, int output, StdBReading (*convert)(const StdBCalibration&, double, double));

    StdBMode m_mode = StdBMode::LowRange;
    bool m_modeApplied = false;
    std::array<QRadioButton*, 3> m_modes{};
};

}  // namespace tmcalc
