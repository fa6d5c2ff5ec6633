// Keystroke to updated fields on the thermistor page, and the cost of opening it. Every conversion and fit
// is closed-form (Cardano for the inverses), so no input runs an iteration to a bound; the slowest inputs
// are the ones that take the longest texts through the reader and the general conversion (a pasted
// 1e999, 15-digit results).
#include "bench_ui_util.h"
#include "framework/ui/container_page.h"
#include "framework/ui/numeric_edit.h"
#include "standards/standards_store.h"
#include "standards/ui/standards_library.h"
#include "thermistor/ui/ntc_convert_sub_page.h"
#include "thermistor/ui/ntc_fit_sub_page.h"
#include "thermistor/ui/thermistor_pages.h"

#include <QRadioButton>
#include <QTemporaryDir>

#include <iterator>
#include <memory>
#include <string>

namespace {

using namespace tmcalc;

// A store in a folder of its own: the benchmark leaves no standards file behind.
struct Site {
    QTemporaryDir folder;
    StandardsStore store{StandardsStoreOptions{folder.path().toStdString(), StandardsClock::System(), {}}};
    StandardsLibrary library{store};
};

struct Case {
    const char* name;
    int tab;
    int mode;  // the mode button to click first (0-2, or 0-1 on the fit tab)
    int field;
    const char* keys;
};

// Coefficients typed before the case: β R25 = 10000, β = 3950; Steinhart-Hart and extended A, B, C (D) of
// a 10 kΩ thermistor; the fit points of that thermistor except the one the case types.
constexpr Case kCases[] = {
    {"beta R->t", kNtcTabConvert, 0, kNtcBetaResistance, "12345.678"},
    {"beta t->R", kNtcTabConvert, 0, kNtcBetaTemperature, "-12.34567"},
    {"beta R 1e999 (pasted far value)", kNtcTabConvert, 0, kNtcBetaResistance, "1e999"},
    {"S-H R->t", kNtcTabConvert, 1, kNtcShResistance, "12345.678"},
    {"S-H t->R (Cardano)", kNtcTabConvert, 1, kNtcShTemperature, "-12.34567"},
    {"extended R->t", kNtcTabConvert, 2, kNtcExtResistance, "12345.678"},
    {"extended t->R (full cubic)", kNtcTabConvert, 2, kNtcExtTemperature, "-12.34567"},
    {"beta fit, last temperature", kNtcTabFit, 0, 8, "50.00001"},
    {"S-H fit, last temperature", kNtcTabFit, 1, 22, "50.00001"},
    {"S-H fit, 1e-300 (degenerate)", kNtcTabFit, 1, 22, "1e-300"},
};

void TypeInto(NumericEdit* edit, const char* text)
{
    edit->setFocus();
    QApplication::processEvents();
    QTest::keyClicks(edit, QString::fromLatin1(text));
}

void Prepare(ContainerPage& page, const Case& c)
{
    page.selectTab(c.tab);
    auto* sub = static_cast<Page*>(page.subPage(c.tab));
    const auto button = c.tab == kNtcTabConvert
                            ? static_cast<NtcConvertSubPage*>(sub)->modeButton(static_cast<NtcMode>(c.mode))
                            : static_cast<NtcFitSubPage*>(sub)->modeButton(c.mode);
    button->click();
    struct Text {
        int id;
        const char* text;
    };
    const Text inputs[] = {{kNtcR25, "10000"},           {kNtcBeta, "3950"},          {kNtcShA, "1.129148e-3"},
                           {kNtcShA + 2, "2.34125e-4"},  {kNtcShA + 4, "8.76741e-8"}, {kNtcExtA, "1.129148e-3"},
                           {kNtcExtA + 2, "2.34125e-4"}, {kNtcExtA + 4, "1e-6"},      {kNtcExtA + 6, "8e-8"}};
    const Text points[] = {{4, "10000"}, {5, "25"},     {7, "3601.035"}, {8, "50"},      {15, "32650.8"},
                           {16, "0"},    {18, "10000"}, {19, "25"},      {21, "3602.9"}, {22, "50"}};
    if (c.tab == kNtcTabConvert) {
        for (const Text& t : inputs) sub->edit(t.id)->setText(QString::fromLatin1(t.text));
    } else {
        for (const Text& t : points)
            if (t.id != c.field) TypeInto(sub->edit(t.id), t.text);
    }
}

void BM_ThermistorKeystroke(benchmark::State& state)
{
    const Case& c = kCases[state.range(0)];
    Site site;
    std::unique_ptr<ContainerPage> page(CreateThermistorPage(nullptr, tmcalc::bench::PageRectAtOrigin(), site.library));
    page->show();
    page->activateWindow();
    QApplication::processEvents();
    Prepare(*page, c);
    bench::KeystrokeTimes(state, static_cast<Page*>(page->subPage(c.tab))->edit(c.field),
                          QString::fromLatin1(c.keys));
    state.SetLabel(std::string(c.name) + " \"" + c.keys + "\"");
}
BENCHMARK(BM_ThermistorKeystroke)->DenseRange(0, static_cast<int>(std::size(kCases)) - 1)->Iterations(100);

// Opening the page: the container, both sub-pages (the equation picture decoded and scaled) and the manager.
void BM_ThermistorOpen(benchmark::State& state)
{
    Site site;
    for (auto _ : state) {
        std::unique_ptr<ContainerPage> page(CreateThermistorPage(nullptr, tmcalc::bench::PageRectAtOrigin(), site.library));
        benchmark::DoNotOptimize(page.get());
    }
}
BENCHMARK(BM_ThermistorOpen)->Unit(benchmark::kMillisecond)->Iterations(20);

}  // namespace
