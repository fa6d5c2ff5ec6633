#include "thermocouple/std_page_layout.h"

#include <algorithm>
#include <vector>

namespace tmcalc {

namespace {

constexpr int kStdSFieldRows = 7;

// Rectangle from window-style edges.
Rect FromEdges(int left, int top, int right, int bottom)
{
    return {left, top, std::max(0, right - left), std::max(0, bottom - top)};
}

}  // namespace

StdSPageLayout ComputeStdSPageLayout(const ScreenGeometry& g, Rect client)
{
    StdSPageLayout out;
    out.fields = FromEdges(client.x + 10, client.y + 20, client.right() / 2, Trunc(client.bottom() / 1.5));

    // Under the last field, in the label and edit columns of the field grid.
    const std::vector<FieldRects> rows = FieldGridInRectLayout(g, out.fields, 1, kStdSFieldRows);
    const FieldRects& last = rows.back();
    const int listY = last.edit.bottom() + Trunc(static_cast<double>(g.scaleY()) * 15.0);
    const int listH = Trunc(static_cast<double>(g.scaleY()) * 30.0);
    out.productHeading = {last.label.x, listY, last.label.width, listH};
    out.productList = {last.edit.x, listY, last.edit.width, listH};

    // Fifteen lines from the height of the fields down; on a short page the lines shrink rather than
    // run out of the page.
    const int panelX = client.x + Trunc(0.55 * client.width);
    const int panelY = client.y + 20;
    out.rowHeight = std::max(0, std::min(Trunc(static_cast<double>(g.scaleY()) * 24.0),
                                         (client.bottom() - panelY - 10) / kHundredDegreePanelLines));
    out.panel = {panelX, panelY, std::max(0, client.right() - panelX), out.rowHeight * kHundredDegreePanelLines};
    // The first tab stop of the table text, 200 units at the design size.
    out.valueColumn = panelX + 10 + Trunc(static_cast<double>(g.scaleX()) * 200.0);
    return out;
}

StdBPageLayout ComputeStdBPageLayout(const ScreenGeometry& g, Rect client)
{
    StdBPageLayout out;
    const float sx = g.scaleX();
    const float sy = g.scaleY();
    const int h = Trunc(sy * 25.0f);
    const int y0 = client.y + Trunc(sy * 20.0f);
    for (int k = 0; k < 3; ++k)
        out.modes[static_cast<std::size_t>(k)] = {client.x + 20, y0 + k * (h - 1), Trunc(sx * 150.0f), h};
    out.fields = FromEdges(client.x + Trunc(sx * 100.0f), client.y + Trunc(sy * 60.0f), client.right(),
                           Trunc(client.bottom() / 1.4));
    return out;
}

StdSCalculatorLayout ComputeStdSCalculatorLayout(const ScreenGeometry& g, Rect client)
{
    StdSCalculatorLayout out;
    const int areaLeft = client.x + 10;
    const int areaTop = client.y + 15;
    const float half = static_cast<float>(std::max(0, client.right() - areaLeft)) / 2.0f;
    const int nameW = Trunc(half * 0.4f);
    const int valueW = Trunc(half * 0.5f);
    const int h = Trunc(g.scaleY() * 45.0f);
    for (int block = 0; block < 2; ++block) {
        const float blockLeft = static_cast<float>(areaLeft + 10) + (block == 0 ? 0.0f : half + 2.0f);
        // The pair is centred in its half; the halved pair width is an integer division.
        const int x = Trunc(half / 2.0f + blockLeft - static_cast<float>((nameW + valueW) / 2));
        for (int row = 0; row < 3; ++row) {
            const int y = areaTop + h + 5 + row * (h - 1);
            const auto k = static_cast<std::size_t>(6 * block + 2 * row);
            out.cells[k] = {x, y, nameW, h};
            out.cells[k + 1] = {x + nameW - 1, y, valueW, h};
        }
    }
    return out;
}

}  // namespace tmcalc
