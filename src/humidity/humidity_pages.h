#pragma once

#include "framework/geometry.h"

#include <array>
#include <string_view>

namespace tmcalc {

// The humidity page: twelve fields numbered as the humidity kinds (0 air temperature, 1 total pressure,
// 2-11 the quantities of HumidityKind).
inline constexpr int kHumidityFieldCount = 12;

// The air temperatures (°C) the humidity quantities are computed for: the range of the saturation formula
// over water (Sonntag 1990) and of its enhancement factor.
inline constexpr double kHumidityAirMin = -100.0;
inline constexpr double kHumidityAirMax = 100.0;

// Where the humidity grid goes in the page's client area: the full width, from trunc(1.25 x the title
// band height) down to trunc(0.95 x the client height). The band's depth is a fraction of the width, so
// the top is too; an area too low for it gives an empty rectangle at the top.
[[nodiscard]] Rect HumidityGridRect(Rect client);

// Every humidity quantity of an air sample at t (°C) and total pressure (hPa) in which quantity `kind`
// (2-11) has the value x: the entries 2-11 by kind, each computed from the vapour pressure that x gives,
// except the entry of `kind`, which is x itself (entries 0 and 1 are unused, NaN). Any other kind gives
// NaN throughout, and so does air outside the formulas: t outside [kHumidityAirMin, kHumidityAirMax], a
// pressure of 0 or less, a wet bulb above t, a vapour pressure below 0 (RH below 0) or at or above the
// total pressure. Dry air has a wet bulb and no dew point (NaN).
[[nodiscard]] std::array<double, kHumidityFieldCount> HumidityQuantities(int kind, double x, double t,
                                                                         double pressure);

// The transmitter page: the standard signal ranges its five radio buttons write, in button order, and
// the texts it starts with (the 4~20 mA button chosen, so the text and the button agree).
inline constexpr int kTransmitterRangeCount = 5;
inline constexpr std::array<std::string_view, kTransmitterRangeCount> kTransmitterSignalRanges{
    "0~10", "4~20", "1~5", "0~10", "0~2"};
inline constexpr int kTransmitterStartRange = 1;
inline constexpr std::string_view kTransmitterStartConversionRange = "0~10";

// Its controls: the inner panel sits where a container puts its sub-pages, two pixels under the tab band
// that this page does not have, and would be a full client area high; it is cut at the client area
// (SubPageRect), so the page's border stays visible. The radio buttons (250 x 20 on the 1920 x 1080
// design, scaled) are stacked down the panel's left edge, and under them four rows of two cells, 280
// pixels wide and 45 high scaled, a caption and a value side by side. Neighbouring cells overlap by one
// pixel so their frames coincide as in a table. The buttons and cells are in panel coordinates.
inline constexpr int kTransmitterCellCount = 8;
struct TransmitterPageLayout {
    Rect panel;  // in the page's client area
    std::array<Rect, kTransmitterRangeCount> ranges{};
    std::array<Rect, kTransmitterCellCount> cells{};  // row by row: caption, value
};
[[nodiscard]] TransmitterPageLayout ComputeTransmitterPageLayout(const ScreenGeometry& g, Rect client);

}  // namespace tmcalc
