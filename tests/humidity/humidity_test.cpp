// Saturation pressures, enhancement factor and the humidity quantities, and the layouts behind the humidity
// and transmitter pages (whose linear arithmetic the page scenarios check). Reference values are the
// formulations evaluated in 40-digit arithmetic: Sonntag (1990) for the saturation pressures, Hardy (1998,
// "ITS-90 formulations for vapor pressure, frostpoint temperature, dewpoint temperature, and enhancement
// factors in the range −100 to +100 °C") for the enhancement factor with its own vapour pressures.
#include "humidity/humidity.h"
#include "humidity/humidity_pages.h"

#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <limits>
#include <ostream>
#include <string>

namespace tmcalc {
namespace {

constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();
constexpr double kInf = std::numeric_limits<double>::infinity();
constexpr double kAtm = 1013.25;  // hPa

double Es(double t, double p = kAtm) { return SaturationPressureWater(t) * EnhancementFactor(t, p); }
// Quantities of air at 20 °C and 1013.25 hPa.
double Q20(int kind, double e) { return QuantityFromVaporPressure(kind, e, 20, kAtm, Es(20)); }
double E20(int kind, double x) { return VaporPressureFromQuantity(kind, x, 20, kAtm, Es(20)); }
double Rh20(double rh) { return rh / 100 * Es(20); }

struct Row {
    const char* name;
    std::function<double()> got;
    double want;  // NaN: a NaN is wanted
    double tol;   // 0: the very same double
};
void PrintTo(const Row& row, std::ostream* out) { *out << row.name; }

class Humidity : public ::testing::TestWithParam<Row> {};

TEST_P(Humidity, GivesTheReferenceValue)
{
    const Row& row = GetParam();
    const double got = row.got();
    if (std::isnan(row.want)) {
        EXPECT_TRUE(std::isnan(got)) << got;
    } else if (row.tol == 0) {
        EXPECT_EQ(got, row.want);
    } else {
        EXPECT_NEAR(got, row.want, row.tol);
    }
}

// Saturation pressures as ratios to the reference: double evaluation loses about 1e-14 to the exponent's
// cancellation, and 1e-12 is a million times tighter than the agreement asked of the formulation.
Row Ratio(const char* name, double (*f)(double), double t, double reference)
{
    return {name, [=] { return f(t) / reference; }, 1, 1e-12};
}

INSTANTIATE_TEST_SUITE_P(
    Sonntag1990, Humidity,
    ::testing::Values(Ratio("WaterMinus100", SaturationPressureWater, -100, 3.6216183203605974e-5),
                      Ratio("IceMinus100", SaturationPressureIce, -100, 1.4020744815447114e-5),
                      Ratio("WaterMinus40", SaturationPressureWater, -40, 0.19032651766900416),
                      Ratio("IceMinus40", SaturationPressureIce, -40, 0.12836968161925677),
                      Ratio("WaterIcePoint", SaturationPressureWater, 0, 6.1121284004643729),
                      Ratio("IceIcePoint", SaturationPressureIce, 0, 6.1115354443422655),
                      // the triple point: water and ice agree to six digits, 6.11657 hPa
                      Ratio("WaterTriplePoint", SaturationPressureWater, 0.01, 6.1165708022446725),
                      Ratio("IceTriplePoint", SaturationPressureIce, 0.01, 6.1165696528874264),
                      Ratio("WaterRoom", SaturationPressureWater, 20, 23.39249160534024),
                      Ratio("WaterBoiling", SaturationPressureWater, 100, 1014.1904173564119),
                      Ratio("IceBoiling", SaturationPressureIce, 100, 2380.7337881200469)),
    [](const ::testing::TestParamInfo<Row>& row) { return std::string(row.param.name); });

// Hardy's own ice pressures differ from Sonntag's: 5e-5 over ice, 1e-6 over water. Outside its ranges,
// above 20000 hPa and where f would fall below 1, the factor is exactly 1.
INSTANTIATE_TEST_SUITE_P(
    Hardy1998, Humidity,
    ::testing::Values(Row{"Room", [] { return EnhancementFactor(20, kAtm); }, 1.0039909549444983, 1e-6},
                      Row{"IcePointWaterSet", [] { return EnhancementFactor(0, kAtm); }, 1.0038616763377345, 1e-6},
                      Row{"HotHighPressure", [] { return EnhancementFactor(50, 5000); }, 1.0149644779938928, 1e-6},
                      Row{"WaterAtTheLimit", [] { return EnhancementFactor(80, 20000); }, 1.047337145103606, 1e-6},
                      Row{"JustBelowZero", [] { return EnhancementFactor(-0.5, 500); }, 1.0021276473570534, 5e-5},
                      Row{"Minus100", [] { return EnhancementFactor(-100, kAtm); }, 1.0094580411944161, 5e-5},
                      Row{"IceAtTheLimit", [] { return EnhancementFactor(-20, 20000); }, 1.0882458659704209, 5e-5},
                      Row{"Hot", [] { return EnhancementFactor(150, kAtm); }, 1, 0},
                      Row{"BelowTheIceSet", [] { return EnhancementFactor(-100.0001, kAtm); }, 1, 0},
                      Row{"AboveTheWaterSet", [] { return EnhancementFactor(100.0001, kAtm); }, 1, 0},
                      Row{"SaturationAbovePressure", [] { return EnhancementFactor(100, kAtm); }, 1, 0},
                      Row{"HighPressure", [] { return EnhancementFactor(20, 20000.001); }, 1, 0},
                      Row{"NaNTemperature", [] { return EnhancementFactor(kNaN, kAtm); }, 1, 0},
                      Row{"NaNPressure", [] { return EnhancementFactor(20, kNaN); }, 1, 0}),
    [](const ::testing::TestParamInfo<Row>& row) { return std::string(row.param.name); });

// The bisections halve to 1e-6 °C: the midpoint returned lies within 5e-7 °C of the root.
INSTANTIATE_TEST_SUITE_P(
    HumidityRoots, Humidity,
    ::testing::Values(
        Row{"DewPoint", [] { return Q20(kHumidityDewPoint, Rh20(50)); }, 9.2756057305087562, 6e-7},
        // Supersaturated air: the root lies above t + 5, where the bracket once pinned the answer at 25 °C.
        Row{"DewPointAboveTheBracket", [] { return Q20(kHumidityDewPoint, Rh20(150)); }, 26.712370349196243, 6e-7},
        Row{"WetBulb", [] { return Q20(kHumidityWetBulb, Rh20(50)); }, 13.872309391251474, 6e-7},
        Row{"WetBulbAboveTheBracket", [] { return Q20(kHumidityWetBulb, Rh20(200)); }, 29.155190866504106, 6e-7},
        // A water dew point below 0 °C gives the frost point.
        Row{"FrostPoint", [] { return Q20(kHumidityDewPoint, Rh20(2)); }, -27.989584207431835, 6e-7},
        // Water vapour at −0.0001 °C is above the ice pressure of any temperature below 0 °C: its frost point
        // is just above 0 (water enhancement set), where the bracket [−100, 0] once pinned it at −5e-7 °C.
        Row{"FrostPointAboveZero", [] { return FrostPointFromVaporPressure(Es(-0.0001), 20, kAtm); },
            0.0025952468593559977, 6e-7},
        // A frost point just below 0 °C stays there, although the ratio at 0 itself falls short of it.
        Row{"FrostPointJustBelowZero", [] { return Q20(kHumidityDewPoint, E20(kHumidityDewPoint, -0.001)); },
            -0.001, 6e-7},
        Row{"DryAir", [] { return Q20(kHumidityDewPoint, 0); }, -100, 6e-7},
        // The dew point of 50 %rh fed back as kind 3 gives 50 %rh to seven digits.
        Row{"DewPointRoundTrip",
            [] { return Q20(kHumidityRelative, E20(kHumidityDewPoint, Q20(kHumidityDewPoint, Rh20(50)))); }, 50,
            5e-6},
        // 8.6e9 °C overflows the saturation pressure: the dew-point bisection then never ended (the page
        // scenarios show the wet bulb and the quantity of kind 3 at 8.6e9 °C).
        Row{"HangInputDewPoint", [] { return DewPointFromVaporPressure(10, 8.6e9, kAtm); }, kNaN, 0},
        Row{"HangInputFrost", [] { return FrostPointFromVaporPressure(10, 8.6e9, kAtm); }, kNaN, 0},
        Row{"InfiniteAir", [] { return WetBulbFromVaporPressure(10, kInf, kAtm); }, kNaN, 0},
        Row{"BelowAbsoluteZero", [] { return DewPointFromVaporPressure(10, -300, kAtm); }, kNaN, 0},
        Row{"NaNVapour", [] { return WetBulbFromVaporPressure(kNaN, 20, kAtm); }, kNaN, 0},
        Row{"InfiniteVapour", [] { return DewPointFromVaporPressure(kInf, 20, kAtm); }, kNaN, 0},
        // The ice formula peaks some hundred degrees up and falls again: widened to the ceiling, no answer.
        Row{"HugeVapourFrost", [] { return FrostPointFromVaporPressure(1e300, 20, kAtm); }, kNaN, 0}),
    [](const ::testing::TestParamInfo<Row>& row) { return std::string(row.param.name); });

// Psychrometric table values at 20 °C, 50 %rh, 101.325 kPa, to the half percent the constants allow.
INSTANTIATE_TEST_SUITE_P(
    HumidityTables, Humidity,
    ::testing::Values(Row{"MixingRatio", [] { return Q20(kHumidityMixingRatio, Rh20(50)); }, 7.29, 0.04},
                      Row{"Enthalpy", [] { return Q20(kHumidityEnthalpy, Rh20(50)); }, 38.6, 0.2},
                      Row{"Absolute", [] { return Q20(kHumidityAbsolute, Rh20(50)); }, 8.68, 0.04},
                      // A dew point input below 0 °C is a frost point: the ice formula.
                      Row{"FrostPointInput", [] { return E20(kHumidityDewPoint, -5); },
                          SaturationPressureIce(-5) * EnhancementFactor(-5, kAtm), 0},
                      Row{"SaturationOutput", [] { return Q20(kHumiditySaturationPressure, 1); }, Es(20), 0},
                      Row{"WetBulbNeverNegative", [] { return E20(kHumidityWetBulb, -60); }, 0, 0},
                      // Dry basis: e = P/2 is exactly 1000000 ppmv (on the page); one step more is out of
                      // range, as is e >= P.
                      Row{"PpmvDryBeyond", [] { return Q20(kHumidityPpmvDry, std::nextafter(kAtm / 2, kAtm)); },
                          kNaN, 0},
                      Row{"PpmvDryAtPressure", [] { return Q20(kHumidityPpmvDry, kAtm); }, kNaN, 0},
                      Row{"EnthalpyNegativeVapour", [] { return Q20(kHumidityEnthalpy, -1); }, kNaN, 0},
                      Row{"NoSuchKindOut", [] { return Q20(1, 10); }, kNaN, 0},
                      Row{"NoSuchKindIn", [] { return E20(12, 10); }, kNaN, 0}),
    [](const ::testing::TestParamInfo<Row>& row) { return std::string(row.param.name); });

// Every quantity converted from e and back: the algebraic ones to rounding, the bisections to the change
// of e over their 5e-7 °C.
TEST(HumidityQuantities, RoundTripThroughTheVaporPressure)
{
    for (double t : {-30.0, 0.0, 20.0, 60.0}) {
        for (double rh : {1.0, 35.0, 90.0}) {
            const double es = Es(t);
            const double e = rh / 100 * es;
            for (int kind = kHumidityRelative; kind <= kHumidityEnthalpy; ++kind) {
                if (kind == kHumiditySaturationPressure) continue;
                const double x = QuantityFromVaporPressure(kind, e, t, kAtm, es);
                const double back = VaporPressureFromQuantity(kind, x, t, kAtm, es);
                const bool bisected = kind == kHumidityDewPoint || kind == kHumidityWetBulb;
                const double tol = bisected
                                       ? std::fabs(VaporPressureFromQuantity(kind, x + 6e-7, t, kAtm, es) - back)
                                       : e * 1e-12;
                EXPECT_NEAR(back, e, tol) << "kind " << kind << " t " << t << " rh " << rh;
            }
        }
    }
}

// Extreme pressures and vapour pressures must neither trap nor hang; what they give is the arithmetic's.
TEST(HumidityQuantities, ExtremeInputsReturn)
{
    for (double p : {kNaN, -1e300, 1e300, 0.0}) {
        for (double e : {1e300, -1e300, 0.0, 10.0}) {
            for (int kind = kHumidityRelative; kind <= kHumidityEnthalpy; ++kind) {
                (void)QuantityFromVaporPressure(kind, e, 20, p, Es(20, p));
                (void)VaporPressureFromQuantity(kind, e, 20, p, Es(20, p));
            }
        }
    }
}

// The page's table of all quantities: air temperature and pressure are inputs, not results; the value the
// user typed stands as typed; a kind that no field has gives nothing.
TEST(HumidityQuantities, TheTableOfAllFields)
{
    const auto q = HumidityQuantities(kHumidityRelative, 50, 20, kAtm);
    EXPECT_TRUE(std::isnan(q[0]) && std::isnan(q[1]));
    EXPECT_EQ(q[kHumidityRelative], 50);
    for (int kind : {1, 12, -5}) {
        for (double v : HumidityQuantities(kind, 50, 20, kAtm)) EXPECT_TRUE(std::isnan(v)) << kind;
    }
    EXPECT_TRUE(std::isnan(HumidityQuantities(kHumidityRelative, kNaN, 20, kAtm)[kHumidityDewPoint]));
}

TEST(HumidityGridRect, StartsUnderTheBandOfTheWidth)
{
    // 1052 x 535 is the client area at 1920 x 1080. A top taken from the height (535 x 115 / 1300 x 1.25)
    // would be 59 and put the first row across the title band.
    EXPECT_EQ(HumidityGridRect({0, 0, 1052, 535}), (Rect{0, 116, 1052, 392}));
    EXPECT_EQ(HumidityGridRect({3, 4, 1052, 535}), (Rect{3, 120, 1052, 392}));
    EXPECT_EQ(HumidityGridRect({0, 0, 1052, 100}).height, 0);  // lower than the band: nothing, no negative
}

bool Inside(const Rect& inner, const Rect& outer)
{
    return inner.x >= outer.x && inner.y >= outer.y && inner.right() <= outer.right() &&
           inner.bottom() <= outer.bottom();
}

// The panel's place at 1920 x 1080 is pinned on the page itself; on every screen it ends on the client
// area's bottom (not a client area high, which would cover the page's lower border) and holds its controls.
TEST(TransmitterLayout, PanelUnderTheBandControlsInsideOnEveryScreen)
{
    for (const auto& [w, h] : {std::pair{1920, 1080}, {1280, 720}, {1366, 768}, {3840, 2160}}) {
        SCOPED_TRACE(testing::Message() << w << "x" << h);
        const ScreenGeometry g = ComputeScreenGeometry(w, h);
        const Rect page = PageRect(g);
        const Rect client{0, 0, page.width - 2, page.height - 2};
        const TransmitterPageLayout l = ComputeTransmitterPageLayout(g, client);
        EXPECT_EQ(l.panel.bottom(), client.bottom());
        EXPECT_EQ(l.panel.width, client.width);
        EXPECT_GT(l.panel.y, Trunc(client.width * 115.0 / 1300.0));  // below the title band
        const Rect panel{0, 0, l.panel.width, l.panel.height};
        for (std::size_t k = 0; k < l.ranges.size(); ++k) {
            EXPECT_TRUE(Inside(l.ranges[k], panel)) << k;
            if (k > 0) { EXPECT_GT(l.ranges[k].y, l.ranges[k - 1].bottom()) << k; }
        }
        for (std::size_t i = 0; i < l.cells.size(); ++i) {
            const Rect& c = l.cells[i];
            EXPECT_TRUE(Inside(c, panel)) << i;
            EXPECT_EQ(c.width, 280);
            EXPECT_GT(c.y, l.ranges.back().bottom()) << i;
            // Frames coincide: a value starts on its caption's last column, a row on the last line above.
            if (i % 2 == 1) { EXPECT_EQ(c.x, l.cells[i - 1].right() - 1) << i; }
            if (i >= 2) { EXPECT_EQ(c.y, l.cells[i - 2].bottom() - 1) << i; }
        }
    }
}

}  // namespace
}  // namespace tmcalc
