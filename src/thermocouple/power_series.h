#pragma once

#include <cmath>
#include <cstddef>
#include <span>

namespace tmcalc {

// Term by term with pow, summed from c_first upward: the last digits the pages show depend on exactly this
// order, so no Horner scheme here.
[[nodiscard]] inline double PowerSum(std::span<const double> c, double x, std::size_t first = 0)
{
    // pow(x, 0) is exactly 1 and pow(x, 1) exactly x for every x (NaN and infinities included), so those
    // two terms are formed without the call; the sum is the same to the last bit.
    double sum = 0.0;
    std::size_t i = first;
    if (i == 0 && i < c.size()) sum += c[i++];
    if (i == 1 && i < c.size()) sum += x * c[i++];
    for (; i < c.size(); ++i) sum += std::pow(x, static_cast<double>(i)) * c[i];
    return sum;
}

// Sum of i c_i x^(i-1) from i = 1 upward.
[[nodiscard]] inline double PowerSumDerivative(std::span<const double> c, double x)
{
    double sum = 0.0;
    if (c.size() > 1) sum += 1.0 * c[1];      // pow(x, 0) is 1
    if (c.size() > 2) sum += 2.0 * c[2] * x;  // pow(x, 1) is x
    for (std::size_t i = 3; i < c.size(); ++i) {
        sum += static_cast<double>(i) * c[i] * std::pow(x, static_cast<double>(i - 1));
    }
    return sum;
}

}  // namespace tmcalc
