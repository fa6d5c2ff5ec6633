// What the temperature sub-pages write after an edit, and where the sub-pages place their widgets.
#include "rtd/rtd_page_math.h"
#include "rtd/rtd_page_layout.h"

#include <gtest/gtest.h>

#include <string>
#include <utility>

#include "rtd_test_util.h"

namespace tmcalc {
namespace {

using test::kInf;
using test::kNaN;

constexpr int kPt100 = 0, kPt50 = 1, kPtX = 2, kCu100 = 3, kCu50 = 4;  // kRtdSensorPages
constexpr const char* kOut = "Out of Rage.";

struct TextRow {
    const char* name;
    int page;
    double x;  // the temperature or the resistance typed
    double r0;
    const char* value;
    const char* slope;
};

// The cases the page scenarios (rtd_pages_test.cpp) do not show already. Resistances to 0.1 mΩ in "%.07g"
// (unrounded from 1000 Ω up), slopes "%.7f" within 8 digits, values from the equations by hand; out of the
// range, and for a non-number, the out-of-range text and no slope.
constexpr TextRow kFromTemperature[] = {
    {"Pt100JustBelowMinus200", kPt100, -200.01, 100, kOut, ""},
    {"Cu50AtMinus50", kCu50, -50, 50, "39.242", "0.2160073"},
    {"Cu50At150", kCu50, 150, 50, "82.1343", "0.2153752"},
    {"Cu50JustAbove150", kCu50, 150.01, 50, kOut, ""},
    {"Cu100JustBelowMinus50", kCu100, -50.01, 100, kOut, ""},
    {"InfiniteTemperature", kCu100, kInf, 100, kOut, ""},
    // A zero or negative R0 (typed on PtX) is computed as it stands.
    {"ZeroR0", kPtX, 100, 0, "0", "0."},
    {"NegativeR0", kPtX, 100, -100, "-138.5055", "-0.3792800"},
    {"NaNR0", kPtX, 100, kNaN, kOut, kOut},
    {"HugeR0", kPtX, 100, 1e300, "1.385055e+300", "3.7928e+297"},
};

// Resistances typed as the forward conversion shows them, temperatures "%.07g"; again beside the page
// scenarios. The bands: Pt100/Pt50 0.6 + 0.01|t| (upper end exclusive), copper 0.3 + 0.006|t|, PtX none.
// The slope is that of the computed temperature, shown even when the temperature itself is rejected.
constexpr TextRow kFromResistance[] = {
    {"Pt100At850", kPt100, 390.4811, 100, "849.9999", "0.2926550"},
    {"Pt100At859_1InsideItsBand", kPt100, 393.1395, 100, "859.1", kOut},
    {"Pt100AtMinus202_6InsideItsBand", kPt100, 17.3948, 100, "-202.5999", kOut},
    {"Pt100AtMinus202_7BeyondItsBand", kPt100, 17.3514, 100, kOut, kOut},
    {"Pt50IcePointIsLiteral", kPt50, 50, 50, "0.0", "0.1954150"},
    {"PtXAt855Rejected", kPtX, 391.943, 100, kOut, kOut},
    {"Cu100IcePointIsLiteral", kCu100, 100, 100, "0.0", "0.4289310"},
    {"Cu100AtMinus50_4InsideItsBand", kCu100, 78.3112, 100, "-50.40009", kOut},
    {"Cu100AtMinus51BeyondItsBand", kCu100, 78.052, 100, kOut, kOut},
    // Text without a number reads as 0 Ω: about -227 °C copper, rejected (platinum: -242 °C).
    {"Cu100ZeroOhm", kCu100, 0, 100, kOut, kOut},
    // A pasted far-off value: Newton reaches its far root (2.0e6 °C), which the page rejects.
    {"Cu100OneTeraohm", kCu100, 1e12, 100, kOut, kOut},
    {"Pt100NaN", kPt100, kNaN, 100, kOut, kOut},
    // PtX with R0 0: r = 0 equals R0 (the literal), any other r is rejected.
    {"PtXZeroR0ZeroOhm", kPtX, 0, 0, "0.0", "0."},
    {"PtXZeroR0", kPtX, 100, 0, kOut, kOut},
    {"PtXNegativeR0", kPtX, -100, -100, "0.0", "-0.3908300"},
};

TEST(RtdTexts, FromTemperatureAndFromResistance)
{
    for (const TextRow& row : kFromTemperature) {
        const RtdShownTexts shown =
            RtdTextsFromTemperature(kRtdSensorPages[static_cast<std::size_t>(row.page)].metal, row.x, row.r0);
        EXPECT_EQ(shown.value + " / " + shown.slope, std::string(row.value) + " / " + row.slope) << row.name;
    }
    for (const TextRow& row : kFromResistance) {
        const RtdShownTexts shown =
            RtdTextsFromResistance(kRtdSensorPages[static_cast<std::size_t>(row.page)], row.x, row.r0);
        EXPECT_EQ(shown.value + " / " + shown.slope, std::string(row.value) + " / " + row.slope) << row.name;
    }
}

TEST(RtdTexts, ResistanceRoundingRegressions)
{
    // 197.7119 Ω at 260 °C is 197.71189999999999 in binary, and taking the fifth decimal from r·100000
    // once showed 197.7118 (and 267.562 at 460 °C).
    EXPECT_EQ(RtdTextsFromTemperature(RtdMetal::Platinum, 260, 100).value, "197.7119");
    EXPECT_EQ(RtdTextsFromTemperature(RtdMetal::Platinum, 460, 100).value, "267.5619");
    // From 1000 Ω up seven digits hold fewer than four decimals. Rounding to 0.1 mΩ first and then to seven
    // digits once showed a wrong last digit for 397 of the 8501 tenths of a degree from 0 to 850 °C.
    EXPECT_EQ(RtdTextsFromTemperature(RtdMetal::Platinum, 1.4, 1000).value, "1005.47");   // was 1005.471
    EXPECT_EQ(RtdTextsFromTemperature(RtdMetal::Platinum, 2.2, 1000).value, "1008.595");  // was 1008.596
    EXPECT_EQ(RtdTextsFromTemperature(RtdMetal::Platinum, 4.8, 1000).value, "1018.747");  // was 1018.746
}

// The page rectangle of a 1920 x 1080 screen is 1054 x 537 with a one-pixel border: client 1052 x 535.
TEST(RtdPageLayout, SubPagesStartTwoPixelsBelowTheTabBand)
{
    // Tab band 93-139 (w x 115 / 1300 to 1.5 times that).
    EXPECT_EQ(SubPageRect(1052, 535), (Rect{0, 141, 1052, 394}));
    EXPECT_EQ(SubPageRect(1052, 100), (Rect{0, 141, 1052, 0}));  // never negative
    const Rect page = PageRect(ComputeScreenGeometry(2560, 1440));
    const Rect sub = SubPageRect(page.width - 2, page.height - 2);
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
    const std::pair<int, Rect> cells[] = {
        {0, {10, 15, 156, 42}},   {1, {165, 15, 156, 42}},   {2, {320, 15, 156, 42}},
        {3, {10, 56, 156, 42}},   {14, {320, 179, 156, 42}}, {15, {531, 15, 104, 42}},
        {16, {634, 15, 260, 42}}, {19, {531, 97, 104, 42}},  {20, {634, 97, 260, 42}},
    };
    for (const auto& [i, rect] : cells) EXPECT_EQ(l.cells[static_cast<std::size_t>(i)], rect) << i;
    for (std::size_t i = 0; i < kCoefficientCellCount; ++i) {
        if (i % 3 != 2 && i < 15) EXPECT_EQ(l.cells[i + 1].x, l.cells[i].right() - 1) << i;
        if (i < 12) EXPECT_EQ(l.cells[i + 3].y, l.cells[i].bottom() - 1) << i;
    }
    // The check rows: one row height below cell 19, label and edit 40 % of the half, unit 10 %, side by side
    // (the label's text must not reach under the edit's border).
    EXPECT_EQ(l.checkRows[0].label, (Rect{531, 181, 208, 42}));
    EXPECT_EQ(l.checkRows[0].edit, (Rect{739, 181, 208, 42}));
    EXPECT_EQ(l.checkRows[0].unit, (Rect{947, 181, 52, 42}));
    EXPECT_EQ(l.checkRows[1].label, (Rect{531, 222, 208, 42}));
    EXPECT_LE(l.checkRows[1].unit.right(), 1052);
}

}  // namespace
}  // namespace tmcalc
