#include "framework/geometry.h"

#include <gtest/gtest.h>

#include <tuple>

namespace tmcalc {
namespace {

// Design fonts on the design screen; elsewhere the scale is narrowed to single precision before the product.
TEST(ScreenGeometry, DesignScreenGivesTheDesignFontsAndScaleIsNarrowedToSinglePrecision)
{
    const ScreenGeometry g = ComputeScreenGeometry(1920, 1080);
    EXPECT_EQ(std::tuple(g.navigationFont, g.secondFont, g.labelFont, g.editFont),
              std::tuple(FontSize{-14, -7}, FontSize{-15, -7}, FontSize{-16, -8}, FontSize{-27, -10}));
    // 1366 / 1920 in single precision times 1300 differs from the double product in the last bits.
    const ScreenGeometry s = ComputeScreenGeometry(1366, 768);
    EXPECT_EQ(s.W, static_cast<double>(static_cast<float>(1366 / 1920.0)) * 1300.0);
    EXPECT_NE(s.W, 1366 / 1920.0 * 1300.0);
    EXPECT_EQ(s.H, static_cast<double>(static_cast<float>(768 / 1080.0)) * 831.0);
    EXPECT_DOUBLE_EQ(s.X, (1366 - s.W) * 0.5);
    const ScreenGeometry uhd = ComputeScreenGeometry(3840, 2160);
    EXPECT_EQ(uhd.W, 2600.0);
    EXPECT_EQ(uhd.H, 1662.0);
    EXPECT_EQ(uhd.labelFont, (FontSize{-33, -16}));
    EXPECT_EQ(uhd.editFont, (FontSize{-54, -21}));
}

TEST(FieldLayouts, GridsFillColumnByColumn)
{
    const ScreenGeometry g = ComputeScreenGeometry(1920, 1080);
    const auto grid = FieldGridLayout(g, 1052, 6, 2);
    ASSERT_EQ(grid.size(), 12u);
    // eW = trunc(526 x 10 / 23) = 228; gap = trunc((1052 - 456) / 3 - 45) = 153
    EXPECT_EQ(grid[0].edit, (Rect{153, 138, 228, 45}));
    EXPECT_EQ(grid[0].label, (Rect{-75, 138, 228, 45}));
    EXPECT_EQ(grid[0].unit.width, 125);
    EXPECT_EQ(grid[1].edit.y, 138 + 60);
    EXPECT_EQ(grid[6].edit.x, 153 + 228 + 135 + 153);
    EXPECT_EQ(grid[6].edit.y, 138);
    const auto single = FieldGridLayout(g, 1052, 5, 1);
    EXPECT_EQ(single[0].edit.width, 263);
    const auto wide = WideFieldGridLayout(g, 1052, 535, 9, 3);
    ASSERT_EQ(wide.size(), 27u);
    // rowS = 45, eW = trunc(350 x 10 / 20) = 175, gap = trunc((1052 - 525) / 4 - 45) = 86,
    // y0 = trunc(93.06 + 22) = 115, p = (535 - 115) / 11 = 38, step 2 x trunc(38 x 4 / 7) = 42
    EXPECT_EQ(wide[0].edit, (Rect{86, 115, 175, 38}));
    EXPECT_EQ(wide[1].edit.y, 157);
    EXPECT_EQ(wide[9].edit.x, 86 + 175 + 76 + 86);
    EXPECT_EQ(wide[0].unit.width, 72);
}

TEST(FieldLayouts, GridInRectCentresEachFieldInItsColumnAndFixedPointGrid)
{
    const ScreenGeometry g = ComputeScreenGeometry(1920, 1080);
    const auto cells = FieldGridInRectLayout(g, Rect{10, 20, 500, 300}, 2, 6);
    ASSERT_EQ(cells.size(), 12u);
    // cw = 250: label 100, edit 125, unit 25, 4 pixels of gaps, (250 - 254) / 2 = -2 from the column left
    EXPECT_EQ(cells[0].label, (Rect{8, 20, 100, 45}));
    EXPECT_EQ(cells[0].edit, (Rect{110, 20, 125, 45}));
    EXPECT_EQ(cells[0].unit, (Rect{237, 20, 25, 45}));
    EXPECT_EQ(cells[1].label.y, 20 + 51);  // step 300 / 6 + 1
    EXPECT_EQ(cells[6].label.x, 8 + 252);
    const auto fixed = FixedPointGridLayout(g, Rect{100, 60, 800, 300});
    ASSERT_EQ(fixed.size(), 18u);
    EXPECT_EQ(fixed[0].label.width, 80);
    EXPECT_EQ(fixed[9].label.width, 160);
    EXPECT_EQ(fixed[0].edit.width, 160);
    EXPECT_EQ(fixed[1].label.y, 60 + 34);  // one field height (35) - 1 below
}

TEST(FieldLayouts, InputOutputRows)
{
    const ScreenGeometry g = ComputeScreenGeometry(1920, 1080);
    const auto rows = InputOutputRowsLayout(g, Rect{0, 0, 1054, 400});
    ASSERT_EQ(rows.size(), 8u);
    // area (10, 50, 1044 x 350), half 522, side 208, unit 52, step (70 + 1) / 2 = 35
    EXPECT_EQ(rows[0].label, (Rect{20, 50, 208, 45}));
    EXPECT_EQ(rows[0].edit, (Rect{228, 50, 208, 45}));
    EXPECT_EQ(rows[0].unit, (Rect{436, 50, 52, 45}));
    EXPECT_EQ(rows[1].label.y, 85);
    EXPECT_EQ(rows[5].label, (Rect{20 + 522 - 20, 50 + 5 + 45, 208, 45}));
    // An odd fifth of the area rounds the step up: 355 / 5 = 71 gives (71 + 1) / 2 = 36, not 35.
    const auto odd = InputOutputRowsLayout(g, Rect{0, 0, 1054, 405});
    EXPECT_EQ(odd[1].label.y, 50 + 36);
    EXPECT_EQ(odd[6].label.y, 50 + 5 + 45 + 36);
}

TEST(TabBand, SitsUnderTheTitleBand)
{
    const auto tabs = SubPageTabRects(1052, 8);
    ASSERT_EQ(tabs.size(), 8u);
    EXPECT_EQ(tabs[0], (Rect{0, 93, 131, 46}));
    EXPECT_EQ(tabs[7].right(), 1052);
    EXPECT_EQ(EditTextTopOffset(45), 7);
}

// Texts and indicators follow one scale, the window width over its design width: the design figure on
// 1920 x 1080, never under a pixel, and the legible floor at 9 pixels or the 12-pixel text scaled.
TEST(TextScale, DesignFiguresOnTheDesignScreenScaledElsewhere)
{
    struct Row {
        int width, height, banner33, list12, floor;
    };
    for (const Row& r : {Row{1920, 1080, 33, 12, 12}, Row{1366, 768, 23, 8, 9}, Row{1280, 720, 22, 8, 9},
                         Row{2560, 1440, 44, 16, 16}, Row{3840, 2160, 66, 24, 24}}) {
        const ScreenGeometry g = ComputeScreenGeometry(r.width, r.height);
        EXPECT_EQ(ScaledPixels(g, 33), r.banner33) << r.width;
        EXPECT_EQ(ScaledPixels(g, 12), r.list12) << r.width;
        EXPECT_EQ(LegibleFloorPixels(g), r.floor) << r.width;
        EXPECT_EQ(ScaledPixels(g, 0.2), 1);
    }
}

// Stacked rows closer than their height are cut to the pitch plus the shared frame line, the last of
// the column too; rows that do not touch keep their height.
TEST(FieldLayouts, StackedRowsShareOneFrameLine)
{
    const ScreenGeometry g = ComputeScreenGeometry(1920, 1080);
    // Input and output rows: 45 high every 35 (left) and every 35 (right, five lower).
    const auto rows = ShareStackedFrames(InputOutputRowsLayout(g, Rect{0, 0, 1054, 400}));
    for (std::size_t k = 0; k < rows.size(); ++k) {
        EXPECT_EQ(rows[k].edit.height, 36) << k;
        EXPECT_EQ(rows[k].label.height, 36) << k;
        EXPECT_EQ(rows[k].unit.height, 36) << k;
    }
    EXPECT_EQ(rows[1].edit.y, rows[0].edit.bottom() - 1);
    EXPECT_EQ(rows[0].edit.y, 50);  // nothing moves
    // A grid whose rows stand apart, and the fixed-point grid that already shares its lines, keep theirs.
    for (const auto& layout : {FieldGridInRectLayout(g, Rect{10, 20, 500, 300}, 2, 6),
                               FixedPointGridLayout(g, Rect{100, 60, 800, 300})}) {
        const auto kept = ShareStackedFrames(layout);
        for (std::size_t k = 0; k < layout.size(); ++k) {
            EXPECT_EQ(kept[k].label, layout[k].label) << k;
            EXPECT_EQ(kept[k].edit, layout[k].edit) << k;
            EXPECT_EQ(kept[k].unit, layout[k].unit) << k;
        }
    }
    // Seven rows in a short rectangle: 45 high every 35.28 (35 or 36 pixels), all cut to 36.
    const auto tight = ShareStackedFrames(FieldGridInRectLayout(g, Rect{0, 0, 400, 240}, 1, 7));
    EXPECT_EQ(tight[4].edit.y - tight[3].edit.y, 36);
    for (const FieldRects& row : tight) EXPECT_EQ(row.edit.height, 36);
}

}  // namespace
}  // namespace tmcalc
