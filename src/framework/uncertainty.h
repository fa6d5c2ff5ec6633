#pragma once

#include <functional>
#include <span>
#include <string>
#include <vector>

namespace tmcalc {

// First-order propagation of uncorrelated standard uncertainties (the law of propagation of
// uncertainty of JCGM 100:2008): u_c(y) = sqrt(sum (c_i u_i)^2), with c_i = dy/dx_i at the input values,
// and the expanded uncertainty U = k u_c.

// A conversion seen as y = f(x): its inputs (the value converted first, then the parameters it depends
// on, such as a cold junction or R0) and its results. The names are the command line's column and
// option names.
struct UncertaintyModel {
    std::vector<std::string> inputs;
    std::vector<std::string> outputs;
    // All results at x (one per output; NaN where x is out of range).
    std::function<std::vector<double>(std::span<const double> x)> evaluate;
    // Optional analytic sensitivities, row-major [output][input]. A NaN entry (or no function at all)
    // is taken by central differences of `evaluate`.
    std::function<std::vector<double>(std::span<const double> x)> slopes;
};

// A conversion's model named for running either way between quantities `a` and `b` with one parameter
// (a cold junction, R0, R(TPW)): inputs {from, parameter} and outputs {to, more...}, where `from` is `b`
// when `fromB` and `a` otherwise. Its functions are the caller's to set.
[[nodiscard]] UncertaintyModel TwoWayModel(const std::string& a, const std::string& b, bool fromB,
                                           const std::string& parameter, const std::vector<std::string>& more);

// One input's line of a budget.
struct BudgetLine {
    std::string input;
    double c = 0.0;             // sensitivity coefficient, result unit per input unit
    double u = 0.0;             // the input's standard uncertainty
    double contribution = 0.0;  // |c u|
    double share = 0.0;         // (c u)^2 / u_c^2, 0..1 (0 when u_c is 0)
};

struct Budget {
    std::string output;
    std::vector<BudgetLine> lines;
    double uc = 0.0;  // combined standard uncertainty; NaN when a sensitivity cannot be had
    double k = 2.0;
    double U = 0.0;  // k u_c
};

// The step of a central difference for input value x: a thousandth of max(|x|, 1), in the input's own
// unit. Several conversions end in a solver (bisection to 1e-6 °C, Newton to 1e-8 in W), so their results
// are noisy at that level; a thousandth keeps that noise below about 1e-4 of the slope, while over such a
// step the curvature of these smooth conversions moves the slope by far less than the two digits an
// uncertainty is given to. A step is taken one-sided when one side is out of range.
[[nodiscard]] double CentralDifferenceStep(double x);
// dy_j/dx_i for every output j of the model at x, by central differences (one-sided at a range edge;
// NaN when neither side has a value).
[[nodiscard]] std::vector<double> NumericSlopes(const UncertaintyModel& model, std::span<const double> x, int input);

// The budget of every output at x with the inputs' standard uncertainties u (same order as
// model.inputs; missing entries count as 0) and coverage factor k. An input whose u is 0 adds nothing
// and needs no sensitivity, so a result with every u at 0 has u_c = 0 even where slopes are unknown.
[[nodiscard]] std::vector<Budget> Propagate(const UncertaintyModel& model, std::span<const double> x,
                                            std::span<const double> u, double k = 2.0);

// The same budget for a result that is `factor` times the budget's (a temperature on another scale:
// 1.8 for °F and °R, 0.8 for °Re).
[[nodiscard]] Budget ScaledBudget(Budget budget, double factor);

// v rounded to `digits` significant digits, as a plain decimal text ("0.0053", "12", "1300"); very small
// values in exponent form ("1.2e-09"); "0" for zero and the out-of-range text for NaN.
[[nodiscard]] std::string FormatSignificant(double v, int digits = 2);
// The number FormatSignificant shows.
[[nodiscard]] double RoundSignificant(double v, int digits = 2);

// The budget as text lines, one per input (named by `names`, or by the model's names where `names` is
// short), then u_c and U:
//   "Resistance Ω: c = 2.638843, u = 0.001, c·u = 0.002638843, 100 %"
//   "u_c = 0.002638843, U = 0.0053 (k = 2)"
[[nodiscard]] std::string BudgetText(const Budget& budget, std::span<const std::string> names = {});

}  // namespace tmcalc
