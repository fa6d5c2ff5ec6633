#include "units/historic_scales.h"

#include <cmath>
#include <cstddef>
#include <limits>

// Coefficients: ITS-90 text (Metrologia 27 (1990) 3-10) and the BIPM Supplementary Information for the
// ITS-90 for t90 - t68; Rusby, Hudson and Durieux, Metrologia 31 (1994) 149-153 for 630.615-1064.18 °C;
// the IPTS-68 amended edition (Metrologia 12 (1976) 7-17) and the IPTS-48 text of 1960 (Stimson, J. Res.
// NBS 65A (1961)) for t68 - t48, with the resistance-ratio constants of W. Wagner.

namespace tmcalc {
namespace {

constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();
constexpr double kZeroKelvin = 273.15;
constexpr double kIterationTolerance = 1e-10;  // K; the results are asked to 1e-9 K
constexpr int kIterationLimit = 60;

template <std::size_t N>
double Horner(const double (&c)[N], double x)
{
    double sum = 0;
    for (std::size_t i = N; i-- > 0;) sum = sum * x + c[i];
    return sum;
}

// 13.8033 K to 73.15 K: sum a_i x^i, x = (T90/K - 40)/40.
constexpr double kA[] = {-0.005903, 0.008174,  -0.061924,  -0.193388,  1.490793,  1.252347, -9.835868,
                         1.411912,  25.277595, -19.183815, -18.437089, 27.000895, -8.716324};
// -200 °C to 630.615 °C: sum b_i y^i, y = t90/630 °C, no constant term.
constexpr double kB[] = {0, -0.148759, -0.267408, 1.080760, 1.269056, -4.089591, -1.871251, 7.438081, -3.536296};
// 630.615 °C to 1064.18 °C (1994 revision): sum c_i t90^i.
constexpr double kC[] = {78.687209, -0.47135991, 1.0954715e-3, -1.2357884e-6, 6.7736583e-10, -1.4458081e-13};

constexpr double kGoldT90 = 1337.33;  // K

double PieceA(double t90)
{
    return Horner(kA, (t90 + kZeroKelvin - 40) / 40);
}
double PieceB(double t90)
{
    return Horner(kB, t90 / 630);
}
double PieceC(double t90)
{
    return Horner(kC, t90);
}
double PieceGold(double t90)
{
    const double r = (t90 + kZeroKelvin) / kGoldT90;
    return -0.25 * r * r;
}

using Piece = double (*)(double);
constexpr Piece kPieces[] = {&PieceA, &PieceB, &PieceC, &PieceGold};
// Where the publication switches pieces, °C.
constexpr double kPublishedJoins[] = {-200.0, 630.615, 1064.18};

// The temperature next to a published join where the pieces either side agree, found by bisection in a
// bracket around the join where their difference changes sign once (checked by the tests).
double Crossing(Piece below, Piece above, double lo, double hi)
{
    const double sLo = below(lo) - above(lo);
    for (int i = 0; i < 200 && hi - lo > 1e-13; ++i) {
        const double mid = 0.5 * (lo + hi);
        ((below(mid) - above(mid)) * sLo > 0 ? lo : hi) = mid;
    }
    return 0.5 * (lo + hi);
}

const std::array<double, 3>& Joins()
{
    // About 77.4 K (both pieces fit the published table there within 0.9 mK), 630.17 °C and 1063.71 °C.
    static const std::array<double, 3> joins{Crossing(&PieceA, &PieceB, -200.0, -195.0),
                                             Crossing(&PieceB, &PieceC, 629.6, 631.6),
                                             Crossing(&PieceC, &PieceGold, 1063.2, 1065.2)};
    return joins;
}

double Difference(double t90, const double (&joins)[3])
{
    if (!(t90 >= kHistoricT90Min) || !std::isfinite(t90)) return kNaN;
    std::size_t piece = 0;
    while (piece < 3 && t90 >= joins[piece]) ++piece;
    return kPieces[piece](t90);
}

// t68 - t48 from -182.97 °C to 630.5 °C: both scales through the resistance ratio W of one standard
// thermometer. IPTS-48 gives W(t48) by Callendar-Van Dusen; above 0 °C IPTS-68 inverts its own
// Callendar form and adds its 0.045 term, below 0 °C its reference function (as T68 from ln W).
constexpr double kA48 = 3.984517e-3;
constexpr double kB48 = -5.85502e-7;
constexpr double kC48 = -4.35716e-12;
constexpr double kA68 = 3.984712e-3;
constexpr double kB68 = -5.87456e-7;
constexpr double kE[] = {273.15,
                         250.846209678803,
                         135.099869965,
                         52.78567590085,
                         27.6768548854105,
                         39.1053205376684,
                         65.5613230578069,
                         80.8035868559867,
                         70.5242118234052,
                         44.7847589638966,
                         21.2525653556078,
                         7.67976358170846,
                         2.1368945938285,
                         0.459843348928069,
                         7.63614629231648e-2,
                         9.69328620373121e-3,
                         9.23069154007008e-4,
                         6.38116590952654e-5,
                         3.02293237874619e-6,
                         8.7755139130376e-8,
                         1.17702613125477e-9};

double T68FromT48Resistance(double t48)
{
    if (t48 < 0) {
        const double w = 1 + kA48 * t48 + kB48 * t48 * t48 + kC48 * t48 * t48 * t48 * (t48 - 100);
        return Horner(kE, std::log(w)) - kZeroKelvin;
    }
    const double x = kA48 * t48 + kB48 * t48 * t48;
    const double t = (-kA68 + std::sqrt(kA68 * kA68 + 4 * kB68 * x)) / (2 * kB68);
    return t + 0.045 * (t / 100) * (t / 100 - 1) * (t / 419.58 - 1) * (t / 630.74 - 1);
}

// Above the gold points: 1/T68 = 1/1337.58 K - (c2,48/c2,68) (1/1336.15 K - 1/T48), c2 = 1.438 cm K
// on IPTS-48 and 0.014388 m K on IPTS-68.
constexpr double kGold48 = 1336.15;
constexpr double kGold68 = 1337.58;
constexpr double kC2Ratio = 1.438 / 1.4388;

double T68FromT48Radiation(double t48)
{
    return 1 / (1 / kGold68 - kC2Ratio * (1 / kGold48 - 1 / (t48 + kZeroKelvin))) - kZeroKelvin;
}

double T48FromT68Radiation(double t68)
{
    return 1 / (1 / kGold48 - (1 / kGold68 - 1 / (t68 + kZeroKelvin)) / kC2Ratio) - kZeroKelvin;
}

}  // namespace

double T90MinusT68(double t90)
{
    const auto& j = Joins();
    const double joins[3] = {j[0], j[1], j[2]};
    return Difference(t90, joins);
}

double T90MinusT68Published(double t90)
{
    return Difference(t90, kPublishedJoins);
}

std::array<double, 3> HistoricJoins()
{
    return Joins();
}

double T68FromT90(double t90)
{
    return t90 - T90MinusT68(t90);
}

double T90FromT68(double t68)
{
    if (!std::isfinite(t68) || !(t68 >= T68FromT90(kHistoricT90Min))) return kNaN;
    // t90 = t68 + d(t90): the slope of d is below 0.008, so each step shrinks the error a hundredfold.
    double t90 = t68;
    for (int i = 0; i < kIterationLimit; ++i) {
        const double next = t68 + T90MinusT68(std::fmax(t90, kHistoricT90Min));
        if (std::fabs(next - t90) < kIterationTolerance) return next;
        t90 = next;
    }
    return t90;
}

double T68FromT48(double t48)
{
    if (!std::isfinite(t48) || t48 < kIpts48Min) return kNaN;
    if (t48 <= kIpts48ResistanceMax) return T68FromT48Resistance(t48);
    if (t48 >= kIpts48GoldPoint) return T68FromT48Radiation(t48);
    return kNaN;
}

double T48FromT68(double t68)
{
    if (!std::isfinite(t68)) return kNaN;
    if (t68 >= T68FromT48Radiation(kIpts48GoldPoint)) return T48FromT68Radiation(t68);
    if (t68 < T68FromT48Resistance(kIpts48Min) || t68 > T68FromT48Resistance(kIpts48ResistanceMax)) return kNaN;
    // t48 = t68 - (t68 - t48)(t48): the difference changes by under 0.3 % of the step, so the iteration
    // converges fast; the guess stays inside the range the relation covers.
    double t48 = t68;
    for (int i = 0; i < kIterationLimit; ++i) {
        const double guess = std::fmin(std::fmax(t48, kIpts48Min), kIpts48ResistanceMax);
        const double next = guess + (t68 - T68FromT48Resistance(guess));
        if (std::fabs(next - t48) < kIterationTolerance) return next;
        t48 = next;
    }
    return t48;
}

std::array<double, kHistoricScaleCount> ConvertHistoric(HistoricScale from, double value)
{
    double t68 = kNaN;
    std::array<double, kHistoricScaleCount> out{};
    switch (from) {
        case HistoricScale::Its90:
            t68 = T68FromT90(value);
            out = {value, t68, T48FromT68(t68)};
            break;
        case HistoricScale::Ipts68:
            t68 = value;
            out = {T90FromT68(t68), t68, T48FromT68(t68)};
            break;
        case HistoricScale::Ipts48:
            t68 = T68FromT48(value);
            out = {T90FromT68(t68), t68, value};
            break;
    }
    return out;
}

}  // namespace tmcalc
