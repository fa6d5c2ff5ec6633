#include "bench_util.h"

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
using namespace tmcalc::bench;

constexpr std::array<double, 8> kPtTemps{-199.5, -120.0, -40.0, -0.5, 0.5, 150.0, 420.0, 849.0};
constexpr std::array<double, 4> kPtBelow{18.6, 60.3, 84.27, 99.9};     // Ω, quartic
constexpr std::array<double, 4> kPtAbove{100.1, 157.3, 247.1, 390.4};  // Ω, closed form
constexpr std::array<double, 6> kCuTemps{-49.0, -10.0, 0.5, 50.0, 100.0, 149.0};
constexpr std::array<double, 6> kCuRes{39.3, 47.9, 50.2, 60.7, 71.4, 82.0};  // Cu50
constexpr std::array<double, 6> kNiTemps{-60.0, -10.0, 0.5, 80.0, 150.0, 180.0};
constexpr std::array<double, 6> kNiRes{695.0, 946.0, 1003.0, 1500.0, 1990.0, 2230.0};

// The benchmarks of one call.
const int kRegistered = [] {
    OverInputs("BM_PtResistance", kPtTemps, [](double x) { return RoundResistance4(PtResistance(x, 100)); });
    OverInputs("BM_PtSlope", kPtTemps, [](double x) { return PtSlope(x, 100); });
    OverInputs("BM_PtTemperatureAboveZero", kPtAbove, [](double x) { return PtTemperature(x, 100); });
    OverInputs("BM_PtTemperatureBelowZero", kPtBelow, [](double x) { return PtTemperature(x, 100); });
    OverInputs("BM_CuResistance", kCuTemps, [](double x) { return RoundResistance4(CuResistance(x, 50)); });
    OverInputs("BM_CuTemperature", kCuRes, [](double x) { return CuTemperature(x, 50); });
    const NiPreset nd = *NickelPreset(1);
    OverInputs("BM_NiResistance", kNiTemps, [nd](double x) { return NiResistance(x, nd.r0, nd.k); });
    OverInputs("BM_NiTemperature", kNiRes, [nd](double x) { return NiTemperature(x, nd.r0, nd.k); });
    Repeatedly("BM_FitPt", [] { return FitPtCoefficients(100, {-40, 84.2707}, {100, 138.5055}, {300, 212.0515}); });
    Repeatedly("BM_FitCu", [] { return FitCuCoefficients(50, {100, 71.4}, {150, 82.1343}, {-10, 47.8577}); });
    // "-1e10" pasted on a Pt page: Newton falls into a cycle.
    Repeatedly("BM_WorstQuarticPastedPt", [] { return PtTemperature(-1e10, 100); });
    // "1e12" pasted on a Cu page: converges, to about 2e6 °C, which the page then rejects.
    Repeatedly("BM_PastedCu", [] { return CuTemperature(1e12, 100); });
    return 0;
}();

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
