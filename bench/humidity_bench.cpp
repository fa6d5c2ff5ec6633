#include <benchmark/benchmark.h>

#include <array>
#include <cstddef>

#include "humidity/humidity.h"
#include "humidity/transmitter.h"

namespace {

using namespace tmcalc;

constexpr double kAtm = 1013.25;
constexpr std::array<double, 6> kTemps{-60.0, -10.0, 0.5, 20.0, 45.0, 95.0};
constexpr std::array<double, 5> kRh{5.0, 30.0, 50.0, 75.0, 99.0};

template <std::size_t N>
double Next(const std::array<double, N>& values, std::size_t& i)
{
    i = (i + 1) % N;
    return values[i];
}

double Es(double t)
{
    return SaturationPressureWater(t) * EnhancementFactor(t, kAtm);
}

void BM_SaturationPressureWater(benchmark::State& state)
{
    std::size_t i = 0;
    for (auto _ : state) benchmark::DoNotOptimize(SaturationPressureWater(Next(kTemps, i)));
}
BENCHMARK(BM_SaturationPressureWater);

void BM_EnhancementFactor(benchmark::State& state)
{
    std::size_t i = 0;
    for (auto _ : state) benchmark::DoNotOptimize(EnhancementFactor(Next(kTemps, i), kAtm));
}
BENCHMARK(BM_EnhancementFactor);

void BM_DewPoint(benchmark::State& state)
{
    std::size_t i = 0;
    const double es = Es(20);
    for (auto _ : state) benchmark::DoNotOptimize(DewPointFromVaporPressure(Next(kRh, i) / 100 * es, 20, kAtm));
}
BENCHMARK(BM_DewPoint);

// Kind 3 below 0 °C: the water bisection and then the ice one.
void BM_FrostPointThroughKind3(benchmark::State& state)
{
    const double es = Es(20);
    for (auto _ : state) {
        benchmark::DoNotOptimize(QuantityFromVaporPressure(kHumidityDewPoint, 0.02 * es, 20, kAtm, es));
    }
}
BENCHMARK(BM_FrostPointThroughKind3);

void BM_WetBulb(benchmark::State& state)
{
    std::size_t i = 0;
    const double es = Es(20);
    for (auto _ : state) benchmark::DoNotOptimize(WetBulbFromVaporPressure(Next(kRh, i) / 100 * es, 20, kAtm));
}
BENCHMARK(BM_WetBulb);

// The slowest cases: a vapour pressure far beyond any saturation pressure. The first bisection runs its
// full 27 halvings, then the bracket doubles upward until the saturation pressure overflows (dew point,
// wet bulb: about 6840 °C, then about 33 more halvings) or the ceiling is passed (frost point: NaN).
void BM_DewPointWidenedToOverflow(benchmark::State& state)
{
    for (auto _ : state) benchmark::DoNotOptimize(DewPointFromVaporPressure(1e300, 20, kAtm));
}
BENCHMARK(BM_DewPointWidenedToOverflow);

void BM_WetBulbWidenedToOverflow(benchmark::State& state)
{
    for (auto _ : state) benchmark::DoNotOptimize(WetBulbFromVaporPressure(1e300, 20, kAtm));
}
BENCHMARK(BM_WetBulbWidenedToOverflow);

void BM_FrostPointWidenedToCeiling(benchmark::State& state)
{
    for (auto _ : state) benchmark::DoNotOptimize(FrostPointFromVaporPressure(1e300, 20, kAtm));
}
BENCHMARK(BM_FrostPointWidenedToCeiling);

// Supersaturated air, 150 %rh at 20 °C: one doubling of the bracket.
void BM_DewPointSupersaturated(benchmark::State& state)
{
    const double e = 1.5 * Es(20);
    for (auto _ : state) benchmark::DoNotOptimize(DewPointFromVaporPressure(e, 20, kAtm));
}
BENCHMARK(BM_DewPointSupersaturated);

void BM_DewPointHangInput(benchmark::State& state)
{
    for (auto _ : state) benchmark::DoNotOptimize(DewPointFromVaporPressure(10, 8.6e9, kAtm));
}
BENCHMARK(BM_DewPointHangInput);

// One keystroke of the humidity page: e from one quantity, then all ten quantities.
void BM_AllQuantities(benchmark::State& state)
{
    std::size_t i = 0;
    for (auto _ : state) {
        const double t = Next(kTemps, i);
        const double es = Es(t);
        const double e = VaporPressureFromQuantity(kHumidityRelative, 50, t, kAtm, es);
        for (int kind = kHumidityRelative; kind <= kHumidityEnthalpy; ++kind) {
            benchmark::DoNotOptimize(QuantityFromVaporPressure(kind, e, t, kAtm, es));
        }
    }
}
BENCHMARK(BM_AllQuantities);

void BM_TransmitterSignal(benchmark::State& state)
{
    std::size_t i = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(TransmitterSignal({4, 20}, {0, 100}, Next(kTemps, i)));
    }
}
BENCHMARK(BM_TransmitterSignal);

}  // namespace

BENCHMARK_MAIN();
