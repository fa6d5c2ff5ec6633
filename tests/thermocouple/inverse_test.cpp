#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <ostream>
#include <string>
#include <string_view>
#include <vector>

#include "framework/diagnostics.h"
#include "thermocouple/reference_functions.h"

namespace tmcalc {
namespace {

using Type = ThermocoupleType;
constexpr double kInf = std::numeric_limits<double>::infinity();

// B falls to its minimum (-2.585 µV) here and rises after it.
constexpr double kBMinimumAt = 21.0203;

double Below(double x) { return std::nextafter(x, -kInf); }
double Above(double x) { return std::nextafter(x, kInf); }

// How far an inverted temperature misses: emf residual over slope, in °C.
double MissInDegrees(Type type, double t, double emf)
{
    const double scale = EmfInMillivolts(type) ? 1000 : 1;
    return std::fabs(TcEmf(type, t) - emf) / std::fabs(TcSlope(type, t)) * scale;
}

struct InverseLimits {
    Type type;
    double lowest;        // accepted emf range, µV
    double highest;
    double fittedLowest;  // published span of the inverse polynomials, µV
    double fittedHighest;
    double worstFitError;  // °C, the largest published inverse error of the type
    double lowestT;        // accepted temperature range, °C
    double highestT;
};

constexpr InverseLimits kInverseLimits[] = {
    {Type::S, -335, 18794, -235, 18693, 0.02, -51, 1769.1},
    {Type::R, -326, 21203, -226, 21103, 0.02, -51, 1769.1},
    {Type::B, -1, 13920, 291, 13820, 0.03, -1, 1821},
    {Type::K, -6557, 54986, -5891, 54886, 0.06, -271, 1373},
    {Type::N, -4445, 47613, -3990, 47513, 0.04, -271, 1301},
    {Type::J, -8195, 69653, -8095, 69553, 0.05, -211, 1201},
    {Type::E, -9935, 76473, -8825, 76373, 0.03, -271, 1001},
    {Type::T, -6357, 20972, -5603, 20872, 0.04, -271, 401},
};

TEST(Inverse, RefusesEmfJustOutsideAcceptedRange)
{
    for (const InverseLimits& row : kInverseLimits) {
        SCOPED_TRACE(static_cast<int>(row.type));
        EXPECT_TRUE(std::isnan(TcTemperature(row.type, Below(row.lowest))));
        EXPECT_TRUE(std::isnan(TcTemperature(row.type, Above(row.highest))));
        // On the limits themselves an answer exists only if TcEmf reaches that far; then it inverts.
        const double risingFrom = row.type == Type::B ? kBMinimumAt : row.lowestT;
        for (double emf : {row.lowest, row.highest}) {
            const double t = TcTemperature(row.type, emf);
            if (TcEmf(row.type, risingFrom) <= emf && emf <= TcEmf(row.type, row.highestT)) {
                EXPECT_LT(MissInDegrees(row.type, t, emf), 1E-5) << emf;
            } else {
                EXPECT_TRUE(std::isnan(t)) << emf;
            }
        }
    }
}

TEST(Inverse, RoundTripOverWholeRange)
{
    // Inside the fitted spans the polynomial stands as published (its error band); beyond them the
    // refined result must invert TcEmf to far better than the required 0.001 °C.
    for (const InverseLimits& row : kInverseLimits) {
        SCOPED_TRACE(static_cast<int>(row.type));
        for (double t = row.lowestT; t <= row.highestT; t += 0.25) {
            const double emf = TcEmf(row.type, t);
            const double back = TcTemperature(row.type, emf);
            if (emf < row.lowest) {
                ASSERT_TRUE(std::isnan(back)) << t;  // B below about 35 °C
            } else if (row.type == Type::B && t < kBMinimumAt) {
                // Below its minimum B is two-valued; the inverse answers on the rising branch.
                ASSERT_GT(back, kBMinimumAt) << t;
                ASSERT_LT(MissInDegrees(row.type, back, emf), 1E-5) << t;
            } else if (emf >= row.fittedLowest && emf <= row.fittedHighest) {
                ASSERT_NEAR(back, t, row.worstFitError) << t;
            } else {
                ASSERT_NEAR(back, t, 1E-5) << t;
            }
        }
    }
}

TEST(Inverse, TungstenRheniumRoundTrip)
{
    // Residual 1E-8 mV over a slope of at least 0.0095 mV/°C; 1E-5 °C also covers the C pieces, which
    // overlap by 1.4E-7 mV at 630.615 °C so that an emf there has a twin a few µ°C away.
    for (Type type : {Type::D, Type::C}) {
        SCOPED_TRACE(static_cast<int>(type));
        for (double t = -1; t <= 2321; t += 0.25) {
            ASSERT_NEAR(TcTemperature(type, TcEmf(type, t)), t, 1E-5) << t;
        }
        EXPECT_NEAR(TcTemperature(type, TcEmf(type, 2321)), 2321, 1E-5);
    }
}

// Beyond the fitted spans the polynomial only starts the search.
struct Extended {
    const char* name;
    Type type;
    double emf;  // µV
};

constexpr Extended kExtended[] = {
    {"KFarBelow", Type::K, -6000},  // the polynomial alone gave -207.243 °C instead of about -211
    {"KNearBottom", Type::K, -6450},
    {"NBelow", Type::N, -4300},
    {"EBelow", Type::E, -9800},
    {"TBelow", Type::T, -6200},
    {"JBelow", Type::J, -8100},
    {"SBelow", Type::S, -239},
    {"RBelow", Type::R, -230},
    {"BAtZero", Type::B, 0},  // the polynomial alone gave 98.423 °C; 0 µV is near 41.5 °C
    {"BLowestAccepted", Type::B, -1},
    {"BBelowFit", Type::B, 200},
    {"SAbove", Type::S, 18700},
    {"RAbove", Type::R, 21110},
    {"BAbove", Type::B, 13830},
    {"KAbove", Type::K, 54900},
    {"NAbove", Type::N, 47540},
    {"JAbove", Type::J, 69600},
    {"EAbove", Type::E, 76440},
    {"TAbove", Type::T, 20930},
};

// Names rather than bytes in test listings.
void PrintTo(const Extended& row, std::ostream* out) { *out << row.name; }

class ExtendedInverseTest : public testing::TestWithParam<Extended> {};

TEST_P(ExtendedInverseTest, InvertsEmfFunction)
{
    const Extended& row = GetParam();
    const double t = TcTemperature(row.type, row.emf);
    ASSERT_TRUE(std::isfinite(t));
    EXPECT_LT(MissInDegrees(row.type, t, row.emf), 1E-5);
    EXPECT_GT(TcSlope(row.type, t), 0);
}

INSTANTIATE_TEST_SUITE_P(Inverse, ExtendedInverseTest, testing::ValuesIn(kExtended),
                         [](const auto& row) { return std::string(row.param.name); });

TEST(Inverse, NaNWhenNoTemperatureInRangeGivesTheEmf)
{
    EXPECT_TRUE(std::isnan(TcTemperature(Type::K, -6500)));  // TcEmf(K, -271) is -6458.4 µV
    EXPECT_TRUE(std::isnan(TcTemperature(Type::S, 18794)));  // TcEmf(S, 1769.1) is 18703.8 µV
    EXPECT_TRUE(std::isnan(TcTemperature(Type::B, 13900)));
    EXPECT_TRUE(std::isnan(TcTemperature(Type::R, -326)));
}

TEST(Inverse, InnerBreakpointsJoinWithinFitErrors)
{
    struct Row {
        Type type;
        double emf;
    };
    const Row rows[] = {{Type::S, 1874},  {Type::S, 10332}, {Type::S, 17536}, {Type::R, 1923},
                        {Type::R, 11361}, {Type::R, 19739}, {Type::B, 2431},  {Type::K, 0},
                        {Type::K, 20644}, {Type::N, 0},     {Type::N, 20613}, {Type::J, 0},
                        {Type::J, 42919}, {Type::E, 0},     {Type::T, 0}};
    for (const Row& row : rows) {
        // Two fits meet here; their published errors add up to at most 0.1 °C (J at 42919 µV: 0.07).
        EXPECT_NEAR(TcTemperature(row.type, row.emf), TcTemperature(row.type, Below(row.emf)), 0.1)
            << static_cast<int>(row.type) << " at " << row.emf;
    }
}

TEST(Inverse, DAndCWithinDirectRangeOnly)
{
    // Once -170.29 °C: the D polynomial extrapolated far below the -1 °C TcEmf accepts.
    EXPECT_TRUE(std::isnan(TcTemperature(Type::D, -1)));
    EXPECT_TRUE(std::isnan(TcTemperature(Type::C, -1)));
    EXPECT_TRUE(std::isnan(TcTemperature(Type::D, Below(TcEmf(Type::D, -1)) - 1E-6)));
    EXPECT_NEAR(TcTemperature(Type::D, TcEmf(Type::D, -0.99)), -0.99, 1E-6);
    // Beyond the top: C cannot reach 40 mV, D not 45 mV; both give up after 101 steps.
    EXPECT_TRUE(std::isnan(TcTemperature(Type::C, 40)));
    EXPECT_TRUE(std::isnan(TcTemperature(Type::D, 45)));
    EXPECT_TRUE(std::isnan(TcTemperature(Type::D, TcEmf(Type::D, 2321) + 1E-4)));
}

TEST(Inverse, CTopDegreeInverts)
{
    // Once NaN: the residual was cut off above 2320 °C although TcEmf goes on to 2321 °C.
    EXPECT_NEAR(TcTemperature(Type::C, TcEmf(Type::C, 2320.5)), 2320.5, 1E-6);
}

TEST(Inverse, DGapAt783GivesBreakpoint)
{
    // The D pieces miss each other by 5E-7 mV at 783 °C (13.8216890 to 13.8216895 mV); an emf in between
    // once came back NaN after 101 steps bouncing across the gap.
    const double fromBelow = TcEmf(Type::D, Below(783));
    const double fromAbove = TcEmf(Type::D, 783);
    ASSERT_LT(fromBelow, fromAbove);
    for (double share : {0.0, 0.1, 0.5, 0.9, 1.0}) {
        // At the very ends the iteration may converge a few µ°C off within its residual tolerance.
        const double emf = fromBelow + share * (fromAbove - fromBelow);
        EXPECT_NEAR(TcTemperature(Type::D, emf), 783.0, 1E-6) << share;
    }
    EXPECT_NEAR(TcTemperature(Type::D, fromBelow - 1E-6), 783.0 - 1E-6 / 0.0205, 1E-6);
}

std::vector<std::string>& CapturedLines()
{
    static std::vector<std::string> lines;
    return lines;
}

class DiagnosticCapture : public testing::Test {
protected:
    void SetUp() override
    {
        CapturedLines().clear();
        SetDiagnosticSink([](std::string_view line) { CapturedLines().emplace_back(line); });
    }
    void TearDown() override { SetDiagnosticSink(nullptr); }
};

TEST_F(DiagnosticCapture, DTraceCountsNewtonSteps)
{
    EXPECT_NEAR(TcTemperature(Type::D, 15), 840.5396, 5E-5);
    ASSERT_EQ(CapturedLines().size(), 1U);
    const std::string& line = CapturedLines()[0];
    // The tick is elapsed milliseconds and may be anything on a loaded machine.
    EXPECT_EQ(line.rfind("\n newton iteretor count: 2 , tick : ", 0), 0U) << line;
    EXPECT_EQ(line.back(), '\n');

    CapturedLines().clear();
    EXPECT_TRUE(std::isnan(TcTemperature(Type::D, 45)));
    ASSERT_EQ(CapturedLines().size(), 1U);
    EXPECT_EQ(CapturedLines()[0].rfind("\n newton iteretor count: 101 , tick : ", 0), 0U);
}

TEST_F(DiagnosticCapture, NoTraceForTypeCOrAStartOnTheTable)
{
    EXPECT_NEAR(TcTemperature(Type::C, 18.260189062), 1000, 1E-6);
    EXPECT_EQ(TcTemperature(Type::D, 0), 0);
    EXPECT_TRUE(CapturedLines().empty());
}

}  // namespace
}  // namespace tmcalc
