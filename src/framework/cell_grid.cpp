#include "framework/cell_grid.h"

namespace tmcalc {

CellGrid CellGrid::In(const ScreenGeometry& g, Rect client, double designRowHeight)
{
    return {client.x + 10, client.y + 15, (client.width - 10) / 2.0,
            Trunc(static_cast<double>(g.scaleY()) * designRowHeight)};
}

std::vector<Rect> CellGrid::Row(int left, int row, std::initializer_list<int> widths) const
{
    std::vector<Rect> cells;
    cells.reserve(widths.size());
    for (const int w : widths) {
        cells.push_back({left, rowTop(row), w, rowHeight});
        left += w - 1;
    }
    return cells;
}

}  // namespace tmcalc
