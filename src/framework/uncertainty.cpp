#include "framework/uncertainty.h"

#include "framework/number_text.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <algorithm>
#include <limits>

namespace tmcalc {
namespace {

constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();

std::vector<double> Evaluate(const UncertaintyModel& model, std::span<const double> x)
{
    std::vector<double> y = model.evaluate(x);
    y.resize(model.outputs.size(), kNaN);
    return y;
}

}  // namespace

UncertaintyModel TwoWayModel(const std::string& a, const std::string& b, bool fromB, const std::string& parameter,
                             const std::vector<std::string>& more)
{
    UncertaintyModel m;
    m.inputs = {fromB ? b : a, parameter};
    m.outputs = {fromB ? a : b};
    m.outputs.insert(m.outputs.end(), more.begin(), more.end());
    return m;
}

double CentralDifferenceStep(double x)
{
    return 1e-3 * std::max(std::abs(x), 1.0);
}

std::vector<double> NumericSlopes(const UncertaintyModel& model, std::span<const double> x, int input)
{
    const auto i = static_cast<std::size_t>(input);
    std::vector<double> at(x.begin(), x.end());
    const double h = CentralDifferenceStep(at[i]);
    const double x0 = at[i];
    at[i] = x0 + h;
    const std::vector<double> up = Evaluate(model, at);
    at[i] = x0 - h;
    const std::vector<double> down = Evaluate(model, at);
    std::vector<double> centre;
    std::vector<double> farUp, farDown;
    std::vector<double> slopes(model.outputs.size(), kNaN);
    for (std::size_t j = 0; j < slopes.size(); ++j) {
        if (std::isfinite(up[j]) && std::isfinite(down[j])) {
            slopes[j] = (up[j] - down[j]) / (2 * h);
            continue;
        }
        // At a range edge one side has no value: the second-order one-sided difference from the value and
        // two steps into the range (first order when the second step is out too).
        if (centre.empty()) centre = Evaluate(model, x);
        if (!std::isfinite(centre[j])) continue;
        const bool upward = std::isfinite(up[j]);
        if (!upward && !std::isfinite(down[j])) continue;
        const double sign = upward ? 1.0 : -1.0;
        const double near = upward ? up[j] : down[j];
        std::vector<double>& far = upward ? farUp : farDown;
        if (far.empty()) {
            at[i] = x0 + 2 * sign * h;
            far = Evaluate(model, at);
        }
        slopes[j] = std::isfinite(far[j]) ? sign * (4 * near - 3 * centre[j] - far[j]) / (2 * h)
                                          : sign * (near - centre[j]) / h;
    }
    return slopes;
}

std::vector<Budget> Propagate(const UncertaintyModel& model, std::span<const double> x, std::span<const double> u,
                              double k)
{
    const std::size_t nIn = model.inputs.size();
    const std::size_t nOut = model.outputs.size();
    std::vector<double> c(nOut * nIn, kNaN);
    if (model.slopes) {
        std::vector<double> analytic = model.slopes(x);
        analytic.resize(c.size(), kNaN);
        c = std::move(analytic);
    }
    std::vector<Budget> budgets(nOut);
    for (std::size_t i = 0; i < nIn; ++i) {
        const double ui = i < u.size() ? u[i] : 0.0;
        bool missing = false;
        for (std::size_t j = 0; j < nOut; ++j) missing = missing || std::isnan(c[j * nIn + i]);
        // A zero u needs no slope: it adds nothing whatever the slope is.
        if (missing && ui != 0.0) {
            const std::vector<double> numeric = NumericSlopes(model, x, static_cast<int>(i));
            for (std::size_t j = 0; j < nOut; ++j)
                if (std::isnan(c[j * nIn + i])) c[j * nIn + i] = numeric[j];
        }
    }
    for (std::size_t j = 0; j < nOut; ++j) {
        Budget& b = budgets[j];
        b.output = model.outputs[j];
        b.k = k;
        double sum = 0.0;
        for (std::size_t i = 0; i < nIn; ++i) {
            BudgetLine line;
            line.input = model.inputs[i];
            line.u = i < u.size() ? u[i] : 0.0;
            line.c = c[j * nIn + i];
            line.contribution = line.u == 0.0 ? 0.0 : std::abs(line.c * line.u);
            sum += line.contribution * line.contribution;
            b.lines.push_back(line);
        }
        b.uc = std::sqrt(sum);
        for (BudgetLine& line : b.lines)
            line.share = b.uc > 0.0 ? line.contribution * line.contribution / (b.uc * b.uc) : 0.0;
        b.U = k * b.uc;
    }
    return budgets;
}

Budget ScaledBudget(Budget budget, double factor)
{
    const double f = std::abs(factor);
    for (BudgetLine& line : budget.lines) {
        line.c *= factor;
        line.contribution *= f;
    }
    budget.uc *= f;
    budget.U *= f;
    return budget;
}

std::string FormatSignificant(double v, int digits)
{
    if (std::isnan(v)) return FormatValueG7(v);
    if (v == 0.0) return "0";
    if (std::isinf(v)) return v > 0 ? "inf" : "-inf";
    // The exponent after rounding: 0.0995 to two digits is 0.10, one decade up.
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, "%.*e", digits - 1, v);
    const char* e = std::strchr(buffer, 'e');
    const int exponent = e != nullptr ? std::atoi(e + 1) : 0;
    if (exponent < -6 || exponent >= 15) return buffer;
    const int decimals = std::max(0, digits - 1 - exponent);
    // From the rounded value, so that digits beyond the significant ones are zeros (1349 -> 1300).
    const double rounded = std::strtod(buffer, nullptr);
    std::snprintf(buffer, sizeof buffer, "%.*f", decimals, rounded);
    return buffer;
}

double RoundSignificant(double v, int digits)
{
    if (!std::isfinite(v) || v == 0.0) return v;
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, "%.*e", digits - 1, v);
    return std::strtod(buffer, nullptr);
}

std::string BudgetText(const Budget& budget, std::span<const std::string> names)
{
    const auto number = [](double v) { return FormatValueG(v, 7); };
    std::string text;
    for (std::size_t i = 0; i < budget.lines.size(); ++i) {
        const BudgetLine& line = budget.lines[i];
        text += i < names.size() ? names[i] : line.input;
        text += ": c = " + number(line.c) + ", u = " + number(line.u) + ", c\u00b7u = " + number(line.contribution) +
                ", " + FormatValueG(100.0 * line.share, 3) + " %\n";
    }
    text += "u_c = " + number(budget.uc) + ", U = " + FormatSignificant(budget.U) + " (k = " + number(budget.k) + ")";
    return text;
}

}  // namespace tmcalc
