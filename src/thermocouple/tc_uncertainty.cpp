#include "thermocouple/tc_uncertainty.h"

#include "thermocouple/reference_functions.h"
#include "thermocouple/work_page_math.h"

#include <cmath>
#include <limits>

namespace tmcalc {
namespace {

constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();

// Every thermocouple conversion: temperature <-> emf at a cold junction, with the Seebeck coefficient.
UncertaintyModel TcModel(bool fromEmf)
{
    return TwoWayModel("t_C", "emf_mV", fromEmf, "cold", {"seebeck_uV_per_C"});
}

}  // namespace

UncertaintyModel WorkTcFromEmfModel(ThermocoupleType type)
{
    UncertaintyModel m = TcModel(true);
    m.evaluate = [type](std::span<const double> x) {
        const double t = WorkTemperature(type, x[0], x[1]);
        return std::vector<double>{t, std::isnan(t) ? kNaN : TcSlope(type, t)};
    };
    m.slopes = [type](std::span<const double> x) {
        const double t = WorkTemperature(type, x[0], x[1]);
        const double s = TcSlope(type, t);  // µV/°C
        // The Seebeck coefficient's row is left to central differences.
        return std::vector<double>{1000.0 / s, TcSlope(type, x[1]) / s, kNaN, kNaN};
    };
    return m;
}

UncertaintyModel WorkTcFromTemperatureModel(ThermocoupleType type)
{
    UncertaintyModel m = TcModel(false);
    m.evaluate = [type](std::span<const double> x) {
        if (!WorkPageAccepts(type, x[0])) return std::vector<double>{kNaN, kNaN};
        const double emf = WorkEmfMillivolts(type, x[0], x[1]);
        return std::vector<double>{emf, std::isnan(emf) ? kNaN : TcSlope(type, x[0])};
    };
    m.slopes = [type](std::span<const double> x) {
        return std::vector<double>{TcSlope(type, x[0]) / 1000.0, -TcSlope(type, x[1]) / 1000.0, kNaN, kNaN};
    };
    return m;
}

UncertaintyModel StdSModel(const StdSFixedPoints& points, bool fromEmf)
{
    UncertaintyModel m = TcModel(fromEmf);
    if (fromEmf) {
        m.evaluate = [points](std::span<const double> x) {
            const auto r = StdSPageEmfToTemperature(points, x[0], x[1]);
            return r ? std::vector<double>{r->t, r->slope} : std::vector<double>{kNaN, kNaN};
        };
    } else {
        m.evaluate = [points](std::span<const double> x) {
            const auto r = StdSPageTemperatureToEmf(points, x[0], x[1]);
            return r ? std::vector<double>{r->result.emf, r->result.slope} : std::vector<double>{kNaN, kNaN};
        };
    }
    return m;
}

UncertaintyModel StdBModel(const StdBCalibration& calibration, bool fromEmf)
{
    UncertaintyModel m = TcModel(fromEmf);
    m.evaluate = [calibration, fromEmf](std::span<const double> x) {
        const StdBReading r = fromEmf ? StdBPageEmfToTemperature(calibration, x[0], x[1])
                                      : StdBPageTemperatureToEmf(calibration, x[0], x[1]);
        return std::vector<double>{r.value, r.slope};
    };
    return m;
}

}  // namespace tmcalc
