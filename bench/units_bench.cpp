// Cost of one keystroke on a unit page: every change of the typed field converts into every other cell.
#include "units/unit_conversion.h"

#include <benchmark/benchmark.h>

#include <array>
#include <string>

namespace {

const tmcalc::UnitPage& Page(int pageIndex)
{
    return *tmcalc::UnitPageAt(pageIndex);
}

constexpr std::array<double, 6> kValues{1.0, 123.4567, 1.5e-8, -273.15, 9999999.5, 1e300};

// The energy page has the most cells (27); the numbers alone.
void BM_ConvertEnergyPage(benchmark::State& state)
{
    const tmcalc::UnitPage& energy = Page(22);
    std::size_t i = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(
            tmcalc::ConvertUnitField(energy, 20 + static_cast<int>(i % 9), kValues[i % kValues.size()]));
        ++i;
    }
}
BENCHMARK(BM_ConvertEnergyPage);

// The force page derives two more base quantities per conversion.
void BM_ConvertForcePage(benchmark::State& state)
{
    const tmcalc::UnitPage& force = Page(17);
    std::size_t i = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(
            tmcalc::ConvertUnitField(force, 10 + static_cast<int>(i % 6), kValues[i % kValues.size()]));
        ++i;
    }
}
BENCHMARK(BM_ConvertForcePage);

// A whole keystroke as the page sees it: read the text, convert, format the other 26 texts.
void BM_EnergyPageTexts(benchmark::State& state)
{
    const tmcalc::UnitPage& energy = Page(22);
    const std::array<std::u16string, 3> texts{u"1", u"123.4567", u"-2.5e-3"};
    std::size_t i = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(tmcalc::UnitTextsAfterEdit(energy, 5, texts[i++ % texts.size()]));
    }
}
BENCHMARK(BM_EnergyPageTexts);

// Worst texts: a 2048-character paste into eV (id 21), every result in exponent form.
void BM_EnergyPageTextsWorst(benchmark::State& state)
{
    const tmcalc::UnitPage& energy = Page(22);
    const std::u16string pasted = u"1." + std::u16string(2046, u'3') + u"e300";
    for (auto _ : state) benchmark::DoNotOptimize(tmcalc::UnitTextsAfterEdit(energy, 21, pasted));
}
BENCHMARK(BM_EnergyPageTextsWorst);

// ShowValue with twelve digits on the force page.
void BM_ForcePageTexts(benchmark::State& state)
{
    const tmcalc::UnitPage& force = Page(17);
    for (auto _ : state) benchmark::DoNotOptimize(tmcalc::UnitTextsAfterEdit(force, 14, u"1.25e-3"));
}
BENCHMARK(BM_ForcePageTexts);

}  // namespace

BENCHMARK_MAIN();
