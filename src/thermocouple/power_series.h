#pragma once

#include <cmath>
#include <cstddef>
#include <span>

namespace tmcalc {

// Term by term with pow, summed from c_first upward: the last digits the pages show depend on exactly this
// order, so no Horner scheme here.
[[nodiscard]] inline double PowerSum(std::span<const double> c, double x, std::size_t first = 0)
{
    double sum = 0.0;
    for (std::size_t i = first; i < c.size(); ++i) sum += std::pow(x, static_cast<double>(i)) * c[i];
    return sum;
}

// Sum of i c_i x^(i-1) from i = 1 upward.
[[nodiscard]] inline double PowerSumDerivative(std::span<const double> c, double x)
{
    double sum = 0.0;
    for (std::size_t i = 1; i < c.size(); ++i) {
        sum += static_cast<double>(i) * c[i] * std::pow(x, static_cast<double>(i - 1));
    }
    return sum;
}

}  // namespace tmcalc
