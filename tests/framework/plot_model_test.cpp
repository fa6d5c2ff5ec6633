#include "framework/plot_model.h"

#include <gtest/gtest.h>

#include <clocale>
#include <cmath>
#include <string>
#include <vector>

namespace tmcalc {
namespace {

struct AxisCase {
    const char* name;
    double lo;
    double hi;
    int maxTicks;
    std::vector<std::string> labels;  // the whole axis, min to max
};

// clang-format off
const AxisCase kAxes[] = {
    {"pt100_span",      -196.0,   420.0,   8, {"-200", "-100", "0", "100", "200", "300", "400", "500"}},
    {"twos",            -196.0,   420.0,   5, {"-200", "0", "200", "400", "600"}},
    {"tenths",             0.03,    0.97,  6, {"0.0", "0.2", "0.4", "0.6", "0.8", "1.0"}},
    {"on_the_ticks",      -2.0,     2.0,   5, {"-2", "-1", "0", "1", "2"}},
    {"millikelvin_sym",   -3.7,     3.7,   5, {"-4", "-2", "0", "2", "4"}},
    {"small_deviation",   -1.3e-5,  2.2e-5, 5, {"-0.00002", "0.00000", "0.00002", "0.00004"}},
    {"tiny_general",       1.2e-7,  4.1e-7, 4, {"0", "2e-07", "4e-07", "6e-07"}},
    {"thermistor_ohm",   310.0, 32650.0,   8, {"0", "5000", "10000", "15000", "20000", "25000", "30000", "35000"}},
    {"one_value",          5.0,     5.0,   5, {"4.5", "5.0", "5.5"}},
    {"zero_only",          0.0,     0.0,   3, {"-1", "0", "1"}},
    {"reversed",          10.0,     0.0,   3, {"0", "5", "10"}},
    {"not_finite",       NAN,       1.0,   3, {"0.0", "0.5", "1.0"}},
};
// clang-format on

class NiceAxisTest : public ::testing::TestWithParam<AxisCase> {};

// Steps of 1, 2 or 5 times a power of ten, as many ticks as allowed, texts with the step's decimals.
TEST_P(NiceAxisTest, TicksAndTexts)
{
    const AxisCase& c = GetParam();
    const PlotAxis axis = NiceAxis(c.lo, c.hi, c.maxTicks);
    EXPECT_EQ(axis.labels, c.labels);
    ASSERT_EQ(axis.ticks.size(), axis.labels.size());
    EXPECT_LE(static_cast<int>(axis.ticks.size()), std::max(c.maxTicks, 3) + 4);  // one_value widens
    EXPECT_EQ(axis.min, axis.ticks.front());
    EXPECT_EQ(axis.max, axis.ticks.back());
    if (std::isfinite(c.lo) && c.lo != c.hi) {
        EXPECT_LE(axis.min, std::min(c.lo, c.hi));
        EXPECT_GE(axis.max, std::max(c.lo, c.hi));
    }
    // Every tick text reads back as its tick.
    for (std::size_t i = 0; i < axis.ticks.size(); ++i)
        EXPECT_NEAR(std::stod(axis.labels[i]), axis.ticks[i], 1e-9 * (axis.max - axis.min)) << axis.labels[i];
}

std::string AxisName(const ::testing::TestParamInfo<AxisCase>& row)
{
    return row.param.name;
}
INSTANTIATE_TEST_SUITE_P(Plot, NiceAxisTest, ::testing::ValuesIn(kAxes), AxisName);

// A decimal comma locale leaves the tick texts alone.
TEST(NiceAxis, TextsIgnoreTheLocale)
{
    const char* old = std::setlocale(LC_NUMERIC, "de_DE.UTF-8");
    const std::string saved = old != nullptr ? old : "C";
    const PlotAxis axis = NiceAxis(0.0, 1e-9, 3);
    const PlotAxis tenths = NiceAxis(0.0, 1.0, 3);
    std::setlocale(LC_NUMERIC, "C");
    EXPECT_EQ(axis.labels.back(), "1e-09");
    EXPECT_EQ(tenths.labels[1], "0.5");
    (void)saved;
}

TEST(FitPlot, RangesCoverThePointsTheCurveAndTheResiduals)
{
    FitPlotInput in;
    in.xTitle = "t";
    in.points = {{-196.0, 0.010}, {0.0, 0.0}, {420.0, -0.030}};
    in.curve = [](double t) { return t > 400.0 ? NAN : -1e-4 * t; };
    in.residualsMk = {1.5, -0.4, 30.0};
    const PlotModel m = BuildFitPlot(in);
    EXPECT_EQ(m.main.x.min, -200.0);
    EXPECT_EQ(m.main.x.max, 500.0);
    // The curve runs over the whole x axis in steps of 4.375 °C and reaches -0.04 at 400 °C; beyond,
    // NaN ends it.
    ASSERT_EQ(m.main.curve.size(), 161u);
    EXPECT_EQ(m.main.curve.front().x, -200.0);
    EXPECT_EQ(m.main.curve.back().x, 500.0);
    EXPECT_LE(m.main.y.min, -0.04);
    EXPECT_GE(m.main.y.max, 0.02);
    EXPECT_EQ(m.main.marks.size(), 3u);
    // Residuals symmetric about the zero line; the far point sets the range.
    EXPECT_EQ(m.residuals.y.min, -m.residuals.y.max);
    EXPECT_GE(m.residuals.y.max, 30.0);
    ASSERT_EQ(m.residuals.marks.size(), 3u);
    EXPECT_EQ(m.residuals.marks[2].x, 420.0);
    EXPECT_EQ(m.residuals.marks[2].y, 30.0);
    EXPECT_EQ(m.residuals.x.title, "t");

    const PlotLayout layout = LayoutPlot(m, 800, 600);
    EXPECT_GT(layout.main.h, layout.residuals.h);
    EXPECT_LT(layout.main.y + layout.main.h, layout.residuals.y);
    EXPECT_LE(layout.residuals.y + layout.residuals.h, 600.0);
    EXPECT_LE(layout.main.x + layout.main.w, 800.0);
    // Ends of the axes map to the frame's corners.
    const PlotXY corner = MapToFrame(m.main, layout.main, {m.main.x.min, m.main.y.min});
    EXPECT_DOUBLE_EQ(corner.x, layout.main.x);
    EXPECT_DOUBLE_EQ(corner.y, layout.main.y + layout.main.h);
    const std::vector<std::vector<PlotXY>> runs = CurveRuns(m.main, layout.main);
    ASSERT_EQ(runs.size(), 1u);
    EXPECT_EQ(runs[0].size(), 138u);  // -200 + 137 x 4.375 = 399.4 °C
}

TEST(FitPlot, NoPointsStillGivesAxes)
{
    const PlotModel m = BuildFitPlot({});
    EXPECT_EQ(m.main.x.ticks.size(), m.main.x.labels.size());
    EXPECT_FALSE(m.main.x.ticks.empty());
    EXPECT_TRUE(m.main.curve.empty());
    EXPECT_EQ(m.residuals.y.max, 1.0);
}

}  // namespace
}  // namespace tmcalc
