// What the temperature sub-pages write after an edit, and where the resistance thermometer sub-pages place
// their widgets, without Qt.
#include "rtd/rtd_page_math.h"
#include "rtd/rtd_page_layout.h"
#include "rtd/sprt_page_layout.h"

#include <gtest/gtest.h>

#include <limits>
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

TEST(RtdTexts, SevenDigitsFromOneThousandOhms)
{
    // From 1000 Ω up seven digits hold fewer than four decimals. Rounding to 0.1 mΩ first and then to seven
    // digits once showed a wrong last digit for 397 of the 8501 tenths of a degree from 0 to 850 °C.
    const std::pair<double, const char*> rows[] = {{1.4, "1005.47"}, {2.2, "1008.595"}, {4.8, "1018.747"}};
    for (const auto& [t, text] : rows) EXPECT_EQ(RtdTextsFromTemperature(RtdMetal::Platinum, t, 1000).value, text);
}

// The sub-pages start two pixels below the tab band and end with the page, at any screen size.
TEST(RtdPageLayout, SubPagesFillThePageBelowTheTabBand)
{
    for (const auto& [w, h] : {std::pair{1920, 1080}, std::pair{1366, 768}, std::pair{2560, 1440}}) {
        const Rect page = PageRect(ComputeScreenGeometry(w, h));
        const Rect sub = SubPageRect(page.width - 2, page.height - 2);
        EXPECT_EQ(sub.y, SubPageTabRects(page.width - 2, 8).front().bottom() + 2) << w;
        EXPECT_EQ(sub.bottom(), page.height - 2) << w;
    }
    EXPECT_EQ(SubPageRect(1052, 100).height, 0);  // never negative
}

// Preset buttons 20 pixels high and 155 wide on a 1080-line screen, 5 apart, scaled with the screen; the
// coefficients start 10 pixels to their right.
TEST(RtdPageLayout, NickelPresetsScaleWithTheScreen)
{
    const NickelPageLayout l = ComputeNickelPageLayout(ComputeScreenGeometry(1920, 1080), {0, 0, 1052, 394});
    EXPECT_EQ(l.presets[0], (Rect{20, 25, 155, 20}));
    EXPECT_EQ(l.presets[3], (Rect{20, 100, 155, 20}));
    EXPECT_EQ(l.values.right(), 1042);
    const NickelPageLayout big = ComputeNickelPageLayout(ComputeScreenGeometry(2560, 1440), {0, 0, 1403, 525});
    EXPECT_EQ(big.presets[1], (Rect{20, 25 + 26 + 5, 206, 26}));
    EXPECT_EQ(big.coefficients.x, 20 + 206 + 10);
}

TEST(RtdPageLayout, CoefficientCellsShareTheirBorders)
{
    const CoefficientPageLayout l =
        ComputeCoefficientPageLayout(ComputeScreenGeometry(1920, 1080), {0, 0, 1052, 394});
    // Half of the area is 521: left cells 30 % (156) wide, right cells 20 % and 50 % (104 and 260), rows 42.
    const std::pair<int, Rect> cells[] = {
        {0, {10, 15, 156, 42}}, {14, {320, 179, 156, 42}}, {15, {531, 15, 104, 42}}, {20, {634, 97, 260, 42}}};
    for (const auto& [i, rect] : cells) EXPECT_EQ(l.cells[static_cast<std::size_t>(i)], rect) << i;
    for (std::size_t i = 0; i < kCoefficientCellCount; ++i) {
        if (i % 3 != 2 && i < 15) {
            EXPECT_EQ(l.cells[i + 1].x, l.cells[i].right() - 1) << i;
        }
        if (i < 12) {
            EXPECT_EQ(l.cells[i + 3].y, l.cells[i].bottom() - 1) << i;
        }
        EXPECT_EQ(l.cells[i].width, i < 15 ? 156 : i % 2 ? 104 : 260) << i;
    }
    // The check rows: one row height below cell 19, label and edit 40 % of the half, unit 10 %, side by side
    // (the label's text must not reach under the edit's border).
    EXPECT_EQ(l.checkRows[0].label, (Rect{531, 181, 208, 42}));
    EXPECT_EQ(l.checkRows[0].edit, (Rect{739, 181, 208, 42}));
    EXPECT_EQ(l.checkRows[0].unit, (Rect{947, 181, 52, 42}));
    EXPECT_EQ(l.checkRows[1].label.y, 222);
    EXPECT_LE(l.checkRows[1].unit.right(), 1052);
}

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
    // Half of the area is 521: cells 10 %, 30 % and 30 % wide, rows 45 high; results 20 % and 70 %.
    EXPECT_EQ(c.cells[0][0], (Rect{10, 15, 52, 45}));
    EXPECT_EQ(c.cells[6][2], (Rect{216, 15 + 6 * 44, 156, 45}));
    EXPECT_EQ(c.results[0][0], (Rect{531, 15 + 2 * 44, 104, 45}));
    EXPECT_EQ(c.results[0][1].width, 364);
}

// The fixed-point rows ("number temperature") and result names of each pair of groups. Gallium shows as
// 29.765000 in the a11 group and as 29.764600 in the a5/b5 group.
TEST(SprtGridTexts, RowsAndResultNames)
{
    struct GridCase {
        const char* name;
        SprtRangeCodes codes;
        std::string rows, names;
    };
    const GridCase cases[] = {
        {"A7AndA4", {0, 0}, "1 660.323000,2 419.527000,3 231.928000,4 -189.344200,5 -38.834400", "a7,b7,c7,a4,b4"},
        {"A11AndA5", {4, 1}, "1 29.765000,2 29.764600,3 -38.834400", "a11,a5,b5"},
        {"A9Alone", {2, 2}, "1 231.928000,2 156.598500", "a9,b9"},
        {"A10Alone", {3, 2}, "1 156.598500", "a10"},
        {"NoGroup", {5, 2}, "", ""},
        {"UnknownCodes", {9, -1}, "", ""},
    };
    for (const GridCase& c : cases) {
        SCOPED_TRACE(c.name);
        const SprtCoefficientGridTexts t = SprtCoefficientGrid(c.codes);
        std::string rows;
        std::string names;
        for (std::size_t i = 0; i < static_cast<std::size_t>(t.rows); ++i)
            rows += (i ? "," : "") + t.numbers[i] + ' ' + t.temperatures[i];
        for (std::size_t i = 0; i < static_cast<std::size_t>(t.results); ++i)
            names.append(i ? "," : "").append(t.names[i]);
        EXPECT_EQ(rows, c.rows);
        EXPECT_EQ(names, c.names);
    }
}

TEST(SprtFixedSix, SixDecimalsWhateverTheValue)
{
    EXPECT_EQ(FormatFixedSix(0.0), "0.000000");
    EXPECT_EQ(FormatFixedSix(std::numeric_limits<double>::quiet_NaN()), "nan");
    EXPECT_EQ(FormatFixedSix(-std::numeric_limits<double>::infinity()), "-inf");
    EXPECT_EQ(FormatFixedSix(1e300).size(), 301u + 7u);  // no exponent, never cut
}

}  // namespace
}  // namespace tmcalc
