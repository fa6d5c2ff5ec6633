// Keystroke to updated fields on the temperature page.
#include "bench_ui_util.h"
#include "framework/ui/numeric_edit.h"
#include "framework/ui/ui_context.h"
#include "units/ui/temperature_page.h"

#include <QApplication>

namespace {

void BM_TemperatureKeystroke(benchmark::State& state)
{
    tmcalc::TemperaturePage page(nullptr, tmcalc::bench::PageRectAtOrigin());
    page.show();
    page.activateWindow();
    QApplication::processEvents();
    tmcalc::bench::KeystrokeTimes(state, page.edit(static_cast<int>(state.range(0))), QStringLiteral("-1234.5678e-1"));
}
BENCHMARK(BM_TemperatureKeystroke)->DenseRange(0, 4)->Iterations(200);

}  // namespace

