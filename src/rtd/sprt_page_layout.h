#pragma once

#include "framework/geometry.h"
#include "rtd/sprt.h"

#include <array>
#include <string>
#include <string_view>

namespace tmcalc {

// The standard platinum resistance thermometer container: "T ↔ R", "Calculate Coefficient", "Configure".
inline constexpr int kSprtSubPageCount = 3;

// "T ↔ R": the product-number list at the top, over the edit column of the left field column so that it
// covers no label, and the rectangle of the two-column field grid below it.
struct SprtConversionPageLayout {
    Rect products;
    Rect grid;  // handed to the grid-in-rectangle builder, 2 columns of 6 rows
};
[[nodiscard]] SprtConversionPageLayout ComputeSprtConversionPageLayout(const ScreenGeometry& g, Rect client);

// "Calculate Coefficient": in the left half a grid of 7 rows of 3 cells (the heading row, the triple point
// row, up to five fixed points), cells 10 %, 30 % and 30 % of the half wide; in the right half the range
// field level with the heading row and the result block of five name/value pairs (20 % and 70 % of the
// half) level with the fixed-point rows. Rows are 45 pixels high at 1080 screen lines; neighbouring cells
// overlap by one pixel so that their frames coincide.
inline constexpr int kSprtGridRows = 7;
inline constexpr int kSprtGridColumns = 3;
inline constexpr int kSprtResultPairs = 5;
struct SprtCoefficientPageLayout {
    std::array<std::array<Rect, kSprtGridColumns>, kSprtGridRows> cells{};
    FieldRects range;                                             // label and edit; no unit
    std::array<std::array<Rect, 2>, kSprtResultPairs> results{};  // name, value
};
[[nodiscard]] SprtCoefficientPageLayout ComputeSprtCoefficientPageLayout(const ScreenGeometry& g, Rect client);

// What the fixed-point rows and the result names of the coefficient grid show for a range: one row per
// fixed point of the groups (upper group first), numbered from 1, the temperature as "%f" would write it
// in the C locale, whatever the user's locale; one result name per coefficient, upper group first.
struct SprtCoefficientGridTexts {
    int rows = 0;
    std::array<std::string, 5> numbers{};
    std::array<std::string, 5> temperatures{};
    int upperRows = 0;  // the rows of the upper group come first
    int results = 0;
    int upperResults = 0;
    std::array<std::string_view, kSprtResultPairs> names{};
};
[[nodiscard]] SprtCoefficientGridTexts SprtCoefficientGrid(SprtRangeCodes codes);

// A temperature with six decimals and no exponent ("%f"), written with std::to_chars so that the
// decimal point never follows the locale. Non-finite values give "nan", "inf" or "-inf".
[[nodiscard]] std::string FormatFixedSix(double value);

}  // namespace tmcalc
