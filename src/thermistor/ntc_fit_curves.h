#pragma once

#include "framework/point_fit.h"
#include "framework/point_fit_plot.h"

namespace tmcalc {

enum class NtcFitForm { Beta, SteinhartHart, Extended };

// A thermistor has no reference function: the plot shows R against t and the fitted curve itself, in Ω.
// The coefficients are those of FitNtcBetaPoints (β, R25), FitNtcShPoints or FitNtcShxPoints.
[[nodiscard]] FitCurve NtcFitCurve(NtcFitForm form, const PointFit& fit);

}  // namespace tmcalc
