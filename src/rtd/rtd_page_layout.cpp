#include "rtd/rtd_page_layout.h"

#include "framework/cell_grid.h"

#include <algorithm>

namespace tmcalc {
NickelPageLayout ComputeNickelPageLayout(const ScreenGeometry& g, Rect client)
{
    NickelPageLayout out;
    const int presetW = Trunc(static_cast<double>(g.scaleX()) * 155.0);
    const int presetH = Trunc(static_cast<double>(g.scaleY()) * 20.0);
    for (int k = 0; k < 4; ++k)
        out.presets[static_cast<std::size_t>(k)] = {client.x + 20, client.y + 25 + k * (presetH + 5), presetW,
                                                    presetH};
    // Both columns span the page's height with a margin of 15 pixels above and below; the coefficient column
    // fills the space between the presets and the middle of the page, the value column the right half
    // (less a margin of 10 pixels).
    const int top = client.y + 15;
    const int height = std::max(0, client.height - 30);
    const int middle = client.x + client.width / 2;
    const int coefficientsLeft = client.x + 20 + presetW + 10;
    out.coefficients = {coefficientsLeft, top, std::max(0, middle - coefficientsLeft), height};
    out.values = {middle, top, std::max(0, client.right() - 10 - middle), height};
    return out;
}

CoefficientPageLayout ComputeCoefficientPageLayout(const ScreenGeometry& g, Rect client)
{
    CoefficientPageLayout out;
    const CellGrid grid = CellGrid::In(g, client, 42.0);
    auto cell = out.cells.begin();
    const int leftW = grid.width(0.3);
    for (int r = 0; r < 5; ++r) {
        for (const Rect& c : grid.Row(grid.x, r, {leftW, leftW, leftW})) *cell++ = c;
    }
    for (int r = 0; r < 3; ++r) {
        for (const Rect& c : grid.Row(grid.rightX(), r, {grid.width(0.2), grid.width(0.5)})) *cell++ = c;
    }

    const int checkTop = out.cells[19].bottom() + grid.rowHeight;
    const int labelW = grid.width(0.4);
    const int unitW = grid.width(0.1);
    for (int line = 0; line < 2; ++line) {
        const int y = checkTop + line * grid.rowStep();
        const Rect label{grid.rightX(), y, labelW, grid.rowHeight};
        const Rect edit{label.right(), y, labelW, grid.rowHeight};
        const Rect unit{edit.right(), y, unitW, grid.rowHeight};
        out.checkRows[static_cast<std::size_t>(line)] = {label, edit, unit};
    }
    return out;
}

}  // namespace tmcalc
