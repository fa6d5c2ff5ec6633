// Layouts of the standard thermocouple sub-pages. Expected rectangles at 1920 x 1080 follow by hand from
// the stated formulas for the sub-page client area 1052 x 394 (page 1054 x 537 less frame and tab band).
#include "thermocouple/std_page_layout.h"

#include <gtest/gtest.h>

namespace tmcalc {
namespace {

constexpr Rect kClient{0, 0, 1052, 394};

TEST(StdPageLayout, CalculatorCellsAtTheDesignSize)
{
    const StdSCalculatorLayout l = ComputeStdSCalculatorLayout(ComputeScreenGeometry(1920, 1080), kClient);
    // half = 521: name cells trunc(208.4), value cells trunc(260.5); x = trunc(260.5 + 20 - 234) = 46; the
    // right block starts 523 further: trunc(260.5 + 543 - 234) = 569. Rows from 15 + 45 + 5 every 44.
    EXPECT_EQ(l.cells[0], (Rect{46, 65, 208, 45}));
    EXPECT_EQ(l.cells[1], (Rect{253, 65, 260, 45}));
    EXPECT_EQ(l.cells[5], (Rect{253, 153, 260, 45}));
    EXPECT_EQ(l.cells[6], (Rect{569, 65, 208, 45}));
    EXPECT_EQ(l.cells[11], (Rect{776, 153, 260, 45}));
}

TEST(StdPageLayout, CalculatorCellsShareBordersOnEveryScreen)
{
    for (const auto& [w, h] : {std::pair{1920, 1080}, {1366, 768}, {2560, 1440}, {3840, 2160}}) {
        const ScreenGeometry g = ComputeScreenGeometry(w, h);
        const Rect client{0, 0, Trunc(1052 * g.scaleX()), Trunc(394 * g.scaleY())};
        const StdSCalculatorLayout l = ComputeStdSCalculatorLayout(g, client);
        for (std::size_t k = 0; k < l.cells.size(); k += 2) {
            SCOPED_TRACE(testing::Message() << w << "x" << h << " cell " << k);
            EXPECT_EQ(l.cells[k + 1].x, l.cells[k].right() - 1);  // value starts on the name's last column
            EXPECT_EQ(l.cells[k + 1].y, l.cells[k].y);
            if (k % 6 != 0) EXPECT_EQ(l.cells[k].y, l.cells[k - 2].bottom() - 1);
            EXPECT_LE(l.cells[k + 1].right(), client.right());
        }
        EXPECT_GT(l.cells[6].x, l.cells[1].right());  // the blocks do not touch
    }
}

TEST(StdPageLayout, TypeSFieldsListAndPanelDoNotOverlap)
{
    const StdSPageLayout l = ComputeStdSPageLayout(ComputeScreenGeometry(1920, 1080), kClient);
    EXPECT_EQ(l.fields, (Rect{10, 20, 516, 242}));  // edges (10, 20, 1052 / 2, trunc(394 / 1.5))
    EXPECT_EQ(l.panel, (Rect{578, 20, 474, 15 * 24}));
    EXPECT_EQ(l.valueColumn, 788);
    // Under the seventh field (its edit box ends at trunc(20 + 6 x 35.57) + 45 = 278), in its columns.
    EXPECT_EQ(l.productHeading, (Rect{8, 293, 206, 30}));
    EXPECT_EQ(l.productList, (Rect{216, 293, 258, 30}));
    EXPECT_LE(l.panel.bottom(), kClient.bottom());
}

TEST(StdPageLayout, TypeBButtonsAndGrid)
{
    const StdBPageLayout l = ComputeStdBPageLayout(ComputeScreenGeometry(1920, 1080), kClient);
    EXPECT_EQ(l.modes[0], (Rect{20, 20, 150, 25}));
    EXPECT_EQ(l.modes[2], (Rect{20, 68, 150, 25}));  // y0 + 2 h - 2
    EXPECT_EQ(l.fields, (Rect{100, 60, 952, 221}));  // edges (100, 60, 1052, trunc(394 / 1.4))
}

TEST(StdPageLayout, TinyClientGivesNoNegativeSizes)
{
    const ScreenGeometry g = ComputeScreenGeometry(1920, 1080);
    const Rect tiny{0, 0, 4, 4};
    for (const Rect& r : ComputeStdSCalculatorLayout(g, tiny).cells) EXPECT_GE(r.width, 0);
    const StdSPageLayout s = ComputeStdSPageLayout(g, tiny);
    EXPECT_GE(s.fields.width, 0);
    EXPECT_GE(s.panel.height, 0);
    EXPECT_GE(ComputeStdBPageLayout(g, tiny).fields.height, 0);
}

}  // namespace
}  // namespace tmcalc
