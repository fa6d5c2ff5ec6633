// The thermistor pages' pure parts: their geometry on three screens, the "Method" of a standard, what a
// chosen standard writes, and the panel dispatch.
#include "framework/geometry.h"
#include "standards/standard_records.h"
#include "thermistor/ntc_page_layout.h"
#include "thermistor/ntc_page_math.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>

namespace tmcalc {
namespace {

// A sub-page's client area as the thermistor container gives it on that screen (bordered page, tab band).
Rect SubPageClient(const ScreenGeometry& g)
{
    const Rect page = PageRect(g);
    const Rect sub = SubPageRect(page.width - 2, page.height - 2);
    return {0, 0, sub.width, sub.height};
}

class NtcLayout : public testing::TestWithParam<std::pair<int, int>> {};

TEST_P(NtcLayout, ConvertPageRowsButtonsAndPicture)
{
    const ScreenGeometry g = ComputeScreenGeometry(GetParam().first, GetParam().second);
    const Rect client = SubPageClient(g);
    const NtcConvertPageLayout l = ComputeNtcConvertPageLayout(g, client);
    const double sx = g.scaleX();
    const double sy = g.scaleY();
    for (int k = 0; k < kNtcModeCount; ++k)
        EXPECT_EQ(l.modes[k], (Rect{Trunc(20 * sx), Trunc((25 + 25 * k) * sy), Trunc(250 * sx), Trunc(20 * sy)}));
    EXPECT_EQ(l.picture, (Rect{Trunc(4 * sx), Trunc(150 * sy), Trunc(300 * sx), Trunc(180 * sy)}));
    // The product list sits between the last button and the picture, left of every label.
    EXPECT_GE(l.products.y, l.modes[2].bottom());
    EXPECT_LE(l.products.bottom(), l.picture.y);

    const int areaW = client.width - 2 * Trunc(10 * sx);
    const int middle = Trunc(10 * sx) + areaW / 2;
    for (int r = 0; r < kNtcPanelRows; ++r) {
        const FieldRects& row = l.rows[r];
        EXPECT_EQ(row.edit.height, Trunc(45 * sy));
        EXPECT_EQ(row.edit.y - l.rows[0].edit.y, r * (Trunc(45 * sy) + Trunc(15 * sy)));
        EXPECT_EQ(row.edit.width, Trunc(areaW * 0.30));
        EXPECT_LE(row.label.right(), row.edit.x);
        EXPECT_LE(std::abs((row.label.x + row.edit.right()) / 2 - middle), 1) << "pair centred, row " << r;
        EXPECT_GT(row.label.x, l.products.right());
    }
    EXPECT_EQ(l.rows[0].edit.y, Trunc(20 * sy));
    EXPECT_LE(l.rows[kNtcPanelRows - 1].edit.bottom(), client.bottom()) << "the extended panel fits";
}

TEST_P(NtcLayout, FitPageGridsFitAndShareBorders)
{
    const ScreenGeometry g = ComputeScreenGeometry(GetParam().first, GetParam().second);
    const Rect client = SubPageClient(g);
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

INSTANTIATE_TEST_SUITE_P(Screens, NtcLayout,
                         testing::Values(std::pair{1920, 1080}, std::pair{1366, 768}, std::pair{2560, 1440}),
                         [](const auto& row) {
                             return std::to_string(row.param.first) + "x" + std::to_string(row.param.second);
                         });

struct MethodRow {
    const char* name;
    std::u16string text;
    std::optional<NtcMode> mode;
};

class NtcMethod : public testing::TestWithParam<MethodRow> {};

TEST_P(NtcMethod, ReadsExactlyOneTwoOrThree) { EXPECT_EQ(NtcModeFromMethod(GetParam().text), GetParam().mode); }

INSTANTIATE_TEST_SUITE_P(
    Texts, NtcMethod,
    testing::Values(MethodRow{"One", u"1", NtcMode::Beta}, MethodRow{"LeadingSpace", u" 2", NtcMode::SteinhartHart},
                    MethodRow{"TwoPointZero", u"2.0", NtcMode::SteinhartHart},
                    MethodRow{"Exponent", u"0.3e1", NtcMode::Extended},
                    MethodRow{"TrailingJunk", u"3 (extended)", NtcMode::Extended},
                    MethodRow{"Fraction", u"1.5", std::nullopt}, MethodRow{"Four", u"4", std::nullopt},
                    MethodRow{"Zero", u"0", std::nullopt}, MethodRow{"MinusOne", u"-1", std::nullopt},
                    MethodRow{"Empty", u"", std::nullopt}, MethodRow{"Word", u"two", std::nullopt},
                    MethodRow{"Huge", u"1e999", std::nullopt}, MethodRow{"NaN", u"nan", std::nullopt}),
    [](const auto& row) { return std::string(row.param.name); });

// The template's thermistor, with the values that differ per row.
StandardRecord Record(const char* method, const char* r25, const char* beta, const char* c, const char* d)
{
    StandardRecord record(StandardKind::Thermistor);
    record.SetValue("Method", method);
    record.SetValue("R25", r25);
    record.SetValue("Beta", beta);
    record.SetValue("A", "0.8744102777E-3");
    record.SetValue("B", "2.537694912E-4");
    record.SetValue("C", c);
    record.SetValue("D", d);
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
    ASSERT_EQ(load.has_value(), GetParam().mode.has_value());
    if (!load) return;
    EXPECT_EQ(load->mode, *GetParam().mode);
    EXPECT_EQ(load->fill, GetParam().fill);
}

INSTANTIATE_TEST_SUITE_P(
    Records, NtcLoad,
    testing::Values(LoadRow{"Beta", Record("1", "10000", "3380.13", "1.8e-7", ""), NtcMode::Beta, true},
                    LoadRow{"BetaR25NoNumber", Record("1", "ten k", "3380.13", "", ""), NtcMode::Beta, false},
                    LoadRow{"BetaZeroBeta", Record("1", "10000", "0", "", ""), NtcMode::Beta, false},
                    LoadRow{"Sh", Record("2", "", "", "1.821320203E-7", ""), NtcMode::SteinhartHart, true},
                    LoadRow{"ShZeroC", Record("2", "", "", "0", ""), NtcMode::SteinhartHart, false},
                    LoadRow{"ExtendedZeroC", Record("3", "", "", "0", "1e-7"), NtcMode::Extended, true},
                    LoadRow{"ExtendedNoD", Record("3", "", "", "1e-6", ""), NtcMode::Extended, false},
                    LoadRow{"MethodNine", Record("9", "10000", "3380", "1e-6", "1e-7"), std::nullopt, false},
                    LoadRow{"MethodMissing", Record("", "10000", "3380", "1e-6", "1e-7"), std::nullopt, false}),
    [](const auto& row) { return std::string(row.param.name); });

TEST(NtcLoad, KeepsTheCertificateValues)
{
    const std::optional<NtcStandardLoad> load = NtcLoadFromStandard(Record("3", "10000", "3380.13", "1e-6", "8e-8"));
    ASSERT_TRUE(load);
    EXPECT_EQ(load->values.a, 0.8744102777E-3);
    EXPECT_EQ(load->values.b, 2.537694912E-4);
    EXPECT_EQ(load->values.d, 8e-8);
}

// The template's coefficients are those of a 10 kΩ (at 25 °C) thermistor; tolerances are the last digit
// the page shows (7 significant digits).
TEST(NtcPanel, DispatchesToTheModesForm)
{
    const NtcPanelValues v{10000, 3950, 0.8744102777E-3, 2.537694912E-4, 1.821320203E-7, 0};
    EXPECT_NEAR(*NtcPanelTemperature(NtcMode::Beta, v, 10000), 25.0, 1e-12);
    EXPECT_NEAR(*NtcPanelResistance(NtcMode::Beta, v, 0), 33620.60, 0.005);
    EXPECT_NEAR(*NtcPanelTemperature(NtcMode::SteinhartHart, v, 10000), 25.00, 0.005);
    EXPECT_FALSE(NtcPanelTemperature(NtcMode::Extended, v, 10000)) << "D = 0 gives no result";
    const NtcPanelValues x{0, 0, 1.129148e-3, 2.34125e-4, 1e-6, 8e-8};
    EXPECT_NEAR(*NtcPanelTemperature(NtcMode::Extended, x, 10000), 18.15275, 5e-6);
    EXPECT_NEAR(*NtcPanelResistance(NtcMode::Extended, x, 18.152751242958118), 10000, 1e-5);
}

}  // namespace
}  // namespace tmcalc
