#include "thermocouple/std_type_s.h"

#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstddef>
#include <cstdio>
#include <limits>

#include "framework/diagnostics.h"
#include "framework/number_text.h"
#include "thermocouple/reference_functions.h"
#include "thermocouple/std_reference.h"

namespace tmcalc {
namespace {

constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();
constexpr ThermocoupleType kS = ThermocoupleType::S;

// The rows of the inverse of the matrix with rows (1, t, t^2) at the three fixed points: a, b and c of
// the quadratic through the three deviations. The rounded rows are the nine-digit values the working
// pages have always used; the precise rows are the full inverse. Their results differ in the last digits.
struct FixedPointWeights {
    double a[3];
    double b[3];
    double c[3];
};

constexpr FixedPointWeights kRoundedWeights = {
    {4.4720061, -4.45367268, 0.981666573},
    {-0.0108955611, 0.0147221437, -0.00382658262},
    {6.24407851E-06, -9.78770273E-06, 3.54362422E-06},
};

constexpr FixedPointWeights kPreciseWeights = {
    {4.472006104753033, -4.453672677931989, 0.9816665731789558},
    {-0.01089556107893858, 0.014722143698104153, -0.003826582619165572},
    {6.24407850510795E-06, -9.78770272992211E-06, 3.5436242248141613E-06},
};

// Below this the deviation is added in mV as if it were µV (see SDeviationMicrovolts).
constexpr double kDeviationCountsFrom = 400.0;

// Emf to temperature: residual tolerance in mV (a millionth of a mV is about 0.1 mK) and step limit
// (at most 100001 steps).
constexpr double kResidualTolerance = 1E-06;
constexpr int kStepLimit = 100000;

double DeviationMillivolts(const SDeviation& d, double t)
{
    return d.a + d.b * t + d.c * t * t;
}

// µV/°C: the reference slope plus the deviation's, scaled to µV whatever the temperature.
double StdSSlope(const SDeviation& d, double t)
{
    return TcSlope(kS, t) + (2.0 * d.c * t + d.b) * 1000.0;
}

double Residual(const SDeviation& d, double t, double target)
{
    return TcEmf(kS, t) / 1000.0 + SDeviationMicrovolts(d, t) / 1000.0 - target;
}

// The emfs no temperature reaches: the jump of the emf at 400 °C, from the unscaled deviation just below
// to the full one at 400 °C. Newton's method would bounce across it until its step limit.
bool InsideStepAt400(const SDeviation& d, double target)
{
    const double reference = TcEmf(kS, kDeviationCountsFrom) / 1000.0;
    const double deviation = DeviationMillivolts(d, kDeviationCountsFrom);
    const double fromBelow = reference + deviation / 1000.0;
    const double at = reference + deviation;
    return target >= std::min(fromBelow, at) && target <= std::max(fromBelow, at);
}

void EmitNewtonTrace(int steps, std::chrono::steady_clock::time_point start)
{
    const auto elapsed =
        std::chrono::duration_cast<std::chrono::milliseconds>(std::chrono::steady_clock::now() - start);
    char line[80];
    const int length = std::snprintf(line, sizeof line, "\n Vt->T_SP newton: %d , tick : %lld\n", steps,
                                     static_cast<long long>(elapsed.count()));
    if (length > 0) EmitDiagnostic({line, std::min(static_cast<std::size_t>(length), sizeof line - 1)});
}

bool HasAllFixedPoints(const StdSFixedPoints& p)
{
    return p.zinc != 0.0 && p.aluminium != 0.0 && p.copper != 0.0;
}

}  // namespace

SDeviation SDeviationFromFixedPoints(double zinc, double aluminium, double copper, SDeviationVariant variant)
{
    const bool rounded = variant == SDeviationVariant::Rounded;
    const auto reference = [rounded](double t) { return rounded ? TcEmf(kS, t) / 1000.0 : StdRefEmf(kS, t); };
    const double dZn = zinc - reference(kZincPoint);
    const double dAl = aluminium - reference(kAluminiumPoint);
    const double dCu = copper - reference(kCopperPoint);
    const FixedPointWeights& w = rounded ? kRoundedWeights : kPreciseWeights;
    return {
        w.a[0] * dZn + w.a[1] * dAl + w.a[2] * dCu,
        w.b[0] * dZn + w.b[1] * dAl + w.b[2] * dCu,
        w.c[0] * dZn + w.c[1] * dAl + w.c[2] * dCu,
    };
}

double SDeviationMicrovolts(const SDeviation& deviation, double t)
{
    const double millivolts = DeviationMillivolts(deviation, t);
    return t >= kDeviationCountsFrom ? millivolts * 1000.0 : millivolts;
}

StdSEmfResult StdSEmf(double t, double tc, const SDeviation& deviation)
{
    double measuring = TcEmf(kS, t) + SDeviationMicrovolts(deviation, t);
    if (std::fabs(t) <= 0.001) measuring = 0.0;
    return {(measuring - TcEmf(kS, tc)) / 1000.0, StdSSlope(deviation, t)};
}

StdSTemperatureResult StdSTemperature(double emf, double tc, const SDeviation& deviation)
{
    const double target = emf + TcEmf(kS, tc) / 1000.0;
    double t = TcTemperature(kS, target * 1000.0);
    if (t == 0.0) return {0.0, StdSSlope(deviation, 0.0)};
    if (InsideStepAt400(deviation, target)) {
        return {kDeviationCountsFrom, StdSSlope(deviation, kDeviationCountsFrom)};
    }

    const auto start = std::chrono::steady_clock::now();
    int steps = 0;
    bool converged = false;
    for (;;) {
        const double residual = Residual(deviation, t, target);
        if (std::fabs(residual) < kResidualTolerance) {
            converged = true;
            break;
        }
        // NaN (an emf beyond reach, a step out of range) never recovers: stop rather than run the limit.
        if (std::isnan(residual) || steps > kStepLimit) break;
        // The deviation's slope enters at a thousandth of its weight (mV/°C added to µV/°C). It is a
        // few parts in ten thousand of the whole and changes the path, not the root.
        const double slope = (TcSlope(kS, t) + 2.0 * deviation.c * t + deviation.b) / 1000.0;
        t -= residual / slope;
        ++steps;
    }
    EmitNewtonTrace(steps, start);
    if (!converged) return {kNaN, kNaN};
    return {t, StdSSlope(deviation, t)};
}

HundredDegreeValues HundredDegreeTable(const SDeviation& deviation)
{
    HundredDegreeValues table{};
    for (int k = 0; k < kHundredDegreeRows; ++k) {
        const double t = 100.0 * (k + 3);
        table[static_cast<std::size_t>(k)] = (TcEmf(kS, t) + SDeviationMicrovolts(deviation, t)) / 1000.0;
    }
    return table;
}

std::array<std::string, kHundredDegreeTexts> HundredDegreeTableTexts(const HundredDegreeValues& table,
                                                                     const SDeviation& deviation)
{
    // FormatValueG gives the out-of-range text for NaN only; an infinity is out of range just as well.
    const auto format = [](double value, int precision) {
        return FormatValueG(std::isfinite(value) ? value : kNaN, precision);
    };
    std::array<std::string, kHundredDegreeTexts> texts;
    for (std::size_t k = 0; k < table.size(); ++k) texts[k] = format(table[k], 5);
    texts[kHundredDegreeRows] = format(deviation.a, 6);
    texts[kHundredDegreeRows + 1] = format(deviation.b, 6);
    texts[kHundredDegreeRows + 2] = format(deviation.c, 6);
    return texts;
}

std::optional<StdSPageEmf> StdSPageTemperatureToEmf(const StdSFixedPoints& points, double t, double tc)
{
    if (!HasAllFixedPoints(points)) return std::nullopt;
    const SDeviation deviation =
        SDeviationFromFixedPoints(points.zinc, points.aluminium, points.copper, SDeviationVariant::Rounded);
    return StdSPageEmf{deviation, StdSEmf(t, tc, deviation)};
}

std::optional<StdSTemperatureResult> StdSPageEmfToTemperature(const StdSFixedPoints& points, double emf, double tc)
{
    if (!HasAllFixedPoints(points)) return std::nullopt;
    const SDeviation deviation =
        SDeviationFromFixedPoints(points.zinc, points.aluminium, points.copper, SDeviationVariant::Precise);
    return StdSTemperature(emf, tc, deviation);
}

}  // namespace tmcalc
