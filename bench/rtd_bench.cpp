#include <benchmark/benchmark.h>

#include <array>
#include <cstddef>

#include "rtd/copper.h"
#include "rtd/fits.h"
#include "rtd/nickel.h"
#include "rtd/platinum.h"
#include "rtd/root_finders.h"
#include "rtd/rounding.h"

namespace {

using namespace tmcalc;

// A spread of inputs per sensor so that branch prediction does not see one value over and over.
template <std::size_t N>
double Next(const std::array<double, N>& values, std::size_t& i)
{
    i = (i + 1) % N;
    return values[i];
}

constexpr std::array<double, 8> kPtTemps{-199.5, -120.0, -40.0, -0.5, 0.5, 150.0, 420.0, 849.0};
constexpr std::array<double, 4> kPtBelow{18.6, 60.3, 84.27, 99.9};     // Ω, quartic
constexpr std::array<double, 4> kPtAbove{100.1, 157.3, 247.1, 390.4};  // Ω, closed form
constexpr std::array<double, 6> kCuTemps{-49.0, -10.0, 0.5, 50.0, 100.0, 149.0};
constexpr std::array<double, 6> kCuRes{39.3, 47.9, 50.2, 60.7, 71.4, 82.0};  // Cu50
constexpr std::array<double, 6> kNiTemps{-60.0, -10.0, 0.5, 80.0, 150.0, 180.0};
constexpr std::array<double, 6> kNiRes{695.0, 946.0, 1003.0, 1500.0, 1990.0, 2230.0};

void BM_PtResistance(benchmark::State& state)
{
    std::size_t i = 0;
    for (auto _ : state) benchmark::DoNotOptimize(RoundResistance4(PtResistance(Next(kPtTemps, i), 100)));
}
BENCHMARK(BM_PtResistance);

void BM_PtSlope(benchmark::State& state)
{
    std::size_t i = 0;
    for (auto _ : state) benchmark::DoNotOptimize(PtSlope(Next(kPtTemps, i), 100));
}
BENCHMARK(BM_PtSlope);

void BM_PtTemperatureAboveZero(benchmark::State& state)
{
    std::size_t i = 0;
    for (auto _ : state) benchmark::DoNotOptimize(PtTemperature(Next(kPtAbove, i), 100));
}
BENCHMARK(BM_PtTemperatureAboveZero);

void BM_PtTemperatureBelowZero(benchmark::State& state)
{
    std::size_t i = 0;
    for (auto _ : state) benchmark::DoNotOptimize(PtTemperature(Next(kPtBelow, i), 100));
}
BENCHMARK(BM_PtTemperatureBelowZero);

void BM_CuResistance(benchmark::State& state)
{
    std::size_t i = 0;
    for (auto _ : state) benchmark::DoNotOptimize(RoundResistance4(CuResistance(Next(kCuTemps, i), 50)));
}
BENCHMARK(BM_CuResistance);

void BM_CuTemperature(benchmark::State& state)
{
    std::size_t i = 0;
    for (auto _ : state) benchmark::DoNotOptimize(CuTemperature(Next(kCuRes, i), 50));
}
BENCHMARK(BM_CuTemperature);

void BM_NiResistance(benchmark::State& state)
{
    const NiPreset nd = *NickelPreset(1);
    std::size_t i = 0;
    for (auto _ : state) benchmark::DoNotOptimize(NiResistance(Next(kNiTemps, i), nd.r0, nd.k));
}
BENCHMARK(BM_NiResistance);

void BM_NiTemperature(benchmark::State& state)
{
    const NiPreset nd = *NickelPreset(1);
    std::size_t i = 0;
    for (auto _ : state) benchmark::DoNotOptimize(NiTemperature(Next(kNiRes, i), nd.r0, nd.k));
}
BENCHMARK(BM_NiTemperature);

void BM_FitPt(benchmark::State& state)
{
    for (auto _ : state) {
        benchmark::DoNotOptimize(FitPtCoefficients(100, {-40, 84.2707}, {100, 138.5055}, {300, 212.0515}));
    }
}
BENCHMARK(BM_FitPt);

void BM_FitCu(benchmark::State& state)
{
    for (auto _ : state) {
        benchmark::DoNotOptimize(FitCuCoefficients(50, {100, 71.4}, {150, 82.1343}, {-10, 47.8577}));
    }
}
BENCHMARK(BM_FitCu);

// Worst cases: inputs on which Newton never settles and runs the full step limit.

// Platinum check row after the -40 °C point was typed as 90 Ω instead of 84.2707: the fitted quartic has
// no root below R0, and Newton wanders. Before the limit this ran 100,000,001 steps.
void BM_WorstQuarticMistypedFit(benchmark::State& state)
{
    const PtModel m = PtFitted(FitPtCoefficients(100, {-40, 90}, {100, 138.5055}, {300, 212.0515}).coefficients);
    for (auto _ : state) benchmark::DoNotOptimize(PtTemperature(20, 100, m));
    state.counters["steps"] = kNewtonStepLimit;
}
BENCHMARK(BM_WorstQuarticMistypedFit);

// "-1e10" pasted on a Pt page: Newton falls into a cycle.
void BM_WorstQuarticPastedPt(benchmark::State& state)
{
    for (auto _ : state) benchmark::DoNotOptimize(PtTemperature(-1e10, 100));
}
BENCHMARK(BM_WorstQuarticPastedPt);

// "1e12" pasted on a Cu page: converges, to about 2e6 °C, which the page then rejects.
void BM_PastedCu(benchmark::State& state)
{
    for (auto _ : state) benchmark::DoNotOptimize(CuTemperature(1e12, 100));
}
BENCHMARK(BM_PastedCu);

// Nickel NA below its minimum W: no root; before the limit this ran 1,000,001 steps.
void BM_WorstSextic(benchmark::State& state)
{
    const NiPreset na = *NickelPreset(4);
    for (auto _ : state) benchmark::DoNotOptimize(NiTemperature(100, na.r0, na.k));
    state.counters["steps"] = kNewtonStepLimit;
}
BENCHMARK(BM_WorstSextic);

}  // namespace

BENCHMARK_MAIN();
