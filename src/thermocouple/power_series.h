#pragma once

#include <cmath>
#include <cstddef>
#include <limits>
#include <span>

namespace tmcalc {

// How a reference polynomial is evaluated. The pages evaluate term by term with pow, summed from the
// lowest term upward: the last digits they show depend on exactly that order. Horner's rule lands within a
// few units in the last place of it at a fraction of the cost; the command line's batch inverses use it.
enum class Evaluation { TermByTerm, Horner };

// Sum of c_i x^i from i = first upward.
[[nodiscard]] inline double PowerSum(std::span<const double> c, double x, std::size_t first = 0,
                                     Evaluation how = Evaluation::TermByTerm)
{
    if (how == Evaluation::Horner) {
        double sum = 0.0;
        for (std::size_t i = c.size(); i > first; --i) sum = sum * x + c[i - 1];
        for (std::size_t i = 0; i < first; ++i) sum *= x;
        return sum;
    }
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
[[nodiscard]] inline double PowerSumDerivative(std::span<const double> c, double x,
                                               Evaluation how = Evaluation::TermByTerm)
{
    if (how == Evaluation::Horner) {
        double sum = 0.0;
        for (std::size_t i = c.size(); i > 1; --i) sum = sum * x + static_cast<double>(i - 1) * c[i - 1];
        return sum;
    }
    double sum = 0.0;
    if (c.size() > 1) sum += 1.0 * c[1];      // pow(x, 0) is 1
    if (c.size() > 2) sum += 2.0 * c[2] * x;  // pow(x, 1) is x
    for (std::size_t i = 3; i < c.size(); ++i) {
        sum += static_cast<double>(i) * c[i] * std::pow(x, static_cast<double>(i - 1));
    }
    return sum;
}

// A bound on how far the two evaluations of PowerSumDerivative(c, x) can lie apart. Term by term, each term
// carries up to four rounding errors (i c_i, pow, the product, the running sum) and the sum n more; Horner's
// rule carries 2n + 1. Both are measured against the sum of the terms' magnitudes.
[[nodiscard]] inline double PowerSumDerivativeSpread(std::span<const double> c, double x)
{
    double magnitude = 0.0;
    for (std::size_t i = c.size(); i > 1; --i) {
        magnitude = magnitude * std::fabs(x) + static_cast<double>(i - 1) * std::fabs(c[i - 1]);
    }
    return static_cast<double>(3 * c.size() + 8) * std::numeric_limits<double>::epsilon() * magnitude;
}

}  // namespace tmcalc
