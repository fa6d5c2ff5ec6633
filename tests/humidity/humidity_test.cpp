// Saturation pressures, enhancement factor, humidity quantities, layouts. References in 40-digit arithmetic:
// Sonntag (1990) saturation pressures; Hardy (1998, "ITS-90 formulations for vapor pressure, frostpoint
// temperature, dewpoint temperature, and enhancement factors in the range −100 to +100 °C") enhancement factor.
#include "humidity/humidity.h"
#include "humidity/humidity_pages.h"
#include "test_support.h"

#include <gtest/gtest.h>
#include <cmath>
#include <functional>
#include <limits>
#include <ostream>
#include <string>

namespace tmcalc {
namespace {

using test::kInf;
using test::kNaN;
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
    } else {
        EXPECT_NEAR(got, row.want, row.tol);
    }
}

// Ratios: double loses about 1e-14 to the exponent's cancellation; 1e-12 is far tighter than the formulation.
TEST(Sonntag1990, SaturationPressuresOverWaterAndIce)
{
    const struct { double t, water, ice; } rows[] = {  // hPa; no ice value at 20 °C
        {-100, 3.6216183203605974e-5, 1.4020744815447114e-5}, {-40, 0.19032651766900416, 0.12836968161925677},
        {0, 6.1121284004643729, 6.1115354443422655},
        {0.01, 6.1165708022446725, 6.1165696528874264},  // the triple point: both 6.11657 hPa to six digits
        {20, 23.39249160534024, kNaN}, {100, 1014.1904173564119, 2380.7337881200469}};
    for (const auto& row : rows) {
        EXPECT_NEAR(SaturationPressureWater(row.t) / row.water, 1, 1e-12) << row.t;
        if (!std::isnan(row.ice)) { EXPECT_NEAR(SaturationPressureIce(row.t) / row.ice, 1, 1e-12) << row.t; }
    }
}

// Hardy's ice pressures differ from Sonntag's: 5e-5 over ice (below 0 °C), 1e-6 over water; out of its ranges
// the very same 1.
Row Factor(const char* name, double t, double p, double want)
{
    return {name, [=] { return EnhancementFactor(t, p); }, want, want == 1 ? 0 : t < 0 ? 5e-5 : 1e-6};
}
const Row kHardy[] = {
    Factor("Room", 20, kAtm, 1.0039909549444983), Factor("IcePointWaterSet", 0, kAtm, 1.0038616763377345),
    Factor("HotHighPressure", 50, 5000, 1.0149644779938928), Factor("WaterAtTheLimit", 80, 20000, 1.047337145103606),
    Factor("JustBelowZero", -0.5, 500, 1.0021276473570534), Factor("Minus100", -100, kAtm, 1.0094580411944161),
    Factor("IceAtTheLimit", -20, 20000, 1.0882458659704209), Factor("Hot", 150, kAtm, 1),
    Factor("BelowTheIceSet", -100.0001, kAtm, 1), Factor("AboveTheWaterSet", 100.0001, kAtm, 1),
    Factor("SaturationAbovePressure", 100, kAtm, 1), Factor("HighPressure", 20, 20000.001, 1),
    Factor("NaNTemperature", kNaN, kAtm, 1), Factor("NaNPressure", 20, kNaN, 1)};
INSTANTIATE_TEST_SUITE_P(Hardy1998, Humidity, ::testing::ValuesIn(kHardy), test::RowName{});

// The bisections halve to 1e-6 °C: the midpoint returned lies within 5e-7 °C of the root.
const Row kRoots[] = {
    {"DewPoint", [] { return Q20(kHumidityDewPoint, Rh20(50)); }, 9.2756057305087562, 6e-7},
    // Supersaturated air: the root lies above t + 5, where the bracket once pinned the answer at 25 °C.
    {"DewPointAboveTheBracket", [] { return Q20(kHumidityDewPoint, Rh20(150)); }, 26.712370349196243, 6e-7},
    {"WetBulb", [] { return Q20(kHumidityWetBulb, Rh20(50)); }, 13.872309391251474, 6e-7},
    {"WetBulbAboveTheBracket", [] { return Q20(kHumidityWetBulb, Rh20(200)); }, 29.155190866504106, 6e-7},
    // A water dew point below 0 °C gives the frost point.
    {"FrostPoint", [] { return Q20(kHumidityDewPoint, Rh20(2)); }, -27.989584207431835, 6e-7},
    // Water vapour of −0.0001 °C is above any ice pressure below 0 °C; the bracket [−100, 0] pinned it at −5e-7.
    {"FrostPointAboveZero", [] { return FrostPointFromVaporPressure(Es(-0.0001), 20, kAtm); },
     0.0025952468593559977, 6e-7},
    // A frost point just below 0 °C stays there, although the ratio at 0 itself falls short of it.
    {"FrostPointJustBelowZero", [] { return Q20(kHumidityDewPoint, E20(kHumidityDewPoint, -0.001)); }, -0.001, 6e-7},
    // Dry air has no dew point: the bracket's lower bound is no answer.
    {"DryAirHasNoDewPoint", [] { return Q20(kHumidityDewPoint, 0); }, kNaN, 0},
    {"DewPointBelowTheBracket", [] { return Q20(kHumidityDewPoint, Rh20(1e-9)); }, kNaN, 0},
    // ... but a wet bulb, where the psychrometer term takes up the whole saturation pressure.
    {"DryAirWetBulb", [] { return WetBulbFromVaporPressure(0, 20, 996); }, 5.9278, 5e-5},
    {"NearlyDryAirWetBulb", [] { return WetBulbFromVaporPressure(Rh20(1e-9), 20, 996); }, 5.9278, 5e-5},
    // The dew point of 50 %rh fed back as kind 3 gives 50 %rh to seven digits.
    {"DewPointRoundTrip",
     [] { return Q20(kHumidityRelative, E20(kHumidityDewPoint, Q20(kHumidityDewPoint, Rh20(50)))); }, 50, 5e-6},
    // 8.6e9 °C overflows the saturation pressure: the dew-point bisection then never ended.
    {"HangInputDewPoint", [] { return DewPointFromVaporPressure(10, 8.6e9, kAtm); }, kNaN, 0},
    {"HangInputFrost", [] { return FrostPointFromVaporPressure(10, 8.6e9, kAtm); }, kNaN, 0},
    {"InfiniteAir", [] { return WetBulbFromVaporPressure(10, kInf, kAtm); }, kNaN, 0},
    {"BelowAbsoluteZero", [] { return DewPointFromVaporPressure(10, -300, kAtm); }, kNaN, 0},
    {"NaNVapour", [] { return WetBulbFromVaporPressure(kNaN, 20, kAtm); }, kNaN, 0},
    {"InfiniteVapour", [] { return DewPointFromVaporPressure(kInf, 20, kAtm); }, kNaN, 0},
    // The ice formula peaks some hundred degrees up and falls again: widened to the ceiling, no answer.
    {"HugeVapourFrost", [] { return FrostPointFromVaporPressure(1e300, 20, kAtm); }, kNaN, 0}};
INSTANTIATE_TEST_SUITE_P(HumidityRoots, Humidity, ::testing::ValuesIn(kRoots), test::RowName{});

// Psychrometric table values at 20 °C, 50 %rh, 101.325 kPa, to the half percent the constants allow.
const Row kTables[] = {
    {"MixingRatio", [] { return Q20(kHumidityMixingRatio, Rh20(50)); }, 7.29, 0.04},
    {"Enthalpy", [] { return Q20(kHumidityEnthalpy, Rh20(50)); }, 38.6, 0.2},
    {"Absolute", [] { return Q20(kHumidityAbsolute, Rh20(50)); }, 8.68, 0.04},
    // A dew point input below 0 °C is a frost point: the ice formula.
    {"FrostPointInput", [] { return E20(kHumidityDewPoint, -5); },
     SaturationPressureIce(-5) * EnhancementFactor(-5, kAtm), 0},
    {"SaturationOutput", [] { return Q20(kHumiditySaturationPressure, 1); }, Es(20), 0},
    // A wet bulb below that of dry air means a negative vapour pressure, no longer clamped to dry air.
    {"WetBulbBelowDryAir", [] { return E20(kHumidityWetBulb, -60) < 0 ? 1.0 : 0.0; }, 1, 0},
    // Dry basis: e = P/2 is 1000000 ppmv (on the page); one step more is out, as is e >= P.
    {"PpmvDryBeyond", [] { return Q20(kHumidityPpmvDry, std::nextafter(kAtm / 2, kAtm)); }, kNaN, 0},
    {"PpmvDryAtPressure", [] { return Q20(kHumidityPpmvDry, kAtm); }, kNaN, 0},
    {"EnthalpyNegativeVapour", [] { return Q20(kHumidityEnthalpy, -1); }, kNaN, 0},
    {"NoSuchKindOut", [] { return Q20(1, 10); }, kNaN, 0},
    {"NoSuchKindIn", [] { return E20(12, 10); }, kNaN, 0}};
INSTANTIATE_TEST_SUITE_P(HumidityTables, Humidity, ::testing::ValuesIn(kTables), test::RowName{});

// Every quantity from e and back: the algebraic ones to rounding, the bisections to e's change over 5e-7 °C.
TEST(HumidityQuantities, RoundTripThroughTheVaporPressure)
{
    for (double t : {-30.0, 0.0, 20.0, 60.0}) {
        for (double rh : {1.0, 35.0, 90.0}) {
            const double es = Es(t), e = rh / 100 * es;
            for (int kind = kHumidityRelative; kind <= kHumidityEnthalpy; ++kind) {
                if (kind == kHumiditySaturationPressure) continue;
                const double x = QuantityFromVaporPressure(kind, e, t, kAtm, es);
                const double back = VaporPressureFromQuantity(kind, x, t, kAtm, es);
                const double tol = kind == kHumidityDewPoint || kind == kHumidityWetBulb  // bisected
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

// The page's table: t and P are inputs, the typed value stands as typed, a kind without a field gives nothing.
TEST(HumidityQuantities, TheTableOfAllFields)
{
    const auto q = HumidityQuantities(kHumidityRelative, 50, 20, kAtm);
    EXPECT_TRUE(std::isnan(q[0]) && std::isnan(q[1]));
    EXPECT_EQ(q[kHumidityRelative], 50);
    for (int kind : {1, 12, -5})
        for (double v : HumidityQuantities(kind, 50, 20, kAtm)) EXPECT_TRUE(std::isnan(v)) << kind;
    EXPECT_TRUE(std::isnan(HumidityQuantities(kHumidityRelative, kNaN, 20, kAtm)[kHumidityDewPoint]));
}

// Air the formulas do not describe is out of range for every quantity; dry air only lacks a dew point.
TEST(HumidityQuantities, OutsideThePhysicsEveryQuantityIsOutOfRange)
{
    const struct { const char* name; int kind; double x, t, p; } cases[] = {
        {"negative rh", kHumidityRelative, -5, 20, 996},
        {"negative pressure", kHumidityRelative, 50, 20, -1000},
        {"zero pressure", kHumidityRelative, 50, 20, 0},
        {"air far above the formula", kHumidityRelative, 50, 1000, 996},
        {"air above 100", kHumidityRelative, 50, 100.001, 996},
        {"air below -100", kHumidityRelative, 50, -100.001, 996},
        {"wet bulb above the air", kHumidityWetBulb, 30, 20, 996},
        {"vapour above the total pressure", kHumidityRelative, 100, 100, kAtm},
        {"vapour at the total pressure", kHumidityVaporPressure, kAtm, 20, kAtm},
        {"ppmv wet of a million", kHumidityPpmvWet, 1e6, 20, kAtm},
        {"wet bulb below dry air", kHumidityWetBulb, -60, 20, kAtm}, {"air of 9999", kHumidityRelative, 50, 9999, 996}};
    for (const auto& c : cases) {
        const auto q = HumidityQuantities(c.kind, c.x, c.t, c.p);
        for (int j = kHumidityRelative; j <= kHumidityEnthalpy; ++j)
            if (j != c.kind) { EXPECT_TRUE(std::isnan(q[static_cast<std::size_t>(j)])) << c.name << " " << j; }
    }
    // The range's ends themselves compute.
    for (double t : {kHumidityAirMin, kHumidityAirMax - 0.5})
        EXPECT_FALSE(std::isnan(HumidityQuantities(kHumidityRelative, 50, t, kAtm)[kHumidityVaporPressure])) << t;
    const auto dry = HumidityQuantities(kHumidityRelative, 0, 20, 996);
    EXPECT_TRUE(std::isnan(dry[kHumidityDewPoint]));
    EXPECT_NEAR(dry[kHumidityWetBulb], 5.9278, 5e-5);
    for (int j : {kHumiditySaturationPressure, kHumidityVaporPressure, kHumidityPpmvDry, kHumidityPpmvWet,
                  kHumidityAbsolute, kHumidityMixingRatio, kHumidityEnthalpy})
        EXPECT_FALSE(std::isnan(dry[static_cast<std::size_t>(j)])) << j;
}

TEST(HumidityGridRect, StartsUnderTheBandOfTheWidth)
{
    // The client area at 1920 x 1080; a top from the height (535 x 115 / 1300 x 1.25 = 59) crossed the band.
    EXPECT_EQ(HumidityGridRect({0, 0, 1052, 535}), (Rect{0, 116, 1052, 392}));
    EXPECT_EQ(HumidityGridRect({3, 4, 1052, 535}), (Rect{3, 120, 1052, 392}));
    EXPECT_EQ(HumidityGridRect({0, 0, 1052, 100}).height, 0);  // lower than the band: nothing, no negative
}

// The panel ends on the client area's bottom (a client area high covered the page's lower border).
TEST(TransmitterLayout, PanelUnderTheBandControlsInsideOnEveryScreen)
{
    for (const auto& [w, h] : {std::pair{1920, 1080}, {1280, 720}, {1366, 768}, {3840, 2160}}) {
        SCOPED_TRACE(testing::Message() << w << "x" << h);
        const ScreenGeometry g = ComputeScreenGeometry(w, h);
        const Rect client{0, 0, PageRect(g).width - 2, PageRect(g).height - 2};
        const TransmitterPageLayout l = ComputeTransmitterPageLayout(g, client);
        EXPECT_EQ(l.panel.bottom(), client.bottom());
        EXPECT_EQ(l.panel.width, client.width);
        EXPECT_GT(l.panel.y, Trunc(client.width * 115.0 / 1300.0));  // below the title band
        const auto inside = [&l](const Rect& r) {  // the panel's own coordinates
            return r.x >= 0 && r.y >= 0 && r.right() <= l.panel.width && r.bottom() <= l.panel.height;
        };
        for (std::size_t k = 0; k < l.ranges.size(); ++k) {
            EXPECT_TRUE(inside(l.ranges[k])) << k;
            if (k > 0) { EXPECT_GT(l.ranges[k].y, l.ranges[k - 1].bottom()) << k; }
        }
        for (std::size_t i = 0; i < l.cells.size(); ++i) {
            const Rect& c = l.cells[i];
            EXPECT_TRUE(inside(c)) << i;
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
