#pragma once

namespace tmcalc {

// Newton's method on the polynomial value, started at x0. The tolerance is on the residual, which the
// resistance thermometers express in units of W = R/R0, not on the step in °C.
inline constexpr double kRootResidualTolerance = 1e-8;

// Where Newton converges on these sensors it needs at most a few dozen steps. An input for which it does
// not settle (a resistance pasted in by mistake, coefficients fitted from a mistyped point) would
// otherwise run until a far larger limit and freeze the page for about a second on every keystroke, so
// the iteration gives up after this many steps, or as soon as a step no longer moves the iterate.
inline constexpr int kNewtonStepLimit = 1000;

// A root of a4 x^4 + a3 x^3 + a2 x^2 + a1 x + a0 near x0: x0 itself when it already meets the tolerance,
// NaN when the iteration fails (step limit, a stalled iterate, a zero derivative, non-finite input).
// With a4 = 0 it serves the copper cubic.
[[nodiscard]] double SolveQuartic(double a4, double a3, double a2, double a1, double a0, double x0);

// The same for a6 x^6 + ... + a1 x + a0 (the nickel polynomial).
[[nodiscard]] double SolveSextic(double a6, double a5, double a4, double a3, double a2, double a1, double a0,
                                 double x0);

}  // namespace tmcalc
