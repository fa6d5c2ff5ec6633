// The platinum, copper and nickel equations, their inverses and slopes, the bands that decide whether a
// page shows a temperature, the rounding of the resistances the pages show, and the coefficient fits.
// Expected values: the printed Pt100 table, and the equations evaluated exactly from the published and
// preset coefficients.
#include "rtd/copper.h"
#include "rtd/fits.h"
#include "rtd/nickel.h"
#include "rtd/platinum.h"
#include "rtd/rounding.h"

#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <limits>
#include <string>
#include <vector>

#include "rtd_test_util.h"

namespace tmcalc {
namespace {

using test::ExpectBand;
using test::ExpectNaN;
using test::ExpectRows;
using test::kInf;
using test::kNaN;
using test::NumericSlope;

// Every hundredth of a degree over each range (nickel: its use, -60 to 180 °C) the temperature computed
// back lands within the root finders' 1e-8 in W, a few millionths of a degree (dW/dt >= 0.0023/°C). R0
// itself gives 0 °C exactly.
TEST(RtdEquations, InvertEveryHundredthOfADegree)
{
    struct Sweep {
        std::string name;
        int from, to;  // hundredths of a degree
        double r0, tol;
        std::function<double(double)> resistance, temperature;
    };
    std::vector<Sweep> sweeps = {
        {"Pt100", -20000, 85000, 100, 5e-6, [](double t) { return PtResistance(t, 100); },
         [](double r) { return PtTemperature(r, 100); }},
        {"Cu50", -5000, 15000, 50, 3e-6, [](double t) { return CuResistance(t, 50); },
         [](double r) { return CuTemperature(r, 50); }},
    };
    for (int p = 1; p <= kNickelPresetCount; ++p) {
        const NiPreset n = *NickelPreset(p);
        sweeps.push_back({"NiPreset" + std::to_string(p), -6000, 18000, n.r0, 5e-6,
                          [n](double t) { return NiResistance(t, n.r0, n.k); },
                          [n](double r) { return NiTemperature(r, n.r0, n.k); }});
    }
    for (const Sweep& s : sweeps) {
        EXPECT_EQ(s.temperature(s.r0), 0.0) << s.name;
        for (int i = s.from; i <= s.to; ++i) {
            ASSERT_NEAR(s.temperature(s.resistance(i / 100.0)), i / 100.0, s.tol) << s.name << ' ' << i / 100.0;
        }
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
        // Just above W = 1 the closed form, whose cancellation costs about 4e-13 °C; just below it the
        // quartic, whose start value 0 °C already meets the tolerance of 1e-8 in W.
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
    // Before any fit the held coefficients are zero: no temperature, no hang. A pasted -1e10 Ω, and 1e12 Ω
    // beyond the vertex of the parabola, give none either; nor does an R0 of zero on the PtX page.
    ExpectNaN([](double r) { return PtTemperature(r, 100, PtFitted({})); }, {110, 90});
    ExpectNaN([](double r) { return PtTemperature(r, 100); }, {kNaN, -kInf, -1e10, 1e12});
    ExpectNaN([](double r0) { return PtTemperature(100, r0); }, {kNaN});
    ExpectNaN([](double r) { return ScreenPtTemperature(PtTemperature(r, 100), PtInverseRange::Widened); },
              {kInf});
    ExpectNaN([](double r) { return ScreenPtTemperature(PtTemperature(r, 0), PtInverseRange::Strict); },
              {50, 0, -50});
    ExpectNaN([](double t) { return PtSlope(t, 100); }, {-200.11, 850.11, kNaN, kInf});
    // Fitted coefficients run through the same branches.
    const PtModel other = PtFitted({3.95e-3, -6.1e-7, -3.9e-12});
    for (double t : {-200.1, -150.0, -0.5, 0.5, 420.0, 850.1})
        EXPECT_NEAR(PtTemperature(PtResistance(t, 100, other), 100, other), t, 5e-6) << t;
    // Below zero the derivative of the C term joins in.
    for (double t : {-200.099, -200.0, -120.5, -40.0, -1e-6, 250.0, 850.0, 850.099}) {
        EXPECT_NEAR(PtSlope(t, 100), NumericSlope([&](double x) { return PtResistance(x, 100, fitted); }, t), 1e-9)
            << t;
    }
    // Widened (Pt100, Pt50): shown while -200.6 - 0.01|t| <= t < 850.6 + 0.01|t|, from -202.6263 °C up to
    // 859.1919 °C. Strict (PtX): -200 to 850 °C. The band grows with |t| and would admit an infinity.
    ExpectBand([](double t) { return ScreenPtTemperature(t, PtInverseRange::Widened); },
               {855.0, 859.1919, -202.6262, 0.0}, {859.1920, -202.6263, kInf, -kInf, kNaN});
    ExpectBand([](double t) { return ScreenPtTemperature(t, PtInverseRange::Strict); }, {850.0, -200.0},
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
    for (double t : {-50.099, -50.0, 0.0, 42.0, 150.0, 150.099}) {
        EXPECT_NEAR(CuSlope(t, 100), NumericSlope([&](double x) { return CuResistance(x, 100, expanded); }, t),
                    1e-10)
            << t;
    }
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
    // The preset names give the mean 0..100 °C coefficient, (W(100) - 1) / 100, to 10 ppm/K; the
    // resistances at the ends of their use are exact decimals of the presets' polynomials.
    const double ppm[] = {6180, 5000, 6370, 6720};
    const double ends[][2] = {{695.20259488, 2231.52552352}, {751.79284, 1997.00452},
                              {684.04150144, 2266.58864512}, {677.113237624, 2339.963057656}};
    for (int p = 1; p <= kNickelPresetCount; ++p) {
        const NiPreset n = *NickelPreset(p);
        EXPECT_NEAR((NiResistance(100, 1, n.k) - 1) / 100 * 1e6, ppm[p - 1], 5.0) << p;
        EXPECT_NEAR(NiResistance(-60, n.r0, n.k), ends[p - 1][0], 1e-9) << p;
        EXPECT_NEAR(NiResistance(180, n.r0, n.k), ends[p - 1][1], 1e-9) << p;
        for (double t : {-60.0, 0.0, 100.0, 250.0}) {
            EXPECT_NEAR(NiSlope(t, n.r0, n.k),
                        NumericSlope([&](double x) { return NiResistance(x, n.r0, n.k); }, t), 1e-7)
                << p;
        }
    }
    EXPECT_EQ(NiResistance(0, 1000, NickelPreset(1)->k), 1000.0);
    // NA has a positive sixth-order term: below its minimum W there is no root at all.
    const NiPreset na = *NickelPreset(4);
    ExpectNaN([&na](double r) { return NiTemperature(r, na.r0, na.k); }, {-1e10, kNaN, kInf});
    ExpectNaN([&na](double r) { return NiTemperature(r, na.r0, {}); }, {500});
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
        // Regression: Pt50 at 100 °C is exactly 69.25275 Ω but computes as 69.25274999999999, and
        // floor(r·10000 + 0.5) showed 69.2527. A value truly below the tie still rounds down.
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
    // The page's default grid with the Pt100 values as shown. 138.5055 and 212.0515 are exact, so A and B
    // come back to about 12 digits; 84.2707 is 84.27065203 rounded, which is all C has to go on.
    const PtFit grid = FitPtCoefficients(100, {-40, 84.2707}, {100, 138.5055}, {300, 212.0515});
    // Opposite temperatures are no degenerate system: by hand, -100 A + 1e4 B = -0.3974 and
    // 100 A + 1e4 B = 0.385 give A = 3.912e-3 and B = -6.2e-7.
    const PtFit opposite = FitPtCoefficients(100, {-40, 84.27}, {-100, 60.26}, {100, 138.5});
    EXPECT_EQ(grid.status, FitStatus::Fitted);
    ExpectRows({
        {"GridA", grid.coefficients.a, 3.9083e-3, 3.9083e-3 * 1e-12},
        {"GridB", grid.coefficients.b, -5.775e-7, 5.775e-7 * 1e-12},
        {"GridC", grid.coefficients.c, -4.1294642857e-12, 1e-21},
        {"OppositeA", opposite.coefficients.a, 3.912e-3, 1e-14},
        {"OppositeB", opposite.coefficients.b, -6.2e-7, 1e-18},
    });

    // Points generated from known coefficients: A and B back to 1e-9 relative; C rests on a tiny difference
    // (its term is about 4e-5 of W at -40 °C), so it keeps about 7 digits.
    struct Row {
        const char* name;
        double r0;
        PtCoefficients k;
        double tn, t1, t2;
    };
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
    struct Row {
        const char* name;
        double r0;
        CuCoefficients k;
        double t1, t2, t3;
        double alpha_tol, beta_tol, gamma_tol;  // relative
    };
    const Row rows[] = {
        {"StandardFromItsOwnCu50Points", 50, kCuStandard.k, 100, 150, -10, 1e-12, 1e-9, 1e-9},
        {"OffStandard", 100, {4.25e-3, -2.0e-7, 3.1e-9}, -45, 60, 140, 1e-10, 1e-7, 1e-7},
    };
    for (const Row& row : rows) {
        const CuModel m = CuFitted(row.k);
        const auto at = [&](double t) { return FitPoint{t, CuResistance(t, row.r0, m)}; };
        const CuFit fit = FitCuCoefficients(row.r0, at(row.t1), at(row.t2), at(row.t3));
        EXPECT_EQ(fit.status, FitStatus::Fitted) << row.name;
        EXPECT_NEAR(fit.coefficients.alpha, row.k.alpha, std::abs(row.k.alpha) * row.alpha_tol) << row.name;
        EXPECT_NEAR(fit.coefficients.beta, row.k.beta, std::abs(row.k.beta) * row.beta_tol) << row.name;
        EXPECT_NEAR(fit.coefficients.gamma, row.k.gamma, std::abs(row.k.gamma) * row.gamma_tol) << row.name;
    }
}

TEST(FitPtCu, DegenerateUnfilledAndNonFiniteInputs)
{
    // Equal upper temperatures: "fitted", as three NaNs. Two copper points at 100 °C are both the row
    // (100, 0, 0), so that determinant is exactly zero.
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
    const double pt[7] = {100, -40, 84.2707, 100, 138.5055, 300, 212.0515};
    const double cu[7] = {50, 100, 71.4, 150, 82.1343, -10, 47.8577};
    for (int zero = 0; zero < 7; ++zero) {
        const auto v = [zero](const double* in, int i) { return i == zero ? 0.0 : in[i]; };
        EXPECT_EQ(
            FitPtCoefficients(v(pt, 0), {v(pt, 1), v(pt, 2)}, {v(pt, 3), v(pt, 4)}, {v(pt, 5), v(pt, 6)}).status,
            FitStatus::Incomplete)
            << zero;
        EXPECT_EQ(
            FitCuCoefficients(v(cu, 0), {v(cu, 1), v(cu, 2)}, {v(cu, 3), v(cu, 4)}, {v(cu, 5), v(cu, 6)}).status,
            FitStatus::Incomplete)
            << zero;
    }
}

}  // namespace
}  // namespace tmcalc
