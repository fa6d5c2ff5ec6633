// Geometry and texts of the standard platinum resistance thermometer pages, without Qt.
#include "rtd/sprt_page_layout.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>

namespace tmcalc {
namespace {

bool Overlap(const Rect& a, const Rect& b)
{
    return a.x < b.right() && b.x < a.right() && a.y < b.bottom() && b.y < a.bottom();
}

bool Inside(const Rect& inner, const Rect& outer)
{
    return inner.x >= outer.x && inner.y >= outer.y && inner.right() <= outer.right() &&
           inner.bottom() <= outer.bottom();
}

// The sub-page of a 1920 x 1080 screen is 1052 x 394; 1366 x 768 is the smallest screen in use.
class SprtLayout : public testing::TestWithParam<std::pair<int, int>> {};

TEST_P(SprtLayout, ProductListCoversNoLabelAndEverythingFits)
{
    const ScreenGeometry g = ComputeScreenGeometry(GetParam().first, GetParam().second);
    const Rect page = PageRect(g);
    const Rect client = SubPageRect(page.width - 2, page.height - 2);
    const Rect sub{0, 0, client.width, client.height};
    const SprtConversionPageLayout l = ComputeSprtConversionPageLayout(g, sub);
    const auto fields = FieldGridInRectLayout(g, l.grid, 2, 6);
    EXPECT_TRUE(Inside(l.products, sub));
    for (const FieldRects& f : fields) {
        for (const Rect& r : {f.label, f.edit, f.unit}) {
            EXPECT_FALSE(Overlap(l.products, r));
            EXPECT_TRUE(Inside(r, sub)) << r.x << ' ' << r.y;
        }
    }
    EXPECT_EQ(l.products.x, fields.front().edit.x);

    const SprtCoefficientPageLayout c = ComputeSprtCoefficientPageLayout(g, sub);
    for (std::size_t r = 0; r < kSprtGridRows; ++r) {
        EXPECT_TRUE(Inside(c.cells[r][2], sub)) << r;
        EXPECT_LT(c.cells[r][2].right(), c.range.label.x) << r;  // the grid stays in the left half
        for (std::size_t k = 1; k < kSprtGridColumns; ++k)
            EXPECT_EQ(c.cells[r][k].x, c.cells[r][k - 1].right() - 1);
        if (r > 0) {
            EXPECT_EQ(c.cells[r][0].y, c.cells[r - 1][0].bottom() - 1);
        }
    }
    for (std::size_t k = 0; k < kSprtResultPairs; ++k) {
        EXPECT_EQ(c.results[k][1].x, c.results[k][0].right() - 1);
        EXPECT_EQ(c.results[k][0].y, c.cells[k + 2][0].y);  // level with the fixed-point rows
        EXPECT_TRUE(Inside(c.results[k][1], sub));
    }
    EXPECT_TRUE(Inside(c.range.edit, sub));
    EXPECT_FALSE(Overlap(c.range.edit, c.results[0][1]));
}

INSTANTIATE_TEST_SUITE_P(Screens, SprtLayout,
                         testing::Values(std::pair{1920, 1080}, std::pair{1366, 768}, std::pair{2560, 1440},
                                         std::pair{3840, 2160}),
                         [](const auto& p) {
                             return std::to_string(p.param.first) + "x" + std::to_string(p.param.second);
                         });

TEST(SprtCoefficientLayout, CellsAt1080Lines)
{
    const SprtCoefficientPageLayout c =
        ComputeSprtCoefficientPageLayout(ComputeScreenGeometry(1920, 1080), {0, 0, 1052, 394});
    // Half of the area is 521: cells 52, 156 and 156 wide (10 %, 30 %, 30 %), rows 45 high.
    EXPECT_EQ(c.cells[0][0], (Rect{10, 15, 52, 45}));
    EXPECT_EQ(c.cells[0][1], (Rect{61, 15, 156, 45}));
    EXPECT_EQ(c.cells[6][2], (Rect{216, 15 + 6 * 44, 156, 45}));
    EXPECT_EQ(c.results[0][0], (Rect{531, 15 + 2 * 44, 104, 45}));  // 20 % and 70 % of the half
    EXPECT_EQ(c.results[0][1], (Rect{634, 15 + 2 * 44, 364, 45}));
}

struct GridCase {
    const char* name;
    SprtRangeCodes codes;
    std::string rows;   // "number temperature" joined with ','
    std::string names;  // result names
};

class SprtGridTexts : public testing::TestWithParam<GridCase> {};

TEST_P(SprtGridTexts, RowsAndResultNames)
{
    const SprtCoefficientGridTexts t = SprtCoefficientGrid(GetParam().codes);
    std::string rows;
    std::string names;
    for (int i = 0; i < t.rows; ++i)
        rows += (i ? "," : "") + t.numbers[static_cast<std::size_t>(i)] + ' ' +
                t.temperatures[static_cast<std::size_t>(i)];
    for (int i = 0; i < t.results; ++i)
        names += (i ? "," : "") + std::string(t.names[static_cast<std::size_t>(i)]);
    EXPECT_EQ(rows, GetParam().rows);
    EXPECT_EQ(names, GetParam().names);
}

// Gallium shows as 29.765000 in the a11 group and as 29.764600 in the a5/b5 group.
INSTANTIATE_TEST_SUITE_P(
    Groups, SprtGridTexts,
    testing::Values(GridCase{"A7AndA4",
                             {0, 0},
                             "1 660.323000,2 419.527000,3 231.928000,4 -189.344200,5 -38.834400",
                             "a7,b7,c7,a4,b4"},
                    GridCase{"A11AndA5", {4, 1}, "1 29.765000,2 29.764600,3 -38.834400", "a11,a5,b5"},
                    GridCase{"A9Alone", {2, 2}, "1 231.928000,2 156.598500", "a9,b9"},
                    GridCase{"A10Alone", {3, 2}, "1 156.598500", "a10"}, GridCase{"NoGroup", {5, 2}, "", ""},
                    GridCase{"UnknownCodes", {9, -1}, "", ""}),
    [](const auto& p) { return std::string(p.param.name); });

TEST(SprtFixedSix, SixDecimalsWhateverTheValue)
{
    EXPECT_EQ(FormatFixedSix(-189.3442), "-189.344200");
    EXPECT_EQ(FormatFixedSix(0.0), "0.000000");
    EXPECT_EQ(FormatFixedSix(std::numeric_limits<double>::quiet_NaN()), "nan");
    EXPECT_EQ(FormatFixedSix(-std::numeric_limits<double>::infinity()), "-inf");
    EXPECT_EQ(FormatFixedSix(1e300).size(), 301u + 7u);  // no exponent, never cut
}

}  // namespace
}  // namespace tmcalc
