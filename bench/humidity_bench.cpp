#include "bench_util.h"

#include <benchmark/benchmark.h>

#include <array>
#include <cstddef>

#include "humidity/humidity.h"
#include "humidity/transmitter.h"

namespace {

using namespace tmcalc;
using namespace tmcalc::bench;

constexpr double kAtm = 1013.25;
constexpr std::array<double, 6> kTemps{-60.0, -10.0, 0.5, 20.0, 45.0, 95.0};
constexpr std::array<double, 5> kRh{5.0, 30.0, 50.0, 75.0, 99.0};

double Es(double t)
{
    return SaturationPressureWater(t) * EnhancementFactor(t, kAtm);
}

// The benchmarks of one call.
const int kRegistered = [] {
    OverInputs("BM_SaturationPressureWater", kTemps, [](double x) { return SaturationPressureWater(x); });
    OverInputs("BM_EnhancementFactor", kTemps, [](double x) { return EnhancementFactor(x, kAtm); });
    OverInputs("BM_DewPoint", kRh, [es = Es(20)](double x) { return DewPointFromVaporPressure(x / 100 * es, 20, kAtm); });
    OverInputs("BM_WetBulb", kRh, [es = Es(20)](double x) { return WetBulbFromVaporPressure(x / 100 * es, 20, kAtm); });
    // The slowest cases: a vapour pressure far beyond any saturation pressure. The first bisection runs its
    // full 27 halvings, then the bracket doubles upward until the saturation pressure overflows (dew point,
    // wet bulb: about 6840 °C, then about 33 more halvings) or the ceiling is passed (frost point: NaN).
    Repeatedly("BM_DewPointWidenedToOverflow", [] { return DewPointFromVaporPressure(1e300, 20, kAtm); });
    Repeatedly("BM_WetBulbWidenedToOverflow", [] { return WetBulbFromVaporPressure(1e300, 20, kAtm); });
    Repeatedly("BM_FrostPointWidenedToCeiling", [] { return FrostPointFromVaporPressure(1e300, 20, kAtm); });
    Repeatedly("BM_DewPointHangInput", [] { return DewPointFromVaporPressure(10, 8.6e9, kAtm); });
    return 0;
}();

// Kind 3 below 0 °C: the water bisection and then the ice one.
void BM_FrostPointThroughKind3(benchmark::State& state)
{
    const double es = Es(20);
    for (auto _ : state) {
        benchmark::DoNotOptimize(QuantityFromVaporPressure(kHumidityDewPoint, 0.02 * es, 20, kAtm, es));
    }
}
BENCHMARK(BM_FrostPointThroughKind3);

// Supersaturated air, 150 %rh at 20 °C: one doubling of the bracket.
void BM_DewPointSupersaturated(benchmark::State& state)
{
    const double e = 1.5 * Es(20);
    for (auto _ : state) benchmark::DoNotOptimize(DewPointFromVaporPressure(e, 20, kAtm));
}
BENCHMARK(BM_DewPointSupersaturated);

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
