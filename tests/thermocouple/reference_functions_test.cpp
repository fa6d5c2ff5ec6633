// The thermocouple arithmetic below the widgets, also against the printed ITS-90 tables of nist_its90_tables.csv
// (beside this file): the emf to the printed microvolt, the inverse polynomials within their error bands.
#include "thermocouple/reference_functions.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <fstream>
#include <limits>
#include <ostream>
#include <sstream>
#include <string>
#include <string_view>
#include <tuple>
#include <vector>

#include "framework/diagnostics.h"
#include "thermocouple/coefficients.h"
#include "thermocouple/power_series.h"
#include "thermocouple/slope_rounding.h"
#include "thermocouple/std_reference.h"
#include "thermocouple/work_page_math.h"
#include "test_support.h"

namespace tmcalc {
namespace {

using Type = ThermocoupleType;
using enum ThermocoupleType;
using test::kInf;
using test::kNaN;
constexpr double kDefined = std::numeric_limits<double>::max();  // as an expected value: any finite number

double Below(double x) { return std::nextafter(x, -kInf); }
double Above(double x) { return std::nextafter(x, kInf); }

enum class Fn { Emf, Slope, Temp, RoundTrip, RisingInverse, StdEmf, StdBSlope, StdBTemp, Round6, WorkEmf,
                WorkTemp };
using enum Fn;

// How far an inverted temperature misses: emf residual over slope, in °C.
double MissInDegrees(Type type, double t, double emf)
{
    return std::fabs(TcEmf(type, t) - emf) / std::fabs(TcSlope(type, t)) * (EmfInMillivolts(type) ? 1000 : 1);
}

double Call(Fn fn, Type type, double x, double cj = 0)
{
    switch (fn) {
    case Emf: return TcEmf(type, x);
    case Slope: return TcSlope(type, x);
    case Temp: return TcTemperature(type, x);
    case RoundTrip: return TcTemperature(type, TcEmf(type, x));
    case RisingInverse: {
        const double t = TcTemperature(type, x);
        return TcSlope(type, t) > 0 ? MissInDegrees(type, t, x) : kNaN;
    }
    case StdEmf: return StdRefEmf(type, x);
    case StdBSlope: return StdRefBSlope(x);
    case StdBTemp: return StdRefBTemperature(x);
    case Round6: return RoundSlope6(x);
    case WorkEmf: return WorkEmfMillivolts(type, x, cj);
    case WorkTemp: return WorkTemperature(type, x, cj);
    }
    return kNaN;
}

// Values as the pages show them: the tolerance is half a unit of the last digit given unless said.
struct Value {
    const char* name;
    Fn fn;
    Type type;
    double x, expected, tolerance = 0, cj = 0;  // expected NaN: refused; kDefined: some finite number
};
const Value kValues[] = {
    {"EmfS1000", Emf, S, 1000, 9587.0977, 5E-5}, {"EmfK1000", Emf, K, 1000, 41275.606, 5E-4},
    {"EmfT100", Emf, T, 100, 4278.5186, 5E-5}, {"EmfDInMillivolts", Emf, D, 1000, 18.229665, 5E-7},
    {"EmfCInMillivolts", Emf, C, 1000, 18.260189, 5E-7},
    // Once -242844 µV: the two corrected E entries had been put into c4 and c5 instead of c5 and c6.
    {"EmfE1000", Emf, E, 1000, 76372.826, 5E-4}, {"EmfSTopOfRange", Emf, S, 1769.1, 18703.84, 5E-3},
    {"EmfSPastTop", Emf, S, 1769.2, kNaN}, {"EmfTBelowPublished", Emf, T, -270.5, -6257.96, 5E-3},
    // K at 0 °C takes the upper piece: its lower piece gives exactly 0, c0 and the exponential 2E-6 µV.
    {"EmfKAtZeroUpperPiece", Emf, K, 0, 1.9740838E-6, 1E-12},
    {"SlopeKAtZeroHasExponential", Slope, K, 0, 39.450128, 5E-7},
    {"SlopeBNegativeNearZero", Slope, B, 2, -0.22290787, 5E-9},
    {"SlopeD2400BeyondEmfRange", Slope, D, 2400, 7.4275029, 5E-8},
    {"TemperatureS", Temp, S, 9587, 999.9886, 5E-5}, {"TemperatureK", Temp, K, 41276, 999.9872, 5E-5},
    {"TemperatureDStartsAt841", Temp, D, 15, 840.5396, 5E-5}, {"TemperatureDZeroOnTable", Temp, D, 0, 0},
    // No temperature inside TcEmf's range gives these: TcEmf(K, -271) is -6458.4 µV, TcEmf(S, 1769.1) 18703.8.
    {"TemperatureKBelowReach", Temp, K, -6500, kNaN}, {"TemperatureSAboveReach", Temp, S, 18794, kNaN},
    {"TemperatureBAboveReach", Temp, B, 13900, kNaN}, {"TemperatureRLowestAccepted", Temp, R, -326, kNaN},
    // Once -170.29 °C: the D polynomial extrapolated far below the -1 °C TcEmf accepts.
    {"TemperatureDMinusOneMillivolt", Temp, D, -1, kNaN}, {"TemperatureCMinusOneMillivolt", Temp, C, -1, kNaN},
    // C cannot reach 40 mV nor D 45 mV: both give up after 101 steps.
    {"TemperatureCBeyondTop", Temp, C, 40, kNaN}, {"TemperatureDBeyondTop", Temp, D, 45, kNaN},
    // Once NaN: the residual was cut off above 2320 °C although TcEmf goes on to 2321 °C.
    {"RoundTripCTopDegree", RoundTrip, C, 2320.5, 2320.5, 1E-6},
    {"RoundTripDJustAboveLowest", RoundTrip, D, -0.99, -0.99, 1E-6},
    // Beyond the fitted spans the answer must invert TcEmf on a rising branch. Once the polynomial alone
    // answered: K at -6000 µV -207.243 °C instead of about -211, B at 0 µV 98.423 °C instead of about 41.5.
    {"BeyondK6000Low", RisingInverse, K, -6000, 0, 1E-5}, {"BeyondB0Low", RisingInverse, B, 0, 0, 1E-5},
    {"BeyondS18700", RisingInverse, S, 18700, 0, 1E-5}, {"BeyondB13830", RisingInverse, B, 13830, 0, 1E-5},
    // The standard S and B functions, in mV: zinc, aluminium and copper points, then the range edges.
    {"StdEmfSZinc", StdEmf, S, 419.527, 3.4468883, 5E-8}, {"StdEmfSCopper", StdEmf, S, 1084.62, 10.574801, 5E-7},
    {"StdEmfSAluminium", StdEmf, S, 660.323, 5.8601275, 5E-8},
    {"StdEmfSLowest", StdEmf, S, -50.1, kDefined}, {"StdEmfSBelowLowest", StdEmf, S, Below(-50.1), kNaN},
    {"StdEmfBLowest", StdEmf, B, -0.1, kDefined}, {"StdEmfBBelowLowest", StdEmf, B, Below(-0.1), kNaN},
    {"StdEmfBHighest", StdEmf, B, 1820.1, kDefined}, {"StdEmfBAboveHighest", StdEmf, B, Above(1820.1), kNaN},
    {"StdBSlopeLowest", StdBSlope, B, -0.1, kDefined}, {"StdBSlopeBelowLowest", StdBSlope, B, Below(-0.1), kNaN},
    {"StdBSlopeHighest", StdBSlope, B, 1820.1, kDefined},
    {"StdBSlopeAboveHighest", StdBSlope, B, Above(1820.1), kNaN},
    // 1768.1 + 0.1 is just below 1768.2 in doubles, so a typed 1768.2 is refused.
    {"StdEmfSJustBelowTop", StdEmf, S, 1768.1999999, kDefined}, {"StdEmfSTypedTop", StdEmf, S, 1768.2, kNaN},
    // No lower bound: -0.5 mV still goes through the 250-700 °C polynomial, far below 0 °C.
    {"StdBTemperatureNegativeEmf", StdBTemp, B, -0.5, -657.9868, 5E-5},
    {"StdBTemperatureHighest", StdBTemp, B, 13.82, kDefined}, {"StdBTemperatureFarAbove", StdBTemp, B, 13.9, kNaN},
    {"StdBTemperatureAboveHighest", StdBTemp, B, Above(13.82), kNaN},
    // Six decimals, negative slopes (B's near 0 °C) truncated, in doubles (within 1E-12 of the decimal).
    {"RoundPositiveHalfUp", Round6, S, 38.9813797, 38.981380, 1E-12},
    {"RoundPositiveBelowHalf", Round6, S, 38.9813794, 38.981379, 1E-12},
    // Once wrong: 32-bit arithmetic overflowed beyond 214 µV/°C.
    {"RoundLargeBeyond32Bits", Round6, S, 3000.0000006, 3000.000001, 1E-12},
    {"RoundLargeNegative", Round6, S, -2500.1234569, -2500.123456, 1E-12},
    {"RoundZero", Round6, S, 0, 0}, {"RoundNaN", Round6, S, kNaN, kNaN}, {"RoundInfinity", Round6, S, kInf, kInf},
    {"RoundMinusInfinity", Round6, S, -kInf, -kInf},
    // The pages' mV with the cold junction, where the page scenarios do not show them (1E-6 mV: far below a
    // shown digit; the inverse polynomials deviate by hundredths).
    {"WorkEmfTAtColdJunction", WorkEmf, T, 100, 0, 1E-12, 100},
    {"WorkEmfColdJunctionOutOfRange", WorkEmf, K, 20, kNaN, 0, 2000},
    {"WorkTemperatureSColdJunction20", WorkTemp, S, 9.474179, 1000, 0.01, 20},
    {"WorkTemperatureDIteratedUnscaled", WorkTemp, D, 18.229665, 1000, 1E-4},
    {"WorkTemperatureCBeyondTop", WorkTemp, C, 40, kNaN},
};

void PrintTo(const Value& row, std::ostream* out) { *out << row.name; }
class ValueTest : public testing::TestWithParam<Value> {};
TEST_P(ValueTest, AsShown)
{
    const Value& row = GetParam();
    const double actual = Call(row.fn, row.type, row.x, row.cj);
    if (row.expected == kDefined)
        EXPECT_TRUE(std::isfinite(actual)) << actual;
    else if (std::isfinite(row.expected))
        EXPECT_NEAR(actual, row.expected, row.tolerance);
    else  // NaN: refused; an infinity passes through
        EXPECT_TRUE(std::isnan(row.expected) ? std::isnan(actual) : actual == row.expected) << actual;
}
INSTANTIATE_TEST_SUITE_P(Thermocouple, ValueTest, testing::ValuesIn(kValues), test::RowName{});

TEST(ReferenceFunctions, BadInputs)
{
    for (Type type : {S, R, B, K, N, J, E, T, D, C}) {
        SCOPED_TRACE(static_cast<int>(type));
        for (double x : {kNaN, kInf, -kInf}) {
            EXPECT_TRUE(std::isnan(TcEmf(type, x)) && std::isnan(TcTemperature(type, x))) << x;
            // D and C slopes take no range test; a NaN (a failed inversion) gives 0.
            const double slope = TcSlope(type, x);
            EXPECT_TRUE(EmfInMillivolts(type) ? !std::isnan(x) || slope == 0.0 : std::isnan(slope)) << slope;
        }
    }
    for (double x : {kNaN, kInf, -kInf}) {
        EXPECT_TRUE(std::isnan(StdRefEmf(S, x)) && std::isnan(StdRefEmf(B, x)));
        EXPECT_TRUE(std::isnan(StdRefBSlope(x)) && std::isnan(StdRefBTemperature(x)));
    }
    for (int index : {10, 11, -1, 255}) {
        const auto type = static_cast<Type>(index);
        EXPECT_TRUE(std::isnan(TcEmf(type, 100)) && std::isnan(TcTemperature(type, 1000))) << index;
        EXPECT_EQ(TcSlope(type, 100), 0.0) << index;
    }
    for (Type other : {R, K, D, static_cast<Type>(12)}) EXPECT_TRUE(std::isnan(StdRefEmf(other, 500)));
    // The page lets a NaN pass, to fail in the functions, which show it out of range anyway.
    EXPECT_TRUE(WorkPageAccepts(K, kNaN) && !WorkPageAccepts(K, kInf));
}

// Per type: temperatures accepted (a degree beyond the published tables) and those the work page takes (S up
// to 1768.5 °C, R to 1768.1); for S to T the accepted emf (µV), the inverse fits' span and worst error (°C).
struct Limits {
    Type type;
    double lower, upper, pageLower = 0, pageUpper = 0, lowestEmf = 0, highestEmf = 0;
    double fittedLowest = 0, fittedHighest = 0, worstFitError = 0;
};
constexpr Limits kLimits[] = {
    {S, -51, 1769.1, -50, 1768.5, -335, 18794, -235, 18693, 0.02},
    {R, -51, 1769.1, -50, 1768.1, -326, 21203, -226, 21103, 0.02},
    {B, -1, 1821, 0, 1820, -1, 13920, 291, 13820, 0.03},
    {K, -271, 1373, -270, 1372, -6557, 54986, -5891, 54886, 0.06},
    {N, -271, 1301, -270, 1300, -4445, 47613, -3990, 47513, 0.04},
    {J, -211, 1201, -210, 1200, -8195, 69653, -8095, 69553, 0.05},
    {E, -271, 1001, -270, 1000, -9935, 76473, -8825, 76373, 0.03},
    {T, -271, 401, -270, 400, -6357, 20972, -5603, 20872, 0.04},
    {D, -1, 2321}, {C, -1, 2321},
};

constexpr double kBMinimumAt = 21.0203;  // B falls to its minimum (-2.585 µV) here, rises after it

TEST(ReferenceFunctions, EachTypeHoldsExactlyInsideItsLimits)
{
    for (const Limits& row : kLimits) {
        SCOPED_TRACE(static_cast<int>(row.type));
        const Type type = row.type;
        for (double t : {row.lower, row.upper}) EXPECT_TRUE(std::isfinite(TcEmf(type, t) + TcSlope(type, t))) << t;
        EXPECT_TRUE(std::isnan(TcEmf(type, Below(row.lower))) && std::isnan(TcEmf(type, Above(row.upper))));
        if (EmfInMillivolts(type)) {
            // No outer limit on the D and C slopes (shown at 2400 °C) nor on the page, where TcEmf decides.
            EXPECT_TRUE(std::isfinite(TcSlope(type, row.lower - 10) + TcSlope(type, row.upper + 10)));
            EXPECT_TRUE(WorkPageAccepts(type, -500) && WorkPageAccepts(type, 5000));
            EXPECT_TRUE(std::isnan(TcTemperature(type, Below(TcEmf(type, row.lower)) - 1E-6)));
            EXPECT_TRUE(std::isnan(TcTemperature(type, TcEmf(type, row.upper) + 1E-4)));
            continue;
        }
        EXPECT_TRUE(std::isnan(TcSlope(type, Below(row.lower))) && std::isnan(TcSlope(type, Above(row.upper))));
        EXPECT_TRUE(WorkPageAccepts(type, row.pageLower) && WorkPageAccepts(type, row.pageUpper));
        EXPECT_FALSE(WorkPageAccepts(type, Below(row.pageLower)) || WorkPageAccepts(type, Above(row.pageUpper)));
        EXPECT_TRUE(std::isnan(TcTemperature(type, Below(row.lowestEmf))) &&
                    std::isnan(TcTemperature(type, Above(row.highestEmf))));
        // On the emf limits themselves an answer exists only if TcEmf reaches that far; then it inverts.
        const double risingFrom = type == B ? kBMinimumAt : row.lower;
        for (double emf : {row.lowestEmf, row.highestEmf}) {
            const double t = TcTemperature(type, emf);
            const bool reached = TcEmf(type, risingFrom) <= emf && emf <= TcEmf(type, row.upper);
            EXPECT_TRUE(reached ? MissInDegrees(type, t, emf) < 1E-5 : std::isnan(t)) << emf << " gives " << t;
        }
    }
}

TEST(ReferenceFunctions, RoundTripAndSlopesOverWholeRange)
{
    // Inside the fitted spans the polynomial's published error; beyond them, and for the iterated D and C, far
    // better than the required 0.001 °C (C's pieces overlap by 1.4E-7 mV at 630.615 °C: twins µ°C apart).
    // Slopes against central differences: rounding and the cubic term stay below 1E-3 µV/°C (1E-9 mV/°C for
    // standard B).
    constexpr double h = 1E-3;
    for (const Limits& row : kLimits) {
        SCOPED_TRACE(static_cast<int>(row.type));
        for (double t = row.lower; t <= row.upper; t += 0.25) {
            const double emf = TcEmf(row.type, t);
            const double back = TcTemperature(row.type, emf);
            if (EmfInMillivolts(row.type)) {
                ASSERT_NEAR(back, t, 1E-5) << t;
            } else if (emf < row.lowestEmf) {
                ASSERT_TRUE(std::isnan(back)) << t;  // B below about 35 °C
            } else if (row.type == B && t < kBMinimumAt) {
                // Below its minimum B is two-valued; the inverse answers on the rising branch.
                ASSERT_GT(back, kBMinimumAt) << t;
                ASSERT_LT(MissInDegrees(row.type, back, emf), 1E-5) << t;
            } else if (emf >= row.fittedLowest && emf <= row.fittedHighest) {
                ASSERT_NEAR(back, t, row.worstFitError) << t;
            } else {
                ASSERT_NEAR(back, t, 1E-5) << t;
            }
        }
        const double scale = EmfInMillivolts(row.type) ? 1000.0 : 1.0;
        for (double t = row.lower + 0.37; t < row.upper - 0.01; t += 7.3) {
            const double difference = (TcEmf(row.type, t + h) - TcEmf(row.type, t - h)) / (2 * h) * scale;
            ASSERT_NEAR(TcSlope(row.type, t), difference, 1E-3) << "t = " << t;
        }
    }
    for (double t = 0.0; t <= 1820.0; t += 9.7) {
        const double difference = (StdRefEmf(B, t + h) - StdRefEmf(B, t - h)) / (2 * h);
        ASSERT_NEAR(StdRefBSlope(t), difference, 1E-9) << t;
    }
}

// Both evaluations of 1.5 - 2x + 0.25x^2 + 3x^3, whole and from the linear term on, and of its slope.
TEST(ReferenceFunctions, PowerSumsByHornerMatchTermByTerm)
{
    const double c[] = {1.5, -2.0, 0.25, 3.0};
    constexpr auto kHorner = Evaluation::Horner;
    for (double x : {-1.7, 0.0, 2.0, 13.25}) {
        const double p = 1.5 - 2.0 * x + 0.25 * x * x + 3.0 * x * x * x;
        const double slope = -2.0 + 0.5 * x + 9.0 * x * x;
        const double tolerance = 1E-14 * (1.5 + 2 * std::fabs(x) + 3 * std::pow(std::fabs(x), 3) + 9 * x * x);
        test::ExpectRows({
            {"Whole", PowerSum(c, x, 0, kHorner), p, tolerance},
            {"FromLinear", PowerSum(c, x, 1, kHorner), p - 1.5, tolerance},
            {"WholeTermByTerm", PowerSum(c, x), p, tolerance},
            {"Slope", PowerSumDerivative(c, x, kHorner), slope, tolerance},
            {"SlopeTermByTerm", PowerSumDerivative(c, x), slope, tolerance},
        });
        EXPECT_GE(PowerSumDerivativeSpread(c, x), 2E-16 * (2 + 0.5 * std::fabs(x) + 9 * x * x)) << x;
    }
}

// The command line's batch evaluation by Horner's rule: temperatures within 1E-12 of the pages', relative,
// and slopes shown exactly as the pages show them, on a grid and where a slope crosses a rounding edge
// (there the Horner value alone can round the other way).
TEST(ReferenceFunctions, HornerBatchMatchesThePages)
{
    constexpr auto kHorner = Evaluation::Horner;
    constexpr double kStep = 0.25;
    for (const Limits& row : kLimits) {
        SCOPED_TRACE(static_cast<int>(row.type));
        const Type type = row.type;
        int edges = 0;
        for (double t = row.lower; t <= row.upper; t += kStep) {
            const double emf = TcEmf(type, t);
            const double page = TcTemperature(type, emf);
            const double batch = TcTemperature(type, emf, kHorner);
            if (std::isnan(page)) {
                ASSERT_TRUE(std::isnan(batch)) << t;
            } else {
                ASSERT_LE(std::fabs(batch - page), 1E-12 * std::fabs(page)) << t;
            }
            ASSERT_EQ(WorkSlopeShown(type, t, kHorner), WorkSlopeShown(type, t)) << t;

            // Bisect to the two neighbouring doubles across which the slope passes a whole 1E-7 µV/°C.
            const double low = TcSlope(type, t), high = TcSlope(type, t + kStep);
            const double edge = std::ceil(std::min(low, high) * 1E7) / 1E7;
            if (!(std::isfinite(low) && std::isfinite(high)) || edge >= std::max(low, high)) continue;
            double below = t, above = t + kStep;  // TcSlope - edge changes sign between them
            const bool rising = low < high;
            while (Above(below) < above) {
                const double middle = below + (above - below) / 2;
                if (middle <= below || middle >= above) break;
                ((TcSlope(type, middle) < edge) == rising ? below : above) = middle;
            }
            for (double x : {Below(below), below, above, Above(above)}) {
                ASSERT_EQ(WorkSlopeShown(type, x, kHorner), WorkSlopeShown(type, x)) << x;
            }
            ++edges;
        }
        EXPECT_GT(edges, 100);
    }
    for (Type type : {K, D}) {  // D has no outer limit
        for (double x : {kNaN, kInf, -kInf, 1E200}) {
            const double batch = WorkSlopeShown(type, x, kHorner), page = WorkSlopeShown(type, x);
            EXPECT_TRUE(batch == page || (std::isnan(batch) && std::isnan(page))) << x << ": " << batch;
        }
    }
}

TEST(ReferenceFunctions, SlopeRoundingEdges)
{
    // The remainder is formed without fmod below 2^49 tenths of a micro-unit; on both sides of that limit,
    // and at every seventh decimal, it must round as fmod does.
    const auto reference = [](double slope) {
        double micro = std::trunc(slope * 1E6);
        if (std::fmod(std::trunc(slope * 10 * 1E6), 10.0) > 4) micro += 1;
        return micro / 1E6;
    };
    for (double base : {0.0, 38.98137, -2.585, 5.62949953421312E7, -5.62949953421312E7, 1E9, 1E300}) {
        for (int seventh = -12; seventh <= 12; ++seventh) {
            const double slope = base + seventh * 1E-7;
            for (double x : {Below(slope), slope, Above(slope)}) EXPECT_EQ(RoundSlope6(x), reference(x)) << x;
        }
    }
    struct Edge {
        const char* name;
        double slope, spread;
        bool near;
    };
    for (const Edge& row :
         {Edge{"OnAnEdge", 38.9813795, 0, true}, Edge{"WithinTheSpread", 38.98137950001, 2E-11, true},
          Edge{"BeyondTheSpread", 38.98137953, 1E-11, false}, Edge{"MidwayBetweenEdges", -2.58500005, 1E-9, false},
          Edge{"NaNSlope", kNaN, 0, true}, Edge{"InfiniteSlope", kInf, 0, true},
          Edge{"NaNSpread", 40.0000001, kNaN, true}, Edge{"InfiniteSpread", 40.00000005, kInf, true}}) {
        EXPECT_EQ(NearSlope6Edge(row.slope, row.spread), row.near) << row.name;
    }
}

// Where pieces or inverse fits meet, both sides differ no more than their own mismatch: R at 1664.5 °C by
// 0.005 µV (the working set's c1), N's slopes at 0 °C 26.159 and 25.929 µV/°C, the fits' errors add to 0.1 °C.
struct Join {
    Fn fn;
    Type type;
    double x, maxJump;
};
constexpr Join kJoins[] = {
    {Emf, S, 1064.18, 1E-5}, {Emf, S, 1664.5, 1E-5}, {Emf, R, 1064.18, 1E-5}, {Emf, R, 1664.5, 0.01},
    {Emf, B, 630.615, 1E-5}, {Emf, K, 0, 1E-5}, {Emf, N, 0, 1E-5}, {Emf, J, 760, 1E-4}, {Emf, E, 0, 1E-5},
    {Emf, T, 0, 1E-5}, {Emf, D, 783, 1E-6}, {Emf, C, 630.615, 1E-6},
    {Slope, S, 1064.18, 1E-4}, {Slope, S, 1664.5, 1E-4}, {Slope, R, 1064.18, 1E-4}, {Slope, R, 1664.5, 1E-4},
    {Slope, B, 630.615, 1E-4}, {Slope, K, 0, 1E-4}, {Slope, N, 0, 0.25}, {Slope, J, 760, 1E-4},
    {Slope, E, 0, 1E-4}, {Slope, T, 0, 1E-4}, {Slope, D, 783, 1E-4}, {Slope, C, 630.615, 1E-4},
    {Temp, S, 1874, 0.1}, {Temp, S, 10332, 0.1}, {Temp, S, 17536, 0.1}, {Temp, R, 1923, 0.1},
    {Temp, R, 11361, 0.1}, {Temp, R, 19739, 0.1}, {Temp, B, 2431, 0.1}, {Temp, K, 0, 0.1}, {Temp, K, 20644, 0.1},
    {Temp, N, 0, 0.1}, {Temp, N, 20613, 0.1}, {Temp, J, 0, 0.1}, {Temp, J, 42919, 0.1}, {Temp, E, 0, 0.1},
    {Temp, T, 0, 0.1}, {StdEmf, S, 1064.18, 1E-8}, {StdEmf, S, 1664.5, 1E-8}, {StdEmf, B, 630.615, 1E-8},
    {StdBSlope, B, 630.615, 1E-8}, {StdBTemp, B, 2.431, 0.05},
};

TEST(ReferenceFunctions, PiecesAndFitsJoin)
{
    const TcCoefficientSet& set = WorkingCoefficientSet();
    for (const Join& row : kJoins) {
        SCOPED_TRACE(testing::Message() << static_cast<int>(row.fn) << " of " << static_cast<int>(row.type)
                                        << " at " << row.x);
        const double below = Call(row.fn, row.type, Below(row.x));
        ASSERT_TRUE(std::isfinite(below));
        EXPECT_NEAR(Call(row.fn, row.type, row.x), below, row.maxJump);
        EXPECT_NEAR(Call(row.fn, row.type, Above(row.x)), below, row.maxJump);
        if (row.fn != Emf || row.type == K) continue;  // K's upper piece adds the exponential term
        // The breakpoint belongs to the upper piece.
        const auto pieces = set[row.type].direct;
        const auto upper =
            std::find_if(pieces.begin(), pieces.end(), [&](const TcRange& p) { return p.lower == row.x; });
        ASSERT_NE(upper, pieces.end());
        EXPECT_EQ(TcEmf(row.type, row.x), PowerSum(upper->c, row.x));
    }
}

// The D iteration reports its steps to the diagnostic sink; the tick (ms) may be anything on a loaded machine.
std::vector<std::string> g_lines;

TEST(ReferenceFunctions, DIterationStartsOnPublishedTablesTracesItsStepsAndBridgesTheGapAt783)
{
    // The D and C tables that start the Newton search, in mV to 1 µV.
    const TcCoefficientSet& set = WorkingCoefficientSet();
    EXPECT_EQ(std::tuple(set.dDegreeTable[1], set.dDegreeTable[3], set.cDegreeTable[3], set.cDegreeTable[2315]),
              std::tuple(0.010, 0.029, 0.040, 37.070));
    SetDiagnosticSink([](std::string_view line) { g_lines.emplace_back(line); });
    // Two steps from 15 mV, 101 without a root at 45 mV (their results are rows of the value table); no trace
    // for a start right on the degree table, nor for type C.
    for (double emf : {15.0, 45.0, 0.0}) (void)TcTemperature(D, emf);
    EXPECT_NEAR(TcTemperature(C, 18.260189062), 1000, 1E-6);
    SetDiagnosticSink(nullptr);
    ASSERT_EQ(g_lines.size(), 2U);
    EXPECT_EQ(g_lines[0].rfind("\n newton iteretor count: 2 , tick : ", 0), 0U) << g_lines[0];
    EXPECT_EQ(g_lines[0].back(), '\n');
    EXPECT_EQ(g_lines[1].rfind("\n newton iteretor count: 101 , tick : ", 0), 0U) << g_lines[1];
    // The D pieces miss each other by 5E-7 mV at 783 °C; an emf in between once gave NaN after 101 steps.
    const double fromBelow = TcEmf(D, Below(783));
    const double fromAbove = TcEmf(D, 783);
    ASSERT_LT(fromBelow, fromAbove);
    // At the very ends the iteration may converge a few µ°C off within its residual tolerance.
    for (double share : {0.0, 0.1, 0.5, 0.9, 1.0})
        EXPECT_NEAR(TcTemperature(D, fromBelow + share * (fromAbove - fromBelow)), 783.0, 1E-6) << share;
    EXPECT_NEAR(TcTemperature(D, fromBelow - 1E-6), 783.0 - 1E-6 / 0.0205, 1E-6);
}

TEST(StdReference, PublishedCoefficientsDifferFromWorkingSetInLastDigitsOnly)
{
    // S c3 and B c0 differ between the sets: the results must differ, but by far less than 1 nV.
    for (Type type : {S, B}) {
        EXPECT_NE(StdRefEmf(type, 1000), TcEmf(type, 1000) / 1000);
        EXPECT_NEAR(StdRefEmf(type, 1000), TcEmf(type, 1000) / 1000, type == S ? 1E-8 : 1E-9);
    }
    // Within the published inverse errors (-0.02..0.03 and -0.01..0.02 °C) of the reference function.
    for (double t : {300.0, 500.0, 700.0, 1000.0, 1500.0, 1800.0})
        EXPECT_NEAR(StdRefBTemperature(StdRefEmf(B, t)), t, 0.03) << t;
}

struct TableRow {
    Type type;
    double t, emfMv;  // °C; printed to 1 µV
};
struct ErrorBand {
    Type type;
    double emfLowMv, emfHighMv, low, high;  // °C, the wider of the published and the recomputed extremes
};
struct Tables {
    std::vector<TableRow> rows;
    std::vector<ErrorBand> bands;
};

// Rows "type,t_C,step_C,emf_mV..." and "band,type,..." as the file's header describes them.
Tables ReadTables()
{
    Tables out;
    std::ifstream file(TMCALC_NIST_TABLES);
    for (std::string line; std::getline(file, line);) {
        if (line.empty() || line[0] == '#') continue;
        std::stringstream stream(line);
        std::string letter;
        std::getline(stream, letter, ',');
        const bool band = letter == "band";
        if (band) std::getline(stream, letter, ',');
        const std::size_t index = std::string_view("SRBKNJETDC").find(letter);
        EXPECT_LT(index, 8U) << line;
        const auto type = static_cast<Type>(index);
        std::vector<double> v;
        for (std::string cell; std::getline(stream, cell, ',');) v.push_back(std::stod(cell));
        // Recomputed extremes are printed to 1E-4 °C; half of that is added.
        if (band) {
            out.bands.push_back({type, v.at(2), v.at(3), std::min(v.at(4), v.at(6)) - 5E-5,
                                 std::max(v.at(5), v.at(7)) + 5E-5});
        }
        for (std::size_t i = 2; !band && i < v.size(); ++i)
            out.rows.push_back({type, v[0] + v[1] * static_cast<double>(i - 2), v[i]});
    }
    return out;
}

// The fit used for an emf starts at the highest lower limit at or below it (S and R fits overlap).
const ErrorBand* BandFor(const Tables& tables, Type type, double emfMv)
{
    const ErrorBand* chosen = nullptr;
    for (const ErrorBand& band : tables.bands) {
        if (band.type == type && band.emfLowMv <= emfMv && (!chosen || band.emfLowMv > chosen->emfLowMv))
            chosen = &band;
    }
    return chosen != nullptr && emfMv <= chosen->emfHighMv ? chosen : nullptr;
}

TEST(NistTables, EmfAndInverseAgreeWithPrintedTables)
{
    const Tables tables = ReadTables();
    ASSERT_EQ(tables.rows.size(), 1517U) << TMCALC_NIST_TABLES;  // each type's points and inverse fits
    ASSERT_EQ(tables.bands.size(), 23U);
    // The printed emf is rounded to 1 µV; a few true values lie within 1E-8 mV of a rounding tie.
    constexpr double kEmfTolerance = 0.0005 + 1E-8;
    int inside = 0, beyond = 0;
    for (const TableRow& row : tables.rows) {
        SCOPED_TRACE(testing::Message() << "SRBKNJETDC"[static_cast<int>(row.type)] << " at " << row.t);
        ASSERT_NEAR(TcEmf(row.type, row.t) / 1000, row.emfMv, kEmfTolerance);
        if (row.type == S || row.type == B) {
            ASSERT_NEAR(StdRefEmf(row.type, row.t), row.emfMv, kEmfTolerance);
        }
        if (row.type == B && row.t < 60) continue;  // two temperatures share one emf there
        const double t = TcTemperature(row.type, row.emfMv * 1000);
        // Rounding of the printed emf, 1.25 x 0.0005 mV, seen as temperature.
        const double widening = 0.625 / TcSlope(row.type, row.t);
        if (const ErrorBand* band = BandFor(tables, row.type, row.emfMv)) {
            ++inside;
            ASSERT_GE(t - row.t, band->low - widening);
            ASSERT_LE(t - row.t, band->high + widening);
        } else {
            ++beyond;  // refined on the reference function itself
            ASSERT_NEAR(t, row.t, widening + 0.001);
        }
    }
    EXPECT_GT(inside, 1000) << inside << " " << beyond;
    EXPECT_GT(beyond, 40);
}

}  // namespace
}  // namespace tmcalc
