// Keystroke to updated fields on the standard platinum resistance thermometer pages. "T ↔ R" converts with
// a calibrated set on every key; a typed range relabels (and empties) the rows; on "Calculate Coefficient"
// every key of a fixed-point resistance fits both groups, and every key of the range rebuilds the grid.
// The slowest inputs: far-off resistances (no group: the inversion gives up at once) and a set whose
// deviation function makes the ratio's Newton iteration cycle until its step bound.
#include "bench_ui_util.h"
#include "framework/ui/container_page.h"
#include "framework/ui/numeric_edit.h"
#include "rtd/ui/sprt_coefficient_sub_page.h"
#include "rtd/ui/sprt_conversion_sub_page.h"
#include "rtd/ui/sprt_pages.h"
#include "standards/standards_store.h"
#include "standards/ui/standards_library.h"

#include <QApplication>
#include <QTemporaryDir>
#include <QTest>

#include <memory>
#include <string>
#include <vector>

namespace {

using namespace tmcalc;

struct Case {
    const char* name;
    int tab;
    int field;
    const char* keys;
    std::vector<std::pair<int, const char*>> typedFirst;  // fields typed before the timing
};

// A typical calibrated thermometer (Rtp 25.5 Ω, a7/b7/c7 and a4/b4 of a few 1e-4 and less).
const std::vector<std::pair<int, const char*>> kCalibrated{
    {kSprtRtp, "25.5"},   {kSprtUpper1, "-1.2e-4"}, {kSprtUpper2, "-1.5e-5"}, {kSprtUpper3, "2e-6"},
    {kSprtLower1, "-1.1e-4"}, {kSprtLower2, "1.3e-5"}};
// Coefficients of order one: the deviation swamps the reference function.
const std::vector<std::pair<int, const char*>> kWild{
    {kSprtRtp, "25.5"}, {kSprtUpper1, "-3"}, {kSprtUpper2, "7"}, {kSprtUpper3, "-5"}, {kSprtLower1, "9"},
    {kSprtLower2, "-9"}};
// W = Wr + ΔW(W) is a shifted x³ - 2x + 2 near Wr = 3 (about 545.5 °C): Newton cycles until its step bound.
const std::vector<std::pair<int, const char*>> kCycling{
    {kSprtRtp, "25.5"}, {kSprtUpper1, "-9"}, {kSprtUpper2, "6"}, {kSprtUpper3, "-1"}};
const int kFitCells[] = {SprtGridCell(2, 2), SprtGridCell(3, 2), SprtGridCell(4, 2), SprtGridCell(5, 2),
                         SprtGridCell(6, 2)};

const Case kCases[] = {
    {"T to R", 0, kSprtTemperature, "419.527", kCalibrated},
    {"T to R below zero", 0, kSprtTemperature, "-123.4567", kCalibrated},
    {"R to T", 0, kSprtResistance, "65.5123", kCalibrated},
    {"R to T below zero", 0, kSprtResistance, "12.3456789", kCalibrated},
    {"R to T far off (no group)", 0, kSprtResistance, "1e12", kCalibrated},
    {"T to R, wild coefficients", 0, kSprtTemperature, "345.678", kWild},
    {"R to T, wild coefficients", 0, kSprtResistance, "55.555", kWild},
    {"T to R, Newton at its step bound", 0, kSprtTemperature, "545.5359", kCycling},
    {"R to T, Newton at its step bound", 0, kSprtResistance, "76.5", kCycling},
    {"Range relabels and empties", 0, kSprtRange, "-38.8344~29.7647", {}},
    {"Fit, last resistance", 1, SprtGridCell(6, 2), "21.5234",
     {{kFitCells[0], "86.1"}, {kFitCells[1], "65.52"}, {kFitCells[2], "48.27"}, {kFitCells[3], "5.5"}}},
    {"Fit, coincident points", 1, SprtGridCell(6, 2), "5.5",
     {{kFitCells[0], "86.1"}, {kFitCells[1], "86.1"}, {kFitCells[2], "86.1"}, {kFitCells[3], "5.5"}}},
    {"Coefficient range rebuilds the grid", 1, kSprtFitRange, "-200~660", {}},
};

void Type(QLineEdit* edit, const char* keys)
{
    edit->setFocus();
    QApplication::processEvents();
    QTest::keyClicks(edit, QString::fromLatin1(keys));
}

void BM_SprtKeystroke(benchmark::State& state)
{
    const Case& c = kCases[state.range(0)];
    QTemporaryDir folder;
    StandardsStore store(StandardsStoreOptions{folder.path().toStdString(), StandardsClock::System(), {}});
    StandardsLibrary library(store);
    std::unique_ptr<ContainerPage> container(CreateSprtPage(nullptr, tmcalc::bench::PageRectAtOrigin(), library));
    container->show();
    container->activateWindow();
    container->selectTab(c.tab);
    QApplication::processEvents();
    auto* page = static_cast<Page*>(container->subPage(c.tab));
    for (const auto& [field, keys] : c.typedFirst) Type(page->edit(field), keys);
    bench::KeystrokeTimes(state, page->edit(c.field), QString::fromLatin1(c.keys));
    state.SetLabel(std::string(c.name) + " \"" + c.keys + "\"");
}
BENCHMARK(BM_SprtKeystroke)->DenseRange(0, static_cast<int>(std::size(kCases)) - 1)->Iterations(50);

}  // namespace
