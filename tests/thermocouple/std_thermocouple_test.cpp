// The type S and B standards: the S fixed-point deviation, conversions and hundred-degree table; the B
// certificate polynomials, the single-precision fixed-point fit, conversions; the layouts of their sub-pages.
#include "thermocouple/std_type_b.h"
#include "thermocouple/std_type_s.h"

#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <limits>
#include <ostream>
#include <span>
#include <string>
#include <string_view>
#include <tuple>

#include "framework/diagnostics.h"
#include "framework/number_text.h"
#include "thermocouple/deviation_fit.h"
#include "thermocouple/reference_functions.h"
#include "thermocouple/std_page_layout.h"
#include "thermocouple/std_reference.h"
#include "test_support.h"

namespace tmcalc {
namespace {

using test::kInf;
using test::kNaN;
constexpr auto kS = ThermocoupleType::S;
constexpr auto kB = ThermocoupleType::B;

// A standard's certificate emfs at the zinc, aluminium and copper points, mV.
constexpr StdSFixedPoints kCert = {3.4472, 5.8605, 10.5822};
using enum SDeviationVariant;
const SDeviation kRounded = SDeviationFromFixedPoints(kCert.zinc, kCert.aluminium, kCert.copper, Rounded);
const SDeviation kPrecise = SDeviationFromFixedPoints(kCert.zinc, kCert.aluminium, kCert.copper, Precise);
// Fixed points typed at random: no root at 6.19 mV, Newton wanders between 420 and 610 °C to its step limit.
const SDeviation kWandering =
    SDeviationFromFixedPoints(4.2983037454835475, 7.156956359931776, -19.745324421287407, Precise);
constexpr double kWanderingEmf = 6.1946486878258362;

// What the page cases (the published example to its last digit) do not show; tolerance: half the last digit.
struct Shown {
    const char* name;
    double actual, expected, tolerance;
};
const Shown kShown[] = {
    {"EmfNearZeroIsZero", StdSEmf(0.001, 0, kRounded).emf, 0, 0},
    {"EmfColdJunction20", StdSEmf(1000, 20, kRounded).emf, 9.5923903 - TcEmf(kS, 20) / 1000, 5E-8},
    {"TemperatureZeroEmf", StdSTemperature(0, 0, kPrecise).t, 0, 0},
    // Once 399.9698909 °C after 100001 steps: no temperature gives an emf in the step 3.2593572-3.2597882 mV.
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
INSTANTIATE_TEST_SUITE_P(StdS, StdSShownTest, testing::ValuesIn(kShown), test::RowName{});

// Each variant passes exactly through the deviations from its own reference set; they differ in a's ninth digit.
TEST(StdSDeviation, VariantsThroughTheirFixedPoints)
{
    const auto dev = [](const SDeviation& d, double t) { return d.a + d.b * t + d.c * t * t; };
    for (const auto& [t, emf] : {std::pair{kZincPoint, kCert.zinc}, {kAluminiumPoint, kCert.aluminium},
                                 {kCopperPoint, kCert.copper}}) {
        EXPECT_NEAR(StdRefEmf(kS, t) + dev(kPrecise, t), emf, 1E-13) << t;
        // Nine-digit weights: within 1E-10 mV, far below the 1E-7 shown.
        EXPECT_NEAR(TcEmf(kS, t) / 1000 + dev(kRounded, t), emf, 1E-10) << t;
    }
    EXPECT_NEAR(kPrecise.a - kRounded.a, 8.6E-10, 1E-11);  // the calculator page shows the rounded set
}

TEST(StdSTemperature, RoundTripsTracesStepsAndGivesNaNForBadInputs)
{
    // Converged to 1E-6 mV at a slope of at least 5.4 µV/°C: within 2E-4 °C.
    for (double tc : {0.0, 20.0, 23.5})
        for (double t : {-50.0, -20.0, 0.0, 100.0, 399.9, 400.0, 419.527, 1000.0, 1084.62, 1200.0, 1700.0})
            EXPECT_NEAR(StdSTemperature(StdSEmf(t, tc, kRounded).emf, tc, kPrecise).t, t, 2E-4) << t << ", " << tc;
    static std::string line;
    SetDiagnosticSink([](std::string_view text) { line = text; });
    (void)StdSTemperature(9.5923903, 0, kPrecise);
    EXPECT_EQ(line.rfind("\n Vt->T_SP newton: 2 , tick : ", 0), 0U) << line;
    // Once the last of 100001 steps (a temperature between 420 and 610 °C) was shown as the result.
    EXPECT_TRUE(std::isnan(StdSTemperature(kWanderingEmf, 0, kWandering).t));
    EXPECT_EQ(line.rfind("\n Vt->T_SP newton: 100001 ,", 0), 0U) << line;
    SetDiagnosticSink(nullptr);
    // Beyond the reference function (18.70 mV at 1769.1 °C) or not finite: NaN at once, not after 100001 steps.
    for (double emf : {18.8, -0.3, 1E300, kNaN, kInf, -kInf})
        EXPECT_TRUE(std::isnan(StdSTemperature(emf, 0, kPrecise).t)) << emf;
    for (double tc : {kNaN, kInf, 2000.0}) EXPECT_TRUE(std::isnan(StdSTemperature(5, tc, kPrecise).t)) << tc;
    for (double a : {kNaN, kInf}) EXPECT_TRUE(std::isnan(StdSTemperature(5, 0, {a, 0, 0}).t)) << a;
    for (double t : {kNaN, kInf, 1769.2, -51.5}) EXPECT_TRUE(std::isnan(StdSEmf(t, 0, kRounded).emf)) << t;
    EXPECT_TRUE(std::isnan(StdSEmf(1000, kNaN, kRounded).emf));
    // Zero fixed points are numbers like any other.
    EXPECT_TRUE(std::isfinite(SDeviationFromFixedPoints(0, 0, 0, Rounded).a));
}

TEST(StdSPage, HundredDegreeTextsAndNothingWithoutAFixedPoint)
{
    const auto texts = HundredDegreeTableTexts(HundredDegreeTable(kRounded), kRounded);
    const char* expected[] = {"2.323",  "3.2598", "4.2333", "5.2388", "6.2759",     "7.3467",       "8.4525",
                              "9.5924", "10.764", "11.961", "13.173", "0.00699804", "-2.62241e-05", "2.45187e-08"};
    for (std::size_t k = 0; k < texts.size(); ++k) EXPECT_EQ(texts[k], expected[k]) << k;
    // Non-finite values show out of range.
    for (const std::string& text : HundredDegreeTableTexts(HundredDegreeTable({kInf, 0, 0}), {kInf, -kInf, kNaN}))
        EXPECT_EQ(text, FormatValueG(kNaN, 5));
    for (const auto& p : {StdSFixedPoints{0, 5.8605, 10.5822}, {3.4472, 0, 10.5822}, {3.4472, 5.8605, 0}})
        EXPECT_FALSE(StdSPageTemperatureToEmf(p, 1000, 0) || StdSPageEmfToTemperature(p, 9.59, 0)) << p.copper;
    // A pasted "nan" is not 0: it reaches the arithmetic and comes back out of range.
    EXPECT_TRUE(std::isnan(StdSPageEmfToTemperature({kNaN, 5.8605, 10.5822}, 5, 0)->t));
}

// The published ITS-90 type B coefficients (NIST Monograph 175), µV, typed as a certificate would be.
constexpr StdBCalibration kLowRange = {StdBMode::LowRange, {-2.46508183460E-01, 5.90404211710E-03,
    -1.32579316360E-06, 1.56682919010E-09, -1.69445292400E-12, 6.29903470940E-16}};
constexpr StdBCalibration kHighRange = {StdBMode::HighRange, {-3.89381686210E+03, 2.85717474700E+01,
    -8.48851047850E-02, 1.57852801640E-04, -1.68353448640E-07, 1.11097940130E-10, -4.45154310330E-14,
    9.89756408210E-18, -9.37913302890E-22}};

// A standard 10 µV above the reference at 1100 °C, deviating by a + b t + c t^2 mV.
StdBCalibration FixedPoints(double a = 0.01, double b = -1E-5, double c = 3E-9)
{
    StdBCalibration cal{StdBMode::FixedPoints, {}};
    for (std::size_t i = 0; const double t : kStdBFixedPointTemperatures)
        cal.p[i++] = StdRefEmf(kB, t) + a + b * t + c * t * t;
    return cal;
}

TEST(StdBCalibration, PublishedCoefficientsReproduceTheReferenceAndNoRootGivesNaN)
{
    EXPECT_NEAR(StdBEmfMicro(kHighRange, 1000), 4834.3, 0.05);
    // Horner against term-by-term sums: 1E-6 µV is far below the 1E-4 µV (1E-7 mV) shown.
    for (double t : {50.0, 250.0, 600.0, 700.0, 1000.0, 1300.0, 1820.0}) {
        const StdBCalibration& cal = t < 630.615 ? kLowRange : kHighRange;
        EXPECT_NEAR(StdBEmfMicro(cal, t), 1000 * StdRefEmf(kB, t), t < 630.615 ? 1E-9 : 1E-6) << t;
        EXPECT_NEAR(StdBSlope(cal, t), 1000 * StdRefBSlope(t), 1E-9) << t;
        EXPECT_NEAR(StdBTemperature(cal, StdBEmfMicro(cal, t)), t, 1E-7) << t;
    }
    // Once NaN after 1000001 steps from a NaN start: the reference inverse stops at 13.820 mV.
    EXPECT_NEAR(StdBTemperature(kHighRange, 13900), 1826.988374, 5E-6);
    EXPECT_TRUE(std::isnan(StdRefBTemperature(13.9)));
    // The low-range polynomial extrapolated that far has a root too; it is what the certificate says.
    EXPECT_NEAR(StdBEmfMicro(kLowRange, StdBTemperature(kLowRange, 13900)), 13900, 1E-7);
    // 1 + t^2 never reaches 0 µV: Newton wanders for 1000001 steps. Once the last step was the result.
    EXPECT_TRUE(std::isnan(StdBTemperature({StdBMode::HighRange, {1, 0, 1}}, 0)));
    // Fixed points: the curve never falls to -10 µV (its minimum is -2.6 µV at 21 °C).
    EXPECT_TRUE(std::isnan(StdBTemperature(FixedPoints(0, 0, 0), -10)));
    // From the emf whose reference inverse lands where the slope is 0 (21.02 °C): once the start was the result.
    const auto solve = [](auto f, double low, double high) {
        for (int i = 0; i < 200; ++i) (f((low + high) / 2) < 0 ? low : high) = (low + high) / 2;
        return low;
    };
    const double flat = solve([](double t) { return StdRefBSlope(t); }, 15, 25);
    const double emf = solve([flat](double e) { return StdRefBTemperature(e) - flat; }, -0.2, 0);
    ASSERT_LT(std::fabs(StdRefBSlope(StdRefBTemperature(emf))), 1E-8);
    EXPECT_TRUE(std::isnan(StdBTemperature(FixedPoints(0, 0, 0), emf * 1000)));
}

TEST(StdBFixedPoints, SinglePrecisionFitOfFivePointsRecoversTheDeviation)
{
    const StdBCalibration cal = FixedPoints();
    // The float fit misses the fixed points by about 0.004 µV, under 1 mK at 10 µV/°C.
    for (std::size_t i = 0; i < kStdBFixedPointTemperatures.size(); ++i) {
        const double t = kStdBFixedPointTemperatures[i];
        EXPECT_NEAR(StdBEmfMicro(cal, t), 1000 * cal.p[i], 0.01) << t;
        EXPECT_NEAR(StdBTemperature(cal, 1000 * cal.p[i]), t, 1E-3) << t;
        EXPECT_NEAR(StdBSlope(cal, t), 1000 * (StdRefBSlope(t) - 1E-5 + 6E-9 * t), 1E-4) << t;
    }
    for (double t : {700.0, 1000.0, 1820.0}) EXPECT_NEAR(StdBTemperature(cal, StdBEmfMicro(cal, t)), t, 1E-6) << t;
    // A constant 1 µV deviation: double precision gives a = 0.001 mV to 1E-12, float misses by about 3E-6 mV.
    const auto fitted = [](const StdBCalibration& points) {
        return FitDeviationQuadratic(kStdBFixedPointTemperatures, std::span(points.p).first(5));
    };
    const auto fit = fitted(FixedPoints(0.001, 0, 0));
    ASSERT_TRUE(fit);
    EXPECT_TRUE(std::fabs(fit->a - 0.001) > 1E-7 && std::fabs(fit->a - 0.001) < 1E-4) << fit->a;
    // Exact reference emfs give exactly no deviation.
    const auto none = fitted(FixedPoints(0, 0, 0));
    ASSERT_TRUE(none);
    EXPECT_EQ(std::tuple(none->a, none->b, none->c), std::tuple(0.0, 0.0, 0.0));
    const std::array<double, 2> two = {1.0, 2.0};
    const std::span<const double> one(two.data(), 1);
    EXPECT_FALSE(FitDeviationQuadratic(kStdBFixedPointTemperatures, two) || FitDeviationQuadratic(one, one));
}

TEST(StdBPage, ColdJunctionFromTheReferenceInModes2And3AndNaNForBadInputs)
{
    // Once -3355.1 µV from the 630.615-1820 °C polynomial at 20 °C, and a true 1000 °C read 546.34 °C.
    EXPECT_EQ(StdBColdJunctionMicro(kHighRange, 20), 1000 * StdRefEmf(kB, 20));  // the page shows both ways
    // Once the 1100-1500 °C deviation was extrapolated to 20 °C: about 2 °C wrong at 1300 °C.
    const StdBCalibration fixed = FixedPoints(0.05, -1E-4, 4E-8);
    EXPECT_EQ(StdBColdJunctionMicro(fixed, 20), 1000 * StdRefEmf(kB, 20));
    const StdBReading fixedEmf = StdBPageTemperatureToEmf(fixed, 1300, 20);
    EXPECT_NEAR(StdBPageEmfToTemperature(fixed, fixedEmf.value, 20).value, 1300, 1E-6);
    EXPECT_EQ(fixedEmf.slope, StdBSlope(fixed, 1300));
    // The low range holds room temperature: its own polynomial.
    EXPECT_EQ(StdBColdJunctionMicro(kLowRange, 20), StdBEmfMicro(kLowRange, 20));
    // A cold junction of exactly 0 °C contributes nothing, even with a constant term.
    StdBCalibration offset = kHighRange;
    offset.p[0] = 5;
    for (const StdBCalibration& cal : {kLowRange, offset, fixed}) EXPECT_EQ(StdBColdJunctionMicro(cal, 0), 0.0);
    for (const StdBCalibration& cal : {kLowRange, kHighRange, FixedPoints()}) {
        for (double x : {kNaN, kInf, -kInf}) {
            EXPECT_TRUE(std::isnan(StdBTemperature(cal, x))) << x;
            EXPECT_TRUE(std::isnan(StdBPageEmfToTemperature(cal, x, 0).value)) << x;
            EXPECT_TRUE(std::isnan(StdBPageEmfToTemperature(cal, 5, x).value)) << x;
            EXPECT_FALSE(std::isfinite(StdBPageTemperatureToEmf(cal, x, 0).value)) << x;
        }
        EXPECT_TRUE(std::isfinite(StdBTemperature(cal, 5000))) << static_cast<int>(cal.mode);
    }
    // A fixed-point row that reads "nan" or "1e999".
    for (double bad : {kNaN, kInf}) {
        StdBCalibration cal = FixedPoints();
        cal.p[2] = bad;
        EXPECT_TRUE(std::isnan(StdBEmfMicro(cal, 1300)) && std::isnan(StdBTemperature(cal, 5000))) << bad;
    }
    // Fixed points beyond the reference range and an unknown mode.
    EXPECT_TRUE(std::isnan(StdBEmfMicro(FixedPoints(), 1900)));
    const StdBCalibration unknown = {static_cast<StdBMode>(7), {}};
    EXPECT_TRUE(std::isnan(StdBEmfMicro(unknown, 1000)) && std::isnan(StdBSlope(unknown, 1000)));
    EXPECT_TRUE(std::isnan(StdBTemperature(unknown, 5000)));
}

// Sub-page layouts; expected rectangles at 1920 x 1080 follow by hand from the formulas for the client area
// 1052 x 394 (page 1054 x 537 less frame and tab band).
constexpr Rect kClient{0, 0, 1052, 394};

TEST(StdPageLayout, RectanglesAtTheDesignSizeAndNoneNegativeWhenTiny)
{
    const ScreenGeometry g = ComputeScreenGeometry(1920, 1080);
    const StdSCalculatorLayout l = ComputeStdSCalculatorLayout(g, kClient);
    // half = 521: name cells trunc(208.4), value cells trunc(260.5); x = trunc(260.5 + 20 - 234) = 46; the
    // right block starts 523 further: trunc(260.5 + 543 - 234) = 569. Rows from 15 + 45 + 5 every 44.
    for (const auto& [k, cell] : {std::pair{0, Rect{46, 65, 208, 45}}, {1, {253, 65, 260, 45}},
                                  {5, {253, 153, 260, 45}}, {6, {569, 65, 208, 45}}, {11, {776, 153, 260, 45}}})
        EXPECT_EQ(l.cells[static_cast<std::size_t>(k)], cell) << k;
    const StdSPageLayout s = ComputeStdSPageLayout(g, kClient);
    EXPECT_EQ(s.fields, (Rect{10, 20, 516, 242}));  // edges (10, 20, 1052 / 2, trunc(394 / 1.5))
    EXPECT_EQ(s.panel, (Rect{578, 20, 474, 15 * 24}));
    EXPECT_EQ(s.valueColumn, 788);
    // Under the seventh field (its edit box ends at trunc(20 + 6 x 35.57) + 45 = 278), in its columns.
    EXPECT_EQ(s.productHeading, (Rect{8, 293, 206, 30}));
    EXPECT_EQ(s.productList, (Rect{216, 293, 258, 30}));
    EXPECT_LE(s.panel.bottom(), kClient.bottom());
    const StdBPageLayout b = ComputeStdBPageLayout(g, kClient);
    EXPECT_EQ(b.modes[0], (Rect{20, 20, 150, 25}));
    EXPECT_EQ(b.modes[2], (Rect{20, 68, 150, 25}));  // y0 + 2 h - 2
    EXPECT_EQ(b.fields, (Rect{100, 60, 952, 221}));  // edges (100, 60, 1052, trunc(394 / 1.4))
    const Rect tiny{0, 0, 4, 4};  // gives no negative sizes
    for (const Rect& r : ComputeStdSCalculatorLayout(g, tiny).cells) EXPECT_GE(r.width, 0);
    EXPECT_GE(ComputeStdSPageLayout(g, tiny).fields.width, 0);
    EXPECT_GE(ComputeStdSPageLayout(g, tiny).panel.height, 0);
    EXPECT_GE(ComputeStdBPageLayout(g, tiny).fields.height, 0);
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
            if (k % 6 != 0) { EXPECT_EQ(l.cells[k].y, l.cells[k - 2].bottom() - 1); }
            EXPECT_LE(l.cells[k + 1].right(), client.right());
        }
        EXPECT_GT(l.cells[6].x, l.cells[1].right());  // the blocks do not touch
    }
}

}  // namespace
}  // namespace tmcalc
