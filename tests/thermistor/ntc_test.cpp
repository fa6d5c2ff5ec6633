// The thermistor forms and fits, and the pages' pure parts: geometry, a standard's "Method", what it writes.
#include "thermistor/ntc_conversions.h"
#include "thermistor/ntc_fits.h"
#include "thermistor/ntc_page_layout.h"
#include "thermistor/ntc_page_math.h"

#include "framework/geometry.h"
#include "standards/standard_records.h"
#include "test_support.h"

#include <gtest/gtest.h>
#include <algorithm>
#include <cmath>
#include <functional>
#include <limits>
#include <optional>
#include <ostream>
#include <string>

namespace tmcalc {
namespace {

using test::kInf;
using test::kNaN;

// A typical 10 kΩ thermistor, and the same with a square term for the extended form.
constexpr double kA = 1.129148e-3, kB = 2.34125e-4, kC = 8.76741e-8, kCx = 1e-6, kDx = 8e-8;

std::optional<FitPoint> Pt(double t, double r) { return FitPoint{t, r}; }
std::optional<FitPoint> ShPoint(double t) { return FitPoint{t, *NtcShResistance(kA, kB, kC, t)}; }

// The largest relative error of A, B, C fitted through three points of the curve above.
std::optional<double> ShFitError(double t1, double t2, double t3)
{
    const std::optional<NtcShCoefficients> k = FitNtcSteinhartHart(ShPoint(t1), ShPoint(t2), ShPoint(t3));
    if (!k) return std::nullopt;
    return std::max({std::fabs(k->a / kA - 1), std::fabs(k->b / kB - 1), std::fabs(k->c / kC - 1)});
}

// A + B + C, to see a refusal or NaN coefficients in one value.
std::optional<double> ShFitSum(std::optional<FitPoint> p1, std::optional<FitPoint> p2, std::optional<FitPoint> p3)
{
    const std::optional<NtcShCoefficients> k = FitNtcSteinhartHart(p1, p2, p3);
    return k ? std::optional(k->a + k->b + k->c) : std::nullopt;
}

struct Row {
    const char* name;
    std::function<std::optional<double>()> got;
    std::optional<double> want;  // empty: no result; NaN: NaN
    double tol = 0;              // 0: the very same double
};
void PrintTo(const Row& row, std::ostream* out) { *out << row.name; }

class Ntc : public ::testing::TestWithParam<Row> {};
TEST_P(Ntc, GivesTheExpectedResult)
{
    const Row& row = GetParam();
    const std::optional<double> got = row.got();
    ASSERT_EQ(got.has_value(), row.want.has_value());
    if (!got) return;
    if (std::isnan(*row.want)) {
        EXPECT_TRUE(std::isnan(*got)) << *got;
    } else {
        EXPECT_NEAR(*got, *row.want, row.tol);
    }
}

// Tolerances: a few roundings after the cancellation in 1/T − 273.15 (1e-11 °C) or of R (1e-12 relative).
const Row kForms[] = {
    {"BetaIcePoint", [] { return NtcBetaResistance(10000, 3950, 0); }, 33620.603721435746, 1e-8},
    {"BetaBoiling", [] { return NtcBetaResistance(10000, 3950, 100); }, 697.51977298618890, 1e-9},
    {"BetaR25", [] { return NtcBetaTemperature(10000, 3950, 10000); }, 25.0},
    // Not snapped to 0 in β mode: the double result is 8.066081e-10 °C (cancellation), the exact 8.066354e-10.
    {"BetaTinyStaysTiny", [] { return NtcBetaTemperature(10000, 3950, 33620.60372); }, 8.066e-10, 1e-12},
    {"ShTemperature", [] { return NtcShTemperature(kA, kB, kC, 10000); }, 24.999668176696317, 1e-11},
    {"ShResistance", [] { return NtcShResistance(kA, kB, kC, 25); }, 9999.8544361687449, 1e-8},
    // t(10000 Ω) goes back to 10000 Ω (9999.854 Ω is the resistance of 25 °C, not of that temperature).
    {"ShBack", [] { return NtcShResistance(kA, kB, kC, *NtcShTemperature(kA, kB, kC, 10000)); }, 10000, 1e-6},
    {"ShxTemperature", [] { return NtcShxTemperature(kA, kB, kCx, kDx, 10000); }, 18.152751242958143, 1e-11},
    {"ShxResistance", [] { return NtcShxResistance(kA, kB, kCx, kDx, 18.152751242958118); }, 10000, 1e-8},
    // C = 0 is allowed in the extended form: it is then the plain form with D in C's place.
    {"ShxWithoutSquare", [] { return NtcShxTemperature(kA, kB, 0, kC, 10000); }, 24.999668176696317, 1e-11},
    // Within 1e-7 °C of 0 the Steinhart-Hart forms give exactly 0; 2e-7 °C stays.
    {"ShSnaps", [] { return NtcShTemperature(kA, kB, kC, *NtcShResistance(kA, kB, kC, 3e-8)); }, 0.0},
    {"ShxSnaps", [] { return NtcShxTemperature(kA, kB, kCx, kDx, *NtcShxResistance(kA, kB, kCx, kDx, -3e-8)); }, 0.0},
    {"ShKeeps", [] { return NtcShTemperature(kA, kB, kC, *NtcShResistance(kA, kB, kC, 2e-7)); }, 2e-7, 1e-9},
    // The zero conditions; a temperature of 0 is an input like any other.
    {"BetaNoR25", [] { return NtcBetaTemperature(0, 3950, 10000); }, std::nullopt},
    {"BetaNoR", [] { return NtcBetaTemperature(10000, 3950, 0); }, std::nullopt},
    {"BetaNoBeta", [] { return NtcBetaResistance(10000, -0.0, 25); }, std::nullopt},
    {"ShNoC", [] { return NtcShTemperature(kA, kB, 0, 10000); }, std::nullopt},
    {"ShNoR", [] { return NtcShTemperature(kA, kB, kC, 0); }, std::nullopt},
    {"ShNoA", [] { return NtcShResistance(0, kB, kC, 25); }, std::nullopt},
    {"ShxNoD", [] { return NtcShxTemperature(kA, kB, kCx, 0, 10000); }, std::nullopt},
    {"ShxNoB", [] { return NtcShxResistance(kA, 0, kCx, kDx, 25); }, std::nullopt},
    // NaN: log R <= 0 (log 0 once gave −273.15 °C), discriminants < 0 (C < 0 < B), cube roots of < 0 (B < 0).
    {"BetaNegativeR", [] { return NtcBetaTemperature(10000, 3950, -5); }, kNaN},
    {"ShNegativeR", [] { return NtcShTemperature(kA, kB, kC, -5); }, kNaN},
    {"ShxZeroR", [] { return NtcShxTemperature(kA, kB, 0, kDx, 0); }, kNaN},
    // With C of B's and D's sign, or the opposite one, log 0 would sum to -inf and give -273.15 °C.
    {"ShxZeroRPositiveC", [] { return NtcShxTemperature(kA, kB, 1e-5, kDx, 0); }, kNaN},
    {"ShxZeroRNegativeC", [] { return NtcShxTemperature(kA, kB, -1e-5, kDx, 0); }, kNaN},
    {"ShxNegativeRNegativeC", [] { return NtcShxTemperature(kA, kB, -1e-5, kDx, -5); }, kNaN},
    // The panel: a resistance of zero or less, an R25 below zero, and temperatures below absolute zero
    // (either way) are out of range; a zero coefficient still means not entered.
    {"PanelTinyR", [] { return NtcPanelTemperature(NtcMode::Beta, {10000, 3950}, 1e-300); }, kNaN},
    {"PanelZeroR", [] { return NtcPanelTemperature(NtcMode::Beta, {10000, 3950}, 0); }, kNaN},
    {"PanelNegativeR25", [] { return NtcPanelTemperature(NtcMode::Beta, {-10000, 3950}, 10000); }, kNaN},
    {"PanelNegativeR25Back", [] { return NtcPanelResistance(NtcMode::Beta, {-10000, 3950}, 20); }, kNaN},
    {"PanelBelowAbsoluteZero", [] { return NtcPanelResistance(NtcMode::Beta, {10000, 3950}, -300); }, kNaN},
    {"PanelShZeroR", [] { return NtcPanelTemperature(NtcMode::SteinhartHart, {0, 0, kA, kB, kC}, 0); }, kNaN},
    {"PanelShxZeroR", [] { return NtcPanelTemperature(NtcMode::Extended, {0, 0, kA, kB, -1e-5, kDx}, 0); }, kNaN},
    {"PanelShxCold", [] { return NtcPanelResistance(NtcMode::Extended, {0, 0, kA, kB, kCx, kDx}, -273.16); }, kNaN},
    {"PanelNoR25", [] { return NtcPanelTemperature(NtcMode::Beta, {0, 3950}, 0); }, std::nullopt},
    {"PanelRoom", [] { return NtcPanelTemperature(NtcMode::Beta, {10000, 3950}, 10000); }, 25.0},
    {"ShNegativeDiscriminant", [] { return NtcShResistance(kA, kB, -kC, 25); }, kNaN},
    {"ShNegativeCubeRoot", [] { return NtcShResistance(-1e-3, -1e-6, 1e-9, 25); }, kNaN},
    {"ShxNegativeDiscriminant", [] { return NtcShxResistance(kA, kB, 0, -kDx, 25); }, kNaN},
    {"ShNaNTemperature", [] { return NtcShResistance(kA, kB, kC, kNaN); }, kNaN}};
INSTANTIATE_TEST_SUITE_P(NtcForms, Ntc, ::testing::ValuesIn(kForms), test::RowName{});

// Coefficients come back to 1e-9 relative; single precision once made C of close sets 1e-2 wrong (17 mK).
const Row kFits[] = {
    // 40-digit value 3936.2205495365709 from points given to 10 digits.
    {"Beta", [] { return FitNtcBeta(Pt(25, 10000), Pt(50, 3601.034978)); }, 3936.2205495365709, 1e-9},
    // The ice point, once refused as "not entered".
    {"BetaIcePoint", [] { return FitNtcBeta(Pt(0, 33620.603721435746), Pt(100, 697.5197729861889)); }, 3950, 4e-6},
    {"BetaNotEntered", [] { return FitNtcBeta(std::nullopt, Pt(50, 3601)); }, std::nullopt},
    {"BetaZeroResistance", [] { return FitNtcBeta(Pt(25, 10000), Pt(50, -0.0)); }, std::nullopt},
    {"BetaEqualTemperatures", [] { return FitNtcBeta(Pt(25, 10000), Pt(25, 9000)); }, kNaN},
    {"ShWide", [] { return ShFitError(5, 25, 50); }, 0, 1e-9},
    {"ShIcePoint", [] { return ShFitError(0, 25, 50); }, 0, 1e-9},
    {"ShUnordered", [] { return ShFitError(50, -40, 0); }, 0, 1e-9},
    {"ShThreeDegreesApart", [] { return ShFitError(20, 23, 26); }, 0, 1e-9},
    {"ShOneDegreeApart", [] { return ShFitError(24, 25, 26); }, 0, 1e-9},
    {"ShHot", [] { return ShFitError(100, 125, 150); }, 0, 1e-9},
    {"ShNotEntered", [] { return ShFitSum(ShPoint(5), std::nullopt, ShPoint(50)); }, std::nullopt},
    {"ShZeroResistance", [] { return ShFitSum(ShPoint(5), ShPoint(25), Pt(50, 0)); }, std::nullopt},
    // Two equal resistances at different temperatures: no curve of this form.
    {"ShEqualResistances", [] { return ShFitSum(Pt(5, 1e4), Pt(25, 1e4), ShPoint(50)); }, kNaN},
    {"ShAbsoluteZero", [] { return ShFitSum(Pt(-273.15, 1e9), ShPoint(25), ShPoint(50)); }, kNaN}};
INSTANTIATE_TEST_SUITE_P(NtcFits, Ntc, ::testing::ValuesIn(kFits), test::RowName{});

// Every 5 °C from −55 to 150 °C and back: the Cardano roots lose little here, 1e-9 °C (1e-11 observed).
TEST(NtcConversions, RoundTripEveryMode)
{
    for (int t = -55; t <= 150; t += 5) {
        EXPECT_NEAR(*NtcBetaTemperature(10000, 3950, *NtcBetaResistance(10000, 3950, t)), t, 1e-9) << t;
        EXPECT_NEAR(*NtcShTemperature(kA, kB, kC, *NtcShResistance(kA, kB, kC, t)), t, 1e-9) << t;
        EXPECT_NEAR(*NtcShxTemperature(kA, kB, kCx, kDx, *NtcShxResistance(kA, kB, kCx, kDx, t)), t, 1e-9) << t;
    }
}

// Huge, tiny and infinite inputs must neither trap nor hang; what they give is the arithmetic's.
TEST(NtcConversions, ExtremeInputsReturn)
{
    for (double x : {1e300, -1e300, 1e-300, kInf, -kInf, kNaN, -273.15}) {
        (void)NtcBetaTemperature(10000, 3950, x), (void)NtcBetaResistance(10000, 3950, x);
        (void)NtcShTemperature(kA, kB, kC, x), (void)NtcShResistance(kA, kB, kC, x);
        (void)NtcShxTemperature(kA, kB, kCx, kDx, x), (void)NtcShxResistance(kA, kB, kCx, kDx, x);
        (void)NtcShResistance(x, x, x, 25), (void)NtcShxResistance(x, x, x, x, 25);
        (void)FitNtcSteinhartHart(Pt(x, x), ShPoint(25), Pt(x, 1));
    }
}

class NtcLayout : public testing::TestWithParam<std::pair<int, int>> {
protected:
    const ScreenGeometry g = ComputeScreenGeometry(GetParam().first, GetParam().second);
    // A sub-page's client area as the thermistor container gives it on that screen (bordered page, tab band).
    const Rect sub = SubPageRect(PageRect(g).width - 2, PageRect(g).height - 2);
    const Rect client{0, 0, sub.width, sub.height};
};
// Pinned at the design screen (scale 1); on the others the pieces keep their order and fit.
TEST_P(NtcLayout, ConvertPageRowsButtonsAndPicture)
{
    const NtcConvertPageLayout l = ComputeNtcConvertPageLayout(g, client);
    if (GetParam().first == 1920) {
        EXPECT_EQ(l.modes[2], (Rect{20, 75, 250, 20}));
        EXPECT_EQ(l.picture, (Rect{4, 150, 300, 180}));
        // Area 1032 wide from x 10: label 154 and edit 309 centred on 526; rows 45 high every 60 from 20.
        EXPECT_EQ(l.rows[1].edit, (Rect{449, 80, 309, 45}));
    }
    for (int k = 1; k < kNtcModeCount; ++k) EXPECT_GT(l.modes[k].y, l.modes[k - 1].bottom());
    // The product list sits between the last button and the picture, left of every label.
    EXPECT_GE(l.products.y, l.modes[2].bottom());
    EXPECT_LE(l.products.bottom(), l.picture.y);
    for (int r = 0; r < kNtcPanelRows; ++r) {
        const FieldRects& row = l.rows[r];
        EXPECT_EQ(row.edit.height, l.rows[0].edit.height);
        if (r > 0) { EXPECT_EQ(row.edit.y - l.rows[r - 1].edit.y, l.rows[1].edit.y - l.rows[0].edit.y); }
        EXPECT_LE(row.label.right(), row.edit.x);
        EXPECT_LE(std::abs((row.label.x + row.edit.right()) / 2 - client.width / 2), 2) << "centred, row " << r;
        EXPECT_GT(row.label.x, l.products.right());
    }
    EXPECT_LE(l.rows[kNtcPanelRows - 1].edit.bottom(), client.bottom()) << "the extended panel fits";
}

TEST_P(NtcLayout, FitPageGridsFitAndShareBorders)
{
    const NtcFitPageLayout l = ComputeNtcFitPageLayout(g, client);
    for (const Rect& cell : l.cells) {
        EXPECT_GT(cell.x, l.modes[0].right());
        EXPECT_LE(cell.right(), client.right());
        EXPECT_LE(cell.bottom(), client.bottom());
        EXPECT_EQ(cell.height, Trunc(45 * g.scaleY()));
    }
    for (int first : {0, 11}) {  // columns and rows overlap by the one pixel of their frames
        EXPECT_EQ(l.cells[first + 1].x, l.cells[first].right() - 1);
        EXPECT_EQ(l.cells[first + 3].y, l.cells[first].bottom() - 1);
    }
    EXPECT_GT(l.cells[9].y, l.cells[6].bottom()) << "β result under the points";
    EXPECT_GT(l.cells[23].y, l.cells[20].bottom()) << "A under the points";
    EXPECT_EQ(l.cells[10].right(), l.cells[2].right()) << "a result spans both value columns";
    EXPECT_EQ(l.cells[28].x, l.cells[27].right() - 1);
}
INSTANTIATE_TEST_SUITE_P(
    Screens, NtcLayout, testing::Values(std::pair{1920, 1080}, std::pair{1366, 768}, std::pair{2560, 1440}),
    [](const auto& s) { return std::to_string(s.param.first) + "x" + std::to_string(s.param.second); });

struct MethodRow {
    const char* name;
    std::u16string text;
    std::optional<NtcMode> mode;
};

class NtcMethod : public testing::TestWithParam<MethodRow> {};
TEST_P(NtcMethod, ReadsExactlyOneTwoOrThree) { EXPECT_EQ(NtcModeFromMethod(GetParam().text), GetParam().mode); }

const MethodRow kMethods[] = {
    {"One", u"1", NtcMode::Beta}, {"LeadingSpace", u" 2", NtcMode::SteinhartHart},
    {"TwoPointZero", u"2.0", NtcMode::SteinhartHart}, {"Exponent", u"0.3e1", NtcMode::Extended},
    {"TrailingJunk", u"3 (extended)", NtcMode::Extended}, {"Fraction", u"1.5", std::nullopt},
    {"Four", u"4", std::nullopt}, {"Zero", u"0", std::nullopt}, {"MinusOne", u"-1", std::nullopt},
    {"Empty", u"", std::nullopt}, {"Word", u"two", std::nullopt}, {"Huge", u"1e999", std::nullopt},
    {"NaN", u"nan", std::nullopt}};
INSTANTIATE_TEST_SUITE_P(Texts, NtcMethod, testing::ValuesIn(kMethods), test::RowName{});

// The template's thermistor, with the values that differ per row.
StandardRecord Record(const char* method, const char* r25, const char* beta, const char* c, const char* d)
{
    StandardRecord record(StandardKind::Thermistor);
    const char* const values[][2] = {{"Method", method}, {"R25", r25}, {"Beta", beta}, {"A", "0.8744102777E-3"},
                                     {"B", "2.537694912E-4"}, {"C", c}, {"D", d}};
    for (const auto& kv : values) record.SetValue(kv[0], kv[1]);
    return record;
}

struct LoadRow {
    const char* name;
    StandardRecord record;
    std::optional<NtcMode> mode;
    bool fill;
};

class NtcLoad : public testing::TestWithParam<LoadRow> {};
TEST_P(NtcLoad, ModeAndWhetherTheCoefficientsAreWritten)
{
    const std::optional<NtcStandardLoad> load = NtcLoadFromStandard(GetParam().record);
    EXPECT_EQ(load ? std::optional(load->mode) : std::nullopt, GetParam().mode);
    EXPECT_EQ(load && load->fill, GetParam().fill);
}

const LoadRow kLoads[] = {
    {"Beta", Record("1", "10000", "3380.13", "1.8e-7", ""), NtcMode::Beta, true},
    {"BetaR25NoNumber", Record("1", "ten k", "3380.13", "", ""), NtcMode::Beta, false},
    {"BetaZeroBeta", Record("1", "10000", "0", "", ""), NtcMode::Beta, false},
    {"Sh", Record("2", "", "", "1.821320203E-7", ""), NtcMode::SteinhartHart, true},
    {"ShZeroC", Record("2", "", "", "0", ""), NtcMode::SteinhartHart, false},
    {"ExtendedZeroC", Record("3", "", "", "0", "1e-7"), NtcMode::Extended, true},
    {"ExtendedNoD", Record("3", "", "", "1e-6", ""), NtcMode::Extended, false},
    {"MethodNine", Record("9", "10000", "3380", "1e-6", "1e-7"), std::nullopt, false},
    {"MethodMissing", Record("", "10000", "3380", "1e-6", "1e-7"), std::nullopt, false}};
INSTANTIATE_TEST_SUITE_P(Records, NtcLoad, testing::ValuesIn(kLoads), test::RowName{});

}  // namespace
}  // namespace tmcalc
