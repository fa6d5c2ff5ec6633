#include "rtd/rtd_page_layout.h"

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
    const int areaX = client.x + 10;
    const int areaY = client.y + 15;
    const double half = (client.width - 10) / 2.0;
    const int rowH = Trunc(static_cast<double>(g.scaleY()) * 42.0);
    // Each cell starts on the last pixel of its left and upper neighbours.
    const int rowStep = rowH - 1;

    const int leftW = Trunc(half * 0.3);
    for (std::size_t r = 0; r < 5; ++r) {
        for (std::size_t c = 0; c < 3; ++c) {
            out.cells[3 * r + c] = {areaX + static_cast<int>(c) * (leftW - 1),
                                    areaY + static_cast<int>(r) * rowStep, leftW, rowH};
        }
    }
    const int rightX = areaX + Trunc(half);
    const int nameW = Trunc(half * 0.2);
    const int valueW = Trunc(half * 0.5);
    for (std::size_t r = 0; r < 3; ++r) {
        const int y = areaY + static_cast<int>(r) * rowStep;
        out.cells[15 + 2 * r] = {rightX, y, nameW, rowH};
        out.cells[16 + 2 * r] = {rightX + nameW - 1, y, valueW, rowH};
    }

    const int checkTop = out.cells[19].bottom() + rowH;
    const int labelW = Trunc(half * 0.4);
    const int unitW = Trunc(half * 0.1);
    for (int line = 0; line < 2; ++line) {
        const int y = checkTop + line * rowStep;
        const Rect label{rightX, y, labelW, rowH};
        const Rect edit{label.right(), y, labelW, rowH};
        const Rect unit{edit.right(), y, unitW, rowH};
        out.checkRows[static_cast<std::size_t>(line)] = {label, edit, unit};
    }
    return out;
}

}  // namespace tmcalc
