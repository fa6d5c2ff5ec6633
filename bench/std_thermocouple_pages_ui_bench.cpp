// Keystroke to updated fields on the standard thermocouple sub-pages, each case on a freshly opened
// container (each key converts the whole sub-page). The slowest cases are the iterations at their limits:
// type S with fixed points whose deviation folds the emf curve, so Newton wanders for its 100000 steps;
// type B mode 2 with a polynomial that has no root (1000001 Horner steps); mode 3 with an absurd deviation
// (389 steps before it leaves the range). Values typed by keys are written with 17 digits.
#include "bench_ui_util.h"
#include "framework/number_text.h"
#include "framework/ui/container_page.h"
#include "framework/ui/numeric_edit.h"
#include "framework/ui/ui_context.h"
#include "standards/standards_store.h"
#include "standards/ui/standards_library.h"
#include "thermocouple/std_reference.h"
#include "thermocouple/ui/std_b_sub_page.h"
#include "thermocouple/ui/std_pages.h"

#include <QApplication>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QTest>

#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace {

using tmcalc::Page;

using Typed = std::vector<std::pair<int, std::string>>;

struct Case {
    const char* name;
    int tab;
    int mode;  // type B mode, 0 on the other tabs
    Typed typedFirst;
    int field;
    std::string keys;
};

// NIST type B coefficients (µV) of 0-630.615 °C (a1..a6) and 630.615-1820 °C (a0..a8).
const Typed kLowRange = {
    {781, "-0.24650818346"}, {782, "0.0059040421171"}, {783, "-1.3257931636e-6"},
    {784, "1.5668291901e-9"}, {785, "-1.694452924e-12"}, {786, "6.2990347094e-16"}, {790, "20"}};
const Typed kHighRange = {
    {781, "-3893.8168621"}, {782, "28.57174747"}, {783, "-0.084885104785"}, {784, "0.00015785280164"},
    {785, "-1.6835344864e-7"}, {786, "1.1109794013e-10"}, {787, "-4.4515431033e-14"},
    {788, "9.8975640821e-18"}, {789, "-9.3791330289e-22"}, {790, "20"}};
const Typed kFixedB = {
    {781, "5.780"}, {782, "6.786"}, {783, "7.848"}, {784, "8.956"}, {785, "10.099"}, {790, "20"}};
const Typed kFixedS = {
    {221, "3.4472"}, {222, "5.8605"}, {223, "10.5822"}, {227, "20"}};
// Fixed points whose precise deviation folds the emf curve near 6.19 mV.
const Typed kWanderingS = {
    {221, "4.2983037454835475"}, {222, "7.156956359931776"}, {223, "-19.745324421287407"}, {227, "0"}};
const Typed kNoRootB = {{781, "1"}, {782, "0"}, {783, "1"}, {784, "0"}, {785, "0"}, {786, "0"},
                        {787, "0"}, {788, "0"}, {789, "0"}, {790, "0"}};

// The reference emfs at 1100-1500 °C plus a deviation a + b t + c t^2 (mV).
Typed FixedPointsB(double a, double b, double c)
{
    Typed typed;
    for (std::size_t i = 0; i < tmcalc::kStdBFixedPointTemperatures.size(); ++i) {
        const double t = tmcalc::kStdBFixedPointTemperatures[i];
        typed.emplace_back(781 + static_cast<int>(i),
                           tmcalc::FormatValueG(tmcalc::StdRefEmf(tmcalc::ThermocoupleType::B, t) + a + b * t + c * t * t, 17));
    }
    typed.emplace_back(790, "0");
    return typed;
}

const std::vector<Case>& Cases()
{
    static const std::vector<Case> cases = {
        {"S fixed point (table)", 0, 0, {{221, "3.4472"}, {222, "5.8605"}}, 223, "10.5822"},
        {"S T->E", 0, 0, kFixedS, 226, "1084.62"},
        {"S E->T", 0, 0, kFixedS, 224, "9.5923903"},
        {"S E->T in the 400 C step", 0, 0, kFixedS, 224, "3.2596"},
        {"S E->T wandering (100001 steps)", 0, 0, kWanderingS, 224, "6.1946486878258362"},
        {"B1 T->E", 1, 1, kLowRange, 791, "600.123"},
        {"B1 E->T", 1, 1, kLowRange, 792, "1.792"},
        {"B1 E->T 99 mV (step limit)", 1, 1, kLowRange, 792, "99"},
        {"B2 E->T", 1, 2, kHighRange, 792, "4.834"},
        {"B2 E->T 99 mV (step limit)", 1, 2, kHighRange, 792, "99"},
        {"B3 E->T", 1, 3, kFixedB, 792, "7.848"},
        {"B3 E->T 99 mV", 1, 3, kFixedB, 792, "99"},
        {"B2 E->T no root (1000001 steps)", 1, 2, kNoRootB, 792, "0"},
        {"B3 E->T absurd deviation (389 steps)", 1, 3,
         FixedPointsB(0.15307483644639497, -0.00079665197697954241, -4.6802519922735427e-07), 792,
         "0.095377339587982732"},
        {"S coefficients", 2, 0, {{1, "3.4472"}, {3, "5.8605"}}, 5, "10.5822"},
    };
    return cases;
}

void BM_StdThermocoupleKeystroke(benchmark::State& state)
{
    const Case& c = Cases()[static_cast<std::size_t>(state.range(0))];
    QTemporaryDir folder;
    tmcalc::StandardsStoreOptions options;
    options.folder = folder.path().toStdString();
    tmcalc::StandardsStore store(options);
    tmcalc::StandardsLibrary library(store);
    std::unique_ptr<tmcalc::ContainerPage> container(
        tmcalc::CreateStdThermocouplePage(nullptr, tmcalc::bench::PageRectAtOrigin(), library));
    container->show();
    container->activateWindow();
    container->selectTab(c.tab);
    QApplication::processEvents();
    auto* page = static_cast<Page*>(container->subPage(c.tab));
    if (c.mode != 0) static_cast<tmcalc::StdBSubPage*>(page)->modeButton(static_cast<tmcalc::StdBMode>(c.mode))->click();
    for (const auto& [id, text] : c.typedFirst) {
        page->edit(id)->setFocus();
        QApplication::processEvents();
        QTest::keyClicks(page->edit(id), QString::fromStdString(text));
    }
    tmcalc::bench::KeystrokeTimes(state, page->edit(c.field), QString::fromStdString(c.keys));
    state.SetLabel(std::string(c.name) + " \"" + c.keys + "\"");
}
BENCHMARK(BM_StdThermocoupleKeystroke)->DenseRange(0, static_cast<int>(Cases().size()) - 1)->Iterations(5)->Unit(benchmark::kMicrosecond);

}  // namespace

namespace {

// The page is made when it is first shown (start-up makes only the first page): what the first click on
// its navigation item costs, store reading for the manager and product list included.
void BM_OpenStdThermocouplePage(benchmark::State& state)
{
    QTemporaryDir folder;
    tmcalc::StandardsStoreOptions options;
    options.folder = folder.path().toStdString();
    tmcalc::StandardsStore store(options);
    for (int i = 0; i < 5; ++i) {
        tmcalc::StandardRecord record(tmcalc::StandardKind::Thermocouple);
        (void)store.AddStandard(tmcalc::StandardKind::Thermocouple, record);
    }
    tmcalc::StandardsLibrary library(store);
    for (auto _ : state) {
        std::unique_ptr<tmcalc::ContainerPage> container(
            tmcalc::CreateStdThermocouplePage(nullptr, tmcalc::bench::PageRectAtOrigin(), library));
        container->show();
        QApplication::processEvents();
    }
}
BENCHMARK(BM_OpenStdThermocouplePage)->Iterations(20)->Unit(benchmark::kMillisecond);

}  // namespace
