// Keystroke to updated fields on the humidity and transmitter pages. The slowest humidity keystrokes are
// those that run the dew-point, frost-point and wet-bulb bisections: a relative humidity (two of them),
// a supersaturated one (the bracket widens first), an air temperature (all three, through the wet-basis
// concentration), and a typed frost point (the dew point gives way to the frost point).
#include "bench_ui_util.h"
#include "framework/ui/numeric_edit.h"
#include "humidity/ui/humidity_page.h"
#include "humidity/ui/transmitter_page.h"

#include <QApplication>

namespace {

const QRect kPageGeometry = tmcalc::bench::PageRectAtOrigin();

template <typename P>
void ShowPage(P& page)
{
    page.show();
    page.activateWindow();
    QApplication::processEvents();
}

// Field kind and the keys typed into it (each keystroke converts what the field holds so far).
void BM_HumidityKeystroke(benchmark::State& state, int kind, const char* keys, const char* rh)
{
    tmcalc::HumidityPage page(nullptr, kPageGeometry);
    ShowPage(page);
    if (rh[0] != '\0') {  // a moisture to carry while the air temperature is typed
        page.edit(tmcalc::HumidityPage::FieldId(2))->setFocus();
        QApplication::processEvents();
        page.edit(tmcalc::HumidityPage::FieldId(2))->setText(QString::fromLatin1(rh));
    }
    tmcalc::bench::KeystrokeTimes(state, page.edit(tmcalc::HumidityPage::FieldId(kind)), QString::fromLatin1(keys));
}
BENCHMARK_CAPTURE(BM_HumidityKeystroke, RelativeHumidity, 2, "56.78", "")->Iterations(200);
BENCHMARK_CAPTURE(BM_HumidityKeystroke, Supersaturated, 2, "987.6", "")->Iterations(200);
BENCHMARK_CAPTURE(BM_HumidityKeystroke, FrostPoint, 3, "-45.67", "")->Iterations(200);
BENCHMARK_CAPTURE(BM_HumidityKeystroke, AirTemperature, 0, "23.45", "50")->Iterations(200);
BENCHMARK_CAPTURE(BM_HumidityKeystroke, HugeAirTemperature, 0, "8.6e9", "50")->Iterations(200);
BENCHMARK_CAPTURE(BM_HumidityKeystroke, VapourPressure, 6, "12.345", "")->Iterations(200);

void BM_TransmitterKeystroke(benchmark::State& state)
{
    tmcalc::TransmitterPage page(nullptr, kPageGeometry);
    ShowPage(page);
    tmcalc::bench::KeystrokeTimes(state, page.panel()->edit(static_cast<int>(state.range(0))),
                                  QStringLiteral("-1234.5678e-1"));
}
BENCHMARK(BM_TransmitterKeystroke)->Arg(tmcalc::kTxInput)->Arg(tmcalc::kTxOutput)->Iterations(200);

}  // namespace
