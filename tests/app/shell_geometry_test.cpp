#include "app/shell_geometry.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace tmcalc {
namespace {

TEST(ShellAt1080, BannerColumnItemsAndClicksWithStrictNavigationEdges)
{
    const ShellLayout s = ComputeShellLayout(ComputeScreenGeometry(1920, 1080));
    EXPECT_EQ(s.banner, (Edges{0, 0, 1300, 100}));
    EXPECT_EQ(s.column, (Edges{0, 100, 203, 831}));
    EXPECT_EQ(s.items[0], (Edges{0, 100, 203, 155}));  // 54 high plus the pixel into the next item
    EXPECT_EQ(s.items[11], (Edges{0, 100 + 11 * 54, 203, 100 + 12 * 54 + 1}));
    EXPECT_EQ(s.aboutLink, (Edges{0, 747, 203, 867}));
    // q = trunc(100 / 4) = 25; the top strip is y <= 25
    EXPECT_EQ(ClassifyShellClick(s, 1299, 0), ShellClick::Close);
    EXPECT_EQ(ClassifyShellClick(s, 1275, 25), ShellClick::Close);
    EXPECT_EQ(ClassifyShellClick(s, 1274, 25), ShellClick::Minimise);
    EXPECT_EQ(ClassifyShellClick(s, 1250, 10), ShellClick::Minimise);
    EXPECT_EQ(ClassifyShellClick(s, 1249, 10), ShellClick::Drag);
    EXPECT_EQ(ClassifyShellClick(s, 1275, 26), ShellClick::Drag);
    EXPECT_EQ(ClassifyShellClick(s, 1276, 26), ShellClick::None);  // close column below the strip
    EXPECT_EQ(ClassifyShellClick(s, 1290, 100), ShellClick::None);
    EXPECT_EQ(ClassifyShellClick(s, 0, 100), ShellClick::Drag);  // the banner's last row drags
    EXPECT_EQ(ClassifyShellClick(s, 10, 101), ShellClick::Navigate);
    EXPECT_EQ(NavigationItemAt(s, 10, 101), 0);
    EXPECT_EQ(NavigationItemAt(s, 10, 154), 0);  // the top edge of item 1 belongs to item 0
    EXPECT_EQ(NavigationItemAt(s, 10, 155), 1);
    EXPECT_EQ(NavigationItemAt(s, 0, 120), -1);  // left edge excluded
    EXPECT_EQ(NavigationItemAt(s, 202, 120), 0);
    EXPECT_EQ(ClassifyShellClick(s, 203, 120), ShellClick::None);  // right of the column
    EXPECT_EQ(ClassifyShellClick(s, 10, 100 + 12 * 54 + 1), ShellClick::None);  // below the last item
    EXPECT_EQ(NavigationItemAt(s, 10, 100 + 12 * 54), 11);
}

TEST(MorePageTiles, DesignScreenFigures)
{
    const auto t = MoreTileRects(1300.0);
    EXPECT_EQ(t[0], (Edges{96, 79, 365, 190}));
    EXPECT_EQ(t[1], (Edges{372, 79, 642, 190}));
    EXPECT_EQ(t[4], (Edges{96, 317, 226, 429}));
    EXPECT_EQ(t[8], (Edges{649, 79, 780, 190}));
    EXPECT_EQ(t[10], (Edges{649, 317, 780, 429}));
    EXPECT_EQ(MoreTileAt(t, 96, 79), 0);    // edges included
    EXPECT_EQ(MoreTileAt(t, 365, 190), 0);
    EXPECT_EQ(MoreTileAt(t, 366, 100), -1);  // the gap between tiles 0 and 1
    EXPECT_EQ(MoreTileAt(t, 780, 429), 10);
    EXPECT_NEAR(MoreTileFontPoints(ComputeScreenGeometry(1920, 1080)), 15.98, 0.01);
    // Tiles after the eleventh open a sixth column of narrow tiles, top to bottom (a fourth row would
    // leave the page: 549 > 537).
    EXPECT_EQ(t[11], (Edges{787, 79, 918, 190}));
    EXPECT_EQ(t[12], (Edges{787, 198, 918, 310}));
    EXPECT_EQ(MoreTileAt(t, 784, 100), -1);  // the gap between the fifth and sixth columns
    EXPECT_EQ(MoreTileAt(t, 850, 250), 12);
}

TEST(MorePageTiles, NoTwoOverlapAndAllFitThePage)
{
    for (const auto& [w, h] : {std::pair{1300, 731}, std::pair{1920, 1080}, std::pair{1024, 768}, std::pair{3840, 2160}}) {
        const ScreenGeometry g = ComputeScreenGeometry(w, h);
        const Rect page = PageRect(g);
        const auto t = MoreTileRects(g.W);
        for (std::size_t i = 0; i < t.size(); ++i) {
            EXPECT_GE(t[i].left, 0) << i;
            EXPECT_LE(t[i].right, page.width) << w << " tile " << i;
            EXPECT_LE(t[i].bottom, page.height) << w << " tile " << i;
            for (std::size_t j = i + 1; j < t.size(); ++j) {
                const bool apart = t[i].right < t[j].left || t[j].right < t[i].left || t[i].bottom < t[j].top ||
                                   t[j].bottom < t[i].top;
                EXPECT_TRUE(apart) << w << ": tiles " << i << " and " << j;
            }
        }
    }
}

TEST(ThermocoupleTabRow, TabsAndSelectionPoint)
{
    const TabRow t = ComputeTabRow(1052, 10);
    EXPECT_EQ(t.tabs[0], (Edges{0, 93, 105, 139}));
    EXPECT_EQ(t.tabs[9], (Edges{946, 93, 1052, 139}));
    EXPECT_EQ(t.subPageY, 141);  // 1.5 x 93 + 2
    EXPECT_EQ(TabRowAt(t, 5, static_cast<int>(1.5 * t.bandHeight - 5)), 0);
    EXPECT_EQ(TabRowAt(t, 105, 100), 1);  // left edge included, right excluded
    EXPECT_EQ(TabRowAt(t, 50, 139), 0);   // bottom edge included
    EXPECT_EQ(TabRowAt(t, 50, 92), -1);
}

// The grid is centred in the page whatever the number of tiles; the about link and the tile texts scale.
TEST(MorePageTiles, GridIsCentredForAnyTileCountAndTextsScale)
{
    const auto design = MoreTileRects(1300.0);
    const auto centred = CentredTiles(design, 1052, 535);
    // Every tile moves by one shift, which leaves equal margins on both sides and above and below.
    const int dx = centred[0].left - design[0].left;
    const int dy = centred[0].top - design[0].top;
    int left = 1052, right = 0, top = 535, bottom = 0;
    for (std::size_t k = 0; k < design.size(); ++k) {
        EXPECT_EQ(centred[k], (Edges{design[k].left + dx, design[k].top + dy, design[k].right + dx, design[k].bottom + dy}));
        left = std::min(left, centred[k].left);
        right = std::max(right, centred[k].right);
        top = std::min(top, centred[k].top);
        bottom = std::max(bottom, centred[k].bottom);
    }
    EXPECT_NEAR(left + right, 1052, 1);
    EXPECT_NEAR(top + bottom, 535, 1);
    const std::array<Edges, 3> row{{{0, 0, 100, 50}, {110, 0, 210, 50}, {220, 0, 320, 50}}};
    const auto three = CentredTiles(row, 1000, 200);
    EXPECT_EQ(three[0], (Edges{340, 75, 440, 125}));
    EXPECT_EQ(three[2].right, 660);
    const std::array<Edges, 1> one{{{5, 5, 15, 15}}};
    EXPECT_EQ(CentredTiles(one, 10, 10)[0], (Edges{0, 0, 10, 10}));

    const ScreenGeometry uhd = ComputeScreenGeometry(3840, 2160);
    EXPECT_NEAR(MoreTileFontPoints(uhd), 2 * 15.98, 0.02);
    const ShellLayout s = ComputeShellLayout(uhd);
    EXPECT_EQ(s.aboutLink.bottom - s.aboutLink.top, 240);
    EXPECT_EQ(s.footerMargin, 16);
}

}  // namespace
}  // namespace tmcalc
