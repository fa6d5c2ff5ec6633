#include "rtd/its90.h"

#include <array>
#include <cmath>

namespace tmcalc {
namespace {

constexpr std::array<double, 13> kA{-2.13534729, 3.18324720,  -1.80143597, 0.71727204, 0.50344027,
                                    -0.61899395, -0.05332322, 0.28021362,  0.10715224, -0.29302865,
                                    0.04459872,  0.11868632,  -0.05248134};
constexpr std::array<double, 10> kC{2.78157254,  1.64650916, -0.13714390, -0.00649767, -0.00234444,
                                    0.00511868,  0.00187982, -0.00204472, -0.00046122, 0.00045724};
constexpr std::array<double, 16> kB{0.183324722,  0.240975303,  0.209108771, 0.190439972,
                                    0.142648498,  0.077993465,  0.012475611, -0.032267127,
                                    -0.075291522, -0.056470670, 0.076201285, 0.123893204,
                                    -0.029201193, -0.091173542, 0.001317696, 0.026025526};
constexpr std::array<double, 10> kD{439.932854, 472.418020, 37.684494, 7.472018,  2.920828,
                                    0.005184,   -0.963864,  -0.188732, 0.191203,  0.049025};

constexpr double kKelvinOffset = 273.15;
constexpr double kTriplePointKelvin = 273.16;

// Argument of the low-temperature function: (ln(T / 273.16 K) + 1.5) / 1.5.
double LowX(double t) { return (std::log((t + kKelvinOffset) / kTriplePointKelvin) + 1.5) / 1.5; }

// Argument of the high-temperature function: (T - 754.15 K) / 481 K.
double HighX(double t) { return (t - 481) / 481; }

}  // namespace

double Its90Wr(double t)
{
    if (t < 0) {
        const double x = LowX(t);
        double sum = kA[0];
        for (int i = 1; i <= 12; ++i) sum += kA[i] * std::pow(x, i);
        return std::exp(sum);
    }
    const double x = HighX(t);
    double sum = kC[0];
    for (int i = 1; i <= 9; ++i) sum += kC[i] * std::pow(x, i);
    return sum;
}

double Its90WrSlope(double t)
{
    if (t < 0) {
        const double x = LowX(t);
        double sum = 0;
        for (int i = 1; i <= 12; ++i) sum += i * kA[i] * std::pow(x, i - 1);
        return Its90Wr(t) * sum / (1.5 * (t + kKelvinOffset));
    }
    const double x = HighX(t);
    double sum = 0;
    for (int i = 1; i <= 9; ++i) sum += i * kC[i] * std::pow(x, i - 1);
    return sum / 481;
}

double Its90T(double wr)
{
    if (wr >= 1) {
        const double x = (wr - 2.64) / 1.64;
        double t = kD[0];
        for (int i = 1; i <= 9; ++i) t += kD[i] * std::pow(x, i);
        return t;
    }
    const double x = (std::pow(wr, 1.0 / 6) - 0.65) / 0.35;
    double sum = kB[0];
    for (int i = 1; i <= 15; ++i) sum += kB[i] * std::pow(x, i);
    return kTriplePointKelvin * sum - kKelvinOffset;
}

}  // namespace tmcalc
