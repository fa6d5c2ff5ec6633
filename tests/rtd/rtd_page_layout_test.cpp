#include "rtd/rtd_page_layout.h"

#include <gtest/gtest.h>

namespace tmcalc {
namespace {

// The page rectangle of a 1920 x 1080 screen is 1054 x 537 with a one-pixel border: client 1052 x 535.
constexpr int kClientW = 1052;
constexpr int kClientH = 535;

TEST(RtdPageLayout, SubPagesStartTwoPixelsBelowTheTabBand)
{
    // Tab band 93-139 (w x 115 / 1300 to 1.5 times that).
    EXPECT_EQ(RtdSubPageRect(kClientW, kClientH), (Rect{0, 141, 1052, 394}));
    EXPECT_EQ(RtdSubPageRect(kClientW, 100), (Rect{0, 141, 1052, 0}));  // never negative
    const ScreenGeometry big = ComputeScreenGeometry(2560, 1440);
    const Rect page = PageRect(big);
    const Rect sub = RtdSubPageRect(page.width - 2, page.height - 2);
    EXPECT_EQ(sub.y, SubPageTabRects(page.width - 2, 8).front().bottom() + 2);
    EXPECT_EQ(sub.bottom(), page.height - 2);
}

TEST(RtdPageLayout, NickelPresetsAndColumns)
{
    const NickelPageLayout l = ComputeNickelPageLayout(ComputeScreenGeometry(1920, 1080), {0, 0, 1052, 394});
    EXPECT_EQ(l.presets[0], (Rect{20, 25, 155, 20}));
    EXPECT_EQ(l.presets[3], (Rect{20, 100, 155, 20}));
    EXPECT_EQ(l.coefficients, (Rect{185, 15, 341, 364}));
    EXPECT_EQ(l.values, (Rect{526, 15, 516, 364}));

    // 20 pixels high and 155 wide on a 1080-line screen, scaled with the screen.
    const NickelPageLayout big = ComputeNickelPageLayout(ComputeScreenGeometry(2560, 1440), {0, 0, 1403, 525});
    EXPECT_EQ(big.presets[1], (Rect{20, 25 + 26 + 5, 206, 26}));
    EXPECT_EQ(big.coefficients.x, 20 + 206 + 10);
}

TEST(RtdPageLayout, CoefficientCellsShareTheirBorders)
{
    const CoefficientPageLayout l =
        ComputeCoefficientPageLayout(ComputeScreenGeometry(1920, 1080), {0, 0, 1052, 394});
    // Half of the area is 521: left cells 156 wide, right cells 104 and 260, rows 42 high.
    EXPECT_EQ(l.cells[0], (Rect{10, 15, 156, 42}));
    EXPECT_EQ(l.cells[1], (Rect{165, 15, 156, 42}));
    EXPECT_EQ(l.cells[2], (Rect{320, 15, 156, 42}));
    EXPECT_EQ(l.cells[3], (Rect{10, 56, 156, 42}));
    EXPECT_EQ(l.cells[14], (Rect{320, 179, 156, 42}));
    EXPECT_EQ(l.cells[15], (Rect{531, 15, 104, 42}));
    EXPECT_EQ(l.cells[16], (Rect{634, 15, 260, 42}));
    EXPECT_EQ(l.cells[19], (Rect{531, 97, 104, 42}));
    EXPECT_EQ(l.cells[20], (Rect{634, 97, 260, 42}));
    for (int i = 0; i < kCoefficientCellCount; ++i) {
        const Rect& c = l.cells[static_cast<std::size_t>(i)];
        if (i % 3 != 2 && i < 15) {
            EXPECT_EQ(l.cells[static_cast<std::size_t>(i + 1)].x, c.right() - 1) << i;
        }
        if (i < 12) {
            EXPECT_EQ(l.cells[static_cast<std::size_t>(i + 3)].y, c.bottom() - 1) << i;
        }
    }
    // The check row: one row height below cell 19, label and edit 40 % of the half, unit 10 %, side by
    // side (the label's text must not reach under the edit's border).
    EXPECT_EQ(l.checkRows[0].label, (Rect{531, 181, 208, 42}));
    EXPECT_EQ(l.checkRows[0].edit, (Rect{739, 181, 208, 42}));
    EXPECT_EQ(l.checkRows[0].unit, (Rect{947, 181, 52, 42}));
    EXPECT_EQ(l.checkRows[1].label, (Rect{531, 222, 208, 42}));
    EXPECT_LE(l.checkRows[1].unit.right(), 1052);
}

}  // namespace
}  // namespace tmcalc
