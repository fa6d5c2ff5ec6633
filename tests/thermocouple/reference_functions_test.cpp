#include "thermocouple/reference_functions.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <ostream>
#include <string>

#include "thermocouple/coefficients.h"
#include "thermocouple/power_series.h"

namespace tmcalc {
namespace {

using Type = ThermocoupleType;
constexpr double kInf = std::numeric_limits<double>::infinity();
constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();
constexpr Type kAllTypes[] = {Type::S, Type::R, Type::B, Type::K, Type::N,
                              Type::J, Type::E, Type::T, Type::D, Type::C};

double Below(double x) { return std::nextafter(x, -kInf); }
double Above(double x) { return std::nextafter(x, kInf); }

enum class Fn { Emf, Slope, Temperature };

double Call(Fn fn, Type type, double x)
{
    switch (fn) {
    case Fn::Emf: return TcEmf(type, x);
    case Fn::Slope: return TcSlope(type, x);
    case Fn::Temperature: return TcTemperature(type, x);
    }
    return kNaN;
}

// Values as the work pages show them; the tolerance is half a unit of the last digit given.
struct KnownValue {
    const char* name;
    Fn fn;
    Type type;
    double input;
    double expected;
    double tolerance;
};

constexpr KnownValue kKnownValues[] = {
    {"EmfS1000", Fn::Emf, Type::S, 1000, 9587.0977, 5E-5},
    {"EmfK1000", Fn::Emf, Type::K, 1000, 41275.606, 5E-4},
    {"EmfT100", Fn::Emf, Type::T, 100, 4278.5186, 5E-5},
    {"EmfDInMillivolts", Fn::Emf, Type::D, 1000, 18.229665, 5E-7},
    {"EmfCInMillivolts", Fn::Emf, Type::C, 1000, 18.260189, 5E-7},
    // Once -242844 µV: the two corrected E entries had been put into c4 and c5 instead of c5 and c6.
    {"EmfE1000", Fn::Emf, Type::E, 1000, 76372.826, 5E-4},
    {"EmfSTopOfRange", Fn::Emf, Type::S, 1769.1, 18703.84, 5E-3},
    {"EmfTBelowPublished", Fn::Emf, Type::T, -270.5, -6257.96, 5E-3},
    {"SlopeKAtZeroHasExponential", Fn::Slope, Type::K, 0, 39.450128, 5E-7},
    {"SlopeK1000", Fn::Slope, Type::K, 1000, 38.98138, 5E-6},
    {"SlopeBNegativeNearZero", Fn::Slope, Type::B, 2, -0.22290787, 5E-9},
    {"SlopeD2400BeyondEmfRange", Fn::Slope, Type::D, 2400, 7.4275029, 5E-8},
    {"TemperatureS", Fn::Temperature, Type::S, 9587, 999.9886, 5E-5},
    {"TemperatureK", Fn::Temperature, Type::K, 41276, 999.9872, 5E-5},
    {"TemperatureDStartsAt841", Fn::Temperature, Type::D, 15, 840.5396, 5E-5},
    {"TemperatureDZeroOnTable", Fn::Temperature, Type::D, 0, 0, 0},
};

// Names rather than bytes in test listings.
void PrintTo(const KnownValue& row, std::ostream* out) { *out << row.name; }

class KnownValueTest : public testing::TestWithParam<KnownValue> {};

TEST_P(KnownValueTest, MatchesShownValue)
{
    const KnownValue& row = GetParam();
    EXPECT_NEAR(Call(row.fn, row.type, row.input), row.expected, row.tolerance);
}

INSTANTIATE_TEST_SUITE_P(ReferenceFunctions, KnownValueTest, testing::ValuesIn(kKnownValues),
                         [](const auto& row) { return std::string(row.param.name); });

TEST(ReferenceFunctions, KAtZeroTakesUpperPieceWithExponential)
{
    // The lower piece gives exactly 0; c0 plus the exponential term leave about 2E-6 µV.
    EXPECT_NEAR(TcEmf(Type::K, 0.0), 1.9740838E-6, 1E-12);
    EXPECT_GT(TcEmf(Type::K, 0.0), TcEmf(Type::K, Below(0.0)));
}

// Outer limits as accepted (one degree beyond the published tables), [lower, upper] both included.
struct Limits {
    Type type;
    double lower;
    double upper;
};

constexpr Limits kEmfLimits[] = {
    {Type::S, -51, 1769.1}, {Type::R, -51, 1769.1}, {Type::B, -1, 1821},   {Type::K, -271, 1373},
    {Type::N, -271, 1301},  {Type::J, -211, 1201},  {Type::E, -271, 1001}, {Type::T, -271, 401},
    {Type::D, -1, 2321},    {Type::C, -1, 2321},
};

TEST(ReferenceFunctions, EmfAndSlopeHoldExactlyInsideLimits)
{
    for (const Limits& row : kEmfLimits) {
        SCOPED_TRACE(static_cast<int>(row.type));
        EXPECT_TRUE(std::isfinite(TcEmf(row.type, row.lower)));
        EXPECT_TRUE(std::isfinite(TcEmf(row.type, row.upper)));
        EXPECT_TRUE(std::isnan(TcEmf(row.type, Below(row.lower))));
        EXPECT_TRUE(std::isnan(TcEmf(row.type, Above(row.upper))));
        EXPECT_TRUE(std::isfinite(TcSlope(row.type, row.lower)));
        EXPECT_TRUE(std::isfinite(TcSlope(row.type, row.upper)));
        if (EmfInMillivolts(row.type)) {
            // No outer limit on the D and C slopes: the page still shows one at 2400 °C.
            EXPECT_TRUE(std::isfinite(TcSlope(row.type, Below(row.lower) - 10)));
            EXPECT_TRUE(std::isfinite(TcSlope(row.type, Above(row.upper) + 10)));
        } else {
            EXPECT_TRUE(std::isnan(TcSlope(row.type, Below(row.lower))));
            EXPECT_TRUE(std::isnan(TcSlope(row.type, Above(row.upper))));
        }
    }
    EXPECT_TRUE(std::isnan(TcEmf(Type::S, 1769.2)));
}

// Breakpoints between pieces: both sides defined, the jump no larger than the pieces' own mismatch
// (R at 1664.5 °C jumps 0.005 µV because of the working set's c1 there; the published N pieces meet at
// 0 °C with slopes 26.159 and 25.929 µV/°C).
struct Breakpoint {
    Type type;
    double t;
    std::size_t upperPiece;
    double maxJump;       // µV, mV for D and C
    double maxSlopeJump;  // µV/°C
};

constexpr Breakpoint kBreakpoints[] = {
    {Type::S, 1064.18, 1, 1E-5, 1E-4},   {Type::S, 1664.5, 2, 1E-5, 1E-4}, {Type::R, 1064.18, 1, 1E-5, 1E-4},
    {Type::R, 1664.5, 2, 0.01, 1E-4},    {Type::B, 630.615, 1, 1E-5, 1E-4}, {Type::K, 0, 1, 1E-5, 1E-4},
    {Type::N, 0, 1, 1E-5, 0.25},         {Type::J, 760, 1, 1E-4, 1E-4},     {Type::E, 0, 1, 1E-5, 1E-4},
    {Type::T, 0, 1, 1E-5, 1E-4},         {Type::D, 783, 1, 1E-6, 1E-4},     {Type::C, 630.615, 1, 1E-6, 1E-4},
};

TEST(ReferenceFunctions, BreakpointsBelongToUpperPieceAndJoin)
{
    const TcCoefficientSet& set = WorkingCoefficientSet();
    for (const Breakpoint& row : kBreakpoints) {
        SCOPED_TRACE(testing::Message() << static_cast<int>(row.type) << " at " << row.t);
        const double below = TcEmf(row.type, Below(row.t));
        const double at = TcEmf(row.type, row.t);
        ASSERT_TRUE(std::isfinite(below));
        EXPECT_NEAR(at, below, row.maxJump);
        EXPECT_NEAR(TcSlope(row.type, row.t), TcSlope(row.type, Below(row.t)), row.maxSlopeJump);
        if (row.type != Type::K) {  // K's upper piece adds the exponential term
            EXPECT_EQ(at, PowerSum(set[row.type].direct[row.upperPiece].c, row.t));
        }
    }
}

TEST(ReferenceFunctions, SlopeIsTheDerivativeOfEmf)
{
    // Central differences over 2E-3 °C; rounding of the emf (1E-11 relative at most 76 mV) and the cubic
    // term together stay below 1E-3 µV/°C.
    constexpr double h = 1E-3;
    for (const Limits& row : kEmfLimits) {
        SCOPED_TRACE(static_cast<int>(row.type));
        const double scale = EmfInMillivolts(row.type) ? 1000.0 : 1.0;
        for (double t = row.lower + 0.37; t < row.upper - 0.01; t += 7.3) {
            const double difference = (TcEmf(row.type, t + h) - TcEmf(row.type, t - h)) / (2 * h) * scale;
            ASSERT_NEAR(TcSlope(row.type, t), difference, 1E-3) << "t = " << t;
        }
    }
}

TEST(ReferenceFunctions, NonFiniteInputs)
{
    for (Type type : kAllTypes) {
        SCOPED_TRACE(static_cast<int>(type));
        for (double x : {kNaN, kInf, -kInf}) {
            EXPECT_TRUE(std::isnan(TcEmf(type, x)));
            EXPECT_TRUE(std::isnan(TcTemperature(type, x)));
        }
        if (EmfInMillivolts(type)) {
            EXPECT_EQ(TcSlope(type, kNaN), 0.0);  // a failed inversion shows slope 0 on the page
        } else {
            EXPECT_TRUE(std::isnan(TcSlope(type, kNaN)));
            EXPECT_TRUE(std::isnan(TcSlope(type, kInf)));
            EXPECT_TRUE(std::isnan(TcSlope(type, -kInf)));
        }
    }
}

TEST(ReferenceFunctions, UnknownTypeIndex)
{
    for (int index : {10, 11, -1, 255}) {
        const auto type = static_cast<Type>(index);
        EXPECT_TRUE(std::isnan(TcEmf(type, 100)));
        EXPECT_EQ(TcSlope(type, 100), 0.0);
        EXPECT_TRUE(std::isnan(TcTemperature(type, 1000)));
    }
}

TEST(ReferenceFunctions, DegreeTablesFollowThePolynomials)
{
    const TcCoefficientSet& set = WorkingCoefficientSet();
    for (Type type : {Type::D, Type::C}) {
        const TcDegreeTable table = type == Type::D ? set.dDegreeTable : set.cDegreeTable;
        for (std::size_t degree = 0; degree < kTcDegreeTableSize; ++degree) {
            const double expected = std::round(TcEmf(type, static_cast<double>(degree)) * 1000) / 1000;
            ASSERT_EQ(table[degree], expected) << static_cast<int>(type) << " at " << degree;
        }
    }
    EXPECT_EQ(set.dDegreeTable[1], 0.010);
    EXPECT_EQ(set.dDegreeTable[3], 0.029);
    EXPECT_EQ(set.cDegreeTable[3], 0.040);
    EXPECT_EQ(set.cDegreeTable[2315], 37.070);
}

}  // namespace
}  // namespace tmcalc
