// Keystroke to updated fields on the eight work resistance thermometer sub-pages. Each case types its keys
// into one field of a freshly opened sub-page (each key computes the whole page). Pasted far-off
// resistances still have a root that Newton reaches (about 50 steps for -1e10 Ω on Pt100, 40 for 1e12 Ω on
// Cu50); the cases that run to the step bound on every key are the nickel page at 9e99 Ω (no root) and the
// platinum check row after a fit from a mistyped point.
#include "bench_ui_util.h"
#include "framework/ui/numeric_edit.h"
#include "framework/ui/ui_context.h"
#include "rtd/ui/coefficient_sub_page.h"
#include "rtd/ui/nickel_sub_page.h"
#include "rtd/ui/sensor_sub_page.h"

#include <QApplication>
#include <QTest>

#include <memory>
#include <string>

namespace {

using tmcalc::Page;

enum class Kind { Sensor, Nickel, PtFit, CuFit };

struct Case {
    const char* name;
    Kind kind;
    int tab;  // sensor page index for Kind::Sensor
    int field;
    const char* keys;
    bool mistypedFit = false;  // fill the fit cells with a wrong upper resistance first
};

constexpr Case kCases[] = {
    {"Pt100 C", Kind::Sensor, 0, tmcalc::kRtdCelsius, "-123.4567"},
    {"Pt100 R above R0", Kind::Sensor, 0, tmcalc::kRtdResistance, "138.5055"},
    {"Pt100 R below R0 (quartic)", Kind::Sensor, 0, tmcalc::kRtdResistance, "84.2707"},
    {"Pt100 R -1e10 (quartic, far root)", Kind::Sensor, 0, tmcalc::kRtdResistance, "-1e10"},
    {"Pt50 F", Kind::Sensor, 1, 1, "-190.2208"},
    {"PtX R", Kind::Sensor, 2, tmcalc::kRtdResistance, "12.6734"},
    {"Cu100 C", Kind::Sensor, 3, tmcalc::kRtdCelsius, "123.4567"},
    {"Cu50 R (cubic)", Kind::Sensor, 4, tmcalc::kRtdResistance, "71.4"},
    {"Cu50 R 1e12 (cubic, far root)", Kind::Sensor, 4, tmcalc::kRtdResistance, "1e12"},
    {"Ni C", Kind::Nickel, 0, tmcalc::kNiCelsius, "123.4567"},
    {"Ni R (sextic)", Kind::Nickel, 0, tmcalc::kNiResistance, "1234.5678"},
    {"Ni R 9e99 (sextic, no root)", Kind::Nickel, 0, tmcalc::kNiResistance, "9e99"},
    {"Pt fit, last resistance", Kind::PtFit, 0, 14, "212.0515"},
    {"Pt check R", Kind::PtFit, 0, 3043, "60.2558"},
    {"Pt check R after a mistyped fit (step bound)", Kind::PtFit, 0, 3043, "80.5", true},
    {"Cu fit, last resistance", Kind::CuFit, 0, 14, "47.8542"},
    {"Cu check R", Kind::CuFit, 0, 3045, "60.70395"},
};

void ShowActive(Page* page)
{
    page->show();
    page->activateWindow();
    QApplication::processEvents();
}

std::unique_ptr<Page> OpenPage(const Case& c)
{
    const QRect rect(0, 0, 1052, 394);
    std::unique_ptr<Page> page;
    if (c.kind == Kind::Sensor) {
        page = std::make_unique<tmcalc::RtdSensorSubPage>(
            nullptr, rect, tmcalc::kRtdSensorPages[static_cast<std::size_t>(c.tab)]);
    } else if (c.kind == Kind::Nickel) {
        page = std::make_unique<tmcalc::NickelSubPage>(nullptr, rect);
    }
    if (page) {
        ShowActive(page.get());
        return page;
    }
    const bool pt = c.kind == Kind::PtFit;
    page = std::make_unique<tmcalc::RtdCoefficientSubPage>(
        nullptr, rect, pt ? tmcalc::RtdMetal::Platinum : tmcalc::RtdMetal::Copper);
    ShowActive(page.get());
    // The fit runs only on typed text: type the points that the case does not type itself.
    const char* const resistances[] = {pt ? "84.2707" : "71.4", pt ? "138.5055" : "82.1343",
                                       c.mistypedFit ? "21.0515" : (pt ? "212.0515" : "47.8542")};
    const int cells[] = {8, 11, 14};
    for (int i = 0; i < 3; ++i) {
        if (cells[i] == c.field) continue;
        tmcalc::NumericEdit* cell = page->edit(cells[i]);
        cell->setFocus();
        QApplication::processEvents();
        QTest::keyClicks(cell, QString::fromLatin1(resistances[i]));
    }
    return page;
}

void BM_RtdKeystroke(benchmark::State& state)
{
    const Case& c = kCases[state.range(0)];
    std::unique_ptr<Page> page = OpenPage(c);
    tmcalc::bench::KeystrokeTimes(state, page->edit(c.field), QString::fromLatin1(c.keys));
    state.SetLabel(std::string(c.name) + " \"" + c.keys + "\"");
}
BENCHMARK(BM_RtdKeystroke)->DenseRange(0, static_cast<int>(std::size(kCases)) - 1)->Iterations(100);

}  // namespace
