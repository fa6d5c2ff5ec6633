#include "bench_util.h"

#include <benchmark/benchmark.h>

#include <array>
#include <cstddef>
#include <string>

#include "rtd/its90.h"
#include "rtd/sprt.h"

namespace {

using namespace tmcalc;
using namespace tmcalc::bench;

constexpr std::array<double, 8> kTemps{-189.0, -100.0, -38.0, -0.5, 0.5, 156.0, 419.0, 660.0};
constexpr std::array<double, 6> kRatios{0.22, 0.6, 0.85, 1.2, 2.2, 3.37};

// A calibrated thermometer over -189..660 °C.
constexpr SprtCoefficientSet kWide{.a4 = -1.2e-4, .b4 = -1.5e-5, .a7 = -1.0e-4, .b7 = 1.0e-5, .c7 = -1.0e-6,
                                   .flags = kSprtFlagA4B4 | kSprtFlagA7B7C7};
// f(W) a shifted x³ - 2x + 2 at Wr ≈ 3: Newton cycles until its 100,000-step limit.
constexpr SprtCoefficientSet kCycle{.a7 = -9, .b7 = 6, .c7 = -1, .flags = kSprtFlagA7B7C7};

// The benchmarks of one call.
const int kRegistered = [] {
    OverInputs("BM_Its90Wr", kTemps, [](double x) { return Its90Wr(x); });
    OverInputs("BM_Its90WrSlope", kTemps, [](double x) { return Its90WrSlope(x); });
    OverInputs("BM_Its90T", kRatios, [](double x) { return Its90T(x); });
    OverInputs("BM_SprtRatio", kTemps, [](double x) { return SprtRatio(kWide, x); });
    OverInputs("BM_SprtTemperature", kRatios, [](double x) { return SprtTemperature(kWide, x); });
    OverInputs("BM_SprtFromResistance", kRatios, [](double x) { return SprtFromResistance(kWide, 25.5, 25.5 * x); });
    return 0;
}();

void BM_SprtRatioStepLimit(benchmark::State& state)
{
    const double t = Its90T(3.0);
    for (auto _ : state) benchmark::DoNotOptimize(SprtRatio(kCycle, t));
}
BENCHMARK(BM_SprtRatioStepLimit)->Unit(benchmark::kMillisecond);

// The slowest inversions: the group found only by the grace search, then the refinement.
void BM_SprtTemperatureGrace(benchmark::State& state)
{
    const double w = SprtRatio(kWide, kIts90Aluminium) + 5e-4;  // t0 some 75 mK past the top
    for (auto _ : state) benchmark::DoNotOptimize(SprtTemperature(kWide, w));
}
BENCHMARK(BM_SprtTemperatureGrace);

void BM_SprtRangeClasses(benchmark::State& state)
{
    const std::u16string typical = u"-189.3442~660.323";
    const std::u16string pasted(2000, u'9');
    const std::u16string& text = state.range(0) == 0 ? typical : pasted;
    for (auto _ : state) benchmark::DoNotOptimize(SprtRangeClasses(text));
}
BENCHMARK(BM_SprtRangeClasses)->Arg(0)->Arg(1);

void BM_FitSprtUpperAluminium(benchmark::State& state)
{
    const std::array<double, 3> r{86.08, 65.5, 48.27};
    for (auto _ : state) benchmark::DoNotOptimize(FitSprtUpper(0, 25.5, r));
}
BENCHMARK(BM_FitSprtUpperAluminium);

}  // namespace

BENCHMARK_MAIN();
