// The bounded Newton iteration against the unbounded one it replaced.
#include "rtd/root_finders.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdint>
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

// The root finders as they ran before their step limit was lowered: Newton from 0 on the residual until it
// is within 1e-8 or until 100,000,001 (quartic) or 1,000,001 (sextic) steps have been taken. Running that
// long is too slow for a sweep, so two exact shortcuts decide the outcome early:
// - the iterate is a pure function of the previous one, so once an iterate repeats (found by Brent's
//   cycle detection) the orbit cycles through points that all miss the tolerance, and never converges;
// - reaching 20,000 steps undecided (far beyond any convergence seen in these sweeps) is reported as such,
//   and the sweeps assert that it never happens.
// Evaluation order is the production one (powers by repeated multiplication, terms summed from the
// highest), so a converging orbit gives the same bits.
enum class ReferenceOutcome { Converged, Cycles, Undecided, Fails };

struct ReferenceResult {
    ReferenceOutcome outcome = ReferenceOutcome::Fails;
    std::int64_t steps = 0;
    double x = 0.0;
};

// The coefficients from x^4 (x^6 for nickel) down to x; the constant term is 1 - W.
using Poly = std::vector<double>;

ReferenceResult Reference(const Poly& a, double w)
{
    constexpr std::int64_t cap = 20000;
    const double a0 = 1 - w;
    const std::size_t n = a.size();
    const std::int64_t stated_limit = n == 4 ? 100'000'000 : 1'000'000;
    const auto power = [](double x, std::size_t k) {
        double p = 1;
        for (std::size_t i = 0; i < k; ++i) p *= x;
        return p;
    };
    const auto value = [&](double x) {
        double v = a[0] * power(x, n);
        for (std::size_t i = 1; i < n; ++i) v += a[i] * power(x, n - i);
        return v + a0;
    };
    const auto slope = [&](double x) {
        double s = static_cast<double>(n) * a[0] * power(x, n - 1);
        for (std::size_t i = 1; i < n; ++i) s += static_cast<double>(n - i) * a[i] * power(x, n - i - 1);
        return s;
    };
    constexpr double tol = 1e-8;
    double x = 0;
    double f = value(x);
    std::int64_t steps = 0;
    double tortoise = x;
    std::int64_t lap = 1;
    std::int64_t lambda = 0;
    while (std::abs(f) > tol && steps <= stated_limit) {
        if (steps == cap) return {ReferenceOutcome::Undecided, steps, x};
        x = x - f / slope(x);
        ++steps;
        f = value(x);
        if (std::abs(f) > tol && x == tortoise) return {ReferenceOutcome::Cycles, steps, x};
        if (++lambda == lap) {
            tortoise = x;
            lap *= 2;
            lambda = 0;
        }
    }
    if (std::abs(f) <= tol) return {ReferenceOutcome::Converged, steps, x};
    return {ReferenceOutcome::Fails, steps, x};  // NaN residual, or the stated limit itself
}

const auto OfPt = [](const PtModel& m) { return Poly{m.k.c, m.minus_100c, m.k.b, m.k.a}; };
const auto OfCu = [](const CuModel& m) { return Poly{0, m.a3, m.a2, m.a1}; };
const auto OfNi = [](const NiCoefficients& k) { return Poly{k.c6, k.c5, k.c4, k.c3, k.c2, k.c1}; };

double Bounded(const Poly& a, double w)
{
    return a.size() == 4 ? SolveQuartic(a[0], a[1], a[2], a[3], 1 - w, 0)
                         : SolveSextic(a[0], a[1], a[2], a[3], a[4], a[5], 1 - w, 0);
}

struct SweepRow {
    std::string name;
    Poly poly;
    std::vector<double> ws;  // W = 1 never reaches the solvers
};

// W dense over the sensors and their tolerance bands, then logarithmic out to pasted values, none above
// w_max (above 1 platinum takes its closed form).
SweepRow WSweep(const std::string& name, const Poly& poly, double low, double high, double w_max)
{
    SweepRow row{name, poly, {}};
    for (int i = 0; i <= 200000; ++i) row.ws.push_back(low + (high - low) * i / 200000);
    for (int e = -2; e <= 14; ++e) {
        for (int m = 1; m <= 9; ++m) row.ws.insert(row.ws.end(), {m * std::pow(10.0, e), -m * std::pow(10.0, e)});
    }
    row.ws.insert(row.ws.end(), {1e300, -1e300});
    std::erase_if(row.ws, [w_max](double w) { return w > w_max; });
    return row;
}

// The W of a model at t = i / steps_per_degree for i from `from` to `to`.
template <typename Resistance>
SweepRow TSweep(const std::string& name, const Poly& poly, int from, int to, double steps_per_degree,
                Resistance w_at)
{
    SweepRow row{name, poly, {}};
    for (int i = from; i <= to; ++i) row.ws.push_back(w_at(i / steps_per_degree));
    return row;
}

// Every W of every sweep gets exactly the unbounded iteration's answer, the same bits where it converges
// and NaN where it never does; and wherever it converges it needs at most 100 steps, far below the limit.
TEST(SolveSweep, BoundedSolverGivesTheUnboundedAnswer)
{
    std::vector<SweepRow> rows = {WSweep("StandardPt", OfPt(kPtStandard), -1, 1, 1),
                                  WSweep("StandardCu", OfCu(kCuStandard), -1, 4, kInf)};
    // Nickel is used from about -60 to 250 °C; this covers -200 to 600 °C every 0.02 °C.
    for (int p = 1; p <= kNickelPresetCount; ++p) {
        const NiCoefficients k = NickelPreset(p)->k;
        rows.push_back(TSweep("NiPreset" + std::to_string(p), OfNi(k), -10000, 30000, 50,
                              [&k](double t) { return NiResistance(t, 1, k); }));
    }
    // Calibration points off the standard values by up to ±0.05 Ω each (a poor sensor or a slip in the last
    // digits); platinum below R0 (above it the closed form), copper over its whole range.
    for (double d1 : {-0.05, 0.0, 0.05}) {
        for (double d2 : {-0.05, 0.0, 0.05}) {
            for (double d3 : {-0.05, 0.0, 0.05}) {
                const std::string tag = std::to_string(d1) + std::to_string(d2) + std::to_string(d3);
                const PtModel pt = PtFitted(
                    FitPtCoefficients(100, {-40, 84.2707 + d1}, {100, 138.5055 + d2}, {300, 212.0515 + d3})
                        .coefficients);
                rows.push_back(TSweep("PtFit" + tag, OfPt(pt), -2001, -1, 10,
                                      [&](double t) { return PtResistance(t, 1, pt); }));
                const CuModel cu = CuFitted(FitCuCoefficients(50, {100, 71.4 + d1 / 2}, {150, 82.1343 + d2 / 2},
                                                              {-10, CuResistance(-10, 50) + d3 / 2})
                                                .coefficients);
                rows.push_back(TSweep("CuFit" + tag, OfCu(cu), -501, 1501, 10,
                                      [&](double t) { return CuResistance(t, 1, cu); }));
            }
        }
    }
    for (SweepRow& row : rows) {
        std::erase(row.ws, 1.0);
        int converged = 0;
        std::int64_t max_steps = 0;
        for (double w : row.ws) {
            const ReferenceResult ref = Reference(row.poly, w);
            ASSERT_NE(ref.outcome, ReferenceOutcome::Undecided) << row.name << " W = " << w;
            if (ref.outcome == ReferenceOutcome::Converged) {
                ++converged;
                max_steps = std::max(max_steps, ref.steps);
                ASSERT_EQ(Bounded(row.poly, w), ref.x) << row.name << " W = " << w;
            } else {
                ASSERT_TRUE(std::isnan(Bounded(row.poly, w))) << row.name << " W = " << w;
            }
        }
        if (row.name.starts_with("Standard")) {
            EXPECT_GT(converged, 200000) << row.name;
        }
        EXPECT_LE(max_steps, 100) << row.name;
    }
}

// Outside any sensible input Newton can wander for long before it happens on a root. The sweeps found
// these, where the unbounded iteration converged only after the limit: nickel below absolute zero or at
// 1315 °C, and a copper check row past 150 °C with coefficients fitted to a mistyped point at -10 °C.
// The pages show "out of range" for them now.
TEST(SolveLimit, LateConvergenceOutsideUseNowGivesNaN)
{
    const auto cu_fit = [](double typed_rc) {
        return OfCu(CuFitted(FitCuCoefficients(50, {100, 71.4}, {150, 82.1343}, {-10, typed_rc}).coefficients));
    };
    struct Row {
        const char* name;
        Poly poly;
        double w;
        std::int64_t steps;  // taken by the unbounded iteration
        double root;         // where it ended, °C
    };
    const Row rows[] = {
        {"NdBelowItsMinimum", OfNi(NickelPreset(1)->k), 0.14344, 1877, -1222.3176},
        {"NdBelowItsMinimumOtherRoot", OfNi(NickelPreset(1)->k), 0.1448, 1174, 1315.1431},
        {"CopperFitWith8ForTheMinus10Point", cu_fit(8), -0.5 + 3.0 * 3831 / 4000, 1096, 164.0707},
        {"CopperFitWith100ForTheMinus10Point", cu_fit(100), -0.5 + 3.0 * 129 / 4000, 1121, 176.8456},
    };
    for (const Row& row : rows) {
        const ReferenceResult ref = Reference(row.poly, row.w);
        EXPECT_EQ(ref.outcome, ReferenceOutcome::Converged) << row.name;
        EXPECT_EQ(ref.steps, row.steps) << row.name;
        EXPECT_NEAR(ref.x, row.root, 1e-4) << row.name;
        EXPECT_TRUE(std::isnan(Bounded(row.poly, row.w))) << row.name;
    }
}

TEST(Solve, RootsStartValuesAndFailures)
{
    ExpectRows({
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
