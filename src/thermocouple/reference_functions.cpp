#include "thermocouple/reference_functions.h"

#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstddef>
#include <cstdio>
#include <limits>
#include <span>

#include "framework/diagnostics.h"
#include "thermocouple/coefficients.h"
#include "thermocouple/power_series.h"

namespace tmcalc {
namespace {

constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();

// D and C iteration: residual tolerance in mV and step limit (the counter may reach 100, so at most 101
// steps), bounding the time a hopeless emf can take.
constexpr double kDcResidualTolerance = 1E-08;
constexpr int kDcStepLimit = 100;

// Refinement of S to T beyond the fitted emf spans: a step below this (°C) ends it, far inside the
// 0.001 °C a result must meet; the limit is never reached in practice because of the bisection fallback.
constexpr double kRefineTolerance = 1E-7;
constexpr int kRefineStepLimit = 200;

// Type B falls to -2.585 µV at 21.0203 °C before it rises; an emf is inverted on the rising branch only.
constexpr double kBRisingFrom = 21.0203;

const TcRange* FindPiece(std::span<const TcRange> pieces, double x)
{
    for (const TcRange& piece : pieces) {
        if (piece.Contains(x)) return &piece;
    }
    return nullptr;
}

// The piece of the direct function that holds t (null outside its range), and type K's exponential term
// when that piece is K's upper one (null otherwise).
struct DirectPiece {
    const TcRange* range;
    const TcKExponential* kExponential;
};

DirectPiece FindDirectPiece(const TcCoefficientSet& set, ThermocoupleType type, double t)
{
    const auto& pieces = set[type].direct;
    const TcRange* piece = FindPiece(pieces, t);
    const bool exponential = type == ThermocoupleType::K && piece != nullptr && piece == &pieces.back();
    return {piece, exponential ? &set.kExponential : nullptr};
}

double KUpperEmf(const TcRange& piece, const TcKExponential& k, double t)
{
    // c0 is added after the higher terms, then the exponential term: this order fixes the last digits shown.
    return PowerSum(piece.c, t, 1) + piece.c[0] + k.a0 * std::exp(k.a1 * std::pow(t - k.a2, 2.0));
}

// The slope of type K's exponential term, which KUpperEmf adds and the slope subtracts.
double KExponentialSlope(const TcKExponential& k, double t, Evaluation how)
{
    const double d = t - k.a2;
    const double square = how == Evaluation::Horner ? d * d : std::pow(d, 2.0);
    return 2.0 * k.a0 * -k.a1 * d * std::exp(k.a1 * square);
}

struct TungstenRhenium {
    const TcRange& low;
    const TcRange& high;
    double residualCeiling;  // °C; above it the iteration's residual is -E
    TcDegreeTable table;
};

TungstenRhenium TungstenRheniumOf(const TcCoefficientSet& set, ThermocoupleType type)
{
    const auto& pieces = set[type].direct;
    if (type == ThermocoupleType::D) {
        return {pieces[0], pieces[1], std::numeric_limits<double>::infinity(), set.dDegreeTable};
    }
    // Type C's residual stops at the top of its range, so that 2320 to 2321 °C still invert.
    return {pieces[0], pieces[1], pieces[1].upper, set.cDegreeTable};
}

std::span<const double> DcPiece(const TungstenRhenium& w, double t)
{
    return t < w.high.lower ? w.low.c : w.high.c;
}

double DcSlopeMillivolts(const TungstenRhenium& w, double t)
{
    return PowerSumDerivative(DcPiece(w, t), t);
}

double DcResidual(const TungstenRhenium& w, double t, double emf)
{
    if (t < w.high.lower) return PowerSum(w.low.c, t) - emf;
    if (t <= w.residualCeiling) return PowerSum(w.high.c, t) - emf;
    return -emf;
}

void EmitNewtonTrace(int steps, std::chrono::steady_clock::time_point start)
{
    const auto elapsed = std::chrono::duration_cast<std::chrono::milliseconds>(
        std::chrono::steady_clock::now() - start);
    char line[80];
    const int length = std::snprintf(line, sizeof line, "\n newton iteretor count: %d , tick : %lld\n", steps,
                                     static_cast<long long>(elapsed.count()));
    if (length > 0) EmitDiagnostic({line, std::min(static_cast<std::size_t>(length), sizeof line - 1)});
}

double DcTemperature(const TcCoefficientSet& set, ThermocoupleType type, double emf)
{
    const auto start = std::chrono::steady_clock::now();
    const TungstenRhenium w = TungstenRheniumOf(set, type);

    // First whole degree of 0..2314 whose tabulated emf reaches E, else 2315. The table never falls, so
    // a binary search finds the same degree as a scan from 0.
    const auto found = std::lower_bound(w.table.begin(), w.table.end() - 1, emf);
    double t = static_cast<double>(found - w.table.begin());
    double residual = DcResidual(w, t, emf);
    if (std::fabs(residual) <= kDcResidualTolerance) return t;

    int steps = 0;
    while (std::fabs(residual) > kDcResidualTolerance && steps <= kDcStepLimit) {
        ++steps;
        t -= residual / DcSlopeMillivolts(w, t);
        residual = DcResidual(w, t, emf);
    }
    if (type == ThermocoupleType::D) EmitNewtonTrace(steps, start);

    if (std::fabs(residual) <= kDcResidualTolerance) {
        // Never hand the pages a temperature that TcEmf refuses (the polynomials extrapolate happily),
        // but an emf the range's own end meets within the tolerance is that end, not a millionth beyond.
        if (t >= w.low.lower && t <= w.high.upper) return t;
        const double end = t < w.low.lower ? w.low.lower : w.high.upper;
        return std::fabs(DcResidual(w, end, emf)) <= kDcResidualTolerance ? end : kNaN;
    }
    // Where the two pieces do not meet (D misses by about 5E-7 mV at 783 °C) the iteration bounces across
    // the gap; the breakpoint is the honest answer for an emf inside it.
    const double breakpoint = w.high.lower;
    const double fromBelow = PowerSum(w.low.c, breakpoint);
    const double fromAbove = PowerSum(w.high.c, breakpoint);
    if (emf >= std::min(fromBelow, fromAbove) - kDcResidualTolerance &&
        emf <= std::max(fromBelow, fromAbove) + kDcResidualTolerance) {
        return breakpoint;
    }
    return kNaN;
}

// dE/dt in µV/°C evaluated `how`; with Horner's rule, also a bound on its distance from the term-by-term
// value (with term by term, a spread of 0).
TcSlopeEstimate SlopeOf(ThermocoupleType type, double t, Evaluation how)
{
    if (!IsKnownType(type)) return {0.0, 0.0};
    const TcCoefficientSet& set = WorkingCoefficientSet();
    const bool horner = how == Evaluation::Horner;
    if (EmfInMillivolts(type)) {
        if (std::isnan(t)) return {0.0, 0.0};
        const std::span<const double> c = DcPiece(TungstenRheniumOf(set, type), t);
        return {PowerSumDerivative(c, t, how) * 1000.0, horner ? PowerSumDerivativeSpread(c, t) * 1000.0 : 0.0};
    }
    const DirectPiece piece = FindDirectPiece(set, type, t);
    if (piece.range == nullptr) return {kNaN, 0.0};
    const std::span<const double> c = piece.range->c;
    TcSlopeEstimate slope{PowerSumDerivative(c, t, how), horner ? PowerSumDerivativeSpread(c, t) : 0.0};
    if (piece.kExponential) {
        const TcKExponential& k = *piece.kExponential;
        const double exponential = KExponentialSlope(k, t, how);
        slope.value -= exponential;
        // The two squares of t - a2 differ by an ulp at most, which exp magnifies by its argument.
        if (horner) {
            const double argument = std::fabs(k.a1) * (t - k.a2) * (t - k.a2);
            slope.spread +=
                std::fabs(exponential) * (2.0 * argument + 4.0) * std::numeric_limits<double>::epsilon();
        }
    }
    return slope;
}

// The inverse ranges reach beyond the emf spans the polynomials were fitted on: by about 100 µV, for B
// down to -1 µV (fitted from 291 µV), and for K, N, E and T down to -270 °C (fitted from -200 °C),
// where a polynomial can be off by tens of degrees. There its value only starts a safeguarded Newton
// iteration on TcEmf, kept inside a bracket on which the emf rises; if no temperature inside TcEmf's
// range gives the emf, the answer is NaN.
double RefinedTemperature(const TcCoefficientSet& set, ThermocoupleType type, double emf, double start)
{
    const auto& direct = set[type].direct;
    double below = type == ThermocoupleType::B ? kBRisingFrom : direct.front().lower;
    double above = direct.back().upper;
    if (!(TcEmf(type, below) <= emf && emf <= TcEmf(type, above))) return kNaN;

    double t = start > below && start < above ? start : 0.5 * (below + above);
    for (int step = 0; step < kRefineStepLimit; ++step) {
        const double residual = TcEmf(type, t) - emf;
        if (residual == 0.0) return t;
        (residual < 0.0 ? below : above) = t;
        double next = t - residual / TcSlope(type, t);
        if (!(next > below && next < above)) next = 0.5 * (below + above);  // also catches NaN
        if (std::fabs(next - t) <= kRefineTolerance) return next;
        t = next;
    }
    return kNaN;
}

}  // namespace

double TcEmf(ThermocoupleType type, double t)
{
    if (!IsKnownType(type)) return kNaN;
    const DirectPiece piece = FindDirectPiece(WorkingCoefficientSet(), type, t);
    if (piece.range == nullptr) return kNaN;
    return piece.kExponential ? KUpperEmf(*piece.range, *piece.kExponential, t) : PowerSum(piece.range->c, t);
}

double TcSlope(ThermocoupleType type, double t)
{
    return SlopeOf(type, t, Evaluation::TermByTerm).value;
}

TcSlopeEstimate TcSlopeByHorner(ThermocoupleType type, double t)
{
    return SlopeOf(type, t, Evaluation::Horner);
}

double TcTemperature(ThermocoupleType type, double emf, Evaluation how)
{
    if (!IsKnownType(type)) return kNaN;
    const TcCoefficientSet& set = WorkingCoefficientSet();
    if (EmfInMillivolts(type)) return DcTemperature(set, type, emf);

    for (const TcInverseRange& inverse : set[type].inverse) {
        if (!inverse.range.Contains(emf)) continue;
        if (emf >= inverse.fittedLower && emf <= inverse.fittedUpper)
            return PowerSum(inverse.range.c, emf, 0, how);
        return RefinedTemperature(set, type, emf, PowerSum(inverse.range.c, emf));
    }
    return kNaN;
}

}  // namespace tmcalc
