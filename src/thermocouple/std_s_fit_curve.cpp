#include "thermocouple/std_s_fit_curve.h"

#include "resources/string_ids.h"
#include "thermocouple/std_reference.h"
#include "thermocouple/thermocouple_type.h"

namespace tmcalc {

FitCurve StdSFitCurve(const PointFit& fit)
{
    FitCurve out{kStrFitPlotEmfDeviation,
                 [](double t, double e) { return e - StdRefEmf(ThermocoupleType::S, t); },
                 {}};
    if (fit.Ok() && fit.coefficients.size() >= 3) {
        const double a = fit.coefficients[0];
        const double b = fit.coefficients[1];
        const double c = fit.coefficients[2];
        out.curve = [a, b, c](double t) { return a + b * t + c * t * t; };
    }
    return out;
}

}  // namespace tmcalc
