// Standard platinum resistance thermometers: the ITS-90 reference function and inverse, groups, ratios, range
// texts, fixed points, fits (from ratios iterated as W = Wr + ΔW(W), not SprtRatio's Newton) and conversions.
#include "rtd/its90.h"
#include "framework/geometry.h"
#include "rtd/sprt.h"
#include "rtd/sprt_page_layout.h"
#include "test_support.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <chrono>
#include <cmath>
#include <limits>
#include <ostream>
#include <string>
#include <vector>


namespace tmcalc {
namespace {

using namespace test;

// Wr at the defining fixed points, ITS-90 text (Metrologia 27, 3-10, 1990), Table 1, eight decimals. The
// inverse functions reproduce the reference functions within 0.1 mK up to aluminium, 0.13 mK above it.
struct FixedPointRow { const char* name; double t, wr, inverse_tol = 1e-4; };
void PrintTo(const FixedPointRow& row, std::ostream* out) { *out << row.name; }

class Its90FixedPoint : public ::testing::TestWithParam<FixedPointRow> {};

TEST_P(Its90FixedPoint, ReferenceRatioAndInverse)
{
    // The table rounds to 1e-8, so 1e-8 catches any wrong digit of a coefficient.
    EXPECT_NEAR(Its90Wr(GetParam().t), GetParam().wr, 1e-8);
    EXPECT_NEAR(Its90T(GetParam().wr), GetParam().t, GetParam().inverse_tol);
}

INSTANTIATE_TEST_SUITE_P(
    Table1, Its90FixedPoint,
    ::testing::Values(FixedPointRow{"hydrogen", -259.3467, 0.00119007}, FixedPointRow{"neon", -248.5939, 0.00844974},
                      FixedPointRow{"oxygen", -218.7916, 0.09171804}, FixedPointRow{"argon", -189.3442, 0.21585975},
                      FixedPointRow{"mercury", -38.8344, 0.84414211}, FixedPointRow{"water", 0.01, 1.0},
                      FixedPointRow{"gallium", 29.7646, 1.11813889}, FixedPointRow{"indium", 156.5985, 1.60980185},
                      FixedPointRow{"tin", 231.928, 1.89279768}, FixedPointRow{"zinc", 419.527, 2.56891730},
                      FixedPointRow{"aluminium", 660.323, 3.37600860}, FixedPointRow{"silver", 961.78, 4.28642053, 1.3e-4}), test::RowName{});

TEST(Its90, SlopeIsTheDerivativeAndTheInverseInverts)
{
    // Central difference with h = 1e-4 °C: truncation ~1e-14, rounding ~1e-12; 1e-10 (2.5e-8 of the slope)
    // still shows a wrong index or factor in any term. The sweep never comes within h of 0 °C.
    for (int centi = -25934; centi <= 96178; centi += 7) {
        const double t = centi / 100.0;
        ASSERT_NEAR(Its90WrSlope(t), (Its90Wr(t + 1e-4) - Its90Wr(t - 1e-4)) / 2e-4, 1e-10) << t;
    }
    // The published inverses reproduce the reference functions within 0.13 mK; 0.14 mK leaves rounding.
    for (int milli = -189344; milli <= 961780; milli += 7) {
        const double t = milli / 1000.0;
        ASSERT_NEAR(Its90T(Its90Wr(t)), t, 1.4e-4) << t;
    }
}

TEST(Its90, ZeroTakesTheFunctionAboveZeroAndBadArgumentsGiveNoFiniteValue)
{
    // A zero on the low branch gave 0.9999601047.
    ExpectRows({{"at 0", Its90Wr(0), 0.9999601100, 1e-10},
                {"just below 0", Its90Wr(-std::numeric_limits<double>::min()), 0.9999601047, 1e-10},
                {"upper slope at 0", Its90WrSlope(0), (Its90Wr(1e-4) - Its90Wr(0)) / 1e-4, 1e-9}});
    for (double t : {kNaN, -273.15, -300.0, kInf, -kInf, 1e300, -1e300}) {
        EXPECT_FALSE(std::isfinite(Its90Wr(t))) << t;
        EXPECT_FALSE(std::isfinite(Its90WrSlope(t))) << t;
    }
    for (double wr : {kNaN, -1.0, kInf, -kInf, 1e300}) EXPECT_FALSE(std::isfinite(Its90T(wr))) << wr;
}

// Typical magnitudes of calibrated thermometers, each group on its own.
SprtCoefficientSet Only(std::uint32_t flag)
{
    return {.a4 = -1.2e-4, .b4 = -1.5e-5, .a5 = -1.0e-4, .b5 = 2.0e-5, .a7 = -1.0e-4, .b7 = 1.0e-5, .c7 = -1.0e-6,
            .a8 = 1.0e-4, .b8 = -1.0e-5, .a9 = 1.0e-4, .b9 = 2.0e-5, .a10 = -1.5e-4, .a11 = 1.0e-4, .flags = flag};
}

// The group's range in °C; the below-zero ones end just under 0.
struct GroupRow { const char* name; std::uint32_t flag; double low, high; };
void PrintTo(const GroupRow& row, std::ostream* out) { *out << row.name; }
const GroupRow kGroups[] = {
    {"a4b4", kSprtFlagA4B4, kIts90Argon, -1e-9},  {"a5b5", kSprtFlagA5B5, kIts90Mercury, -1e-9},
    {"a7b7c7", kSprtFlagA7B7C7, 0, kIts90Aluminium}, {"a8b8", kSprtFlagA8B8, 0, kIts90Zinc},
    {"a9b9", kSprtFlagA9B9, 0, kIts90Tin},         {"a10", kSprtFlagA10, 0, kIts90Indium},
    {"a11", kSprtFlagA11, 0, kIts90Gallium},
};

class SprtGroup : public ::testing::TestWithParam<GroupRow> {};

TEST_P(SprtGroup, TemperatureInvertsRatioOverTheWholeRange)
{
    const GroupRow& g = GetParam();
    const SprtCoefficientSet set = Only(g.flag);
    for (int i = 0; i <= 4000; ++i) {
        const double t = g.low + (g.high - g.low) * i / 4000;
        const double w = SprtRatio(set, t);
        // The ratio solves its equation (SprtRatio stops below 1e-10).
        ASSERT_NEAR(w, Its90Wr(t) + SprtDeviation(set, t, w), 1e-10) << t;
        // 1e-7 °C is the page's last decimal; the refinement reaches 1e-12 in W, some 3e-10 °C.
        ASSERT_NEAR(SprtTemperature(set, w), t, 1e-7) << t;
    }
}

TEST_P(SprtGroup, EndsInvertAndGraceIsATenthOfADegree)
{
    const GroupRow& g = GetParam();
    const SprtCoefficientSet set = Only(g.flag);
    // The first estimate lies beyond the range at the top and at 0 °C; choosing the group by it gave NaN there.
    for (double t : {g.low, g.high, 0.0}) {
        const double w = SprtRatio(set, t);
        if (!std::isnan(w)) {  // 0 °C has no below-zero group
            EXPECT_NEAR(SprtTemperature(set, w), t, 1e-7) << t;
        }
    }
    // Its90T(Its90Wr(t)) is within 0.13 mK of t, far inside the 2 mK margins around the 0.1 °C grace.
    const auto inverts = [&](double t) { return !std::isnan(SprtTemperature(set, Its90Wr(t))); };
    EXPECT_TRUE(inverts(std::min(g.low, 0.0) - 0.098));
    EXPECT_FALSE(inverts(g.low - 0.102));
    EXPECT_TRUE(inverts(std::max(g.high, 0.0) + 0.098));
    EXPECT_FALSE(inverts(std::max(g.high, 0.0) + 0.102));
}

INSTANTIATE_TEST_SUITE_P(Each, SprtGroup, ::testing::ValuesIn(kGroups), test::RowName{});

TEST(SprtDeviation, GroupSelection)
{
    const SprtCoefficientSet a8 = Only(kSprtFlagA8B8), a5 = Only(kSprtFlagA5B5);
    const SprtCoefficientSet a4a7 = Only(kSprtFlagA4B4 | kSprtFlagA7B7C7);
    const SprtCoefficientSet a7a10 = Only(kSprtFlagA7B7C7 | kSprtFlagA10);
    SprtCoefficientSet a5_no_b5 = a5, a7_zero = Only(kSprtFlagA7B7C7), a4_zero = Only(kSprtFlagA4B4);
    a5_no_b5.b5 = a7_zero.a7 = a4_zero.a4 = 0;
    const double w = 1.2, x = w - 1;
    ExpectRows({
        {"a8 at its top", SprtDeviation(a8, kIts90Zinc, w), 1e-4 * x - 1e-5 * x * x, 1e-18},
        {"a8 beyond zinc", SprtDeviation(a8, 419.5271, w), kNaN},
        {"a8 below zero", SprtDeviation(a8, -10, w), kNaN},
        {"a4 below zero with a7 set", SprtDeviation(a4a7, -50, w), -1.2e-4 * x - 1.5e-5 * x * std::log(w), 1e-18},
        {"a4 not at 0", SprtDeviation(Only(kSprtFlagA4B4), 0, w), kNaN},
        {"a4 below argon", SprtDeviation(Only(kSprtFlagA4B4), -189.3443, w), kNaN},
        {"a10 replaces a7", SprtDeviation(a7a10, 100, w), -1.5e-4 * x, 1e-18},
        {"a7 above indium", SprtDeviation(a7a10, 200, w), -1e-4 * x + 1e-5 * x * x - 1e-6 * x * x * x, 1e-18},
        {"a5 at mercury", SprtDeviation(a5, kIts90Mercury, w), -1e-4 * x + 2e-5 * x * x, 1e-18},
        // The two-coefficient form was once extrapolated below the mercury point: -1.92e-5 here.
        {"a5 below mercury", SprtDeviation(a5, -38.8345, w), kNaN},
        {"a5 needs b5", SprtDeviation(a5_no_b5, -10, w), kNaN},
        {"a7 needs a7", SprtDeviation(a7_zero, 10, w), kNaN},
        {"no flag", SprtDeviation(Only(0), 10, w), kNaN},
        {"a4 needs no a4", SprtDeviation(a4_zero, -50, w), -1.5e-5 * x * std::log(w), 1e-18},
        {"a4 slope needs a4", SprtDeviationSlope(a4_zero, -50, w), kNaN},
        {"a4 slope", SprtDeviationSlope(a4a7, -50, w), -1.2e-4 - 1.5e-5 * (std::log(w) + x / w), 1e-18},
        {"a7 slope", SprtDeviationSlope(a4a7, 50, w), -1e-4 + 2e-5 * x - 3e-6 * x * x, 1e-18},
        {"NaN t", SprtDeviation(a4a7, kNaN, w), kNaN},
    });
}

TEST(SprtRatio, PublishedExampleFailuresAndTheGapAtZero)
{
    const SprtCoefficientSet a10{.a10 = -1.5e-4, .flags = kSprtFlagA10};
    const double w100 = SprtRatio(a10, 100);
    // A slope of 1 cancels the Newton derivative: the reference ratio comes back.
    const SprtCoefficientSet flat{.a10 = 1, .flags = kSprtFlagA10};
    // a7 = -9, b7 = 6, c7 = -1 make f(W) a shifted x³ - 2x + 2 at Wr ≈ 3, whose Newton map cycles 0, 1, 0.
    const SprtCoefficientSet cycle{.a7 = -9, .b7 = 6, .c7 = -1, .flags = kSprtFlagA7B7C7};
    const auto start = std::chrono::steady_clock::now();
    const double cycled = SprtRatio(cycle, Its90T(3.0));
    const double elapsed = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    ExpectRows({
        {"a10 at 100", w100, 1.39271390, 5e-9},
        // Its90T alone gave 99.98478, the inverse without refinement 100.0000092.
        {"a10 back", SprtTemperature(a10, w100), 100.0, 1e-9},
        {"flat", SprtRatio(flat, 100), Its90Wr(100)},
        {"cycle hits the step limit", cycled, kNaN},
        {"a8 only at 500", SprtRatio(Only(kSprtFlagA8B8), 500), kNaN},
        {"a8 only at -10", SprtRatio(Only(kSprtFlagA8B8), -10), kNaN},
    });
    // 100,000 steps are a few milliseconds in a release build; the bound allows for the sanitizers.
    EXPECT_LT(elapsed, 1.0);
    // Bad ratios give no temperature.
    const SprtCoefficientSet all = Only(kSprtFlagA4B4 | kSprtFlagA7B7C7);
    for (double w : {kNaN, kInf, -kInf, 0.0, -1.0, 1e300, 1e-300, 10.0})
        EXPECT_TRUE(std::isnan(SprtTemperature(all, w))) << w;
    // Wr never takes 0.9999601047..0.9999601100; Newton used to bounce across 0 °C there and end in NaN.
    const SprtCoefficientSet a11{.a11 = 1e-300, .flags = kSprtFlagA11};
    EXPECT_EQ(SprtTemperature(a11, 0.99996010735), 0.0);
    // Away from the discontinuity at 0 °C, a set of two groups inverts each side.
    for (double t : {-150.0, -0.01, 0.02, 300.0, 660.0}) EXPECT_NEAR(SprtTemperature(all, SprtRatio(all, t)), t, 1e-7);
}

// The upper and lower group codes a range text selects (upper 5 and lower 2: none).
TEST(SprtRange, Codes)
{
    struct RangeRow { const char* name; std::u16string text; int upper, lower; };
    const RangeRow rows[] = {
        {"aluminium", u"0~660.323", 0, 2},           {"mercury_zinc", u"-38.8344~419.527", 1, 1},
        {"argon_gallium", u"-189.3442~29.7647", 4, 0}, {"page_default", u"-189.344~660.23", 0, 0},
        {"grid_default", u"-200~660", 0, 0},         {"a11_a5", u"-38.8344~29.7647", 4, 1},
        {"indium_short", u"0~156.598", 3, 2},        {"gallium", u"0~29.7646", 4, 2},
        {"triple_point", u"0~0.01", 4, 2},           {"argon_zero", u"-189.3442~0", 5, 0},
        {"zinc_slack", u"0~419.5270", 1, 2},         {"past_zinc", u"0~419.5272", 0, 2},
        {"past_gallium", u"0~29.7649", 3, 2},        {"first_keystroke", u"0", 5, 2},
        {"low_only", u"-200", 5, 0},                 {"empty", u"", 5, 2},
        {"tilde", u"~", 5, 2},                       {"overflow_low", u"1e999~", 5, 2},
        {"wide", u"-300~1000", 0, 0},                {"nan", u"nan~nan", 5, 2},
        {"other_separator", u"-10 200", 2, 1},       {"pasted", std::u16string(2000, u'9'), 5, 2},
    };
    for (const RangeRow& row : rows) {
        const SprtRangeCodes codes = SprtRangeClasses(row.text);
        EXPECT_EQ(codes.upper * 10 + codes.lower, row.upper * 10 + row.lower) << row.name;
    }
}

// The shown rows, their counts and the group names are those of the page's grid texts (rtd_test.cpp).
TEST(SprtFixedPoints, GalliumFitsAtItsPointAndSetsFromGroups)
{
    const SprtFixedPointRows gallium = SprtFixedPoints({4, 1});
    // Shown 29.765000 in the a11 group and 29.764600 in the a5/b5 group; both fits use 29.7646.
    ExpectRows({{"a11 t", gallium.points[0].t, kIts90Gallium}, {"a5 t", gallium.points[1].t, kIts90Gallium}});
    EXPECT_EQ(gallium.points[2].id, SprtFixedPointId::Mercury);
    // Coefficient sets from the groups chosen.
    const SprtCoefficientSet set = SprtSetFromGroups({2, 1}, {1, 2, 3}, {4, 5});
    EXPECT_EQ(set.flags, kSprtFlagA9B9 | kSprtFlagA5B5);
    EXPECT_EQ(set.a9 * 1000 + set.b9 * 100 + set.a5 * 10 + set.b5, 1245.0);
    EXPECT_EQ(set.a7 + set.c7 + set.a4 + set.a10 + set.a11, 0.0);
    EXPECT_EQ(SprtSetFromGroups({5, 2}, {1, 2, 3}, {4, 5}).flags, 0u);
    EXPECT_TRUE(SprtHasCompleteGroup(SprtSetFromGroups({0, 2}, {1, 2, 0}, {})));
    EXPECT_FALSE(SprtHasCompleteGroup(SprtSetFromGroups({0, 0}, {1, 0, 3}, {1, 0})));
    EXPECT_TRUE(SprtHasCompleteGroup(SprtSetFromGroups({3, 2}, {1, 0, 0}, {})));
}

// W at t by the fixed-point iteration W = Wr(t) + ΔW(W) with the deviation of the group that applies at
// `inside` (so that gallium can feed the a5/b5 fit); |∂ΔW/∂W| ~ 1e-4 converges in a few rounds.
double GeneratedRatio(const SprtCoefficientSet& set, double t, double inside)
{
    double w = Its90Wr(t);
    for (int i = 0; i < 10; ++i) w = Its90Wr(t) + SprtDeviation(set, inside, w);
    return w;
}

TEST(SprtFits, GiveBackTheCoefficientsTheRatiosCameFrom)
{
    const SprtCoefficientSet s = Only(0);
    const double rtp = 25.5;
    struct Case { const char* name; bool upper; int code; std::vector<double> want; };
    const Case cases[] = {
        {"a7", true, 0, {s.a7, s.b7, s.c7}}, {"a8", true, 1, {s.a8, s.b8}}, {"a9", true, 2, {s.a9, s.b9}},
        {"a10", true, 3, {s.a10}},           {"a11", true, 4, {s.a11}},     {"a4", false, 0, {s.a4, s.b4}},
        {"a5", false, 1, {s.a5, s.b5}},
    };
    for (const Case& c : cases) {
        const SprtGroupInfo& group = c.upper ? SprtUpperGroup(c.code) : SprtLowerGroup(c.code);
        const SprtCoefficientSet one = Only(group.flag);
        std::array<double, 3> r{};
        for (int i = 0; i < group.point_count; ++i) r[i] = rtp * GeneratedRatio(one, group.points[i].t, c.upper ? 10 : -10);
        const SprtFit fit = c.upper ? FitSprtUpper(c.code, rtp, r) : FitSprtLower(c.code, rtp, r[0], r[1]);
        ASSERT_EQ(fit.count, static_cast<int>(c.want.size())) << c.name;
        // Relative 1e-9: the resistances carry 1e-16, the three-point system magnifies that some 1e5 times.
        for (int i = 0; i < fit.count; ++i)
            EXPECT_NEAR(fit.coefficients[i], c.want[i], 1e-9 * std::fabs(c.want[i])) << c.name << i;
    }
}

TEST(SprtFits, DegenerateInputsGiveNoNumberAndNoCrash)
{
    const double r[] = {50.0, 50.0, 50.0};
    EXPECT_FALSE(std::isfinite(FitSprtUpper(0, 25, r).coefficients[0]));  // coincident points
    EXPECT_FALSE(std::isfinite(FitSprtUpper(1, 25, r).coefficients[0]));
    EXPECT_FALSE(std::isfinite(FitSprtLower(0, 25, 20, 20).coefficients[0]));
    EXPECT_FALSE(std::isfinite(FitSprtUpper(3, 0, r).coefficients[0]));  // zero Rtp
    EXPECT_FALSE(std::isfinite(FitSprtLower(1, kNaN, 20, 21).coefficients[1]));
    EXPECT_EQ(FitSprtUpper(5, 25, r).count, 0);
    EXPECT_EQ(FitSprtUpper(0, 25, std::span(r, 2)).count, 0);  // too few resistances
    EXPECT_EQ(FitSprtLower(2, 25, 20, 21).count, 0);
}

TEST(SprtConversion, BothDirections)
{
    const double rtp = 25.5;
    const SprtCoefficientSet set = Only(kSprtFlagA5B5 | kSprtFlagA7B7C7);
    EXPECT_FALSE(SprtFromTemperature(set, 0, 100).has_value());
    EXPECT_FALSE(SprtFromResistance(SprtCoefficientSet{}, rtp, 30).has_value());
    for (double t : {-20.0, 300.0}) {
        const auto c = SprtFromTemperature(set, rtp, t);
        ASSERT_TRUE(c.has_value());
        // The slopes use the applied group's ∂ΔW/∂W, a5/b5 included (dWr/dt alone is off by 4e-7 at -20).
        const double h = 1e-3;
        const double numeric = (SprtRatio(set, t + h) - SprtRatio(set, t - h)) / (2 * h);
        ExpectRows({{"r", c->r, rtp * c->w}, {"dW/dt", c->dw_dt, numeric, 1e-10}, {"dR/dt", c->dr_dt, rtp * c->dw_dt}});
        const auto back = SprtFromResistance(set, rtp, c->r);
        ASSERT_TRUE(back.has_value());
        ExpectRows({{"t", back->t, t, 1e-7}, {"w", back->w, c->w, 1e-11}, {"back dW/dt", back->dw_dt, c->dw_dt, 1e-12}});
    }
    // 27 mK above aluminium (in the grace) W comes from the inversion's group; SprtRatio's none showed "out".
    const double w_above = GeneratedRatio(set, 660.35, 300);
    const auto above = SprtFromResistance(set, rtp, rtp * w_above);
    ASSERT_TRUE(above.has_value());
    ExpectRows({{"above t", above->t, 660.35, 1e-7}, {"above w", above->w, w_above, 1e-12}});
    EXPECT_FALSE(std::isnan(above->dr_dt));
    // Outside every group everything computed from W is NaN, slopes included (not 0).
    const auto out = SprtFromTemperature(set, rtp, 700);
    ASSERT_TRUE(out.has_value());
    ExpectRows({{"out r", out->r, kNaN}, {"out w", out->w, kNaN}, {"out dW/dt", out->dw_dt, kNaN},
                {"out dR/dt", out->dr_dt, kNaN}});
    for (double bad : {kNaN, kInf, -kInf, 1e300, -1e300}) {
        EXPECT_TRUE(std::isnan(SprtFromTemperature(set, rtp, bad)->w)) << bad;
        EXPECT_TRUE(std::isnan(SprtFromResistance(set, rtp, bad)->t)) << bad;
        EXPECT_TRUE(std::isnan(SprtFromResistance(set, bad, 30)->t)) << bad;
    }
    EXPECT_TRUE(std::isnan(SprtFromResistance(set, rtp, 0)->t));
    // No thermometer has a negative R(TPW), a negative resistance or a temperature below absolute zero.
    for (const auto& c : {SprtFromTemperature(set, -rtp, 20), SprtFromTemperature(set, rtp, -273.16),
                          SprtFromResistance(set, -rtp, 30), SprtFromResistance(set, rtp, -30)}) {
        ASSERT_TRUE(c.has_value());
        EXPECT_TRUE(std::isnan(c->w) && std::isnan(c->dw_dt) && std::isnan(c->dr_dt));
        EXPECT_TRUE(std::isnan(c->t) || std::isnan(c->r));
    }
}

// Every coefficient 0 and given as such: the ideal thermometer, W = Wr on both sides of 0 °C, both ways.
TEST(SprtConversion, ZerosGivenAreCoefficients)
{
    SprtCoefficientSet ideal{};
    ideal.flags = kSprtFlagA4B4 | kSprtFlagA8B8;
    EXPECT_FALSE(SprtHasCompleteGroup(ideal));  // zeros of empty fields: nothing to convert
    ideal.zeroIsValue = true;
    ASSERT_TRUE(SprtHasCompleteGroup(ideal));
    for (double t : {-100.0, 0.01, 100.0, 419.527}) {
        const auto c = SprtFromTemperature(ideal, 25, t);
        ASSERT_TRUE(c.has_value());
        EXPECT_EQ(c->w, Its90Wr(t)) << t;
        EXPECT_NEAR(c->dw_dt, Its90WrSlope(t), 1e-15) << t;
        EXPECT_NEAR(SprtFromResistance(ideal, 25, c->r)->t, t, 1e-7) << t;
    }
}

// The SPRT sub-pages on screens from 1366 x 768, the smallest in use, to 3840 x 2160.
class SprtLayout : public testing::TestWithParam<std::pair<int, int>> {};

TEST_P(SprtLayout, ProductListCoversNoLabelAndEverythingFits)
{
    const ScreenGeometry g = ComputeScreenGeometry(GetParam().first, GetParam().second);
    const Rect page = PageRect(g);
    const Rect client = SubPageRect(page.width - 2, page.height - 2);
    const Rect sub{0, 0, client.width, client.height};
    const auto inside = [&sub](const Rect& r) {
        return r.x >= sub.x && r.y >= sub.y && r.right() <= sub.right() && r.bottom() <= sub.bottom();
    };
    const auto overlap = [](const Rect& a, const Rect& b) {
        return a.x < b.right() && b.x < a.right() && a.y < b.bottom() && b.y < a.bottom();
    };
    const SprtConversionPageLayout l = ComputeSprtConversionPageLayout(g, sub);
    const auto fields = FieldGridInRectLayout(g, l.grid, 2, 6);
    EXPECT_TRUE(inside(l.products));
    for (const FieldRects& f : fields) {
        for (const Rect& r : {f.label, f.edit, f.unit}) {
            EXPECT_FALSE(overlap(l.products, r));
            EXPECT_TRUE(inside(r)) << r.x << ' ' << r.y;
        }
    }
    EXPECT_EQ(l.products.x, fields.front().edit.x);
    const SprtCoefficientPageLayout c = ComputeSprtCoefficientPageLayout(g, sub);
    for (std::size_t r = 0; r < kSprtGridRows; ++r) {
        EXPECT_TRUE(inside(c.cells[r][2])) << r;
        EXPECT_LT(c.cells[r][2].right(), c.range.label.x) << r;  // the grid stays in the left half
        for (std::size_t k = 1; k < kSprtGridColumns; ++k)
            EXPECT_EQ(c.cells[r][k].x, c.cells[r][k - 1].right() - 1);
    }
    for (std::size_t r = 1; r < kSprtGridRows; ++r) EXPECT_EQ(c.cells[r][0].y, c.cells[r - 1][0].bottom() - 1);
    for (std::size_t k = 0; k < kSprtResultPairs; ++k) {
        EXPECT_EQ(c.results[k][1].x, c.results[k][0].right() - 1);
        EXPECT_EQ(c.results[k][0].y, c.cells[k + 2][0].y);  // level with the fixed-point rows
        EXPECT_TRUE(inside(c.results[k][1]));
    }
    EXPECT_TRUE(inside(c.range.edit));
    EXPECT_FALSE(overlap(c.range.edit, c.results[0][1]));
}

INSTANTIATE_TEST_SUITE_P(
    Screens, SprtLayout,
    testing::Values(std::pair{1920, 1080}, std::pair{1366, 768}, std::pair{2560, 1440}, std::pair{3840, 2160}),
    [](const auto& p) { return std::to_string(p.param.first) + "x" + std::to_string(p.param.second); });

// The fixed-point rows ("number temperature") and result names; gallium is 29.765000 for a11, 29.764600 for a5.
TEST(SprtGridTexts, RowsAndResultNames)
{
    struct GridCase { const char* name; SprtRangeCodes codes; std::string rows, names; };
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
        std::string rows, names;
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
    EXPECT_EQ(FormatFixedSix(kNaN), "nan");
    EXPECT_EQ(FormatFixedSix(-kInf), "-inf");
    EXPECT_EQ(FormatFixedSix(1e300).size(), 301u + 7u);  // no exponent, never cut
}

}  // namespace
}  // namespace tmcalc
