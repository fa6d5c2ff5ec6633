// The three thermistor forms and the two fits: values worked out in 40-digit arithmetic, round trips
// through the Cardano inverses, the zero conditions that give no result and the inputs that give NaN.
#include "thermistor/ntc_conversions.h"
#include "thermistor/ntc_fits.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <functional>
#include <limits>
#include <optional>
#include <ostream>
#include <string>

namespace tmcalc {
namespace {

constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();
constexpr double kInf = std::numeric_limits<double>::infinity();

// A typical 10 kΩ thermistor, and the same with a square term for the extended form.
constexpr double kA = 1.129148e-3;
constexpr double kB = 2.34125e-4;
constexpr double kC = 8.76741e-8;
constexpr double kCx = 1e-6;
constexpr double kDx = 8e-8;

std::optional<FitPoint> Pt(double t, double r) { return FitPoint{t, r}; }
std::optional<FitPoint> ShPoint(double t) { return FitPoint{t, *NtcShResistance(kA, kB, kC, t)}; }

// The largest relative error of A, B, C fitted through three points of the curve above.
std::optional<double> ShFitError(double t1, double t2, double t3)
{
    const std::optional<NtcShCoefficients> k = FitNtcSteinhartHart(ShPoint(t1), ShPoint(t2), ShPoint(t3));
    if (!k) return std::nullopt;
    return std::max({std::fabs(k->a / kA - 1), std::fabs(k->b / kB - 1), std::fabs(k->c / kC - 1)});
}

// A + B + C, to see a refusal or NaN coefficients in one value.
std::optional<double> ShFitSum(std::optional<FitPoint> p1, std::optional<FitPoint> p2, std::optional<FitPoint> p3)
{
    const std::optional<NtcShCoefficients> k = FitNtcSteinhartHart(p1, p2, p3);
    return k ? std::optional(k->a + k->b + k->c) : std::nullopt;
}

struct Row {
    const char* name;
    std::function<std::optional<double>()> got;
    std::optional<double> want;  // empty: no result; NaN: NaN
    double tol = 0;              // 0: the very same double
};
void PrintTo(const Row& row, std::ostream* out) { *out << row.name; }

class Ntc : public ::testing::TestWithParam<Row> {};

TEST_P(Ntc, GivesTheExpectedResult)
{
    const Row& row = GetParam();
    const std::optional<double> got = row.got();
    ASSERT_EQ(got.has_value(), row.want.has_value());
    if (!got) return;
    if (std::isnan(*row.want)) {
        EXPECT_TRUE(std::isnan(*got)) << *got;
    } else if (row.tol == 0) {
        EXPECT_EQ(*got, *row.want);
    } else {
        EXPECT_NEAR(*got, *row.want, row.tol);
    }
}

// Tolerances: a few units of the double rounding after the cancellation in 1/T − 273.15 (1e-11 °C) or of
// the resistance (1e-12 relative).
INSTANTIATE_TEST_SUITE_P(
    NtcForms, Ntc,
    ::testing::Values(
        Row{"BetaIcePoint", [] { return NtcBetaResistance(10000, 3950, 0); }, 33620.603721435746, 1e-8},
        Row{"BetaBoiling", [] { return NtcBetaResistance(10000, 3950, 100); }, 697.51977298618890, 1e-9},
        Row{"BetaR25", [] { return NtcBetaTemperature(10000, 3950, 10000); }, 25.0},
        // Not snapped to 0 in β mode: the double result is 8.066081e-10 °C (cancellation), the exact 8.066354e-10.
        Row{"BetaTinyStaysTiny", [] { return NtcBetaTemperature(10000, 3950, 33620.60372); }, 8.066e-10, 1e-12},
        Row{"ShTemperature", [] { return NtcShTemperature(kA, kB, kC, 10000); }, 24.999668176696317, 1e-11},
        Row{"ShResistance", [] { return NtcShResistance(kA, kB, kC, 25); }, 9999.8544361687449, 1e-8},
        // t(10000 Ω) goes back to 10000 Ω (9999.854 Ω is the resistance of 25 °C, not of that temperature).
        Row{"ShBack", [] { return NtcShResistance(kA, kB, kC, *NtcShTemperature(kA, kB, kC, 10000)); }, 10000,
            1e-6},
        Row{"ShxTemperature", [] { return NtcShxTemperature(kA, kB, kCx, kDx, 10000); }, 18.152751242958143,
            1e-11},
        Row{"ShxResistance", [] { return NtcShxResistance(kA, kB, kCx, kDx, 18.152751242958118); }, 10000, 1e-8},
        // C = 0 is allowed in the extended form: it is then the plain form with D in C's place.
        Row{"ShxWithoutSquare", [] { return NtcShxTemperature(kA, kB, 0, kC, 10000); }, 24.999668176696317, 1e-11},
        // Within 1e-7 °C of 0 the Steinhart-Hart forms give exactly 0; 2e-7 °C stays.
        Row{"ShSnaps", [] { return NtcShTemperature(kA, kB, kC, *NtcShResistance(kA, kB, kC, 3e-8)); }, 0.0},
        Row{"ShxSnaps",
            [] { return NtcShxTemperature(kA, kB, kCx, kDx, *NtcShxResistance(kA, kB, kCx, kDx, -3e-8)); }, 0.0},
        Row{"ShKeeps", [] { return NtcShTemperature(kA, kB, kC, *NtcShResistance(kA, kB, kC, 2e-7)); }, 2e-7,
            1e-9},
        // The zero conditions; a temperature of 0 is an input like any other.
        Row{"BetaNoR25", [] { return NtcBetaTemperature(0, 3950, 10000); }, std::nullopt},
        Row{"BetaNoR", [] { return NtcBetaTemperature(10000, 3950, 0); }, std::nullopt},
        Row{"BetaNoBeta", [] { return NtcBetaResistance(10000, -0.0, 25); }, std::nullopt},
        Row{"ShNoC", [] { return NtcShTemperature(kA, kB, 0, 10000); }, std::nullopt},
        Row{"ShNoR", [] { return NtcShTemperature(kA, kB, kC, 0); }, std::nullopt},
        Row{"ShNoA", [] { return NtcShResistance(0, kB, kC, 25); }, std::nullopt},
        Row{"ShxNoD", [] { return NtcShxTemperature(kA, kB, kCx, 0, 10000); }, std::nullopt},
        Row{"ShxNoB", [] { return NtcShxResistance(kA, 0, kCx, kDx, 25); }, std::nullopt},
        // NaN: logarithms of resistances <= 0 (log 0 once made the extended form give −273.15 °C), negative
        // discriminants (C < 0 with B > 0) and negative cube root bases (B < 0, 1/T above A).
        Row{"BetaNegativeR", [] { return NtcBetaTemperature(10000, 3950, -5); }, kNaN},
        Row{"ShNegativeR", [] { return NtcShTemperature(kA, kB, kC, -5); }, kNaN},
        Row{"ShxZeroR", [] { return NtcShxTemperature(kA, kB, 0, kDx, 0); }, kNaN},
        Row{"ShNegativeDiscriminant", [] { return NtcShResistance(kA, kB, -kC, 25); }, kNaN},
        Row{"ShNegativeCubeRoot", [] { return NtcShResistance(-1e-3, -1e-6, 1e-9, 25); }, kNaN},
        Row{"ShxNegativeDiscriminant", [] { return NtcShxResistance(kA, kB, 0, -kDx, 25); }, kNaN},
        Row{"ShNaNTemperature", [] { return NtcShResistance(kA, kB, kC, kNaN); }, kNaN}),
    [](const ::testing::TestParamInfo<Row>& row) { return std::string(row.param.name); });

// Points computed from known curves give their coefficients back to 1e-9 relative. The close sets guard
// the single-precision steps that once made C wrong by 1e-3 to 1e-2 (the curve then erred by up to 17 mK).
INSTANTIATE_TEST_SUITE_P(
    NtcFits, Ntc,
    ::testing::Values(
        // 40-digit value 3936.2205495365709 from points given to 10 digits.
        Row{"Beta", [] { return FitNtcBeta(Pt(25, 10000), Pt(50, 3601.034978)); }, 3936.2205495365709, 1e-9},
        // The ice point, once refused as "not entered".
        Row{"BetaIcePoint", [] { return FitNtcBeta(Pt(0, 33620.603721435746), Pt(100, 697.5197729861889)); }, 3950,
            4e-6},
        Row{"BetaNotEntered", [] { return FitNtcBeta(std::nullopt, Pt(50, 3601)); }, std::nullopt},
        Row{"BetaZeroResistance", [] { return FitNtcBeta(Pt(25, 10000), Pt(50, -0.0)); }, std::nullopt},
        Row{"BetaEqualTemperatures", [] { return FitNtcBeta(Pt(25, 10000), Pt(25, 9000)); }, kNaN},
        Row{"ShWide", [] { return ShFitError(5, 25, 50); }, 0, 1e-9},
        Row{"ShIcePoint", [] { return ShFitError(0, 25, 50); }, 0, 1e-9},
        Row{"ShUnordered", [] { return ShFitError(50, -40, 0); }, 0, 1e-9},
        Row{"ShThreeDegreesApart", [] { return ShFitError(20, 23, 26); }, 0, 1e-9},
        Row{"ShOneDegreeApart", [] { return ShFitError(24, 25, 26); }, 0, 1e-9},
        Row{"ShHot", [] { return ShFitError(100, 125, 150); }, 0, 1e-9},
        Row{"ShNotEntered", [] { return ShFitSum(ShPoint(5), std::nullopt, ShPoint(50)); }, std::nullopt},
        Row{"ShZeroResistance", [] { return ShFitSum(ShPoint(5), ShPoint(25), Pt(50, 0)); }, std::nullopt},
        // Two equal resistances at different temperatures: no curve of this form.
        Row{"ShEqualResistances", [] { return ShFitSum(Pt(5, 1e4), Pt(25, 1e4), ShPoint(50)); }, kNaN},
        Row{"ShAbsoluteZero", [] { return ShFitSum(Pt(-273.15, 1e9), ShPoint(25), ShPoint(50)); }, kNaN}),
    [](const ::testing::TestParamInfo<Row>& row) { return std::string(row.param.name); });

// Every 5 °C from −55 to 150 °C and back: the Cardano roots lose little to cancellation for these
// coefficients, so the temperatures return within 1e-9 °C (about 1e-11 observed).
TEST(NtcConversions, RoundTripEveryMode)
{
    for (int t = -55; t <= 150; t += 5) {
        EXPECT_NEAR(*NtcBetaTemperature(10000, 3950, *NtcBetaResistance(10000, 3950, t)), t, 1e-9) << t;
        EXPECT_NEAR(*NtcShTemperature(kA, kB, kC, *NtcShResistance(kA, kB, kC, t)), t, 1e-9) << t;
        EXPECT_NEAR(*NtcShxTemperature(kA, kB, kCx, kDx, *NtcShxResistance(kA, kB, kCx, kDx, t)), t, 1e-9) << t;
    }
}

// Huge, tiny and infinite inputs must neither trap nor hang; what they give is the arithmetic's.
TEST(NtcConversions, ExtremeInputsReturn)
{
    for (double x : {1e300, -1e300, 1e-300, kInf, -kInf, kNaN, -273.15}) {
        (void)NtcBetaTemperature(10000, 3950, x), (void)NtcBetaResistance(10000, 3950, x);
        (void)NtcShTemperature(kA, kB, kC, x), (void)NtcShResistance(kA, kB, kC, x);
        (void)NtcShxTemperature(kA, kB, kCx, kDx, x), (void)NtcShxResistance(kA, kB, kCx, kDx, x);
        (void)NtcShResistance(x, x, x, 25), (void)NtcShxResistance(x, x, x, x, 25);
        (void)FitNtcSteinhartHart(Pt(x, x), ShPoint(25), Pt(x, 1));
    }
}

}  // namespace
}  // namespace tmcalc
