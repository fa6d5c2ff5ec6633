#include "rtd/rtd_uncertainty.h"

#include "rtd/copper.h"
#include "rtd/platinum.h"

#include <cmath>
#include <limits>

namespace tmcalc {
namespace {

constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();

// The sensor's temperature as the page shows it (screened to its range), the ice point exactly 0.
double SensorTemperature(const RtdSensorPage& page, double r, double r0)
{
    if (!(r > 0.0) || !(r0 > 0.0)) return kNaN;
    if (r == r0) return 0.0;
    return page.metal == RtdMetal::Platinum ? ScreenPtTemperature(PtTemperature(r, r0), page.ptRange)
                                            : ScreenCuTemperature(CuTemperature(r, r0));
}

double SensorSlope(RtdMetal metal, double t, double r0)
{
    return metal == RtdMetal::Platinum ? PtSlope(t, r0) : CuSlope(t, r0);
}

}  // namespace

UncertaintyModel RtdFromResistanceModel(const RtdSensorPage& page)
{
    UncertaintyModel m = TwoWayModel("t_C", "r_ohm", true, "r0", {"slope_ohm_per_C"});
    m.evaluate = [page](std::span<const double> x) {
        const double t = SensorTemperature(page, x[0], x[1]);
        return std::vector<double>{t, std::isnan(t) ? kNaN : SensorSlope(page.metal, t, x[1])};
    };
    m.slopes = [page](std::span<const double> x) {
        const double t = SensorTemperature(page, x[0], x[1]);
        const double s = SensorSlope(page.metal, t, x[1]);
        return std::vector<double>{1.0 / s, -(x[0] / x[1]) / s, kNaN, kNaN};
    };
    return m;
}

UncertaintyModel RtdFromTemperatureModel(RtdMetal metal)
{
    UncertaintyModel m = TwoWayModel("t_C", "r_ohm", false, "r0", {"slope_ohm_per_C"});
    const auto resistance = [metal](double t, double r0) {
        if (!(r0 > 0.0)) return kNaN;
        return metal == RtdMetal::Platinum ? PtResistance(t, r0) : CuResistance(t, r0);
    };
    m.evaluate = [metal, resistance](std::span<const double> x) {
        const double r = resistance(x[0], x[1]);
        return std::vector<double>{r, std::isnan(r) ? kNaN : SensorSlope(metal, x[0], x[1])};
    };
    m.slopes = [metal, resistance](std::span<const double> x) {
        return std::vector<double>{SensorSlope(metal, x[0], x[1]), resistance(x[0], x[1]) / x[1], kNaN, kNaN};
    };
    return m;
}

UncertaintyModel NickelModel(const NiCoefficients& k, bool fromResistance)
{
    UncertaintyModel m = TwoWayModel("t_C", "r_ohm", fromResistance, "r0", {"slope_ohm_per_C"});
    m.evaluate = [k, fromResistance](std::span<const double> x) {
        const double t = fromResistance ? NiTemperature(x[0], x[1], k) : x[0];
        const double y = fromResistance ? t : NiResistance(t, x[1], k);
        return std::vector<double>{y, std::isnan(y) ? kNaN : NiSlope(t, x[1], k)};
    };
    return m;
}

UncertaintyModel SprtModel(const SprtCoefficientSet& set, bool fromResistance)
{
    UncertaintyModel m =
        TwoWayModel("t_C", "r_ohm", fromResistance, "rtp", {"W", "dW_dt_per_C", "dR_dt_ohm_per_C"});
    const auto convert = [set, fromResistance](std::span<const double> x) {
        return fromResistance ? SprtFromResistance(set, x[1], x[0]) : SprtFromTemperature(set, x[1], x[0]);
    };
    m.evaluate = [convert, fromResistance](std::span<const double> x) {
        const auto c = convert(x);
        if (!c) return std::vector<double>(4, kNaN);
        return std::vector<double>{fromResistance ? c->t : c->r, c->w, c->dw_dt, c->dr_dt};
    };
    m.slopes = [convert, fromResistance](std::span<const double> x) {
        std::vector<double> s(8, kNaN);
        const auto c = convert(x);
        if (!c) return s;
        if (fromResistance) {
            s[0] = 1.0 / c->dr_dt;
            s[1] = -(c->w / x[1]) / c->dw_dt;
        } else {
            s[0] = c->dr_dt;
            s[1] = c->w;
        }
        return s;
    };
    return m;
}

}  // namespace tmcalc
