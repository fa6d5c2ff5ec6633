#include "rtd/sprt_page_layout.h"

#include "framework/cell_grid.h"

#include <algorithm>
#include <charconv>

namespace tmcalc {

SprtConversionPageLayout ComputeSprtConversionPageLayout(const ScreenGeometry& g, Rect client)
{
    SprtConversionPageLayout out;
    const int comboH = Trunc(static_cast<double>(g.scaleY()) * 30.0);
    const int top = client.y + 8;
    const int gridTop = top + comboH + 8;
    out.grid = {client.x + 10, gridTop, std::max(0, client.width - 20),
                std::max(0, client.bottom() - 10 - gridTop)};
    // Over the first edit box of the grid: as wide as the edit boxes, above every label.
    const Rect firstEdit = FieldGridInRectLayout(g, out.grid, 2, 6).front().edit;
    out.products = {firstEdit.x, top, firstEdit.width, comboH};
    return out;
}

SprtCoefficientPageLayout ComputeSprtCoefficientPageLayout(const ScreenGeometry& g, Rect client)
{
    SprtCoefficientPageLayout out;
    const CellGrid grid = CellGrid::In(g, client, 45.0);
    const int valueW = grid.width(0.3);
    for (std::size_t r = 0; r < kSprtGridRows; ++r) {
        const auto row = grid.Row(grid.x, static_cast<int>(r), {grid.width(0.1), valueW, valueW});
        std::copy(row.begin(), row.end(), out.cells[r].begin());
    }

    const int rightX = grid.rightX();
    const int rowH = grid.rowHeight;
    out.range.label = {rightX, grid.y, grid.width(0.3), rowH};
    out.range.edit = {out.range.label.right() + 2, grid.y, grid.width(0.6), rowH};
    out.range.unit = {out.range.edit.right() + 2, grid.y, 0, rowH};
    for (std::size_t k = 0; k < kSprtResultPairs; ++k) {
        // Level with the fixed-point rows (grid rows 2 to 6).
        const auto pair = grid.Row(rightX, static_cast<int>(k) + 2, {grid.width(0.2), grid.width(0.7)});
        std::copy(pair.begin(), pair.end(), out.results[k].begin());
    }
    return out;
}

std::string FormatFixedSix(double value)
{
    // "%f" of the largest double is 316 characters.
    std::array<char, 400> buffer{};
    const auto [end, ec] =
        std::to_chars(buffer.data(), buffer.data() + buffer.size(), value, std::chars_format::fixed, 6);
    if (ec != std::errc{}) return {};
    return {buffer.data(), end};
}

SprtCoefficientGridTexts SprtCoefficientGrid(SprtRangeCodes codes)
{
    SprtCoefficientGridTexts out;
    const SprtFixedPointRows points = SprtFixedPoints(codes);
    out.rows = points.upper_count + points.lower_count;
    out.upperRows = points.upper_count;
    for (int i = 0; i < out.rows; ++i) {
        const auto k = static_cast<std::size_t>(i);
        out.numbers[k] = std::to_string(i + 1);
        out.temperatures[k] = FormatFixedSix(points.points[k].shown_t);
    }
    const SprtGroupInfo& upper = SprtUpperGroup(codes.upper);
    const SprtGroupInfo& lower = SprtLowerGroup(codes.lower);
    out.upperResults = upper.coefficient_count;
    out.results = upper.coefficient_count + lower.coefficient_count;
    for (int i = 0; i < upper.coefficient_count; ++i)
        out.names[static_cast<std::size_t>(i)] = upper.names[static_cast<std::size_t>(i)];
    for (int i = 0; i < lower.coefficient_count; ++i)
        out.names[static_cast<std::size_t>(upper.coefficient_count + i)] =
            lower.names[static_cast<std::size_t>(i)];
    return out;
}

}  // namespace tmcalc
