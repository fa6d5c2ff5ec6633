// Keystroke to updated fields on the working thermocouple sub-pages: a temperature typed on the strip
// (strip, range test, two emfs and a slope), an emf typed (inverse, slope, strip), and a cold junction
// changed under an emf. Type D's emf runs its Newton iteration on every key; "45.678" never converges,
// so each of its keys takes the full step limit.
#include "bench_ui_util.h"
#include "framework/ui/numeric_edit.h"
#include "framework/ui/ui_context.h"
#include "thermocouple/ui/work_sub_page.h"

#include <QApplication>

namespace {

using tmcalc::ThermocoupleType;

struct Case {
    ThermocoupleType type;
    int field;
    const char* keys;
};

constexpr Case kCases[] = {
    {ThermocoupleType::K, tmcalc::kTcCelsius, "-1234.5678e-1"},
    {ThermocoupleType::K, 1, "1832.25"},  // Fahrenheit, through Celsius
    {ThermocoupleType::K, tmcalc::kTcEmf, "41.27561"},
    {ThermocoupleType::S, tmcalc::kTcEmf, "9.587"},
    {ThermocoupleType::D, tmcalc::kTcCelsius, "1234.5678"},
    {ThermocoupleType::D, tmcalc::kTcEmf, "18.229665"},
    {ThermocoupleType::D, tmcalc::kTcEmf, "45.678"},
    {ThermocoupleType::S, tmcalc::kTcColdJunction, "23.456"},
};

void BM_ThermocoupleKeystroke(benchmark::State& state)
{
    const Case& c = kCases[state.range(0)];
    tmcalc::ThermocoupleSubPage page(nullptr, tmcalc::bench::PageRectAtOrigin(), c.type);
    page.show();
    page.activateWindow();
    QApplication::processEvents();
    // The cold junction first (without it nothing converts); for the cold-junction case an emf too.
    page.edit(tmcalc::kTcColdJunction)->setText(QStringLiteral("0"));
    if (c.field == tmcalc::kTcColdJunction) page.edit(tmcalc::kTcEmf)->setText(QStringLiteral("9.587"));
    tmcalc::bench::KeystrokeTimes(state, page.edit(c.field), QString::fromLatin1(c.keys));
    state.SetLabel(std::string(1, "SRBKNJETDC"[static_cast<int>(c.type)]) + " field " + std::to_string(c.field) +
                   " \"" + c.keys + "\"");
}
BENCHMARK(BM_ThermocoupleKeystroke)->DenseRange(0, 7)->Iterations(200);

}  // namespace

