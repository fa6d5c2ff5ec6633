// The bounded Newton iteration: a root wherever a sensor, or one fitted to slightly wrong points, can be;
// NaN or a true root for anything pasted; and an answer at once where the unbounded iteration it replaced
// ran for millions of steps.
#include "rtd/root_finders.h"

#include <gtest/gtest.h>

#include <chrono>
#include <cmath>
#include <functional>
#include <string>
#include <vector>

#include "rtd/copper.h"
#include "rtd/fits.h"
#include "rtd/nickel.h"
#include "rtd/platinum.h"
#include "rtd_test_util.h"

namespace tmcalc {
namespace {

using test::ExpectRows;
using test::kInf;
using test::kNaN;

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
    long double v = 0;
    long double size = std::fabs(1 - w);
    for (double c : a) {
        v = (v + c) * x;
        size += std::fabs(v);
    }
    return std::fabs(v + 1 - w) <= 1e-8L + 1e-15L * size;
}

struct Sensor {
    std::string name;
    Poly poly;
    std::function<double(double)> w;  // W at t °C
    int from, to;                     // tenths of a degree
};

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
    // Calibration points off the standard values by up to ±0.05 Ω each (a poor sensor or a slip in the last
    // digits); platinum below R0 (above it the closed form), copper over its whole range.
    for (double d1 : {-0.05, 0.0, 0.05}) {
        for (double d2 : {-0.05, 0.0, 0.05}) {
            for (double d3 : {-0.05, 0.0, 0.05}) {
                const std::string tag = std::to_string(d1) + std::to_string(d2) + std::to_string(d3);
                const PtModel p = PtFitted(
                    FitPtCoefficients(100, {-40, 84.2707 + d1}, {100, 138.5055 + d2}, {300, 212.0515 + d3})
                        .coefficients);
                out.push_back(
                    {"PtFit" + tag, OfPt(p), [p](double t) { return PtResistance(t, 1, p); }, -2000, -1});
                const CuModel c = CuFitted(FitCuCoefficients(50, {100, 71.4 + d1 / 2}, {150, 82.1343 + d2 / 2},
                                                             {-10, CuResistance(-10, 50) + d3 / 2})
                                               .coefficients);
                out.push_back(
                    {"CuFit" + tag, OfCu(c), [c](double t) { return CuResistance(t, 1, c); }, -500, 1500});
            }
        }
    }
    return out;
}

// Every tenth of a degree of each range has its root found, and it is that temperature within the 1e-8
// in W over the local slope; only a platinum C fitted to a point 0.05 Ω off can bend the curve enough
// below -190 °C to give Newton a second root nearer the start at 0 °C.
TEST(SolveSweep, EveryTemperatureOfEachSensorComesBack)
{
    for (const Sensor& s : Sensors()) {
        for (int i = s.from; i <= s.to; ++i) {
            if (i == 0) continue;  // W = 1 never reaches the solvers
            const double t = i / 10.0;
            const double x = Solve(s.poly, s.w(t));
            ASSERT_TRUE(IsRoot(s.poly, s.w(t), x)) << s.name << " at " << t << " gave " << x;
            if (s.name.starts_with("PtFit") && t < -190) continue;
            ASSERT_NEAR(x, t, 1.1e-8 / std::fabs(test::NumericSlope(s.w, t))) << s.name;
        }
    }
}

// W dense over [-1, 1] (platinum) or [-1, 4] (copper), then out to pasted values of either sign: always
// NaN or a true root. The standard curves have a root for every dense W and find it.
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
    // Outside any sensible input Newton can wander for long before it happens on a root: the unbounded
    // iteration ended at the root named after more than 1000 steps (nickel below absolute zero or at
    // 1315 °C, a copper check row past 150 °C with coefficients fitted to a mistyped point at -10 °C).
    // The pages show "out of range" there now.
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
    // Each of these ran to 100,000,001 or 1,000,001 Newton steps before the limit was lowered. The bound is
    // generous for sanitizer builds on a shared machine; the limit makes each at most 1000 steps.
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

}  // namespace
}  // namespace tmcalc
