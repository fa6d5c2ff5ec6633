// Layouts and the quantity table behind the humidity and transmitter pages.
#include "humidity/humidity.h"
#include "humidity/humidity_pages.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>

namespace tmcalc {
namespace {

// The client area of the page rectangle (a one-pixel border) on a screen.
Rect ClientOn(const ScreenGeometry& g)
{
    const Rect page = PageRect(g);
    return {0, 0, page.width - 2, page.height - 2};
}

bool Inside(const Rect& inner, const Rect& outer)
{
    return inner.x >= outer.x && inner.y >= outer.y && inner.right() <= outer.right() &&
           inner.bottom() <= outer.bottom();
}

TEST(HumidityGridRect, StartsUnderTheBandOfTheWidth)
{
    // 1052 x 535 is the client area at 1920 x 1080. A top taken from the height (535 x 115 / 1300 x 1.25)
    // would be 59 and put the first row across the title band.
    EXPECT_EQ(HumidityGridRect({0, 0, 1052, 535}), (Rect{0, 116, 1052, 392}));
    EXPECT_EQ(HumidityGridRect({3, 4, 1052, 535}), (Rect{3, 120, 1052, 392}));
    EXPECT_EQ(HumidityGridRect({0, 0, 1052, 100}).height, 0);  // lower than the band: nothing, no negative
}

class TransmitterLayoutOnScreen : public testing::TestWithParam<std::pair<int, int>> {};

TEST_P(TransmitterLayoutOnScreen, PanelUnderTheBandControlsInside)
{
    const ScreenGeometry g = ComputeScreenGeometry(GetParam().first, GetParam().second);
    const Rect client = ClientOn(g);
    const TransmitterPageLayout l = ComputeTransmitterPageLayout(g, client);
    // Two pixels under trunc(w x 115 / 1300 x 1.5), down to the client area's bottom, not a full client
    // area high (which would cover the page's lower border).
    const int top = Trunc(client.width * 115.0 / 1300.0 * 1.5) + 2;
    EXPECT_EQ(l.panel, (Rect{0, top, client.width, client.height - top}));
    const Rect panel{0, 0, l.panel.width, l.panel.height};
    for (std::size_t k = 0; k < l.ranges.size(); ++k) {
        EXPECT_TRUE(Inside(l.ranges[k], panel)) << k;
        EXPECT_EQ(l.ranges[k].width, Trunc(static_cast<double>(g.scaleX()) * 250.0));
        EXPECT_EQ(l.ranges[k].height, Trunc(static_cast<double>(g.scaleY()) * 20.0));
        if (k > 0) EXPECT_GT(l.ranges[k].y, l.ranges[k - 1].bottom()) << k;
    }
    for (std::size_t i = 0; i < l.cells.size(); ++i) {
        const Rect& c = l.cells[i];
        EXPECT_TRUE(Inside(c, panel)) << i;
        EXPECT_EQ(c.width, 280);
        EXPECT_EQ(c.height, Trunc(static_cast<double>(g.scaleY()) * 45.0));
        EXPECT_GT(c.y, l.ranges.back().bottom()) << i;
        // Frames coincide: a value starts on its caption's last column, a row on the last line of the row above.
        if (i % 2 == 1) EXPECT_EQ(c.x, l.cells[i - 1].right() - 1) << i;
        if (i >= 2) EXPECT_EQ(c.y, l.cells[i - 2].bottom() - 1) << i;
    }
}

INSTANTIATE_TEST_SUITE_P(Screens, TransmitterLayoutOnScreen,
                         testing::Values(std::pair{1920, 1080}, std::pair{1280, 720}, std::pair{1366, 768},
                                         std::pair{3840, 2160}),
                         [](const auto& info) {
                             return std::to_string(info.param.first) + "x" + std::to_string(info.param.second);
                         });

TEST(HumidityQuantities, FromRelativeHumidityAndBack)
{
    const double nan = std::nan("");
    const auto q = HumidityQuantities(kHumidityRelative, 50, 20, 1013.25);
    EXPECT_TRUE(std::isnan(q[0]) && std::isnan(q[1]));
    EXPECT_EQ(q[kHumidityRelative], 50);  // the driving value itself, not computed back
    EXPECT_NEAR(q[kHumidityDewPoint], 9.275606, 1e-6);  // the bisection's tolerance
    EXPECT_NEAR(q[kHumiditySaturationPressure], 23.39249 * 1.003991, 1e-4);
    // Back from the dew point: 50 % to the seven digits the dew point was rounded to.
    const auto back = HumidityQuantities(kHumidityDewPoint, q[kHumidityDewPoint], 20, 1013.25);
    EXPECT_NEAR(back[kHumidityRelative], 50, 5e-6);
    for (int kind : {1, 12, -5}) {
        for (double v : HumidityQuantities(kind, 50, 20, 1013.25)) EXPECT_TRUE(std::isnan(v)) << kind;
    }
    // A vapour pressure above the total pressure: no dry-basis concentration, mixing ratio or enthalpy.
    const auto wet = HumidityQuantities(kHumidityVaporPressure, 2000, 20, 1013.25);
    for (int kind : {kHumidityPpmvDry, kHumidityMixingRatio, kHumidityEnthalpy})
        EXPECT_TRUE(std::isnan(wet[static_cast<std::size_t>(kind)])) << kind;
    EXPECT_TRUE(std::isnan(HumidityQuantities(kHumidityRelative, nan, 20, 1013.25)[kHumidityDewPoint]));
}

}  // namespace
}  // namespace tmcalc
