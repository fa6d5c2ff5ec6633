#pragma once

#include "framework/ui/fit_points_panel.h"
#include "framework/ui/page.h"
#include "thermistor/ntc_page_layout.h"

#include <array>
#include <optional>

class QRadioButton;

namespace tmcalc {

struct FitPoint;

// Cells of the coefficient grids (each cell is an edit box whose id is its number); the headings and row
// names are disabled cells.
enum NtcFitCell : int {
    kNtcFitBetaR1 = 4,  // t1 5
    kNtcFitBetaR2 = 7,  // t2 8
    kNtcFitBeta = 10,
    kNtcFitShR1 = 15,  // t1 16, then (18, 19) and (21, 22)
    kNtcFitShA = 24,   // B 26, C 28
};

// "Calculate Coefficient": β from two calibration points or the Steinhart-Hart A, B, C from three, each
// grid shown by its button. Every edit of a point refits; a point without a number, or with a resistance
// of 0, leaves the results as they are. 0 °C is a valid point.
class NtcFitSubPage : public Page {
    Q_OBJECT
public:
    NtcFitSubPage(QWidget* parent, const QRect& geometry);

    [[nodiscard]] QRadioButton* modeButton(int index) const;  // 0 β, 1 Steinhart-Hart
    [[nodiscard]] bool steinhartHartShown() const { return m_steinhartHart; }

protected:
    void Recompute(int id) override;

private:
    // The points table's view of this page: the grid of the chosen mode.
    FitPointsSetup PointsSetup();
    void ShowGrid(bool steinhartHart);
    // The point of a row: empty when either cell holds no number.
    [[nodiscard]] std::optional<FitPoint> Point(int resistanceCell) const;

    bool m_steinhartHart = false;
    std::array<QRadioButton*, kNtcFitModeCount> m_modes{};
};

}  // namespace tmcalc
