#pragma once

#include <cmath>
#include <cstdint>

namespace tmcalc::test {

// The root finders as they ran before their step limit was lowered: Newton on the residual until it is
// within 1e-8 or until 100,000,001 (quartic) or 1,000,001 (sextic) steps have been taken. Running that
// long is too slow for a sweep, so two exact shortcuts decide the outcome early:
// - the iterate is a pure function of the previous one, so once an iterate repeats (found by Brent's
//   cycle detection) the orbit cycles through points that all miss the tolerance, and never converges;
// - reaching `cap` steps undecided is reported as such, and the sweeps assert that it never happens.
// Evaluation order is the production one, so a converging orbit gives the same bits.
enum class ReferenceOutcome { Converged, Cycles, Undecided, Fails };

struct ReferenceResult {
    ReferenceOutcome outcome = ReferenceOutcome::Fails;
    std::int64_t steps = 0;
    double x = 0.0;
};

template <typename Value, typename Slope>
ReferenceResult ReferenceNewton(double x0, std::int64_t stated_limit, std::int64_t cap, Value value, Slope slope)
{
    constexpr double tol = 1e-8;
    double x = x0;
    double f = value(x);
    std::int64_t steps = 0;
    double tortoise = x;
    std::int64_t power = 1;
    std::int64_t lambda = 0;
    while (std::abs(f) > tol && steps <= stated_limit) {
        if (steps == cap) return {ReferenceOutcome::Undecided, steps, x};
        x = x - f / slope(x);
        ++steps;
        f = value(x);
        if (std::abs(f) > tol && x == tortoise) return {ReferenceOutcome::Cycles, steps, x};
        if (++lambda == power) {
            tortoise = x;
            power *= 2;
            lambda = 0;
        }
    }
    if (std::abs(f) <= tol) return {ReferenceOutcome::Converged, steps, x};
    return {ReferenceOutcome::Fails, steps, x};  // NaN residual, or the stated limit itself
}

inline ReferenceResult ReferenceQuartic(double a4, double a3, double a2, double a1, double a0, std::int64_t cap)
{
    const auto value = [=](double x) {
        return a4 * (x * x * x * x) + a3 * (x * x * x) + a2 * (x * x) + a1 * x + a0;
    };
    const auto slope = [=](double x) { return 4 * a4 * (x * x * x) + 3 * a3 * (x * x) + 2 * a2 * x + a1; };
    return ReferenceNewton(0.0, 100'000'000, cap, value, slope);
}

inline ReferenceResult ReferenceSextic(double a6, double a5, double a4, double a3, double a2, double a1, double a0,
                                       std::int64_t cap)
{
    const auto value = [=](double x) {
        return a6 * (x * x * x * x * x * x) + a5 * (x * x * x * x * x) + a4 * (x * x * x * x) + a3 * (x * x * x) +
               a2 * (x * x) + a1 * x + a0;
    };
    const auto slope = [=](double x) {
        return 6 * a6 * (x * x * x * x * x) + 5 * a5 * (x * x * x * x) + 4 * a4 * (x * x * x) + 3 * a3 * (x * x) +
               2 * a2 * x + a1;
    };
    return ReferenceNewton(0.0, 1'000'000, cap, value, slope);
}

}  // namespace tmcalc::test
