#include "thermocouple/std_reference.h"

#include <cmath>
#include <limits>

#include "thermocouple/power_series.h"

namespace tmcalc {
namespace {

constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();

// Published NIST ITS-90 coefficients, E in µV (inverse: d_i x 1000^-i for E in µV).
constexpr double kSEmf0[] = {  // -50 to 1064.18 °C
    0.0,
    5.40313308631E+00,
    1.25934289740E-02,
    -2.32477968689E-05,
    3.22028823036E-08,
    -3.31465196389E-11,
    2.55744251786E-14,
    -1.25068871393E-17,
    2.71443176145E-21,
};
constexpr double kSEmf1[] = {  // 1064.18 to 1664.5 °C
    1.32900444085E+03,
    3.34509311344E+00,
    6.54805192818E-03,
    -1.64856259209E-06,
    1.29989605174E-11,
};
constexpr double kSEmf2[] = {  // 1664.5 to 1768.1 °C
    1.46628232636E+05,
    -2.58430516752E+02,
    1.63693574641E-01,
    -3.30439046987E-05,
    -9.43223690612E-12,
};
constexpr double kBEmf0[] = {  // 0 to 630.615 °C
    0.0,
    -2.46508183460E-01,
    5.90404211710E-03,
    -1.32579316360E-06,
    1.56682919010E-09,
    -1.69445292400E-12,
    6.29903470940E-16,
};
constexpr double kBEmf1[] = {  // 630.615 to 1820 °C
    -3.89381686210E+03,
    2.85717474700E+01,
    -8.48851047850E-02,
    1.57852801640E-04,
    -1.68353448640E-07,
    1.11097940130E-10,
    -4.45154310330E-14,
    9.89756408210E-18,
    -9.37913302890E-22,
};
constexpr double kBInverse0[] = {  // 250 to 700 °C, 291 to 2431 µV
    9.8423321E+01,
    6.9971500E-01,
    -8.4765304E-04,
    1.0052644E-06,
    -8.3345952E-10,
    4.5508542E-13,
    -1.5523037E-16,
    2.9886750E-20,
    -2.4742860E-24,
};
constexpr double kBInverse1[] = {  // 700 to 1820 °C, 2431 to 13820 µV
    2.1315071E+02,
    2.8510504E-01,
    -5.2742887E-05,
    9.9160804E-09,
    -1.2965303E-12,
    1.1195870E-16,
    -6.0625199E-21,
    1.8661696E-25,
    -2.4878585E-30,
};

// The ranges reach 0.1 °C beyond the published ones. The top of S is computed as 1768.1 + 0.1, which in
// doubles lies just below 1768.2, so a typed 1768.2 is refused; the comparison is deliberately made so.
constexpr double kSLowest = -50.1;
constexpr double kSHighest = 1768.1 + 0.1;
constexpr double kBLowest = -0.1;
constexpr double kBHighest = 1820.1;
constexpr double kBBreakpoint = 630.615;

}  // namespace

double StdRefEmf(ThermocoupleType type, double t)
{
    if (type == ThermocoupleType::S) {
        if (t >= kSLowest && t <= 1064.18) return PowerSum(kSEmf0, t) / 1000.0;
        if (t > 1064.18 && t <= 1664.5) return PowerSum(kSEmf1, t) / 1000.0;
        if (t > 1664.5 && t <= kSHighest) return PowerSum(kSEmf2, t) / 1000.0;
        return kNaN;
    }
    if (type == ThermocoupleType::B) {
        if (t >= kBLowest && t < kBBreakpoint) return PowerSum(kBEmf0, t) / 1000.0;
        if (t >= kBBreakpoint && t <= kBHighest) return PowerSum(kBEmf1, t) / 1000.0;
    }
    return kNaN;
}

double StdRefBSlope(double t)
{
    // The breakpoint belongs to the lower piece here, unlike in StdRefEmf.
    if (t >= kBLowest && t <= kBBreakpoint) return PowerSumDerivative(kBEmf0, t) / 1000.0;
    if (t > kBBreakpoint && t <= kBHighest) return PowerSumDerivative(kBEmf1, t) / 1000.0;
    return kNaN;
}

double StdRefBTemperature(double emfMillivolts)
{
    const double microvolts = emfMillivolts * 1000.0;
    // No lower bound, but an infinite emf would otherwise come back as an infinite temperature.
    if (!std::isfinite(microvolts)) return kNaN;
    if (microvolts <= 2431.0) return PowerSum(kBInverse0, microvolts);
    if (microvolts <= 13820.0) return PowerSum(kBInverse1, microvolts);
    return kNaN;
}

}  // namespace tmcalc
