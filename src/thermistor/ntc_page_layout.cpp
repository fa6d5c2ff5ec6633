#include "thermistor/ntc_page_layout.h"

#include <algorithm>
#include <cstddef>

namespace tmcalc {
namespace {

// Mode buttons of both sub-pages: 250 x 20 at x = 20, from y = 25 every 25 pixels (design pixels of a
// 1920 x 1080 screen).
Rect ModeButton(const ScreenGeometry& g, Rect client, int k)
{
    const double sx = g.scaleX();
    const double sy = g.scaleY();
    return {client.x + Trunc(20.0 * sx), client.y + Trunc((25.0 + 25.0 * k) * sy), Trunc(250.0 * sx),
            Trunc(20.0 * sy)};
}

}  // namespace

NtcConvertPageLayout ComputeNtcConvertPageLayout(const ScreenGeometry& g, Rect client)
{
    const double sx = g.scaleX();
    const double sy = g.scaleY();
    NtcConvertPageLayout out;
    for (int k = 0; k < kNtcModeCount; ++k) out.modes[static_cast<std::size_t>(k)] = ModeButton(g, client, k);
    // The list fills the gap between the last button (bottom at 95) and the picture (top at 150).
    out.products = {out.modes[0].x, client.y + Trunc(110.0 * sy), Trunc(250.0 * sx), Trunc(28.0 * sy)};
    out.picture = {client.x + Trunc(4.0 * sx), client.y + Trunc(150.0 * sy), Trunc(300.0 * sx), Trunc(180.0 * sy)};

    // The work area: from (10, 20) to 10 pixels short of the right edge; its height (to two thirds of the
    // page) bounds nothing, the rows simply stack from its top.
    const int areaX = client.x + Trunc(10.0 * sx);
    const int areaY = client.y + Trunc(20.0 * sy);
    const int areaW = std::max(0, client.width - 2 * Trunc(10.0 * sx));
    const int labelW = Trunc(areaW * 0.15);
    const int editW = Trunc(areaW * 0.30);
    const int left = areaX + areaW / 2 - (labelW + editW) / 2;
    const int rowH = Trunc(45.0 * sy);
    const int pitch = rowH + Trunc(15.0 * sy);
    // The labels carry their units; a small margin keeps a right-aligned label off the edit frame.
    const int margin = Trunc(8.0 * sx);
    for (int r = 0; r < kNtcPanelRows; ++r) {
        const int y = areaY + r * pitch;
        const Rect edit{left + labelW, y, editW, rowH};
        out.rows[static_cast<std::size_t>(r)] = {
            {left, y, std::max(0, labelW - margin), rowH}, edit, {edit.right(), y, 0, rowH}};
    }
    return out;
}

NtcFitPageLayout ComputeNtcFitPageLayout(const ScreenGeometry& g, Rect client)
{
    const double sx = g.scaleX();
    const double sy = g.scaleY();
    NtcFitPageLayout out;
    for (int k = 0; k < kNtcFitModeCount; ++k) out.modes[static_cast<std::size_t>(k)] = ModeButton(g, client, k);

    const int left = out.modes[0].right() + Trunc(30.0 * sx);
    const int right = client.right() - Trunc(10.0 * sx);
    const int colW = std::max(0, (right - left) / 3);
    const int rowH = Trunc(45.0 * sy);
    const int step = rowH - 1;
    const int top = client.y + Trunc(25.0 * sy);
    const int gap = Trunc(15.0 * sy);
    const auto cell = [&](int row, int col) {
        return Rect{left + col * (colW - 1), top + row * step, colW, rowH};
    };
    // A result's value spans the two value columns, its frame on theirs.
    const auto result = [&](int firstId, int pointRows, int k) {
        const int y = top + pointRows * step + gap + k * step;
        out.cells[static_cast<std::size_t>(firstId + 2 * k)] = {left, y, colW, rowH};
        out.cells[static_cast<std::size_t>(firstId + 2 * k + 1)] = {left + colW - 1, y, std::max(0, 2 * colW - 1),
                                                                    rowH};
    };

    // β: the heading row and two points (cells 0-8), then "β =" (9) and its value (10).
    for (int r = 0; r < 3; ++r)
        for (int c = 0; c < 3; ++c) out.cells[static_cast<std::size_t>(3 * r + c)] = cell(r, c);
    result(9, 3, 0);
    // Steinhart-Hart: the heading row and three points (cells 11-22), then A, B, C (23-28).
    for (int r = 0; r < 4; ++r)
        for (int c = 0; c < 3; ++c) out.cells[static_cast<std::size_t>(11 + 3 * r + c)] = cell(r, c);
    for (int k = 0; k < 3; ++k) result(23, 4, k);
    return out;
}

}  // namespace tmcalc
