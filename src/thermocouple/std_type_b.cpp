#include "thermocouple/std_type_b.h"

#include <cmath>
#include <cstddef>
#include <limits>
#include <optional>
#include <span>

#include "thermocouple/deviation_fit.h"
#include "thermocouple/std_reference.h"
#include "thermocouple/thermocouple_type.h"

namespace tmcalc {
namespace {

constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();
constexpr ThermocoupleType kB = ThermocoupleType::B;

// Certificate polynomials: residual tolerance in µV and step limit (at most 1000001 steps). A step costs
// two dozen multiplications, so even the limit stays within a keystroke.
constexpr double kPolynomialTolerance = 1E-07;
constexpr int kPolynomialStepLimit = 1000000;

// Fixed points: residual and derivative thresholds in mV and mV/°C. Each step evaluates the reference
// polynomials term by term, so the limit is far lower; where Newton converges it needs a handful of steps.
constexpr double kFixedPointTolerance = 1E-08;
constexpr int kFixedPointStepLimit = 1000;

// Beyond the reference inverse's 13.820 mV the iteration starts at the top of the range instead.
constexpr double kStartAboveInverse = 1820.0;

// The certificate polynomial as coefficients of t^0 upward, µV. The low range has no constant term.
struct Polynomial {
    std::array<double, 9> c{};
    std::size_t size = 0;
};

Polynomial CertificatePolynomial(const StdBCalibration& cal)
{
    Polynomial poly;
    if (cal.mode == StdBMode::LowRange) {
        for (std::size_t k = 0; k < 6; ++k) poly.c[k + 1] = cal.p[k];
        poly.size = 7;
    } else {
        poly.c = cal.p;
        poly.size = 9;
    }
    return poly;
}

double Horner(const Polynomial& poly, double t)
{
    double h = poly.c[poly.size - 1];
    for (std::size_t k = poly.size - 1; k-- > 0;) h = h * t + poly.c[k];
    return h;
}

double HornerDerivative(const Polynomial& poly, double t)
{
    const std::size_t top = poly.size - 1;
    double h = static_cast<double>(top) * poly.c[top];
    for (std::size_t k = top - 1; k >= 1; --k) h = h * t + static_cast<double>(k) * poly.c[k];
    return h;
}

std::optional<DeviationQuadratic> FitOf(const StdBCalibration& cal)
{
    return FitDeviationQuadratic(kStdBFixedPointTemperatures,
                                 std::span<const double>(cal.p.data(), kStdBFixedPointTemperatures.size()));
}

double FixedPointEmfMillivolts(const DeviationQuadratic& d, double t)
{
    return StdRefEmf(kB, t) + d.a + d.b * t + d.c * t * t;
}

double FixedPointSlopeMillivolts(const DeviationQuadratic& d, double t)
{
    return StdRefBSlope(t) + d.b + 2.0 * d.c * t;
}

bool IsCertificateMode(StdBMode mode)
{
    return mode == StdBMode::LowRange || mode == StdBMode::HighRange;
}

double CertificateTemperature(const Polynomial& poly, double emf, double t)
{
    // P at the new temperature serves both the test and the next step.
    double value = Horner(poly, t);
    for (int steps = 1;; ++steps) {
        const double next = t - (value - emf) / HornerDerivative(poly, t);
        value = Horner(poly, next);
        if (std::fabs(emf - value) <= kPolynomialTolerance) return next;
        // NaN never recovers: stop at once rather than run out the limit on it.
        if (std::isnan(next) || steps > kPolynomialStepLimit) return kNaN;
        t = next;
    }
}

double FixedPointTemperature(const DeviationQuadratic& d, double emf, double t)
{
    const double millivolts = emf / 1000.0;
    double residual = FixedPointEmfMillivolts(d, t) - millivolts;
    double slope = FixedPointSlopeMillivolts(d, t);
    // A flat emf curve ends the iteration; only a temperature that meets the tolerance is an answer.
    if (std::fabs(slope) < kFixedPointTolerance) return std::fabs(residual) < kFixedPointTolerance ? t : kNaN;
    for (int steps = 0; steps < kFixedPointStepLimit; ++steps) {
        t -= residual / slope;
        if (std::isnan(t)) return kNaN;
        residual = FixedPointEmfMillivolts(d, t) - millivolts;
        if (std::fabs(residual) < kFixedPointTolerance) return t;
        slope = FixedPointSlopeMillivolts(d, t);
        if (std::fabs(slope) < kFixedPointTolerance) return kNaN;
    }
    return kNaN;
}

}  // namespace

double StdBEmfMicro(const StdBCalibration& calibration, double t)
{
    if (IsCertificateMode(calibration.mode)) return Horner(CertificatePolynomial(calibration), t);
    if (calibration.mode != StdBMode::FixedPoints || std::isnan(t)) return kNaN;
    const auto fit = FitOf(calibration);
    return fit ? 1000.0 * FixedPointEmfMillivolts(*fit, t) : kNaN;
}

double StdBSlope(const StdBCalibration& calibration, double t)
{
    if (IsCertificateMode(calibration.mode)) return HornerDerivative(CertificatePolynomial(calibration), t);
    if (calibration.mode != StdBMode::FixedPoints) return kNaN;
    const auto fit = FitOf(calibration);
    return fit ? FixedPointSlopeMillivolts(*fit, t) * 1000.0 : kNaN;
}

double StdBTemperature(const StdBCalibration& calibration, double emfMicrovolts)
{
    if (!std::isfinite(emfMicrovolts)) return kNaN;
    double start = StdRefBTemperature(emfMicrovolts / 1000.0);
    // For a finite emf the reference inverse refuses only what lies above its range.
    if (std::isnan(start)) start = kStartAboveInverse;

    if (IsCertificateMode(calibration.mode)) {
        return CertificateTemperature(CertificatePolynomial(calibration), emfMicrovolts, start);
    }
    if (calibration.mode != StdBMode::FixedPoints) return kNaN;
    const auto fit = FitOf(calibration);
    return fit ? FixedPointTemperature(*fit, emfMicrovolts, start) : kNaN;
}

double StdBColdJunctionMicro(const StdBCalibration& calibration, double tc)
{
    if (tc == 0.0) return 0.0;
    if (calibration.mode == StdBMode::LowRange) return StdBEmfMicro(calibration, tc);
    return 1000.0 * StdRefEmf(kB, tc);
}

StdBReading StdBPageTemperatureToEmf(const StdBCalibration& calibration, double t, double tc)
{
    const double emf = (StdBEmfMicro(calibration, t) - StdBColdJunctionMicro(calibration, tc)) / 1000.0;
    return {emf, StdBSlope(calibration, t)};
}

StdBReading StdBPageEmfToTemperature(const StdBCalibration& calibration, double emfMillivolts, double tc)
{
    const double t = StdBTemperature(calibration, emfMillivolts * 1000.0 + StdBColdJunctionMicro(calibration, tc));
    return {t, StdBSlope(calibration, t)};
}

}  // namespace tmcalc
