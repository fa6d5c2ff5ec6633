// Least-squares coefficient fits from any number of points: each model against an independent solution
// (normal equations in long double, the curve inverted by bisection), the minimum number of points
// against the exact fits, and the points that cannot be fitted.
#include "framework/point_fit.h"
#include "rtd/fits.h"
#include "rtd/its90.h"
#include "rtd/sprt_fits.h"
#include "thermistor/ntc_fits.h"
#include "thermocouple/deviation_fit.h"
#include "thermocouple/std_reference.h"
#include "thermocouple/std_type_s.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <functional>
#include <limits>
#include <span>
#include <string>
#include <utility>
#include <vector>

namespace tmcalc {
namespace {

using Real = long double;
using Points = std::vector<FitPoint>;
constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();

// min |Xk - y| through XᵀX k = Xᵀy with the columns scaled to unit norm, by Gauss-Jordan with partial
// pivoting in long double; also (XᵀX)⁻¹ for the uncertainties.
struct NormalSolution {
    std::vector<Real> k;
    std::vector<std::vector<Real>> inverse;
};

NormalSolution SolveNormal(const std::vector<std::vector<Real>>& x, const std::vector<Real>& y)
{
    const std::size_t n = x.size();
    const std::size_t p = x[0].size();
    std::vector<Real> scale(p, 0);
    for (const auto& row : x)
        for (std::size_t j = 0; j < p; ++j) scale[j] += row[j] * row[j];
    for (Real& s : scale) s = std::sqrt(s);
    // [XᵀX | Xᵀy | I] of the scaled columns.
    std::vector<std::vector<Real>> m(p, std::vector<Real>(2 * p + 1, 0));
    for (std::size_t i = 0; i < p; ++i) {
        for (std::size_t j = 0; j < p; ++j)
            for (std::size_t r = 0; r < n; ++r) m[i][j] += x[r][i] / scale[i] * x[r][j] / scale[j];
        for (std::size_t r = 0; r < n; ++r) m[i][p] += x[r][i] / scale[i] * y[r];
        m[i][p + 1 + i] = 1;
    }
    for (std::size_t c = 0; c < p; ++c) {
        std::size_t pivot = c;
        for (std::size_t r = c + 1; r < p; ++r)
            if (std::fabs(m[r][c]) > std::fabs(m[pivot][c])) pivot = r;
        std::swap(m[c], m[pivot]);
        for (std::size_t r = 0; r < p; ++r) {
            if (r == c) continue;
            const Real f = m[r][c] / m[c][c];
            for (std::size_t j = c; j < 2 * p + 1; ++j) m[r][j] -= f * m[c][j];
        }
    }
    NormalSolution out{std::vector<Real>(p), std::vector<std::vector<Real>>(p, std::vector<Real>(p))};
    for (std::size_t i = 0; i < p; ++i) {
        out.k[i] = m[i][p] / m[i][i] / scale[i];
        for (std::size_t j = 0; j < p; ++j) out.inverse[i][j] = m[i][p + 1 + j] / m[i][i] / (scale[i] * scale[j]);
    }
    return out;
}

// t in [lo, hi] where gap(t) changes sign, by bisection.
Real Bisect(const std::function<Real(Real)>& gap, Real lo, Real hi)
{
    const bool risingAtLo = gap(lo) < 0;
    for (int i = 0; i < 200; ++i) {
        const Real mid = (lo + hi) / 2;
        ((gap(mid) < 0) == risingAtLo ? lo : hi) = mid;
    }
    return (lo + hi) / 2;
}

// One model: its fit, and the test's own rows, right-hand side and curve. `reported` turns the solved
// coefficients into the ones the fit reports; `gap(k, point, t)` is the reported curve at t less the
// point's measured value (in any monotone measure).
struct LsqCase {
    std::string name;
    Points points;
    std::function<PointFit(std::span<const FitPoint>)> fit;
    std::function<std::vector<Real>(const FitPoint&)> row;
    std::function<Real(const FitPoint&)> y;
    std::function<Real(const std::vector<double>&, const FitPoint&, Real)> gap;
    std::function<std::vector<Real>(const std::vector<Real>&)> reported = [](const std::vector<Real>& k) { return k; };
    std::vector<int> uncertaintyOf{0, 1, 2, 3};  // reported index -> solved index whose uncertainty it is
};

void PrintTo(const LsqCase& c, std::ostream* out) { *out << c.name; }

Real Cvd(const std::vector<double>& k, Real t)
{
    return 1 + k[0] * t + k[1] * t * t + (t < 0 ? k[2] * (t - 100) * t * t * t : 0);
}

// A Pt100 on the standard curve from -196 to 420 °C, read with a few milliohms of scatter.
Points Pt100Points()
{
    const double t[] = {-196, -150, -100, -50, 0, 100, 200, 300, 420};
    const double scatterMilliohm[] = {1.2, -0.8, 0.5, -1.5, 0.3, 1.0, -1.1, 0.7, -0.4};
    Points points;
    for (int i = 0; i < 9; ++i)
        points.push_back({t[i], PtResistance(t[i], 100.0) + scatterMilliohm[i] / 1000});
    return points;
}

// An SPRT on a8, b8 over the zinc range, Rtp 25.5 Ω, with scatter of some 0.1 mK.
constexpr SprtRangeCodes kZincRange{1, 2};
constexpr double kRtp = 25.5;
Points ZincRangePoints()
{
    SprtCoefficientSet set;
    set.a8 = -1.6e-4;
    set.b8 = 1.2e-5;
    set.flags = kSprtFlagA8B8;
    const double t[] = {0.01, kIts90Gallium, 100, kIts90Indium, 200, kIts90Tin, kIts90Zinc};
    const double scatterMicroohm[] = {3, -8, 10, -4, 6, -9, 5};
    Points points;
    for (int i = 0; i < 7; ++i) points.push_back({t[i], SprtFromTemperature(set, kRtp, t[i])->r + scatterMicroohm[i] * 1e-6});
    return points;
}

Real A8Gap(const std::vector<double>& k, const FitPoint& p, Real t)
{
    const Real w = p.r / kRtp;
    return Its90Wr(static_cast<double>(t)) - (w - k[0] * (w - 1) - k[1] * (w - 1) * (w - 1));
}

// The same thermometer below 0 °C on a4, b4, from the argon point up.
Points ArgonRangePoints()
{
    SprtCoefficientSet set;
    set.a4 = -1.5e-4;
    set.b4 = 2.5e-5;
    set.flags = kSprtFlagA4B4;
    const double t[] = {kIts90Argon, -150, -100, kIts90Mercury, -20, -5};
    const double scatterMicroohm[] = {-4, 7, 2, -6, 9, -3};
    Points points;
    for (int i = 0; i < 6; ++i) points.push_back({t[i], SprtFromTemperature(set, kRtp, t[i])->r + scatterMicroohm[i] * 1e-6});
    return points;
}

Points NtcPoints()
{
    // A 10 kΩ thermistor near β 3950, with a little curvature and scatter.
    Points points;
    for (const double t : {-20.0, 0.0, 10.0, 25.0, 40.0, 60.0, 85.0}) {
        const double inverse = 1 / (t + 273.15);
        points.push_back({t, 10000 * std::exp(3950 * (inverse - 1 / 298.15) + 2e5 * std::pow(inverse - 1 / 298.15, 2)) *
                                 (1 + 2e-4 * std::sin(t))});
    }
    return points;
}

Real InverseT(const FitPoint& p) { return 1 / (static_cast<Real>(p.t) + 273.15L); }

std::vector<LsqCase> LsqCases()
{
    const auto pt = [](std::span<const FitPoint> p) { return FitPtPoints(100.0, p); };
    std::vector<LsqCase> cases;
    cases.push_back({"Pt100NinePoints", Pt100Points(), pt,
                     [](const FitPoint& p) {
                         const Real t = p.t;
                         return std::vector<Real>{t, t * t, t < 0 ? (t - 100) * t * t * t : 0};
                     },
                     [](const FitPoint& p) { return p.r / 100.0L - 1; },
                     [](const std::vector<double>& k, const FitPoint& p, Real t) { return Cvd(k, t) - p.r / 100.0L; }});
    Points above;
    for (const FitPoint& p : Pt100Points())
        if (p.t >= 0) above.push_back(p);
    cases.push_back({"Pt100AboveZeroNoC", above, pt,
                     [](const FitPoint& p) { return std::vector<Real>{p.t, static_cast<Real>(p.t) * p.t}; },
                     [](const FitPoint& p) { return p.r / 100.0L - 1; },
                     [](const std::vector<double>& k, const FitPoint& p, Real t) { return Cvd(k, t) - p.r / 100.0L; },
                     [](const std::vector<Real>& k) { return std::vector<Real>{k[0], k[1], 0}; }});
    cases.push_back({"Cu50", {{-50, 39.3}, {-10, 47.86}, {0, 50.001}, {50, 60.7}, {100, 71.4}, {150, 82.13}},
                     [](std::span<const FitPoint> p) { return FitCuPoints(50.0, p); },
                     [](const FitPoint& p) {
                         const Real t = p.t;
                         return std::vector<Real>{t, t * (t - 100), t * t * (t - 100)};
                     },
                     [](const FitPoint& p) { return p.r / 50.0L - 1; },
                     [](const std::vector<double>& k, const FitPoint& p, Real t) {
                         return k[0] * t + k[1] * t * (t - 100) + k[2] * t * t * (t - 100) - (p.r / 50.0L - 1);
                     }});
    cases.push_back({"SprtZincRangeSevenPoints", ZincRangePoints(),
                     [](std::span<const FitPoint> p) { return FitSprtPoints(kZincRange, kRtp, p, {}); },
                     [](const FitPoint& p) {
                         const Real x = p.r / kRtp - 1;
                         return std::vector<Real>{x, x * x};
                     },
                     [](const FitPoint& p) { return p.r / kRtp - Its90Wr(p.t); }, A8Gap});
    cases.push_back({"SprtArgonRangeSixPoints", ArgonRangePoints(),
                     [](std::span<const FitPoint> p) { return FitSprtPoints({5, 0}, kRtp, {}, p); },
                     [](const FitPoint& p) {
                         const Real w = p.r / kRtp;
                         return std::vector<Real>{w - 1, (w - 1) * std::log(w)};
                     },
                     [](const FitPoint& p) { return p.r / kRtp - Its90Wr(p.t); },
                     [](const std::vector<double>& k, const FitPoint& p, Real t) {
                         const Real w = p.r / kRtp;
                         return Its90Wr(static_cast<double>(t)) - (w - k[0] * (w - 1) - k[1] * (w - 1) * std::log(w));
                     }});
    cases.push_back({"NtcSteinhartHart", NtcPoints(), FitNtcShPoints,
                     [](const FitPoint& p) {
                         const Real l = std::log(static_cast<Real>(p.r));
                         return std::vector<Real>{1, l, l * l * l};
                     },
                     InverseT,
                     [](const std::vector<double>& k, const FitPoint& p, Real t) {
                         const Real l = std::log(static_cast<Real>(p.r));
                         return k[0] + k[1] * l + k[2] * l * l * l - 1 / (t + 273.15L);
                     }});
    cases.push_back({"NtcExtended", NtcPoints(), FitNtcShxPoints,
                     [](const FitPoint& p) {
                         const Real l = std::log(static_cast<Real>(p.r));
                         return std::vector<Real>{1, l, l * l, l * l * l};
                     },
                     InverseT,
                     [](const std::vector<double>& k, const FitPoint& p, Real t) {
                         const Real l = std::log(static_cast<Real>(p.r));
                         return k[0] + k[1] * l + k[2] * l * l + k[3] * l * l * l - 1 / (t + 273.15L);
                     }});
    cases.push_back({"NtcBeta", NtcPoints(), FitNtcBetaPoints,
                     [](const FitPoint& p) { return std::vector<Real>{1, InverseT(p)}; },
                     [](const FitPoint& p) { return std::log(static_cast<Real>(p.r)); },
                     [](const std::vector<double>& k, const FitPoint& p, Real t) {
                         return std::log(static_cast<Real>(k[1])) + k[0] * (1 / (t + 273.15L) - 1 / 298.15L) -
                                std::log(static_cast<Real>(p.r));
                     },
                     [](const std::vector<Real>& k) {
                         return std::vector<Real>{k[1], std::exp(k[0] + k[1] / 298.15L)};
                     },
                     {1}});
    Points typeS;
    for (const double t : {419.527, 500.0, 660.323, 800.0, 961.78, 1084.62})
        typeS.push_back({t, StdRefEmf(ThermocoupleType::S, t) + 2e-3 + 1e-5 * t - 4e-9 * t * t + 3e-4 * std::sin(t)});
    cases.push_back({"StandardTypeS", typeS, FitStdSDeviationPoints,
                     [](const FitPoint& p) { return std::vector<Real>{1, p.t, static_cast<Real>(p.t) * p.t}; },
                     [](const FitPoint& p) { return p.r - static_cast<Real>(StdRefEmf(ThermocoupleType::S, p.t)); },
                     [](const std::vector<double>& k, const FitPoint& p, Real t) {
                         return StdRefEmf(ThermocoupleType::S, static_cast<double>(t)) + k[0] + k[1] * t + k[2] * t * t - p.r;
                     }});
    return cases;
}

class PointFitAgainstNormalEquations : public ::testing::TestWithParam<LsqCase> {};

TEST_P(PointFitAgainstNormalEquations, CoefficientsUncertaintiesAndResiduals)
{
    const LsqCase& c = GetParam();
    const PointFit fit = c.fit(c.points);
    ASSERT_TRUE(fit.Ok());
    std::vector<std::vector<Real>> x;
    std::vector<Real> y;
    for (const FitPoint& p : c.points) {
        x.push_back(c.row(p));
        y.push_back(c.y(p));
    }
    const NormalSolution solved = SolveNormal(x, y);
    const std::vector<Real> expected = c.reported(solved.k);
    ASSERT_EQ(fit.coefficients.size(), expected.size());
    for (std::size_t j = 0; j < expected.size(); ++j)
        EXPECT_NEAR(fit.coefficients[j], double(expected[j]), double(1e-9 * std::fabs(expected[j]))) << j;

    Real ssr = 0;
    for (std::size_t i = 0; i < x.size(); ++i) {
        Real fitted = 0;
        for (std::size_t j = 0; j < solved.k.size(); ++j) fitted += x[i][j] * solved.k[j];
        ssr += (y[i] - fitted) * (y[i] - fitted);
    }
    const std::size_t freedom = x.size() - solved.k.size();
    const Real s2 = ssr / freedom;
    ASSERT_EQ(fit.uncertainties.size(), expected.size());
    for (std::size_t j = 0; j < c.uncertaintyOf.size() && j < expected.size(); ++j) {
        const auto solvedIndex = static_cast<std::size_t>(c.uncertaintyOf[j]);
        if (solvedIndex >= solved.k.size()) continue;
        const Real u = std::sqrt(s2 * solved.inverse[solvedIndex][solvedIndex]);
        EXPECT_NEAR(fit.uncertainties[j], double(u), double(1e-7 * u)) << j;
    }

    ASSERT_EQ(fit.residualsMk.size(), c.points.size());
    Real sum = 0;
    for (std::size_t i = 0; i < c.points.size(); ++i) {
        const FitPoint& p = c.points[i];
        const Real onCurve = Bisect([&](Real t) { return c.gap(fit.coefficients, p, t); }, p.t - 2, p.t + 2);
        const Real residual = 1000 * (p.t - onCurve);
        EXPECT_NEAR(fit.residualsMk[i], double(residual), 1e-6) << i;
        sum += residual * residual;
    }
    EXPECT_NEAR(fit.residualSdMk, double(std::sqrt(sum / freedom)), 1e-6);
}

INSTANTIATE_TEST_SUITE_P(Models, PointFitAgainstNormalEquations, ::testing::ValuesIn(LsqCases()),
                         [](const ::testing::TestParamInfo<LsqCase>& row) { return row.param.name; });

// With exactly as many points as coefficients each fit is the page's exact one: no uncertainties, no
// standard deviation, residuals that vanish.
struct ExactCase {
    std::string name;
    PointFit fit;
    std::vector<double> exact;
};
void PrintTo(const ExactCase& c, std::ostream* out) { *out << c.name; }

std::vector<ExactCase> ExactCases()
{
    std::vector<ExactCase> cases;
    const Points pt{{-40, 84.27}, {100, 138.51}, {300, 212.05}};
    const PtCoefficients k = FitPtCoefficients(100, pt[0], pt[1], pt[2]).coefficients;
    cases.push_back({"Platinum", FitPtPoints(100, pt), {k.a, k.b, k.c}});
    const Points cu{{100, 71.4}, {150, 82.13}, {-10, 47.86}};
    const CuCoefficients q = FitCuCoefficients(50, cu[0], cu[1], cu[2]).coefficients;
    cases.push_back({"Copper", FitCuPoints(50, cu), {q.alpha, q.beta, q.gamma}});
    const Points ntc{{0, 32650}, {25, 10000}, {50, 3603}};
    const auto sh = FitNtcSteinhartHart(ntc[0], ntc[1], ntc[2]);
    cases.push_back({"SteinhartHart", FitNtcShPoints(ntc), {sh->a, sh->b, sh->c}});
    const PointFit beta = FitNtcBetaPoints(Points{ntc[0], ntc[2]});
    cases.push_back({"Beta", beta, {*FitNtcBeta(ntc[0], ntc[2]), beta.coefficients.at(1)}});
    const double zn = StdRefEmf(ThermocoupleType::S, kZincPoint) + 0.0031;
    const double al = StdRefEmf(ThermocoupleType::S, kAluminiumPoint) + 0.0042;
    const double cuEmf = StdRefEmf(ThermocoupleType::S, kCopperPoint) + 0.0025;
    const SDeviation d = SDeviationFromFixedPoints(zn, al, cuEmf, SDeviationVariant::Precise);
    cases.push_back({"TypeS",
                     FitStdSDeviationPoints(Points{{kZincPoint, zn}, {kAluminiumPoint, al}, {kCopperPoint, cuEmf}}),
                     {d.a, d.b, d.c}});
    // Every upper group, then each lower group beside the zinc group, from a thermometer a little off
    // the reference function.
    const auto resistance = [](double t) { return kRtp * (Its90Wr(t) * (1 + 3e-5) + 2e-6 * std::sin(t)); };
    const auto pointsOf = [&](const SprtGroupInfo& group) {
        Points points;
        for (int i = 0; i < group.point_count; ++i) {
            const double t = group.points[static_cast<std::size_t>(i)].t;
            points.push_back({t, resistance(t)});
        }
        return points;
    };
    const auto resistances = [](const Points& points) {
        std::vector<double> r;
        for (const FitPoint& p : points) r.push_back(p.r);
        return r;
    };
    for (int code = 0; code < 5; ++code) {
        const Points upper = pointsOf(SprtUpperGroup(code));
        const SprtFit exact = FitSprtUpper(code, kRtp, resistances(upper));
        cases.push_back({"SprtUpper" + std::to_string(code), FitSprtPoints({code, 2}, kRtp, upper, {}),
                         std::vector<double>(exact.coefficients.begin(), exact.coefficients.begin() + exact.count)});
    }
    for (int code = 0; code < 2; ++code) {
        const Points upper = pointsOf(SprtUpperGroup(1));
        const Points lower = pointsOf(SprtLowerGroup(code));
        const SprtFit a8 = FitSprtUpper(1, kRtp, resistances(upper));
        const SprtFit exact = FitSprtLower(code, kRtp, lower[0].r, lower[1].r);
        cases.push_back({"SprtZincAndLower" + std::to_string(code), FitSprtPoints({1, code}, kRtp, upper, lower),
                         {a8.coefficients[0], a8.coefficients[1], exact.coefficients[0], exact.coefficients[1]}});
    }
    return cases;
}

class PointFitAtTheMinimum : public ::testing::TestWithParam<ExactCase> {};

TEST_P(PointFitAtTheMinimum, EqualsTheExactFit)
{
    const ExactCase& c = GetParam();
    ASSERT_TRUE(c.fit.Ok());
    ASSERT_EQ(c.fit.coefficients.size(), c.exact.size());
    for (std::size_t j = 0; j < c.exact.size(); ++j)
        EXPECT_NEAR(c.fit.coefficients[j], c.exact[j], 1e-12 * std::fabs(c.exact[j])) << j;
    EXPECT_TRUE(c.fit.uncertainties.empty());
    EXPECT_TRUE(std::isnan(c.fit.residualSdMk));
    for (const double r : c.fit.residualsMk) EXPECT_NEAR(r, 0, 1e-6);
}

INSTANTIATE_TEST_SUITE_P(Models, PointFitAtTheMinimum, ::testing::ValuesIn(ExactCases()),
                         [](const ::testing::TestParamInfo<ExactCase>& row) { return row.param.name; });

// What cannot be fitted: too few points, too few distinct ones, points that leave a coefficient
// undetermined, points the model cannot take, and a given value out of reach.
struct ProblemCase {
    std::string name;
    PointFit fit;
    PointFitProblem problem;
    int point = -1;
};
void PrintTo(const ProblemCase& c, std::ostream* out) { *out << c.name; }

std::vector<ProblemCase> ProblemCases()
{
    using P = PointFitProblem;
    const Points pt = Pt100Points();
    return {
        {"NoPoints", FitPtPoints(100, {}), P::TooFewPoints},
        {"PtTwoWithOneBelowZero", FitPtPoints(100, Points{pt[0], pt[6]}), P::TooFewPoints},
        {"CuTwo", FitCuPoints(50, Points{{10, 52}, {20, 54}}), P::TooFewPoints},
        {"ShxThree", FitNtcShxPoints(Points{{0, 32650}, {25, 10000}, {50, 3603}}), P::TooFewPoints},
        {"SprtLowerGroupShort", FitSprtPoints({1, 0}, kRtp, ZincRangePoints(), Points{{-189.3442, 5.5}}),
         P::TooFewPoints},
        {"PtRepeatedTemperature", FitPtPoints(100, Points{pt[0], pt[6], pt[6], pt[6]}), P::RepeatedPoints},
        {"ShRepeatedPoint", FitNtcShPoints(Points{{0, 32650}, {25, 10000}, {25, 10000}, {0, 32650}}),
         P::RepeatedPoints},
        {"TypeSAtOneTemperature", FitStdSDeviationPoints(Points{{500, 4.2}, {500, 4.21}, {500, 4.22}}),
         P::RepeatedPoints},
        // 0 °C gives a row of zeros, which leaves copper's three coefficients to two points.
        {"CuZeroAndTwoMore", FitCuPoints(50, Points{{0, 50}, {100, 71.4}, {50, 60.7}}), P::Singular},
        {"CuSameTemperatureTwice", FitCuPoints(50, Points{{0, 50}, {100, 71.4}, {0, 50.001}, {100, 71.41}}),
         P::RepeatedPoints},
        {"PtNegativeResistance", FitPtPoints(100, Points{pt[0], {100, -1}, pt[7]}), P::BadPoint, 1},
        {"PtNaN", FitPtPoints(100, Points{pt[0], pt[5], {kNaN, 120}}), P::BadPoint, 2},
        {"PtZeroR0", FitPtPoints(0, pt), P::BadPoint, -1},
        {"NtcBelowAbsoluteZero", FitNtcBetaPoints(Points{{25, 10000}, {-273.15, 1e9}}), P::BadPoint, 1},
        {"TypeSBeyondTheReference", FitStdSDeviationPoints(Points{{500, 4.2}, {900, 8.4}, {2000, 20}}),
         P::BadPoint, 2},
        {"SprtZeroRtp", FitSprtPoints(kZincRange, 0, ZincRangePoints(), {}), P::BadPoint, -1},
        {"SprtLowerPointCountsAfterUpper",
         FitSprtPoints({1, 0}, kRtp, ZincRangePoints(), Points{{-189.3442, 5.5}, {-38.8344, 0}}), P::BadPoint, 8},
    };
}

class PointFitRefused : public ::testing::TestWithParam<ProblemCase> {};

TEST_P(PointFitRefused, NamesTheProblemAndGivesNoResult)
{
    const ProblemCase& c = GetParam();
    EXPECT_EQ(c.fit.problem, c.problem);
    EXPECT_EQ(c.fit.point, c.point);
    EXPECT_TRUE(c.fit.coefficients.empty());
    EXPECT_TRUE(c.fit.residualsMk.empty());
}

INSTANTIATE_TEST_SUITE_P(Models, PointFitRefused, ::testing::ValuesIn(ProblemCases()),
                         [](const ::testing::TestParamInfo<ProblemCase>& row) { return row.param.name; });

// A point read 0.1 Ω high (some 250 mK on a Pt100) stands out in the residuals; the fit still stands.
TEST(PointFit, FarOffPointStandsOut)
{
    Points points = Pt100Points();
    points[6].r += 0.1;
    const PointFit fit = FitPtPoints(100, points);
    ASSERT_TRUE(fit.Ok());
    const auto largest = std::max_element(fit.residualsMk.begin(), fit.residualsMk.end(),
                                          [](double a, double b) { return std::fabs(a) < std::fabs(b); });
    EXPECT_EQ(largest - fit.residualsMk.begin(), 6);
    EXPECT_LT(*largest, -100);  // measured above the curve: the point's temperature lies below t(R)
    for (std::size_t i = 0; i < fit.residualsMk.size(); ++i) {
        if (i != 6) {
            EXPECT_LT(std::fabs(fit.residualsMk[i]), std::fabs(*largest) / 2) << i;
        }
    }
    EXPECT_GT(fit.residualSdMk, 50);
    for (const double u : fit.uncertainties) EXPECT_TRUE(std::isfinite(u));
}

// Points in one list go to the groups that serve them.
TEST(SprtSplitPoints, GroupsTakeTheirSpans)
{
    const Points points{{kIts90Argon, 5.5},   {kIts90Mercury, 21.5}, {0.01, 25.5},      {kIts90Gallium, 28.5},
                        {kIts90Indium, 41}, {kIts90Zinc, 65.5},      {kIts90Aluminium, 86}, {-230, 2}};
    struct Row {
        SprtRangeCodes codes;
        std::vector<std::size_t> upper, lower, outside;
    };
    const Row rows[] = {
        // a8/b8 and a4/b4: the gallium point is the upper group's like any other point above 0 °C.
        {{1, 0}, {2, 3, 4, 5}, {0, 1}, {6, 7}},
        // a8/b8 and a5/b5: gallium goes below; argon is beyond the mercury point.
        {{1, 1}, {2, 4, 5}, {1, 3}, {0, 6, 7}},
        // a11 and a5/b5 share gallium.
        {{4, 1}, {2, 3}, {1, 3}, {0, 4, 5, 6, 7}},
        // a4/b4 alone takes the triple point of water too.
        {{5, 0}, {}, {0, 1, 2}, {3, 4, 5, 6, 7}},
        // a7/b7/c7 alone, up to aluminium.
        {{0, 2}, {2, 3, 4, 5, 6}, {}, {0, 1, 7}},
    };
    for (const Row& row : rows) {
        const SprtPointSplit split = SprtSplitPoints(row.codes, points);
        EXPECT_EQ(split.upperIndex, row.upper) << row.codes.upper << row.codes.lower;
        EXPECT_EQ(split.lowerIndex, row.lower) << row.codes.upper << row.codes.lower;
        EXPECT_EQ(split.outside, row.outside) << row.codes.upper << row.codes.lower;
        EXPECT_EQ(split.upper.size(), split.upperIndex.size());
    }
}

}  // namespace
}  // namespace tmcalc
