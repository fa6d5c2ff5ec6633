#pragma once

#include "framework/ui/fit_points_panel.h"
#include "framework/ui/page.h"
#include "resources/string_table.h"
#include "rtd/sprt.h"

namespace tmcalc {

// Cells of "Calculate Coefficient": grid row r (0 the headings, 1 the triple point, 2-6 the fixed points),
// column c (number, temperature, resistance) has the id 3 r + c; the result pairs have 22 + 2 k (name) and
// 23 + 2 k (value); the range field keeps its label's id.
inline constexpr int SprtGridCell(int row, int column)
{
    return 3 * row + column;
}
inline constexpr int SprtResultName(int k)
{
    return 22 + 2 * k;
}
inline constexpr int SprtResultValue(int k)
{
    return 23 + 2 * k;
}
inline constexpr int kSprtFitRange = kStrSprtLabels + 6;
inline constexpr int kSprtTemperatureLabel = kStrSprtLabels + 7;  // the column headings
inline constexpr int kSprtResistanceLabel = kStrSprtLabels + 8;
inline constexpr int kSprtFitRtp = SprtGridCell(1, 2);
inline constexpr int kSprtFirstPointRow = 2;

// "Calculate Coefficient": the resistances measured at the fixed points of the range's groups give the
// deviation coefficients of each group, fitted each time one of them is edited.
class SprtCoefficientSubPage : public Page {
    Q_OBJECT
public:
    SprtCoefficientSubPage(QWidget* parent, const QRect& geometry);

protected:
    void Recompute(int id) override;

private:
    // The points table's view of this page: its fixed points, the groups of its range.
    FitPointsSetup PointsSetup();
    // The grid for the range text: the triple point row reset, one row per fixed point, one result per
    // coefficient, every resistance and result emptied.
    void Rebuild();
    void Fit();
    void ShowResults(int first, int count, const SprtFit* fit);

    SprtRangeCodes m_codes;
    int m_upperRows = 0;
    int m_lowerRows = 0;
    int m_upperResults = 0;
};

}  // namespace tmcalc
