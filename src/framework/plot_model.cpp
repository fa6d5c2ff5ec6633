#include "framework/plot_model.h"

#include "framework/number_text.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <limits>

namespace tmcalc {
namespace {

double Pow10(int e)
{
    return std::pow(10.0, static_cast<double>(e));
}

// k times m·10^e, divided rather than multiplied for negative e, so that 3 × 0.1 is 0.3 and not
// 0.30000000000000004.
double TickValue(double k, int m, int e)
{
    return e >= 0 ? k * m * Pow10(e) : k * m / Pow10(-e);
}

// A tick's text: fixed decimals for steps from 10^-5 to 10^6 (as many decimals as the step has), the
// general form with enough significant digits to tell ticks apart otherwise.
std::string TickText(double value, int e, double largest)
{
    if (value == 0.0) value = 0.0;  // no "-0"
    if (e >= -5 && largest < 1e7) {
        std::array<char, 64> text{};
        const auto r = std::to_chars(text.data(), text.data() + text.size(), value, std::chars_format::fixed,
                                     std::max(0, -e));
        return std::string(text.data(), r.ptr);
    }
    const int digits = std::clamp(static_cast<int>(std::floor(std::log10(largest))) - e + 1, 1, 15);
    return FormatValueG(value, digits);
}

}  // namespace

PlotAxis NiceAxis(double lo, double hi, int maxTicks, std::string title)
{
    PlotAxis axis;
    axis.title = std::move(title);
    if (!std::isfinite(lo) || !std::isfinite(hi)) {
        lo = 0.0;
        hi = 1.0;
    }
    if (lo > hi) std::swap(lo, hi);
    if (hi - lo <= std::abs(hi) * 1e-12) {
        const double half = lo != 0.0 ? std::abs(lo) * 0.1 : 1.0;
        lo -= half;
        hi += half;
    }
    maxTicks = std::max(maxTicks, 2);
    // The first step of 1, 2 or 5 × 10^e from a tenth of the even step upward that needs no more ticks.
    int e = static_cast<int>(std::floor(std::log10((hi - lo) / maxTicks))) - 1;
    int m = 1;
    double kLo = 0.0;
    double kHi = 0.0;
    for (int guard = 0; guard < 64; ++guard) {
        const double step = TickValue(1.0, m, e);
        // A bound within a billionth of a step of a tick counts as on it.
        kLo = std::floor(lo / step + 1e-9);
        kHi = std::ceil(hi / step - 1e-9);
        if (kHi - kLo + 1.0 <= maxTicks) break;
        if (m == 1) {
            m = 2;
        } else if (m == 2) {
            m = 5;
        } else {
            m = 1;
            ++e;
        }
    }
    axis.min = TickValue(kLo, m, e);
    axis.max = TickValue(kHi, m, e);
    const double largest = std::max(std::abs(axis.min), std::abs(axis.max));
    for (double k = kLo; k <= kHi; k += 1.0) {
        const double v = TickValue(k, m, e);
        axis.ticks.push_back(v);
        axis.labels.push_back(TickText(v, e, largest));
    }
    return axis;
}

PlotModel BuildFitPlot(const FitPlotInput& input)
{
    PlotModel model;
    model.title = input.title;
    PlotPanel& main = model.main;
    PlotPanel& residuals = model.residuals;
    main.marks = input.points;

    double xLo = std::numeric_limits<double>::infinity();
    double xHi = -xLo;
    for (const PlotXY& p : input.points) {
        if (!std::isfinite(p.x)) continue;
        xLo = std::min(xLo, p.x);
        xHi = std::max(xHi, p.x);
    }
    if (!(xLo <= xHi)) {
        xLo = 0.0;
        xHi = 1.0;
    }
    // The x axis first, so that the curve runs over the whole of it.
    main.x = NiceAxis(xLo, xHi, 8, input.xTitle);
    if (input.curve) {
        const int n = std::max(input.samples, 2);
        for (int i = 0; i < n; ++i) {
            const double x = main.x.min + (main.x.max - main.x.min) * i / (n - 1);
            main.curve.push_back({x, input.curve(x)});
        }
    }
    double yLo = std::numeric_limits<double>::infinity();
    double yHi = -yLo;
    const auto take = [&](double y) {
        if (!std::isfinite(y)) return;
        yLo = std::min(yLo, y);
        yHi = std::max(yHi, y);
    };
    for (const PlotXY& p : main.marks) take(p.y);
    for (const PlotXY& p : main.curve) take(p.y);
    main.y = NiceAxis(yLo, yHi, 7, input.yTitle);

    residuals.x = main.x;
    residuals.x.title = input.xTitle;
    residuals.zeroLine = true;
    double rMax = 0.0;
    for (std::size_t i = 0; i < input.residualsMk.size() && i < input.points.size(); ++i) {
        const double r = input.residualsMk[i];
        residuals.marks.push_back({input.points[i].x, r});
        if (std::isfinite(r)) rMax = std::max(rMax, std::abs(r));
    }
    // Symmetric about zero, so that the zero line sits in the middle; a fit through every point still
    // gets an axis (±1 mK).
    if (rMax == 0.0) rMax = 1.0;
    residuals.y = NiceAxis(-rMax, rMax, 5, input.residualTitle);
    return model;
}

PlotLayout LayoutPlot(const PlotModel& model, double width, double height)
{
    PlotLayout layout;
    const double f = std::clamp(std::min(width, height * 1.5) / 48.0, 7.0, 40.0);
    layout.fontPx = f;
    std::size_t longest = 1;
    for (const PlotPanel* panel : {&model.main, &model.residuals})
        for (const std::string& label : panel->y.labels) longest = std::max(longest, label.size());
    // Tick texts are estimated at 0.6 em a character; the y titles stand turned beside them.
    const double left = f * (0.6 * static_cast<double>(longest) + 2.6);
    const double right = f * 1.5;
    const double top = model.title.empty() ? f : f * 2.2;
    const double bottom = f * 3.2;  // the x tick texts and the x title
    const double gap = f * 1.2;
    layout.title = {0.0, 0.0, width, top};
    const double w = std::max(1.0, width - left - right);
    const double h = std::max(2.0, height - top - bottom - gap);
    layout.main = {left, top, w, std::floor(h * 0.66)};
    layout.residuals = {left, top + layout.main.h + gap, w, h - layout.main.h};
    return layout;
}

PlotXY MapToFrame(const PlotPanel& panel, const PlotRect& frame, PlotXY p)
{
    const double sx = panel.x.max > panel.x.min ? frame.w / (panel.x.max - panel.x.min) : 0.0;
    const double sy = panel.y.max > panel.y.min ? frame.h / (panel.y.max - panel.y.min) : 0.0;
    return {frame.x + (p.x - panel.x.min) * sx, frame.y + frame.h - (p.y - panel.y.min) * sy};
}

std::vector<std::vector<PlotXY>> CurveRuns(const PlotPanel& panel, const PlotRect& frame)
{
    std::vector<std::vector<PlotXY>> runs(1);
    for (const PlotXY& p : panel.curve) {
        if (!std::isfinite(p.x) || !std::isfinite(p.y)) {
            if (!runs.back().empty()) runs.emplace_back();
            continue;
        }
        runs.back().push_back(MapToFrame(panel, frame, p));
    }
    std::erase_if(runs, [](const std::vector<PlotXY>& run) { return run.size() < 2; });
    return runs;
}

}  // namespace tmcalc
