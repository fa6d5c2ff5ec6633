#pragma once
// Keystroke timing for page benchmarks: median and maximum of the time from a key press on the driving
// field to the return of the event (the other fields are written synchronously inside it).

#include "framework/geometry.h"

#include <QApplication>
#include <QLineEdit>
#include <QTest>

#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <vector>

namespace tmcalc::bench {

// A page's rectangle on a 1920 x 1080 screen, at the origin: a page benchmarked on its own.
inline QRect PageRectAtOrigin()
{
    const Rect r = PageRect(ComputeScreenGeometry(1920, 1080));
    return {0, 0, r.width, r.height};
}
// The same page at its place in the main window.
inline QRect MainWindowPageRect()
{
    const Rect r = PageRect(ComputeScreenGeometry(1920, 1080));
    return {r.x, r.y, r.width, r.height};
}

// Types `keys` one by one (clearing the field when it is done) and reports per-keystroke figures in
// microseconds as counters: median_us and max_us.
inline void KeystrokeTimes(benchmark::State& state, QLineEdit* field, const QString& keys)
{
    field->setFocus();
    QApplication::processEvents();
    std::vector<double> micros;
    for (auto _ : state) {
        for (QChar c : keys) {
            const auto start = std::chrono::steady_clock::now();
            QTest::keyClick(field, c.toLatin1());
            const auto end = std::chrono::steady_clock::now();
            micros.push_back(std::chrono::duration<double, std::micro>(end - start).count());
        }
        state.PauseTiming();
        field->selectAll();
        QTest::keyClick(field, Qt::Key_Backspace);
        state.ResumeTiming();
    }
    std::sort(micros.begin(), micros.end());
    state.counters["median_us"] = micros[micros.size() / 2];
    state.counters["max_us"] = micros.back();
}

}  // namespace tmcalc::bench
