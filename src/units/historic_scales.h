#pragma once

#include <array>

namespace tmcalc {

// ITS-90, IPTS-68 and IPTS-48 temperatures in degrees Celsius (T = t + 273.15 K on all three scales).
// Every function gives NaN where a scale is not defined or no published relation covers the value.
//
// ITS-90 <-> IPTS-68 follows the published difference functions t90 - t68 by T90: the 13-term function
// from 13.8033 K, the 8-term function from -200 °C, the 1994 revision from 630.615 °C and the Wien-law
// term above the gold point (1337.33 K); no upper limit. The pieces meet with small steps (0.66 mK at
// 73.15 K, 0.71 mK at 630.615 °C, 0.12 mK at 1064.18 °C), which would leave some t68 with no t90 and
// others with two; each join is therefore moved to the nearby temperature where the two pieces agree
// (77.4 K, 630.17 °C and 1063.71 °C), so the difference is continuous and every t68 has exactly one t90.
// The move changes no value by more than the step, well inside the functions' stated accuracy (1-2 mK).
//
// IPTS-48 <-> IPTS-68 is defined from -182.97 °C (oxygen point) to 630.5 °C (the IPTS-48 antimony
// point) through the two scales' resistance-thermometer definitions, and above the IPTS-48 gold point
// (1063 °C) through each scale's Wien law. Between 630.5 °C and 1063 °C both scales were carried by
// thermocouples and no relation is published: there the IPTS-48 value is NaN.

enum class HistoricScale : int { Its90 = 0, Ipts68 = 1, Ipts48 = 2 };
inline constexpr int kHistoricScaleCount = 3;

// Lowest ITS-90 temperature the difference functions cover (the e-H2 triple point), °C.
inline constexpr double kHistoricT90Min = 13.8033 - 273.15;
// IPTS-48 range with a published relation to IPTS-68, °C.
inline constexpr double kIpts48Min = -182.97;
inline constexpr double kIpts48ResistanceMax = 630.5;
inline constexpr double kIpts48GoldPoint = 1063.0;

// t90 - t68 in kelvin at the ITS-90 temperature t90 (°C).
[[nodiscard]] double T90MinusT68(double t90);

// The same difference on the published pieces alone, joins where the publication puts them (for
// comparison with the continuous form above).
[[nodiscard]] double T90MinusT68Published(double t90);

// The temperatures (°C) where the continuous form switches pieces: near 73.15 K, 630.615 °C, 1064.18 °C.
[[nodiscard]] std::array<double, 3> HistoricJoins();

[[nodiscard]] double T68FromT90(double t90);
// Iterates to 1e-9 K.
[[nodiscard]] double T90FromT68(double t68);
[[nodiscard]] double T68FromT48(double t48);
// Iterates to 1e-9 K.
[[nodiscard]] double T48FromT68(double t68);

// All three scales for `value` (°C) on `from`; the `from` slot holds the value itself.
[[nodiscard]] std::array<double, kHistoricScaleCount> ConvertHistoric(HistoricScale from, double value);

}  // namespace tmcalc
