#pragma once

#include <optional>
#include <span>

#include "framework/fit_point.h"
#include "framework/point_fit.h"

namespace tmcalc {

// Deviation of a type B standard from the reference function: a (mV) + b (mV/°C) t + c (mV/°C^2) t^2.
struct DeviationQuadratic {
    double a = 0.0;
    double b = 0.0;
    double c = 0.0;
};

// Least-squares quadratic through the deviations of the measured emfs (mV) at the given temperatures (°C)
// from the type B reference function. Deliberately in single precision, through the normal equations:
// with temperatures near 1500 °C they are badly conditioned in floats, and the coefficients (so every
// fixed-point result of a type B standard) carry that rounding; the temperature error is a few mK.
// Empty when the lists differ in length or hold fewer than two points.
[[nodiscard]] std::optional<DeviationQuadratic> FitDeviationQuadratic(std::span<const double> temperatures,
                                                                      std::span<const double> emfs);

// The standard type S thermocouple's deviation a, b, c (mV, mV/°C, mV/°C²) by least squares on
// ΔE = E - E_ref(t), E_ref the published reference function in mV, from at least three points; each
// point's `r` holds the measured emf in mV (cold junction at 0 °C). With the three fixed points it is
// SDeviationFromFixedPoints(..., SDeviationVariant::Precise). The residuals invert E_ref(t) + D(t) = E
// with the deviation counted at every temperature (no step at 400 °C). A point not finite or outside
// the reference function's range is a BadPoint.
[[nodiscard]] PointFit FitStdSDeviationPoints(std::span<const FitPoint> points);

}  // namespace tmcalc
