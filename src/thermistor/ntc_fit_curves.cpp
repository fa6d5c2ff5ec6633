#include "thermistor/ntc_fit_curves.h"

#include "resources/string_ids.h"
#include "thermistor/ntc_conversions.h"

#include <limits>
#include <optional>

namespace tmcalc {

FitCurve NtcFitCurve(NtcFitForm form, const PointFit& fit)
{
    FitCurve out{kStrFitResistanceHeading, [](double /*t*/, double r) { return r; }, {}};
    const std::vector<double>& k = fit.coefficients;
    const std::size_t needed = form == NtcFitForm::Beta ? 2 : form == NtcFitForm::SteinhartHart ? 3 : 4;
    if (!fit.Ok() || k.size() < needed) return out;
    out.curve = [form, k](double t) {
        const std::optional<double> r = form == NtcFitForm::Beta            ? NtcBetaResistance(k[1], k[0], t)
                                        : form == NtcFitForm::SteinhartHart ? NtcShResistance(k[0], k[1], k[2], t)
                                                                            : NtcShxResistance(k[0], k[1], k[2], k[3], t);
        return r.value_or(std::numeric_limits<double>::quiet_NaN());
    };
    return out;
}

}  // namespace tmcalc
