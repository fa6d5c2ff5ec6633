#pragma once

#include "framework/geometry.h"

#include <array>

namespace tmcalc {

// The conversion sub-page ("T↔R"): three mode buttons down the left edge, the product-number list under
// them, the equation picture below that, and one panel of label / edit rows at a time, centred on the
// work area. Every panel starts at the first row; the extended panel uses all six.
inline constexpr int kNtcModeCount = 3;
inline constexpr int kNtcPanelRows = 6;
struct NtcConvertPageLayout {
    std::array<Rect, kNtcModeCount> modes{};
    Rect products;
    Rect picture;
    std::array<FieldRects, kNtcPanelRows> rows{};
};
[[nodiscard]] NtcConvertPageLayout ComputeNtcConvertPageLayout(const ScreenGeometry& g, Rect client);

// The coefficient sub-page: two mode buttons at the left and, to their right, the two grids of bordered
// cells, one shown at a time over the same place. Cells by their ids: 0-10 the β grid (three rows of
// three, then the result name and value), 11-28 the Steinhart-Hart grid (four rows of three, then three
// rows of name and value). Neighbours overlap by one pixel so that their frames coincide.
inline constexpr int kNtcFitModeCount = 2;
inline constexpr int kNtcFitCellCount = 29;
struct NtcFitPageLayout {
    std::array<Rect, kNtcFitModeCount> modes{};
    std::array<Rect, kNtcFitCellCount> cells{};
};
[[nodiscard]] NtcFitPageLayout ComputeNtcFitPageLayout(const ScreenGeometry& g, Rect client);

}  // namespace tmcalc
