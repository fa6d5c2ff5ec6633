// Cost of reading and writing field numbers: every keystroke reads one field and writes several.
#include "framework/number_text.h"

#include <benchmark/benchmark.h>

#include <array>
#include <string>

namespace {

constexpr std::array<double, 8> kValues{0.5, 100.0, 1234567.8, 1.5e-8, -273.15, 0.37928, 9999999.5, 1.0 / 3.0};

void BM_FormatShowValue(benchmark::State& state)
{
    std::size_t i = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(tmcalc::FormatShowValue(7, 7, kValues[i++ % kValues.size()]));
    }
}
BENCHMARK(BM_FormatShowValue);

void BM_FormatValueG7(benchmark::State& state)
{
    std::size_t i = 0;
    for (auto _ : state) benchmark::DoNotOptimize(tmcalc::FormatValueG7(kValues[i++ % kValues.size()]));
}
BENCHMARK(BM_FormatValueG7);

void BM_ReadFieldValue(benchmark::State& state)
{
    const std::array<std::u16string, 4> texts{u"100", u"-273.15", u"1.5e-8", u"25 \u2103"};
    std::size_t i = 0;
    for (auto _ : state) benchmark::DoNotOptimize(tmcalc::ReadFieldValue(texts[i++ % texts.size()]));
}
BENCHMARK(BM_ReadFieldValue);

void BM_ReadFieldValuePasted2048(benchmark::State& state)
{
    const std::u16string text = u"1." + std::u16string(2046, u'3');
    for (auto _ : state) benchmark::DoNotOptimize(tmcalc::ReadFieldValue(text));
}
BENCHMARK(BM_ReadFieldValuePasted2048);

}  // namespace

BENCHMARK_MAIN();
