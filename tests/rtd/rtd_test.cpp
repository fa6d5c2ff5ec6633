// The platinum, copper and nickel equations, inverses, slopes, bands, rounding and fits, the bounded Newton
// iteration under the inverses, the texts the sub-pages write and where they place widgets. Expected values:
// the printed Pt100 table (IEC 60751) and the equations evaluated exactly from the published coefficients.
#include "rtd/copper.h"
#include "rtd/fits.h"
#include "rtd/nickel.h"
#include "rtd/platinum.h"
#include "rtd/root_finders.h"
#include "rtd/rounding.h"
#include "rtd/rtd_page_layout.h"
#include "rtd/rtd_page_math.h"
#include "test_support.h"

#include <gtest/gtest.h>

#include <array>
#include <chrono>
#include <cmath>
#include <functional>
#include <limits>
#include <string>
#include <utility>
#include <vector>


namespace tmcalc {
namespace {

using namespace test;

// Every hundredth of a degree over each range (nickel: its use, -60 to 180 °C) comes back within the solvers'
// 1e-8 in W, a few millionths of a degree (dW/dt >= 0.0023/°C); R0 itself gives 0 °C exactly.
TEST(RtdEquations, InvertEveryHundredthOfADegree)
{
    // `from` and `to` in hundredths of a degree.
    const auto sweep = [](const std::string& name, int from, int to, double r0, double tol, auto r, auto t) {
        EXPECT_EQ(t(r0), 0.0) << name;
        for (int i = from; i <= to; ++i) ASSERT_NEAR(t(r(i / 100.0)), i / 100.0, tol) << name << ' ' << i / 100.0;
    };
    sweep("Pt100", -20000, 85000, 100, 5e-6, [](double t) { return PtResistance(t, 100); },
          [](double r) { return PtTemperature(r, 100); });
    sweep("Cu50", -5000, 15000, 50, 3e-6, [](double t) { return CuResistance(t, 50); },
          [](double r) { return CuTemperature(r, 50); });
    for (int p = 1; p <= kNickelPresetCount; ++p) {
        const NiPreset n = *NickelPreset(p);
        sweep("NiPreset" + std::to_string(p), -6000, 18000, n.r0, 5e-6,
              [n](double t) { return NiResistance(t, n.r0, n.k); },
              [n](double r) { return NiTemperature(r, n.r0, n.k); });
    }
}

TEST(PtEquation, TableEdgesSlopeBandsAndBadInput)
{
    // The printed Pt100 table from -200 °C every 50 °C, to half its last digit of 0.01 Ω.
    const double table[] = {18.52,  39.72,  60.26,  80.31,  100.00, 119.40, 138.51, 157.33,
                            175.86, 194.10, 212.05, 229.72, 247.09, 264.18, 280.98, 297.49,
                            313.71, 329.64, 345.28, 360.64, 375.70, 390.48};
    for (int i = 0; i < 22; ++i) EXPECT_NEAR(PtResistance(-200 + 50 * i, 100), table[i], 0.005 + 1e-9) << i;
    const PtModel fitted = PtFitted(kPtStandard.k);  // the fit's check row reaches a tenth of a degree further
    ExpectRows({
        {"Pt50At100", PtResistance(100, 50), 69.25275, 1e-10},
        {"AtMinus200", PtResistance(-200, 100), 18.52008, 1e-10},
        {"At850", PtResistance(850, 100), 390.481125, 1e-10},
        {"FittedAtMinus200_1", PtResistance(-200.1, 100, fitted), 18.476844647223, 1e-9},
        {"FittedAt850_1", PtResistance(850.1, 100, fitted), 390.5103899225, 1e-9},
        // Continuous across 0 °C, where the C term starts: two roundings of values near 100 Ω apart.
        {"AtZero", PtResistance(0, 100), 100.0},
        {"JustBelowZero", PtResistance(-1e-9, 100), 100 - 1e-9 * 0.39083, 1e-13},
        {"JustAboveZero", PtResistance(1e-9, 100), 100 + 1e-9 * 0.39083, 1e-13},
        // Above W = 1 the closed form (cancellation ~4e-13 °C); below, the quartic, whose start 0 °C meets 1e-8.
        {"WJustAboveOne", PtTemperature(100 * (1 + 1e-9), 100), 1e-9 / 3.9083e-3, 1e-12},
        {"NextDoubleAboveR0", PtTemperature(std::nextafter(100.0, 200.0), 100), 0.0, 1e-12},
        {"NextDoubleBelowR0", PtTemperature(std::nextafter(100.0, 0.0), 100), 0.0},
        {"HalfTheToleranceBelowR0", PtTemperature(100 * (1 - 0.5e-8), 100), 0.0},
        {"TwiceTheToleranceBelowR0", PtTemperature(100 * (1 - 2e-8), 100), -2e-8 / 3.9083e-3, 1e-11},
        // 390.4811 Ω is 850 °C rounded to 0.1 mΩ, about 1.3e-4 °C off; past 850 °C the closed form goes on.
        {"Printed850", PtTemperature(390.4811, 100), 850.0, 2e-4},
        {"PrintedMinus200", PtTemperature(18.5201, 100), -200.0, 2e-4},
        {"At855", PtTemperature(391.94295625, 100), 855.0, 1e-9},
        // An infinite W takes the closed form to -inf, which the page's band rejects.
        {"InfiniteResistance", PtTemperature(kInf, 100), -kInf},
        {"SlopeAtZero", PtSlope(0, 100), 0.39083, 1e-15},
        {"SlopeAt100", PtSlope(100, 100), 0.37928, 1e-15},
    });
    ExpectNaN([](double t) { return PtResistance(t, 100); },
              {std::nextafter(-200.0, -kInf), std::nextafter(850.0, kInf), 850.01, kNaN, kInf, -kInf});
    ExpectNaN([&fitted](double t) { return PtResistance(t, 100, fitted); }, {-200.11, 850.11});
    // Zero coefficients (before any fit), a pasted -1e10 Ω or 1e12 Ω, an R0 of 0: no temperature and no hang.
    ExpectNaN([](double r) { return PtTemperature(r, 100, PtFitted({})); }, {110, 90});
    ExpectNaN([](double r) { return PtTemperature(r, 100); }, {kNaN, -kInf, -1e10, 1e12});
    ExpectNaN([](double r0) { return PtTemperature(100, r0); }, {kNaN});
    using enum PtInverseRange;
    ExpectNaN([](double r) { return ScreenPtTemperature(PtTemperature(r, 100), Widened); }, {kInf});
    ExpectNaN([](double r) { return ScreenPtTemperature(PtTemperature(r, 0), Strict); }, {50, 0, -50});
    ExpectNaN([](double t) { return PtSlope(t, 100); }, {-200.11, 850.11, kNaN, kInf});
    // Fitted coefficients run through the same branches.
    const PtModel other = PtFitted({3.95e-3, -6.1e-7, -3.9e-12});
    for (double t : {-200.1, -150.0, -0.5, 0.5, 420.0, 850.1})
        EXPECT_NEAR(PtTemperature(PtResistance(t, 100, other), 100, other), t, 5e-6) << t;
    // Below zero the derivative of the C term joins in.
    const auto pt = [&fitted](double t) { return PtResistance(t, 100, fitted); };
    for (double t : {-200.099, -200.0, -120.5, -40.0, -1e-6, 250.0, 850.0, 850.099})
        EXPECT_NEAR(PtSlope(t, 100), NumericSlope(pt, t), 1e-9) << t;
    // Widened (Pt100, Pt50): shown while -200.6 - 0.01|t| <= t < 850.6 + 0.01|t|, from -202.6263 °C up to
    // 859.1919 °C. Strict (PtX): -200 to 850 °C. The band grows with |t| and would admit an infinity.
    ExpectBand([](double t) { return ScreenPtTemperature(t, Widened); },
               {855.0, 859.1919, -202.6262, 0.0}, {859.1920, -202.6263, kInf, -kInf, kNaN});
    ExpectBand([](double t) { return ScreenPtTemperature(t, Strict); }, {850.0, -200.0},
               {850.000001, 855.0, -200.000001, kInf, -kInf, kNaN});
}

TEST(CuEquation, EdgesSlopeBandAndBadInput)
{
    const CuModel expanded = CuFitted(kCuStandard.k);  // also the fit's range, a tenth of a degree wider
    ExpectRows({
        // 0.00428 · 100 lands a hair low in double; only the display rounding makes it 71.4.
        {"Cu50At100Raw", CuResistance(100, 50), 71.39999999999999},
        {"Cu50At100Shown", RoundResistance4(CuResistance(100, 50)), 71.4},
        {"Cu100AtZero", CuResistance(0, 100), 100.0},
        {"FittedAtMinus50_1", CuResistance(-50.1, 100, expanded), 78.440848149277, 1e-12},
        {"FittedAt150_1", CuResistance(150.1, 100, expanded), 164.311625387523, 1e-12},
        // The stored expanded literals agree with the expansion of α, β and γ.
        {"StoredA1", kCuStandard.a1, expanded.a1, 0.00428931 * 1e-15},
        {"StoredA2", kCuStandard.a2, expanded.a2, 2.161e-7 * 1e-15},
        {"StoredA3", kCuStandard.a3, expanded.a3, 1.23e-9 * 1e-15},
        {"SlopeAtZero", CuSlope(0, 100), 0.428931, 1e-15},
    });
    ExpectNaN([](double t) { return CuResistance(t, 100); },
              {std::nextafter(-50.0, -kInf), std::nextafter(150.0, kInf), kNaN, kInf});
    ExpectNaN([&expanded](double t) { return CuResistance(t, 100, expanded); }, {-50.11, 150.11});
    ExpectNaN([](double t) { return CuSlope(t, 100); }, {-50.11, 150.11, kNaN});
    ExpectNaN([](double r) { return CuTemperature(r, 50, CuFitted({})); }, {55});  // before any fit
    // A pasted 1e12 Ω has a root near 2e6 °C, which the page's band rejects, as it rejects an R0 of 0.
    ExpectNaN([](double r) { return CuTemperature(r, 100); }, {-1e12, kNaN, kInf});
    ExpectNaN([](double r) { return ScreenCuTemperature(CuTemperature(r, 100)); }, {1e12});
    ExpectNaN([](double r) { return ScreenCuTemperature(CuTemperature(r, 0)); }, {50});
    const auto cu = [&expanded](double t) { return CuResistance(t, 100, expanded); };
    for (double t : {-50.099, -50.0, 0.0, 42.0, 150.0, 150.099})
        EXPECT_NEAR(CuSlope(t, 100), NumericSlope(cu, t), 1e-10) << t;
    // Fitted coefficients build their own cubic.
    const CuModel fitted = CuFitted({4.3e-3, -1.2e-7, 2.0e-9});
    for (double t : {-50.1, -10.0, 0.3, 99.0, 150.1})
        EXPECT_NEAR(CuTemperature(CuResistance(t, 50, fitted), 50, fitted), t, 3e-6) << t;
    // Shown from -50.6036 °C (t >= -50.3/0.994) up to 151.2072 °C (t <= 150.3/0.994), both inclusive.
    ExpectBand(ScreenCuTemperature, {151.2072, -50.6036, 0.0}, {151.2073, -50.6037, kNaN, kInf, -kInf});
}

TEST(NiEquation, PresetsSlopesParametersAndBadInput)
{
    for (int i : {-1, 0, kNickelPresetCount + 1}) EXPECT_FALSE(NickelPreset(i).has_value()) << i;
    // The names give the mean 0..100 °C coefficient to 10 ppm/K; the ends of their use are exact decimals.
    const double ppm[] = {6180, 5000, 6370, 6720};
    const double ends[][2] = {{695.20259488, 2231.52552352}, {751.79284, 1997.00452},
                              {684.04150144, 2266.58864512}, {677.113237624, 2339.963057656}};
    for (int p = 1; p <= kNickelPresetCount; ++p) {
        const NiPreset n = *NickelPreset(p);
        EXPECT_NEAR((NiResistance(100, 1, n.k) - 1) / 100 * 1e6, ppm[p - 1], 5.0) << p;
        EXPECT_NEAR(NiResistance(-60, n.r0, n.k), ends[p - 1][0], 1e-9) << p;
        EXPECT_NEAR(NiResistance(180, n.r0, n.k), ends[p - 1][1], 1e-9) << p;
        const auto ni = [&n](double t) { return NiResistance(t, n.r0, n.k); };
        for (double t : {-60.0, 0.0, 100.0, 250.0})
            EXPECT_NEAR(NiSlope(t, n.r0, n.k), NumericSlope(ni, t), 1e-7) << p << ' ' << t;
    }
    EXPECT_EQ(NiResistance(0, 1000, NickelPreset(1)->k), 1000.0);
    // NA has a positive sixth-order term: below its minimum W there is no root at all.
    const NiPreset na = *NickelPreset(4);
    ExpectNaN([&na](double r) { return NiTemperature(r, na.r0, na.k); }, {-1e10, kNaN, kInf});
    ExpectNaN([&na](double r) { return NiTemperature(r, na.r0, {}); }, {500});
    // What no thermometer has: an R0 or a resistance of zero or less, a temperature below absolute zero.
    ExpectNaN([&na](double r) { return NiTemperature(r, na.r0, na.k); }, {0.0, -5.0});
    ExpectNaN([&na](double r0) { return NiTemperature(1000, r0, na.k); }, {0.0, -1000.0});
    ExpectNaN([&na](double r0) { return NiResistance(20, r0, na.k); }, {0.0, -1000.0});
    ExpectNaN([&na](double t) { return NiResistance(t, na.r0, na.k); }, {-273.16, -1e300});
    ExpectNaN([&na](double t) { return NiSlope(t, na.r0, na.k); }, {-273.16});
    // Zero in R0, c1 or c2 means "not filled in"; c3 to c6 may be zero, and any sign counts as entered.
    EXPECT_TRUE(NiParametersEntered(1000, {0.005, 6e-6, 0, 0, 0, 0}));
    EXPECT_TRUE(NiParametersEntered(-1000, {-0.005, -6e-6, 0, 0, 0, 0}));
    EXPECT_FALSE(NiParametersEntered(0, {0.005, 6e-6, 0, 0, 0, 0}));
    EXPECT_FALSE(NiParametersEntered(1000, {0, 6e-6, 1, 1, 1, 1}));
    EXPECT_FALSE(NiParametersEntered(1000, {0.005, 0, 1, 1, 1, 1}));
}

TEST(RoundResistance, HalfUpAtTheFourthDecimal)
{
    const double max = std::numeric_limits<double>::max();
    ExpectRows({
        {"Pt100At100", RoundResistance4(138.50549999999998), 138.5055},
        {"Pt100AtMinus200", RoundResistance4(18.520079999999997), 18.5201},
        {"Pt100At850", RoundResistance4(390.48112499999996), 390.4811},
        {"ExactHalfGoesUp", RoundResistance4(1.03125), 1.0313},  // 10312.5 exactly
        {"NegativeHalfGoesUpToo", RoundResistance4(-1.03125), -1.0312},
        {"JustBelowHalf", RoundResistance4(1.03124999), 1.0312}, {"Zero", RoundResistance4(0.0), 0.0},
        {"FormerOverflowPoint", RoundResistance4(21474.83648), 21474.8365},  // a 32-bit conversion overflowed
        {"LargeStillRounds", RoundResistance4(123456789.123456), 123456789.1235},
        {"NoDecimalsLeftToRound", RoundResistance4(1e12 + 0.25), 1e12 + 0.25},
        {"MaxDouble", RoundResistance4(max), max}, {"Infinity", RoundResistance4(kInf), kInf},
        {"MinusInfinity", RoundResistance4(-kInf), -kInf},
        // Regressions: truncating r·100000 showed 197.7118 and 387.5487 here (and 267.562 at 460 °C).
        {"Pt100At260", RoundResistance4(PtResistance(260, 100)), 197.7119},
        {"Pt100At840", RoundResistance4(PtResistance(840, 100)), 387.5488},
        // Regression: Pt50 at 100 °C (69.25275 Ω) computes as 69.25274999999999: floor(r·10000 + 0.5) showed 69.2527.
        {"Pt50At100", RoundResistance4(PtResistance(100, 50)), 69.2528},
        {"TieWithNoiseBelow", RoundResistance4(69.25274999999999), 69.2528},
        {"NegativeTieWithNoise", RoundResistance4(-69.25275000000001), -69.2527},
        {"TrulyBelowTheTie", RoundResistance4(69.2527499), 69.2527},
        // The pages round below 1000 Ω; from there on the value is shown unrounded (RtdTexts).
        {"DisplayJustBelow1000", ResistanceForDisplay(999.99994), 999.9999},
    });
    ExpectNaN(RoundResistance4, {kNaN});
    ExpectNaN(ResistanceForDisplay, {kNaN});
}

TEST(FitPt, RecoversTheCoefficients)
{
    // The default grid as shown: A and B to ~12 digits; C has only 84.2707 (84.27065203 rounded) to go on.
    const PtFit grid = FitPtCoefficients(100, {-40, 84.2707}, {100, 138.5055}, {300, 212.0515});
    // Opposite temperatures are no degenerate system: -100 A + 1e4 B = -0.3974, 100 A + 1e4 B = 0.385.
    const PtFit opposite = FitPtCoefficients(100, {-40, 84.27}, {-100, 60.26}, {100, 138.5});
    EXPECT_EQ(grid.status, FitStatus::Fitted);
    ExpectRows({
        {"GridA", grid.coefficients.a, 3.9083e-3, 3.9083e-3 * 1e-12},
        {"GridB", grid.coefficients.b, -5.775e-7, 5.775e-7 * 1e-12},
        {"GridC", grid.coefficients.c, -4.1294642857e-12, 1e-21},
        {"OppositeA", opposite.coefficients.a, 3.912e-3, 1e-14},
        {"OppositeB", opposite.coefficients.b, -6.2e-7, 1e-18},
    });
    // Points from known coefficients: A and B to 1e-9 relative; C (~4e-5 of W at -40 °C) to about 7 digits.
    struct Row { const char* name; double r0; PtCoefficients k; double tn, t1, t2; };
    const Row rows[] = {
        {"StandardDefaults", 100, {3.9083e-3, -5.775e-7, -4.183e-12}, -40, 100, 300},
        {"Pt1000Deep", 1000, {3.9083e-3, -5.775e-7, -4.183e-12}, -196, 231.928, 419.527},
        {"OffStandard", 25, {3.92e-3, -5.9e-7, -4.5e-12}, -100, 50, 600},
        {"PointsInAnyOrder", 100, {3.85e-3, -5.8e-7, -3.9e-12}, -150, 700, 120},
    };
    for (const Row& row : rows) {
        const PtModel m = PtFitted(row.k);
        const auto at = [&](double t) { return FitPoint{t, PtResistance(t, row.r0, m)}; };
        const PtFit fit = FitPtCoefficients(row.r0, at(row.tn), at(row.t1), at(row.t2));
        EXPECT_EQ(fit.status, FitStatus::Fitted) << row.name;
        EXPECT_NEAR(fit.coefficients.a, row.k.a, std::abs(row.k.a) * 1e-9) << row.name;
        EXPECT_NEAR(fit.coefficients.b, row.k.b, std::abs(row.k.b) * 1e-9) << row.name;
        EXPECT_NEAR(fit.coefficients.c, row.k.c, std::abs(row.k.c) * 1e-6) << row.name;
    }
}

TEST(FitCu, RecoversTheCoefficients)
{
    struct Row { const char* name; double r0; CuCoefficients k; double t1, t2, t3, tol[3]; };  // tol relative
    const Row rows[] = {
        {"StandardFromItsOwnCu50Points", 50, kCuStandard.k, 100, 150, -10, {1e-12, 1e-9, 1e-9}},
        {"OffStandard", 100, {4.25e-3, -2.0e-7, 3.1e-9}, -45, 60, 140, {1e-10, 1e-7, 1e-7}},
    };
    for (const Row& row : rows) {
        const CuModel m = CuFitted(row.k);
        const auto at = [&](double t) { return FitPoint{t, CuResistance(t, row.r0, m)}; };
        const CuFit fit = FitCuCoefficients(row.r0, at(row.t1), at(row.t2), at(row.t3));
        EXPECT_EQ(fit.status, FitStatus::Fitted) << row.name;
        EXPECT_NEAR(fit.coefficients.alpha, row.k.alpha, std::abs(row.k.alpha) * row.tol[0]) << row.name;
        EXPECT_NEAR(fit.coefficients.beta, row.k.beta, std::abs(row.k.beta) * row.tol[1]) << row.name;
        EXPECT_NEAR(fit.coefficients.gamma, row.k.gamma, std::abs(row.k.gamma) * row.tol[2]) << row.name;
    }
}

TEST(FitPtCu, DegenerateUnfilledAndNonFiniteInputs)
{
    // Equal upper temperatures: "fitted" as three NaNs; two copper points at 100 °C: a zero determinant.
    const PtFit equal = FitPtCoefficients(100, {-40, 84.2707}, {200, 175.856}, {200, 212.0515});
    EXPECT_EQ(equal.status, FitStatus::Fitted);
    EXPECT_EQ(FitCuCoefficients(50, {100, 71.4}, {100, 71.5}, {150, 82.1343}).status, FitStatus::Singular);
    // NaN and infinity pass through without trapping.
    const PtFit nan = FitPtCoefficients(100, {-40, kNaN}, {100, 138.5}, {300, 212.05});
    const CuFit inf = FitCuCoefficients(50, {100, 71.4}, {150, kInf}, {-10, 47.9});
    EXPECT_EQ(nan.status, FitStatus::Fitted);
    EXPECT_EQ(inf.status, FitStatus::Fitted);
    EXPECT_FALSE(std::isfinite(inf.coefficients.alpha));
    ExpectRows({
        {"EqualUpperA", equal.coefficients.a, kNaN},
        {"EqualUpperB", equal.coefficients.b, kNaN},
        {"EqualUpperC", equal.coefficients.c, kNaN},
        {"NaNResistanceC", nan.coefficients.c, kNaN},
    });
    // An input of exactly zero, any one of the seven, is a cell not filled in yet.
    const std::array<double, 7> pt = {100, -40, 84.2707, 100, 138.5055, 300, 212.0515};
    const std::array<double, 7> cu = {50, 100, 71.4, 150, 82.1343, -10, 47.8577};
    for (std::size_t zero = 0; zero < 7; ++zero) {
        SCOPED_TRACE(zero);
        std::array<double, 7> p = pt, c = cu;
        p[zero] = c[zero] = 0;
        EXPECT_EQ(FitPtCoefficients(p[0], {p[1], p[2]}, {p[3], p[4]}, {p[5], p[6]}).status, FitStatus::Incomplete);
        EXPECT_EQ(FitCuCoefficients(c[0], {c[1], c[2]}, {c[3], c[4]}, {c[5], c[6]}).status, FitStatus::Incomplete);
    }
}

// The coefficients from x^4 (x^6 for nickel) down to x; the constant term is 1 - W.
using Poly = std::vector<double>;
const auto OfPt = [](const PtModel& m) { return Poly{m.k.c, m.minus_100c, m.k.b, m.k.a}; };
const auto OfCu = [](const CuModel& m) { return Poly{0, m.a3, m.a2, m.a1}; };
const auto OfNi = [](const NiCoefficients& k) { return Poly{k.c6, k.c5, k.c4, k.c3, k.c2, k.c1}; };

double Solve(const Poly& a, double w)
{
    return a.size() == 4 ? SolveQuartic(a[0], a[1], a[2], a[3], 1 - w, 0)
                         : SolveSextic(a[0], a[1], a[2], a[3], a[4], a[5], 1 - w, 0);
}

// Whether x is a root to the solvers' tolerance of 1e-8 in W, widened by the rounding of their own double
// residual (a few 1e-16 of the largest term) for pasted values of W.
bool IsRoot(const Poly& a, double w, double x)
{
    long double v = 0, size = std::fabs(1 - w);
    for (double c : a) {
        v = (v + c) * x;
        size += std::fabs(v);
    }
    return std::fabs(v + 1 - w) <= 1e-8L + 1e-15L * size;
}

// W at t °C, swept in tenths of a degree from `from` to `to`.
struct Sensor { std::string name; Poly poly; std::function<double(double)> w; int from, to; };

std::vector<Sensor> Sensors()
{
    // The fits' models of the standard curves reach a tenth of a degree beyond the range, for the slopes.
    const PtModel pt = PtFitted(kPtStandard.k);
    const CuModel cu = CuFitted(kCuStandard.k);
    std::vector<Sensor> out = {
        {"StandardPt", OfPt(pt), [pt](double t) { return PtResistance(t, 1, pt); }, -2000, -1},
        {"StandardCu", OfCu(cu), [cu](double t) { return CuResistance(t, 1, cu); }, -500, 1500}};
    // Nickel is used from about -60 to 250 °C; ND's W turns over above 300 °C.
    for (int p = 1; p <= kNickelPresetCount; ++p) {
        const NiCoefficients k = NickelPreset(p)->k;
        out.push_back({"NiPreset" + std::to_string(p), OfNi(k), [k](double t) { return NiResistance(t, 1, k); },
                       -1000, 3000});
    }
    // Points off the standard by up to ±0.05 Ω each; platinum below R0 (above: the closed form), copper all over.
    for (int n = 0; n < 27; ++n) {
        const double d1 = (n / 9 - 1) * 0.05, d2 = (n / 3 % 3 - 1) * 0.05, d3 = (n % 3 - 1) * 0.05;
        const std::string tag = std::to_string(d1) + std::to_string(d2) + std::to_string(d3);
        const PtModel p = PtFitted(
            FitPtCoefficients(100, {-40, 84.2707 + d1}, {100, 138.5055 + d2}, {300, 212.0515 + d3}).coefficients);
        out.push_back({"PtFit" + tag, OfPt(p), [p](double t) { return PtResistance(t, 1, p); }, -2000, -1});
        const double rc = CuResistance(-10, 50) + d3 / 2;
        const CuModel c =
            CuFitted(FitCuCoefficients(50, {100, 71.4 + d1 / 2}, {150, 82.1343 + d2 / 2}, {-10, rc}).coefficients);
        out.push_back({"CuFit" + tag, OfCu(c), [c](double t) { return CuResistance(t, 1, c); }, -500, 1500});
    }
    return out;
}

// Every tenth of a degree comes back within 1e-8 in W over the slope; only a platinum C fitted 0.05 Ω off
// bends the curve below -190 °C enough to give Newton a second root nearer its start at 0 °C.
TEST(SolveSweep, EveryTemperatureOfEachSensorComesBack)
{
    for (const Sensor& s : Sensors()) {
        for (int i = s.from; i <= s.to; ++i) {
            if (i == 0) continue;  // W = 1 never reaches the solvers
            const double t = i / 10.0;
            const double x = Solve(s.poly, s.w(t));
            ASSERT_TRUE(IsRoot(s.poly, s.w(t), x)) << s.name << " at " << t << " gave " << x;
            if (s.name.starts_with("PtFit") && t < -190) continue;
            ASSERT_NEAR(x, t, 1.1e-8 / std::fabs(NumericSlope(s.w, t))) << s.name;
        }
    }
}

// W dense over [-1, 1] (Pt) or [-1, 4] (Cu), where the standard curves find roots, then pasted: NaN or a root.
TEST(SolveSweep, AnyRatioGivesNaNOrARoot)
{
    for (const Sensor& s : Sensors()) {
        const bool standard = s.name.starts_with("Standard");
        const double high = s.name.ends_with("Pt") ? 1 : 4;
        for (int i = 0; standard && i <= 200000; ++i) {
            const double w = -1 + (high + 1) * i / 200000;
            if (w == 1) continue;
            ASSERT_TRUE(IsRoot(s.poly, w, Solve(s.poly, w))) << s.name << " W = " << w;
        }
        for (double w = 1e-2; w < 1e15; w *= 1.7) {
            for (double signed_w : {w, -w}) {
                const double x = Solve(s.poly, signed_w);
                ASSERT_TRUE(std::isnan(x) || IsRoot(s.poly, signed_w, x)) << s.name << " W = " << signed_w;
            }
        }
        for (double w : {1e300, -1e300, kInf, kNaN}) EXPECT_TRUE(std::isnan(Solve(s.poly, w))) << s.name << w;
    }
}

TEST(Solve, RootsStartValuesAndFailures)
{
    // Outside any sensible input the unbounded iteration wandered over 1000 steps to the root named (nickel
    // below absolute zero, a copper check row fitted to a mistyped point); the pages show "out of range" now.
    const auto cu_fit = [](double typed_rc) {
        return OfCu(CuFitted(FitCuCoefficients(50, {100, 71.4}, {150, 82.1343}, {-10, typed_rc}).coefficients));
    };
    const Poly nd = OfNi(NickelPreset(1)->k);
    ExpectRows({
        {"NdWasMinus1222_3176After1877Steps", Solve(nd, 0.14344), kNaN},
        {"NdWas1315_1431After1174Steps", Solve(nd, 0.1448), kNaN},
        {"CopperFitWith8Was164_0707After1096Steps", Solve(cu_fit(8), -0.5 + 3.0 * 3831 / 4000), kNaN},
        {"CopperFitWith100Was176_8456After1121Steps", Solve(cu_fit(100), -0.5 + 3.0 * 129 / 4000), kNaN},
        // A start value that already meets the tolerance comes back as it is.
        {"StartIsTheRoot", SolveQuartic(0, 0, 0, 1, -7.5, 7.5), 7.5},
        {"StartWithinTheTolerance", SolveQuartic(0, 0, 0, 1, 5e-9, 0), 0.0},
        {"SexticStartWithinTheTolerance", SolveSextic(0, 0, 0, 0, 0, 1, -5e-9, 0), 0.0},
        {"SexticStartIsTheRoot", SolveSextic(1, 1, 1, 1, 1, 1, 0, 0), 0.0},
        // The residual tolerance 1e-8 on a slope of 2.8 allows about 4e-9 in x.
        {"SquareRootOfTwo", SolveQuartic(0, 0, 1, 0, -2, 1), std::sqrt(2.0), 4e-9},
        {"FourthRootOf16", SolveQuartic(1, 0, 0, 0, -16, 1), 2.0, 1e-9},
        {"SixthRootOf64", SolveSextic(1, 0, 0, 0, 0, 0, -64, 1), 2.0, 1e-9},
        {"SexticLinear", SolveSextic(0, 0, 0, 0, 0, 3, -6, 0), 2.0, 1e-12},
        {"NoRealRoot", SolveQuartic(0, 0, 1, 0, 1, 0.5), kNaN},
        {"ZeroDerivativeAtTheStart", SolveQuartic(0, 0, 1, 0, -1, 0), kNaN},
        {"Constant", SolveQuartic(0, 0, 0, 0, 1, 0), kNaN},
        {"NaNCoefficient", SolveQuartic(kNaN, 0, 0, 1, 1, 0), kNaN},
        {"InfiniteConstant", SolveQuartic(0, 0, 0, 1, kInf, 0), kNaN},
        {"NaNStart", SolveQuartic(0, 0, 0, 1, 1, kNaN), kNaN},
        {"SexticNoRealRoot", SolveSextic(1, 0, 0, 0, 0, 0, 1, 0.5), kNaN},
        {"SexticNaNConstant", SolveSextic(0, 0, 0, 0, 0, 1, kNaN, 0), kNaN},
    });
}

TEST(Solve, PastedValuesAnswerAtOnce)
{
    // Each ran 1,000,001 Newton steps or more before the limit of 1000; the bound allows for sanitizers.
    const NiCoefficients na = NickelPreset(4)->k;
    const PtModel slip =
        PtFitted(FitPtCoefficients(100, {-40, 90}, {100, 138.5055}, {300, 212.0515}).coefficients);
    const auto start = std::chrono::steady_clock::now();
    for (int i = 0; i < 20; ++i) {
        EXPECT_TRUE(std::isnan(PtTemperature(-1e10, 100)));
        EXPECT_TRUE(std::isnan(ScreenCuTemperature(CuTemperature(1e12, 100))));
        EXPECT_TRUE(std::isnan(NiTemperature(-1e10, 1000, na)));
        EXPECT_TRUE(std::isnan(PtTemperature(20, 100, slip)));  // check row after a mistyped point
        EXPECT_TRUE(std::isnan(SolveQuartic(0, 0, 1, 0, 1, 0.5)));
    }
    EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::milliseconds(500));
}

constexpr int kPt100 = 0, kPt50 = 1, kPtX = 2, kCu100 = 3, kCu50 = 4;  // kRtdSensorPages
constexpr const char* kOut = "Out of Rage.";

// x is the temperature or the resistance typed.
struct TextRow { const char* name; int page; double x, r0; const char* value; const char* slope; };

// Beside the page scenarios: resistances to 0.1 mΩ in "%.07g" (unrounded from 1000 Ω), slopes "%.7f" in 8
// digits, values from the equations by hand; out of the range, or no number, the out-of-range text, no slope.
constexpr TextRow kFromTemperature[] = {
    {"Pt100JustBelowMinus200", kPt100, -200.01, 100, kOut, ""},
    {"Cu50AtMinus50", kCu50, -50, 50, "39.242", "0.2160073"},
    {"Cu50At150", kCu50, 150, 50, "82.1343", "0.2153752"},
    {"Cu50JustAbove150", kCu50, 150.01, 50, kOut, ""},
    {"Cu100JustBelowMinus50", kCu100, -50.01, 100, kOut, ""},
    {"InfiniteTemperature", kCu100, kInf, 100, kOut, ""},
    // A zero or negative R0 (typed on PtX) is no thermometer: out of range.
    {"ZeroR0", kPtX, 100, 0, kOut, kOut},
    {"NegativeR0", kPtX, 100, -100, kOut, kOut},
    {"SmallestR0", kPtX, 100, 4.9e-324, "0", "0."},
    {"NaNR0", kPtX, 100, kNaN, kOut, kOut},
    {"HugeR0", kPtX, 100, 1e300, "1.385055e+300", "3.7928e+297"},
    // From 1000 Ω seven digits hold under four decimals; rounding to 0.1 mΩ first gave 397 wrong last digits.
    {"Pt1000At1_4", kPtX, 1.4, 1000, "1005.47", "3.9066830"},
    {"Pt1000At2_2", kPtX, 2.2, 1000, "1008.595", "3.9057590"},
    {"Pt1000At4_8", kPtX, 4.8, 1000, "1018.747", "3.9027560"},
};

// Resistances as the forward conversion shows them, temperatures "%.07g". Bands: Pt100/Pt50 0.6 + 0.01|t|
// (upper end open), copper 0.3 + 0.006|t|, PtX none; the slope shows even when the temperature is rejected.
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
    // A resistance or an R0 of zero or less is out of range, also where r equals R0.
    {"PtXZeroR0ZeroOhm", kPtX, 0, 0, kOut, kOut},
    {"PtXZeroR0", kPtX, 100, 0, kOut, kOut},
    {"PtXNegativeR0", kPtX, -100, -100, kOut, kOut},
    {"Pt100NegativeOhm", kPt100, -1, 100, kOut, kOut},
};

TEST(RtdTexts, FromTemperatureAndFromResistance)
{
    const auto expect = [](const TextRow& row, const RtdShownTexts& shown) {
        EXPECT_EQ(shown.value + " / " + shown.slope, std::string(row.value) + " / " + row.slope) << row.name;
    };
    const auto page = [](const TextRow& row) { return kRtdSensorPages[static_cast<std::size_t>(row.page)]; };
    for (const TextRow& row : kFromTemperature) expect(row, RtdTextsFromTemperature(page(row).metal, row.x, row.r0));
    for (const TextRow& row : kFromResistance) expect(row, RtdTextsFromResistance(page(row), row.x, row.r0));
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

// Preset buttons 155 x 20 pixels on a 1080-line screen, 5 apart, scaled; the coefficients 10 pixels right.
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
    // The three cells of each left row share their borders, and so do the rows.
    for (std::size_t i : {0u, 1u, 3u, 4u, 6u, 7u, 9u, 10u, 12u, 13u})
        EXPECT_EQ(l.cells[i + 1].x, l.cells[i].right() - 1) << i;
    for (std::size_t i = 0; i < 12; ++i) EXPECT_EQ(l.cells[i + 3].y, l.cells[i].bottom() - 1) << i;
    // Half of the area is 521: left cells 30 % (156) wide, right cells 20 % and 50 % (104 and 260).
    for (std::size_t i = 0; i < kCoefficientCellCount; ++i)
        EXPECT_EQ(l.cells[i].width, i < 15 ? 156 : i % 2 ? 104 : 260) << i;
    // The check rows: label, edit and unit side by side, no overlap, inside the page.
    for (const FieldRects& row : l.checkRows) {
        EXPECT_EQ(row.edit.x, row.label.right());
        EXPECT_EQ(row.unit.x, row.edit.right());
        EXPECT_LE(row.unit.right(), 1052);
    }
    EXPECT_EQ(l.checkRows[1].label.y, l.checkRows[0].label.bottom() - 1);
}

}  // namespace
}  // namespace tmcalc
