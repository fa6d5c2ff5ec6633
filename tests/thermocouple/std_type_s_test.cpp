// The type S standard: fixed-point deviation, both conversions, the hundred-degree table and its texts.
#include "thermocouple/std_type_s.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <ostream>
#include <string>
#include <string_view>

#include "framework/diagnostics.h"
#include "framework/number_text.h"
#include "thermocouple/reference_functions.h"
#include "thermocouple/std_reference.h"

namespace tmcalc {
namespace {

constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();
constexpr double kInf = std::numeric_limits<double>::infinity();

// A standard's certificate emfs at the zinc, aluminium and copper points, mV.
constexpr StdSFixedPoints kStandard = {3.4472, 5.8605, 10.5822};
const SDeviation kRounded =
    SDeviationFromFixedPoints(kStandard.zinc, kStandard.aluminium, kStandard.copper, SDeviationVariant::Rounded);
const SDeviation kPrecise =
    SDeviationFromFixedPoints(kStandard.zinc, kStandard.aluminium, kStandard.copper, SDeviationVariant::Precise);
// Deviations of fixed points typed at random: the emf curve has no root at 6.19 mV and Newton's method
// wanders between 420 and 610 °C until its step limit.
const SDeviation kWandering = SDeviationFromFixedPoints(4.2983037454835475, 7.156956359931776, -19.745324421287407,
                                                        SDeviationVariant::Precise);
constexpr double kWanderingEmf = 6.1946486878258362;

// The values the pages show; the tolerance is half a unit of the last digit given.
struct Shown {
    const char* name;
    double actual;
    double expected;
    double tolerance;
};

const Shown kShown[] = {
    {"RoundedA", kRounded.a, 0.006998045, 5E-10}, {"RoundedB", kRounded.b, -2.6224087E-05, 5E-13},
    {"RoundedC", kRounded.c, 2.4518735E-08, 5E-16}, {"Emf1000", StdSEmf(1000, 0, kRounded).emf, 9.5923903, 5E-8},
    {"Slope1000", StdSEmf(1000, 0, kRounded).slope, 11.56214, 5E-6},
    {"EmfAtCopperIsCertificate", StdSEmf(1084.62, 0, kRounded).emf, 10.5822, 5E-8},
    // Below 400 °C the deviation is added in mV as if µV: 0.0004 µV here instead of 0.43.
    {"Emf399_9DeviationUnscaled", StdSEmf(399.9, 0, kRounded).emf, 3.2584004, 5E-8},
    {"Emf400DeviationCounts", StdSEmf(400, 0, kRounded).emf, 3.2597882, 5E-8},
    {"EmfNearZeroIsZero", StdSEmf(0.001, 0, kRounded).emf, 0, 0},
    {"EmfColdJunction20", StdSEmf(1000, 20, kRounded).emf, 9.5923903 - TcEmf(ThermocoupleType::S, 20) / 1000,
     5E-8},
    {"Temperature1000", StdSTemperature(9.5923903, 0, kPrecise).t, 1000.0000, 5E-5},
    {"TemperatureSlope1000", StdSTemperature(9.5923903, 0, kPrecise).slope, 11.56214, 5E-6},
    {"TemperatureZeroEmf", StdSTemperature(0, 0, kPrecise).t, 0, 0},
    // Once 399.9698909 °C after 100001 steps: the emf falls in the step at 400 °C (3.2593572 to 3.2597882
    // mV with this deviation), which no temperature gives.
    {"TemperatureInsideStepIs400", StdSTemperature(3.2595, 0, kPrecise).t, 400, 0},
    {"TemperatureStepLowerEdge", StdSTemperature(3.25935722, 0, kPrecise).t, 400, 1E-4},
    {"TemperatureJustAboveStep", StdSTemperature(3.2598, 0, kPrecise).t, 400.00124, 5E-5},
    {"TemperatureJustBelowStep", StdSTemperature(3.2593, 0, kPrecise).t, 399.99402, 5E-5},
};

void PrintTo(const Shown& row, std::ostream* out) { *out << row.name; }

class StdSShownTest : public testing::TestWithParam<Shown> {};

TEST_P(StdSShownTest, AsPublished)
{
    EXPECT_NEAR(GetParam().actual, GetParam().expected, GetParam().tolerance);
}

INSTANTIATE_TEST_SUITE_P(StdS, StdSShownTest, testing::ValuesIn(kShown),
                         [](const auto& row) { return std::string(row.param.name); });

// Each variant passes exactly through the deviations from its own reference set; the variants differ in
// the ninth digit of a, which the calculator shows with fifteen decimals.
TEST(StdSDeviation, VariantsThroughTheirFixedPoints)
{
    const auto dev = [](const SDeviation& d, double t) { return d.a + d.b * t + d.c * t * t; };
    for (const auto& [t, emf] :
         {std::pair{kZincPoint, kStandard.zinc}, std::pair{kAluminiumPoint, kStandard.aluminium},
          std::pair{kCopperPoint, kStandard.copper}}) {
        EXPECT_NEAR(StdRefEmf(ThermocoupleType::S, t) + dev(kPrecise, t), emf, 1E-13) << t;
        // Nine-digit weights: within 1E-10 mV, far below the 1E-7 shown.
        EXPECT_NEAR(TcEmf(ThermocoupleType::S, t) / 1000 + dev(kRounded, t), emf, 1E-10) << t;
    }
    EXPECT_NEAR(kPrecise.a - kRounded.a, 8.6E-10, 1E-11);
    EXPECT_EQ(FormatShowValue(15, 15, kRounded.a), "0.006998044679556");
    EXPECT_EQ(FormatShowValue(15, 15, kRounded.b), "-0.000026224086768");
    EXPECT_EQ(FormatShowValue(15, 15, kRounded.c), "0.000000024518735");
}

TEST(StdSTemperature, RoundTripsWithColdJunction)
{
    // Converged to 1E-6 mV at a slope of at least 5.4 µV/°C: within 2E-4 °C; rounded against precise
    // deviation adds about 1E-7 °C.
    for (double tc : {0.0, 20.0, 23.5}) {
        for (double t : {-50.0, -20.0, 0.0, 100.0, 399.9, 400.0, 419.527, 1000.0, 1084.62, 1200.0, 1700.0}) {
            const double emf = StdSEmf(t, tc, kRounded).emf;
            EXPECT_NEAR(StdSTemperature(emf, tc, kPrecise).t, t, 2E-4) << t << " °C, cold junction " << tc;
        }
    }
}

TEST(StdSTemperature, TracesStepsAndGivesNaNForBadInputs)
{
    static std::string line;
    SetDiagnosticSink([](std::string_view text) { line = text; });
    (void)StdSTemperature(9.5923903, 0, kPrecise);
    EXPECT_EQ(line.rfind("\n Vt->T_SP newton: 2 , tick : ", 0), 0U) << line;
    // Once the last of 100001 steps (a temperature between 420 and 610 °C) was shown as the result.
    EXPECT_TRUE(std::isnan(StdSTemperature(kWanderingEmf, 0, kWandering).t));
    EXPECT_EQ(line.rfind("\n Vt->T_SP newton: 100001 ,", 0), 0U) << line;
    SetDiagnosticSink(nullptr);
    // Beyond the reach of the reference function (18.70 mV at 1769.1 °C), non-finite emfs, cold junctions
    // and deviations: NaN at once, not after 100001 steps on NaN.
    for (double emf : {18.8, -0.3, 1E300, kNaN, kInf, -kInf}) {
        EXPECT_TRUE(std::isnan(StdSTemperature(emf, 0, kPrecise).t)) << emf;
    }
    for (double tc : {kNaN, kInf, 2000.0}) EXPECT_TRUE(std::isnan(StdSTemperature(5, tc, kPrecise).t)) << tc;
    EXPECT_TRUE(std::isnan(StdSTemperature(5, 0, {kNaN, 0, 0}).t) &&
                std::isnan(StdSTemperature(5, 0, {kInf, 0, 0}).t));
    for (double t : {kNaN, kInf, 1769.2, -51.5}) EXPECT_TRUE(std::isnan(StdSEmf(t, 0, kRounded).emf)) << t;
    EXPECT_TRUE(std::isnan(StdSEmf(1000, kNaN, kRounded).emf));
    // Zero fixed points are numbers like any other.
    EXPECT_TRUE(std::isfinite(SDeviationFromFixedPoints(0, 0, 0, SDeviationVariant::Rounded).a));
}

TEST(HundredDegreeTable, TextsAsShown)
{
    const auto texts = HundredDegreeTableTexts(HundredDegreeTable(kRounded), kRounded);
    const char* expected[] = {"2.323",  "3.2598", "4.2333", "5.2388", "6.2759",     "7.3467",       "8.4525",
                              "9.5924", "10.764", "11.961", "13.173", "0.00699804", "-2.62241e-05", "2.45187e-08"};
    for (std::size_t k = 0; k < texts.size(); ++k) EXPECT_EQ(texts[k], expected[k]) << k;
    // Each row is the emf the conversion gives at its temperature.
    const auto table = HundredDegreeTable(kRounded);
    for (std::size_t k = 0; k < table.size(); ++k) {
        EXPECT_DOUBLE_EQ(table[k], StdSEmf(100.0 * static_cast<double>(k + 3), 0, kRounded).emf) << k;
    }
    // Non-finite values show out of range.
    for (const std::string& text :
         HundredDegreeTableTexts(HundredDegreeTable({kInf, 0, 0}), {kInf, -kInf, kNaN})) {
        EXPECT_EQ(text, FormatValueG(kNaN, 5));
    }
}

TEST(StdSPage, ZeroFixedPointMeansNotFilledIn)
{
    for (const StdSFixedPoints& p : {StdSFixedPoints{0, 5.8605, 10.5822}, StdSFixedPoints{3.4472, 0, 10.5822},
                                     StdSFixedPoints{3.4472, 5.8605, 0}}) {
        EXPECT_FALSE(StdSPageTemperatureToEmf(p, 1000, 0));
        EXPECT_FALSE(StdSPageEmfToTemperature(p, 9.59, 0));
    }
    // Temperature to emf keeps the rounded deviation; emf to temperature works with the precise one.
    const auto emf = StdSPageTemperatureToEmf(kStandard, 1000, 20);
    ASSERT_TRUE(emf);
    EXPECT_EQ(emf->deviation.a, kRounded.a);
    EXPECT_EQ(emf->result.emf, StdSEmf(1000, 20, kRounded).emf);
    const auto t = StdSPageEmfToTemperature(kStandard, emf->result.emf, 20);
    ASSERT_TRUE(t);
    EXPECT_EQ(t->t, StdSTemperature(emf->result.emf, 20, kPrecise).t);
    // A pasted "nan" is not 0: it reaches the arithmetic and comes back out of range.
    EXPECT_TRUE(std::isnan(StdSPageEmfToTemperature({kNaN, 5.8605, 10.5822}, 5, 0)->t));
}

}  // namespace
}  // namespace tmcalc
