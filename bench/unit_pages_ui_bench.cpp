// Keystroke to updated fields on the fourteen unit pages: every key rewrites every other live field.
#include "bench_ui_util.h"
#include "framework/ui/numeric_edit.h"
#include "units/ui/unit_page.h"
#include "units/unit_pages.h"

#include <QApplication>

#include <memory>
#include <string>

namespace {

// Argument: the unit page's position in UnitPages(). The driving field is the page's last live field.
void Keystrokes(benchmark::State& state, const QString& keys)
{
    const tmcalc::UnitPage& unit = tmcalc::UnitPages()[static_cast<std::size_t>(state.range(0))];
    std::unique_ptr<QWidget> page(tmcalc::CreateUnitPage(nullptr, tmcalc::bench::MainWindowPageRect(), unit.pageIndex));
    page->show();
    page->activateWindow();
    QApplication::processEvents();
    const int driver = unit.fields[static_cast<std::size_t>(unit.liveCount - 1)].id;
    state.SetLabel("page " + std::to_string(unit.pageIndex));
    tmcalc::bench::KeystrokeTimes(state, static_cast<tmcalc::UnitConversionPage*>(page.get())->edit(driver), keys);
}

void BM_UnitPageKeystroke(benchmark::State& state)
{
    Keystrokes(state, QStringLiteral("-1234.5678e-1"));
}
// Extremes: values that overflow to inf or sink into subnormals on the way through the base unit.
void BM_UnitPageKeystrokeExtreme(benchmark::State& state)
{
    Keystrokes(state, QStringLiteral("1e308~-1e-320"));
}

// A page is made on its first visit (the main window makes only the page it shows at start).
void BM_UnitPageCreation(benchmark::State& state)
{
    const tmcalc::UnitPage& unit = tmcalc::UnitPages()[static_cast<std::size_t>(state.range(0))];
    state.SetLabel("page " + std::to_string(unit.pageIndex));
    for (auto _ : state) {
        std::unique_ptr<QWidget> page(tmcalc::CreateUnitPage(nullptr, tmcalc::bench::MainWindowPageRect(), unit.pageIndex));
        benchmark::DoNotOptimize(page.get());
    }
}

BENCHMARK(BM_UnitPageCreation)->DenseRange(0, tmcalc::kUnitPageCount - 1)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_UnitPageKeystroke)->DenseRange(0, tmcalc::kUnitPageCount - 1)->Iterations(100);
BENCHMARK(BM_UnitPageKeystrokeExtreme)->DenseRange(0, tmcalc::kUnitPageCount - 1)->Iterations(100);

}  // namespace
