#pragma once

#include "framework/geometry.h"

#include <array>

namespace tmcalc {

// The standard thermocouple container holds four sub-pages: type S, type B, the type S coefficient
// calculator and the standards manager.
inline constexpr int kStdThermocoupleSubPageCount = 4;

// The type S sub-page: the column of seven fields in the left half, the product-number list under it
// (its heading in the label column, the list in the edit column, so it covers no text), and the
// hundred-degree panel from 0.55 of the width to the right edge: a heading line, eleven emfs and a, b, c.
inline constexpr int kHundredDegreePanelLines = 15;
struct StdSPageLayout {
    Rect fields;          // handed to the grid-in-rectangle builder (1 column, 7 rows)
    Rect productHeading;  // right-aligned heading of the product-number list
    Rect productList;
    Rect panel;           // the framed table; its lines are rowHeight high from its top
    int rowHeight = 0;
    int valueColumn = 0;  // x of the second column of the table text (the first tab stop)
};
[[nodiscard]] StdSPageLayout ComputeStdSPageLayout(const ScreenGeometry& g, Rect client);

// The type B sub-page: three mode buttons down the left edge, one row high each and overlapping by a
// pixel, and the fixed-point grid's rectangle.
struct StdBPageLayout {
    std::array<Rect, 3> modes{};
    Rect fields;
};
[[nodiscard]] StdBPageLayout ComputeStdBPageLayout(const ScreenGeometry& g, Rect client);

// The type S coefficient calculator: twelve cells in two blocks of three rows, each row a name cell and
// a value cell that starts on the name cell's last pixel column; cells are numbered block by block, row
// by row, name before value (inputs 1, 3, 5 in the left block, outputs 7, 9, 11 in the right one).
inline constexpr int kStdSCalculatorCellCount = 12;
struct StdSCalculatorLayout {
    std::array<Rect, kStdSCalculatorCellCount> cells{};
};
[[nodiscard]] StdSCalculatorLayout ComputeStdSCalculatorLayout(const ScreenGeometry& g, Rect client);

}  // namespace tmcalc
