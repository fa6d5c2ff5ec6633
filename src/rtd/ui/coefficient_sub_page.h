#pragma once

#include "framework/ui/fit_points_panel.h"
#include "framework/ui/page.h"
#include "rtd/rtd_page_layout.h"
#include "rtd/rtd_page_math.h"

#include <array>

namespace tmcalc {

// Cells of the coefficient grid (each cell is an edit box whose id is its number).
enum CoefficientCell : int {
    kCellR0Temperature = 4,  // shown, never read: R0 is taken as the resistance at 0 °C
    kCellR0 = 5,
    kCellPoint1T = 7,  // platinum: the point below 0 °C
    kCellPoint1R = 8,
    kCellPoint2T = 10,
    kCellPoint2R = 11,
    kCellPoint3T = 13,
    kCellPoint3R = 14,
    kCellFirstResult = 16,  // 16, 18, 20: A, B, C or α, β, γ
};

// The platinum or copper coefficient sub-page: R0 and three measured points give the sensor's
// coefficients, and a check row converts with them both ways.
class RtdCoefficientSubPage : public Page {
    Q_OBJECT
public:
    RtdCoefficientSubPage(QWidget* parent, const QRect& geometry, RtdMetal metal);

    // Edit ids of the check row.
    [[nodiscard]] int checkTemperatureId() const;
    [[nodiscard]] int checkResistanceId() const;
    // The coefficients of the last fit (A, B, C or α, β, γ); zero until the first one. They outlive
    // switching tabs but are never saved.
    [[nodiscard]] const std::array<double, 3>& fitted() const { return m_fitted; }

protected:
    void Recompute(int id) override;

private:
    // The points table's view of this page.
    FitPointsSetup PointsSetup();
    void Fit();
    void ShowFitted();
    void CheckTemperatureToResistance();
    void CheckResistanceToTemperature();

    RtdMetal m_metal;
    std::array<double, 3> m_fitted{};
};

}  // namespace tmcalc
