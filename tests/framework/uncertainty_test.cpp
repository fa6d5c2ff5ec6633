#include "framework/uncertainty.h"
#include "humidity/humidity.h"
#include "humidity/humidity_pages.h"
#include "humidity/humidity_uncertainty.h"
#include "rtd/copper.h"
#include "rtd/platinum.h"
#include "rtd/rtd_uncertainty.h"
#include "rtd/sprt.h"
#include "thermistor/ntc_uncertainty.h"
#include "thermocouple/reference_functions.h"
#include "thermocouple/tc_uncertainty.h"
#include "thermocouple/work_page_math.h"

#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <string>
#include <vector>

namespace tmcalc {
namespace {

// An independent evaluation: u_c from central differences of the conversion itself (not the model), with
// a step of 3e-3 of the input's scale, three times the program's, so that the two agree only when both
// are right.
struct IndependentCase {
    const char* name;
    UncertaintyModel model;
    std::vector<double> x;
    std::vector<double> u;
    std::function<double(const std::vector<double>&)> conversion;  // the first output, straight from the core
};

double IndependentUc(const IndependentCase& c)
{
    double sum = 0.0;
    for (std::size_t i = 0; i < c.x.size(); ++i) {
        const double h = 3e-3 * std::max(std::abs(c.x[i]), 1.0);
        std::vector<double> up = c.x, down = c.x;
        up[i] += h;
        down[i] -= h;
        const double slope = (c.conversion(up) - c.conversion(down)) / (2 * h);
        sum += slope * c.u[i] * slope * c.u[i];
    }
    return std::sqrt(sum);
}

std::vector<IndependentCase> Cases()
{
    const auto sprtSet = SprtSetFromGroups(SprtRangeClasses(u"-189.344~660.23"), {-1.2e-4, 1.5e-5, 0.0},
                                           {-1.1e-4, 2.0e-5});
    NtcPanelValues beta;
    beta.r25 = 10000.0;
    beta.beta = 3950.0;
    return {
        {"pt100_from_r", RtdFromResistanceModel(kRtdSensorPages[0]), {138.5055, 100.0}, {0.001, 0.002},
         [](const auto& x) { return PtTemperature(x[0], x[1]); }},
        {"pt100_below_zero", RtdFromResistanceModel(kRtdSensorPages[0]), {60.2558, 100.0}, {0.001, 0.0},
         [](const auto& x) { return PtTemperature(x[0], x[1]); }},
        {"pt100_to_r", RtdFromTemperatureModel(RtdMetal::Platinum), {-50.0, 100.0}, {0.01, 0.003},
         [](const auto& x) { return PtResistance(x[0], x[1]); }},
        {"cu50_from_r", RtdFromResistanceModel(kRtdSensorPages[4]), {60.0, 50.0}, {0.002, 0.001},
         [](const auto& x) { return CuTemperature(x[0], x[1]); }},
        {"k_from_emf", WorkTcFromEmfModel(ThermocoupleType::K), {41.276, 20.0}, {0.002, 0.1},
         [](const auto& x) { return WorkTemperature(ThermocoupleType::K, x[0], x[1]); }},
        {"s_to_emf", WorkTcFromTemperatureModel(ThermocoupleType::S), {1000.0, 23.0}, {0.05, 0.2},
         [](const auto& x) { return WorkEmfMillivolts(ThermocoupleType::S, x[0], x[1]); }},
        {"sprt_from_r", SprtModel(sprtSet, true), {35.0, 25.5}, {1e-5, 2e-5},
         [sprtSet](const auto& x) { return SprtFromResistance(sprtSet, x[1], x[0])->t; }},
        {"sprt_to_r", SprtModel(sprtSet, false), {-100.0, 25.5}, {0.001, 2e-5},
         [sprtSet](const auto& x) { return SprtFromTemperature(sprtSet, x[1], x[0])->r; }},
        {"ntc_beta", NtcModel(NtcMode::Beta, beta, false), {8000.0, 10000.0, 3950.0}, {1.0, 5.0, 20.0},
         [](const auto& x) {
             NtcPanelValues v;
             v.r25 = x[1];
             v.beta = x[2];
             return *NtcPanelTemperature(NtcMode::Beta, v, x[0]);
         }},
        {"humidity_rh_to_dewpoint", HumidityModel(kHumidityRelative), {50.0, 20.0, 1013.25}, {0.5, 0.05, 0.3},
         [](const auto& x) { return HumidityQuantities(kHumidityRelative, x[0], x[1], x[2])[kHumidityDewPoint]; }},
    };
}

class IndependentEvaluation : public ::testing::TestWithParam<IndependentCase> {};

TEST_P(IndependentEvaluation, CombinedUncertaintyAgrees)
{
    const IndependentCase& c = GetParam();
    // The humidity model's first output is rh; its dew point is the second.
    const std::size_t out = c.model.outputs.front() == "rh" ? 1 : 0;
    const std::vector<Budget> b = Propagate(c.model, c.x, c.u, 2.0);
    const double expected = IndependentUc(c);
    // Within 1e-4: the analytic slopes are those of the forward functions, while a thermocouple's
    // temperature comes from an inverse polynomial whose own slope differs by up to about 1e-5; and the
    // solvers' noise over the steps taken is of that order too.
    EXPECT_NEAR(b[out].uc, expected, 1e-4 * expected) << c.name;
    EXPECT_DOUBLE_EQ(b[out].U, 2.0 * b[out].uc);
}

INSTANTIATE_TEST_SUITE_P(Models, IndependentEvaluation, ::testing::ValuesIn(Cases()),
                         [](const auto& row) { return std::string(row.param.name); });

TEST(UncertaintyExamples, Pt100At138_5055OhmWithOneMilliohm)
{
    const double x[] = {138.5055, 100.0};
    const double u[] = {0.001, 0.0};
    const Budget b = Propagate(RtdFromResistanceModel(kRtdSensorPages[0]), x, u)[0];
    // dR/dt at 100 °C is R0 (A + 2 B 100) = 0.379280 Ω/°C, so u(t) = 1 mΩ / 0.379280 = 2.6366 mK.
    EXPECT_NEAR(b.uc, 0.001 / 0.379280, 1e-8);
    EXPECT_EQ(FormatSignificant(b.uc * 1000.0, 3), "2.64");
    EXPECT_EQ(FormatSignificant(b.U), "0.0053");
    EXPECT_DOUBLE_EQ(b.lines[0].share, 1.0);
    EXPECT_EQ(b.lines[1].contribution, 0.0);
}

TEST(UncertaintyExamples, TypeKAt41_276MillivoltsWithColdJunction)
{
    const double x[] = {41.276, 20.0};
    const double u[] = {0.002, 0.1};
    const Budget b = Propagate(WorkTcFromEmfModel(ThermocoupleType::K), x, u)[0];
    const double t = WorkTemperature(ThermocoupleType::K, 41.276, 20.0);
    // Each contribution by the reference function's own slope: 2 µV over S(t), 0.1 °C times S(20)/S(t).
    const double emfPart = 2.0 / TcSlope(ThermocoupleType::K, t);
    const double coldPart = 0.1 * TcSlope(ThermocoupleType::K, 20.0) / TcSlope(ThermocoupleType::K, t);
    EXPECT_NEAR(b.lines[0].contribution, emfPart, 1e-12);
    EXPECT_NEAR(b.lines[1].contribution, coldPart, 1e-12);
    EXPECT_NEAR(b.uc, std::hypot(emfPart, coldPart), 1e-12);
    EXPECT_NEAR(b.lines[0].share + b.lines[1].share, 1.0, 1e-12);
    // About 0.05 °C from the emf and 0.10 °C from the cold junction at 1019 °C.
    EXPECT_NEAR(b.lines[0].contribution, 0.0514, 0.0005);
    EXPECT_NEAR(b.lines[1].contribution, 0.1040, 0.0005);
}

TEST(UncertaintyCore, ZeroUncertaintiesGiveZeroWhateverTheSlope)
{
    UncertaintyModel m;
    m.inputs = {"a"};
    m.outputs = {"y"};
    m.evaluate = [](std::span<const double>) { return std::vector<double>{std::nan("")}; };
    const double x[] = {1.0};
    const double u[] = {0.0};
    const Budget b = Propagate(m, x, u, 3.0)[0];
    EXPECT_EQ(b.uc, 0.0);
    EXPECT_EQ(b.U, 0.0);
}

TEST(UncertaintyCore, OneSidedAtTheRangeEdge)
{
    // Pt100 at exactly 850 °C: the step above is out of range, the slope comes from below.
    const double x[] = {850.0, 100.0};
    const double u[] = {0.01, 0.0};
    UncertaintyModel m = RtdFromTemperatureModel(RtdMetal::Platinum);
    m.slopes = nullptr;
    const Budget b = Propagate(m, x, u)[0];
    // Second order: off by h^2 f'''/3, nothing for a quadratic.
    EXPECT_NEAR(b.lines[0].c, PtSlope(850.0, 100.0), 1e-9);
}

TEST(UncertaintyCore, ScaledBudgetForFahrenheit)
{
    const double x[] = {138.5055, 100.0};
    const double u[] = {0.001, 0.0};
    const Budget c = Propagate(RtdFromResistanceModel(kRtdSensorPages[0]), x, u)[0];
    const Budget f = ScaledBudget(c, 1.8);
    EXPECT_DOUBLE_EQ(f.uc, 1.8 * c.uc);
    EXPECT_DOUBLE_EQ(f.lines[0].c, 1.8 * c.lines[0].c);
    EXPECT_DOUBLE_EQ(f.lines[0].share, c.lines[0].share);
}

struct SignificantRow {
    const char* name;
    double value;
    const char* text;
};

class Significant : public ::testing::TestWithParam<SignificantRow> {};

TEST_P(Significant, TwoDigits)
{
    EXPECT_EQ(FormatSignificant(GetParam().value), GetParam().text);
}

INSTANTIATE_TEST_SUITE_P(
    Rows, Significant,
    ::testing::Values(SignificantRow{"pt100", 0.0052731, "0.0053"}, SignificantRow{"decade_up", 0.0996, "0.10"},
                      SignificantRow{"integer", 12.4, "12"}, SignificantRow{"hundreds", 1349.0, "1300"}, SignificantRow{"negative", -0.0123, "-0.012"},
                      SignificantRow{"zero", 0.0, "0"}, SignificantRow{"tiny", 1.234e-9, "1.2e-09"},
                      SignificantRow{"one", 1.0, "1.0"}),
    [](const auto& row) { return std::string(row.param.name); });

}  // namespace
}  // namespace tmcalc
