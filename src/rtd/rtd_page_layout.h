#pragma once

#include "framework/geometry.h"

#include <array>

namespace tmcalc {

// The work resistance thermometer container holds eight sub-pages under its tab band.
inline constexpr int kRtdSubPageCount = 8;

// The nickel sub-page: four preset radio buttons down the left edge, the coefficient column (A to F and
// R0, no units) in the middle and the value column (five scales, resistance, slope) in the right half.
// The two columns are the rectangles handed to the grid-in-rectangle builder, one column of seven rows each.
struct NickelPageLayout {
    std::array<Rect, 4> presets{};
    Rect coefficients;
    Rect values;
};
[[nodiscard]] NickelPageLayout ComputeNickelPageLayout(const ScreenGeometry& g, Rect client);

// The coefficient sub-pages: 21 cells (0-14 a block of five rows of three cells on the left, 15-20 a block
// of three rows of two cells on the right), neighbours overlapping by one pixel so that their borders
// coincide, and the two check rows (temperature, resistance) below the right block.
inline constexpr int kCoefficientCellCount = 21;
struct CoefficientPageLayout {
    std::array<Rect, kCoefficientCellCount> cells{};
    std::array<FieldRects, 2> checkRows{};
};
[[nodiscard]] CoefficientPageLayout ComputeCoefficientPageLayout(const ScreenGeometry& g, Rect client);

}  // namespace tmcalc
