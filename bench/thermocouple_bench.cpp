#include <benchmark/benchmark.h>

#include <cstddef>
#include <vector>

#include "thermocouple/reference_functions.h"

namespace {

using tmcalc::ThermocoupleType;

constexpr const char* kLetters[] = {"S", "R", "B", "K", "N", "J", "E", "T", "D", "C"};
constexpr double kLowest[] = {-50, -50, 250, -200, -200, -210, -200, -200, 0, 0};
constexpr double kHighest[] = {1768, 1768, 1820, 1372, 1300, 1200, 1000, 400, 2315, 2315};

ThermocoupleType TypeOf(const benchmark::State& state)
{
    return static_cast<ThermocoupleType>(state.range(0));
}

// 64 temperatures spread over the type's published range, so every piece is visited.
std::vector<double> Temperatures(const benchmark::State& state)
{
    const auto index = static_cast<std::size_t>(state.range(0));
    std::vector<double> values;
    const double span = kHighest[index] - kLowest[index];
    for (int i = 0; i < 64; ++i) values.push_back(kLowest[index] + span * i / 63.0);
    return values;
}

template <typename Function>
void Run(benchmark::State& state, const std::vector<double>& inputs, Function function)
{
    const ThermocoupleType type = TypeOf(state);
    std::size_t next = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(function(type, inputs[next]));
        next = (next + 1) % inputs.size();
    }
    state.SetLabel(kLetters[state.range(0)]);
}

std::vector<double> Emfs(const benchmark::State& state)
{
    std::vector<double> emfs;
    for (double t : Temperatures(state)) emfs.push_back(tmcalc::TcEmf(TypeOf(state), t));
    return emfs;
}

void BM_TcEmf(benchmark::State& state) { Run(state, Temperatures(state), tmcalc::TcEmf); }
void BM_TcSlope(benchmark::State& state) { Run(state, Temperatures(state), tmcalc::TcSlope); }
void BM_TcTemperature(benchmark::State& state)
{
    Run(state, Emfs(state), [](ThermocoupleType type, double emf) { return tmcalc::TcTemperature(type, emf); });
}

// The command line's batch evaluation: the inverse and the slope by Horner's rule.
void BM_TcSlopeByHorner(benchmark::State& state)
{
    Run(state, Temperatures(state),
        [](ThermocoupleType type, double t) { return tmcalc::TcSlopeByHorner(type, t).value; });
}
void BM_TcTemperatureByHorner(benchmark::State& state)
{
    Run(state, Emfs(state), [](ThermocoupleType type, double emf) {
        return tmcalc::TcTemperature(type, emf, tmcalc::Evaluation::Horner);
    });
}

BENCHMARK(BM_TcEmf)->DenseRange(0, 9);
BENCHMARK(BM_TcSlope)->DenseRange(0, 9);
BENCHMARK(BM_TcTemperature)->DenseRange(0, 9);
BENCHMARK(BM_TcSlopeByHorner)->DenseRange(0, 9);
BENCHMARK(BM_TcTemperatureByHorner)->DenseRange(0, 9);

// Worst cases of the inverse: D and C emfs no temperature reaches (101 Newton steps, then NaN), an emf
// in the D gap at 783 °C (101 steps, then the breakpoint), and S to T emfs beyond the fitted spans that
// need the refinement on TcEmf.
void BM_WorstCase(benchmark::State& state, ThermocoupleType type, double emf)
{
    for (auto _ : state) benchmark::DoNotOptimize(tmcalc::TcTemperature(type, emf));
}

BENCHMARK_CAPTURE(BM_WorstCase, D_NonConverging_45mV, ThermocoupleType::D, 45.0);
BENCHMARK_CAPTURE(BM_WorstCase, C_NonConverging_40mV, ThermocoupleType::C, 40.0);
BENCHMARK_CAPTURE(BM_WorstCase, D_Gap_783C, ThermocoupleType::D, 13.8216892);
BENCHMARK_CAPTURE(BM_WorstCase, K_Refined_m6450uV, ThermocoupleType::K, -6450.0);
BENCHMARK_CAPTURE(BM_WorstCase, B_Refined_0uV, ThermocoupleType::B, 0.0);
BENCHMARK_CAPTURE(BM_WorstCase, S_NoTemperature_18794uV, ThermocoupleType::S, 18794.0);

}  // namespace

BENCHMARK_MAIN();
