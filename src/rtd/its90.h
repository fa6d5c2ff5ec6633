#pragma once

namespace tmcalc {

// The platinum reference function of ITS-90 and its inverse, t in °C, Wr = R(t) / R(273.16 K).
// Coefficients as published with the scale (A0..A12, B0..B15, C0..C9, D0..D9); every power is its own
// std::pow call so that a value agrees to the last bits with the sums written out term by term.
// No range is enforced: outside -259.3467..961.78 °C the functions are extrapolations, and an argument
// they cannot take (t <= -273.15 °C, a negative Wr, NaN) gives NaN or an infinity, never a trap.

// Defining fixed points used by the resistance thermometer calibrations, °C.
inline constexpr double kIts90Argon = -189.3442;
inline constexpr double kIts90Mercury = -38.8344;
inline constexpr double kIts90WaterTriplePoint = 0.01;
inline constexpr double kIts90Gallium = 29.7646;
inline constexpr double kIts90Indium = 156.5985;
inline constexpr double kIts90Tin = 231.928;
inline constexpr double kIts90Zinc = 419.527;
inline constexpr double kIts90Aluminium = 660.323;

// Below 0 °C the function of 13.8033 K..273.16 K, from 0 °C up the one of 0..961.78 °C. The two meet
// 5.3e-9 apart at 0 °C (0.9999601047 and 0.9999601100); 0 °C itself takes the upper one.
[[nodiscard]] double Its90Wr(double t);

// dWr/dt in 1/°C, the derivative of the branch that Its90Wr uses at t.
[[nodiscard]] double Its90WrSlope(double t);

// The published inverse functions alone (B below Wr = 1, D from 1 up): within 0.13 mK of the inverse
// of Its90Wr over the ranges of the scale, not an exact inverse.
[[nodiscard]] double Its90T(double wr);

}  // namespace tmcalc
