#pragma once

#include "framework/geometry.h"

#include <initializer_list>
#include <vector>

namespace tmcalc {

// The coefficient pages' grids of framed cells: a left and a right half of the client area (10 pixels in
// from the left, 15 down), rows of one height, and each cell starting on the last pixel of its left and
// upper neighbours so that neighbouring frames coincide.
struct CellGrid {
    int x = 0;          // left edge of the left half
    int y = 0;          // top of the first row
    double half = 0.0;  // width of each half
    int rowHeight = 0;

    // `designRowHeight` is the row height on 1080 screen lines.
    [[nodiscard]] static CellGrid In(const ScreenGeometry& g, Rect client, double designRowHeight);

    [[nodiscard]] int rowStep() const { return rowHeight - 1; }
    [[nodiscard]] int rowTop(int row) const { return y + row * rowStep(); }
    [[nodiscard]] int rightX() const { return x + Trunc(half); }
    // A width as a fraction of a half, truncated.
    [[nodiscard]] int width(double fractionOfHalf) const { return Trunc(half * fractionOfHalf); }

    // One row of cells from `left`, with these widths, each overlapping its left neighbour by one pixel.
    [[nodiscard]] std::vector<Rect> Row(int left, int row, std::initializer_list<int> widths) const;
};

}  // namespace tmcalc
