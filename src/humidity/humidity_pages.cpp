#include "humidity/humidity_pages.h"

#include "humidity/humidity.h"

#include <limits>

namespace tmcalc {

Rect HumidityGridRect(Rect client)
{
    const int top = Trunc(TitleBandHeight(client.width) * 1.25);
    const int bottom = Trunc(client.height * 0.95);
    return {client.x, client.y + top, client.width, bottom > top ? bottom - top : 0};
}

std::array<double, kHumidityFieldCount> HumidityQuantities(int kind, double x, double t, double pressure)
{
    std::array<double, kHumidityFieldCount> out{};
    out.fill(std::numeric_limits<double>::quiet_NaN());
    if (kind < kHumidityRelative || kind > kHumidityEnthalpy) return out;
    // Moist air as the formulas know it: an air temperature inside the saturation formula's range, a
    // positive total pressure, a wet bulb not above the air, a vapour pressure from 0 up to (not
    // including) the total pressure. Anything else is out of range for every quantity.
    if (!(t >= kHumidityAirMin && t <= kHumidityAirMax) || !(pressure > 0)) return out;
    if (kind == kHumidityWetBulb && x > t) return out;
    const double es = SaturationPressureWater(t) * EnhancementFactor(t, pressure);
    const double e = VaporPressureFromQuantity(kind, x, t, pressure, es);
    if (!(e >= 0 && e < pressure)) return out;
    // The driving quantity is not computed back: for the dew point and the wet bulb that would cost a
    // bisection whose answer nobody shows.
    for (int j = kHumidityRelative; j <= kHumidityEnthalpy; ++j)
        out[static_cast<std::size_t>(j)] = j == kind ? x : QuantityFromVaporPressure(j, e, t, pressure, es);
    return out;
}

TransmitterPageLayout ComputeTransmitterPageLayout(const ScreenGeometry& g, Rect client)
{
    TransmitterPageLayout out;
    out.panel = SubPageRect(client.width, client.height);
    out.panel.x += client.x;
    out.panel.y += client.y;

    constexpr int kLeft = 20;
    constexpr int kTop = 15;
    constexpr int kCellWidth = 280;  // not scaled: the captions need it on any screen
    const int buttonW = Trunc(static_cast<double>(g.scaleX()) * 250.0);
    const int buttonH = Trunc(static_cast<double>(g.scaleY()) * 20.0);
    for (int k = 0; k < kTransmitterRangeCount; ++k)
        out.ranges[static_cast<std::size_t>(k)] = {kLeft, kTop + k * (buttonH + 5), buttonW, buttonH};

    const int cellTop = kTop + kTransmitterRangeCount * (buttonH + 5) + 10;
    const int cellH = Trunc(static_cast<double>(g.scaleY()) * 45.0);
    for (int i = 0; i < kTransmitterCellCount; ++i) {
        const int row = i / 2;
        const int column = i % 2;
        out.cells[static_cast<std::size_t>(i)] = {kLeft + column * (kCellWidth - 1), cellTop + row * (cellH - 1),
                                                  kCellWidth, cellH};
    }
    return out;
}

}  // namespace tmcalc
