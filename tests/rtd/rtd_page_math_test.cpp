#include "rtd/rtd_page_math.h"

#include "rtd/platinum.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <limits>
#include <string>

namespace tmcalc {
namespace {

constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();
constexpr double kInf = std::numeric_limits<double>::infinity();
const std::string kOut = "Out of Rage.";

const RtdSensorPage& Pt100()
{
    return kRtdSensorPages[0];
}
const RtdSensorPage& PtX()
{
    return kRtdSensorPages[2];
}

TEST(RtdSensorPages, TableMatchesTheTabs)
{
    const char* const names[] = {"gyrdzPt100", "gyrdzPt50", "gyrdzPtX", "gyrdzCu100", "gyrdzCu50"};
    const char* const r0[] = {"100.00", "50.00", "25.00", "100.00", "50.00"};
    for (int i = 0; i < kRtdSensorPageCount; ++i) {
        const RtdSensorPage& p = kRtdSensorPages[static_cast<std::size_t>(i)];
        EXPECT_EQ(p.objectName, names[i]);
        EXPECT_EQ(p.r0Text, r0[i]);
        EXPECT_EQ(p.r0Editable, i == 2);
        EXPECT_EQ(p.metal, i < 3 ? RtdMetal::Platinum : RtdMetal::Copper);
    }
    EXPECT_EQ(PtX().ptRange, PtInverseRange::Strict);
    EXPECT_EQ(Pt100().ptRange, PtInverseRange::Widened);
}

struct ForwardRow {
    const char* name;
    RtdMetal metal;
    double t;
    double r0;
    const char* resistance;
    const char* slope;
};

// Resistances to 0.1 mΩ in "%.07g", slopes "%.7f" within 8 digits; values from the equations by hand.
constexpr ForwardRow kForward[] = {
    {"Pt100At100", RtdMetal::Platinum, 100, 100, "138.5055", "0.3792800"},
    {"Pt100AtZero", RtdMetal::Platinum, 0, 100, "100", "0.3908300"},
    {"Pt100AtMinus200", RtdMetal::Platinum, -200, 100, "18.5201", "0.4323352"},
    {"Pt100At850", RtdMetal::Platinum, 850, 100, "390.4811", "0.2926550"},
    {"Pt100JustAbove850", RtdMetal::Platinum, 850.01, 100, "Out of Rage.", ""},
    {"Pt100JustBelowMinus200", RtdMetal::Platinum, -200.01, 100, "Out of Rage.", ""},
    {"PtXOf25At100", RtdMetal::Platinum, 100, 25, "34.6264", "0.0948200"},
    // From 1000 Ω up the value goes unrounded to "%.07g": 1385.055 either way here.
    {"Pt1000At100", RtdMetal::Platinum, 100, 1000, "1385.055", "3.7928000"},
    // 71.39999999999999 before rounding.
    {"Cu50At100", RtdMetal::Copper, 100, 50, "71.4", "0.2141495"},
    {"Cu50AtMinus50", RtdMetal::Copper, -50, 50, "39.242", "0.2160073"},
    {"Cu50At150", RtdMetal::Copper, 150, 50, "82.1343", "0.2153752"},
    {"Cu50JustAbove150", RtdMetal::Copper, 150.01, 50, "Out of Rage.", ""},
    {"Cu100JustBelowMinus50", RtdMetal::Copper, -50.01, 100, "Out of Rage.", ""},
    {"NaNTemperature", RtdMetal::Platinum, kNaN, 100, "Out of Rage.", ""},
    {"InfiniteTemperature", RtdMetal::Copper, kInf, 100, "Out of Rage.", ""},
    // A zero or negative R0 (typed on PtX) is computed as it stands.
    {"ZeroR0", RtdMetal::Platinum, 100, 0, "0", "0."},
    {"NegativeR0", RtdMetal::Platinum, 100, -100, "-138.5055", "-0.3792800"},
    {"NaNR0", RtdMetal::Platinum, 100, kNaN, "Out of Rage.", "Out of Rage."},
    {"HugeR0", RtdMetal::Platinum, 100, 1e300, "1.385055e+300", "3.7928e+297"},
};

class RtdForwardTest : public testing::TestWithParam<ForwardRow> {};

TEST_P(RtdForwardTest, ResistanceAndSlopeTexts)
{
    const ForwardRow& row = GetParam();
    const RtdShownTexts shown = RtdTextsFromTemperature(row.metal, row.t, row.r0);
    EXPECT_EQ(shown.value, row.resistance);
    EXPECT_EQ(shown.slope, row.slope);
}

INSTANTIATE_TEST_SUITE_P(RtdPageMath, RtdForwardTest, testing::ValuesIn(kForward),
                         [](const auto& row) { return std::string(row.param.name); });

struct InverseRow {
    const char* name;
    int page;  // index into kRtdSensorPages
    double r;
    double r0;
    const char* temperature;
    const char* slope;
};

// Resistances typed as the forward conversion shows them; the temperatures are those of the inverse
// equations, "%.07g". The bands: Pt100/Pt50 0.6 + 0.01|t| (upper end exclusive), Cu 0.3 + 0.006|t|,
// PtX none. The slope is that of the computed temperature, shown even when the temperature is rejected.
constexpr InverseRow kInverse[] = {
    {"Pt100IcePointIsLiteral", 0, 100, 100, "0.0", "0.3908300"},
    {"Pt100At100", 0, 138.5055, 100, "100", "0.3792800"},
    {"Pt100At850", 0, 390.4811, 100, "849.9999", "0.2926550"},
    {"Pt100At855InsideItsBand", 0, 391.943, 100, "855.0001", "Out of Rage."},
    {"Pt100At859_1InsideItsBand", 0, 393.1395, 100, "859.1", "Out of Rage."},
    {"Pt100At859_3BeyondItsBand", 0, 393.1978, 100, "Out of Rage.", "Out of Rage."},
    {"Pt100AtMinus202_6InsideItsBand", 0, 17.3948, 100, "-202.5999", "Out of Rage."},
    {"Pt100AtMinus202_7BeyondItsBand", 0, 17.3514, 100, "Out of Rage.", "Out of Rage."},
    {"Pt100BelowZeroThroughTheQuartic", 0, 84.2707, 100, "-39.99988", "0.3957579"},
    {"Pt50IcePointIsLiteral", 1, 50, 50, "0.0", "0.1954150"},
    {"PtXAt850_05Rejected", 2, 390.4958, 100, "Out of Rage.", "0.2926492"},
    {"Pt100At850_05Shown", 0, 390.4958, 100, "850.0501", "0.2926492"},
    {"PtXIcePointIsLiteral", 2, 25, 25, "0.0", "0.0977075"},
    {"Cu100IcePointIsLiteral", 3, 100, 100, "0.0", "0.4289310"},
    {"Cu100At100", 3, 142.8, 100, "100", "0.4282990"},
    {"Cu100At151InsideItsBand", 3, 164.6993, 100, "150.9999", "Out of Rage."},
    {"Cu100At151_3BeyondItsBand", 3, 164.8286, 100, "Out of Rage.", "Out of Rage."},
    {"Cu100AtMinus50_4InsideItsBand", 3, 78.3112, 100, "-50.40009", "Out of Rage."},
    {"Cu100AtMinus51BeyondItsBand", 3, 78.052, 100, "Out of Rage.", "Out of Rage."},
    // Text without a number reads as 0 Ω: about -242 °C platinum, -227 °C copper, both rejected.
    {"Pt100ZeroOhm", 0, 0, 100, "Out of Rage.", "Out of Rage."},
    {"Cu100ZeroOhm", 3, 0, 100, "Out of Rage.", "Out of Rage."},
    // Pasted far-off values answer at once: Newton reaches their far roots (-69899 °C, 2.0e6 °C) within a
    // few dozen steps, and the page rejects them.
    {"Pt100MinusTenGigaohm", 0, -1e10, 100, "Out of Rage.", "Out of Rage."},
    {"Cu100OneTeraohm", 3, 1e12, 100, "Out of Rage.", "Out of Rage."},
    {"Pt100Infinite", 0, kInf, 100, "Out of Rage.", "Out of Rage."},
    {"Pt100NaN", 0, kNaN, 100, "Out of Rage.", "Out of Rage."},
    // PtX with R0 0: r = 0 equals R0 (the literal), any other r is rejected.
    {"PtXZeroR0ZeroOhm", 2, 0, 0, "0.0", "0."},
    {"PtXZeroR0", 2, 100, 0, "Out of Rage.", "Out of Rage."},
    {"PtXNegativeR0", 2, -100, -100, "0.0", "-0.3908300"},
};

class RtdInverseTest : public testing::TestWithParam<InverseRow> {};

TEST_P(RtdInverseTest, TemperatureAndSlopeTexts)
{
    const InverseRow& row = GetParam();
    const RtdShownTexts shown =
        RtdTextsFromResistance(kRtdSensorPages[static_cast<std::size_t>(row.page)], row.r, row.r0);
    EXPECT_EQ(shown.value, row.temperature);
    EXPECT_EQ(shown.slope, row.slope);
}

INSTANTIATE_TEST_SUITE_P(RtdPageMath, RtdInverseTest, testing::ValuesIn(kInverse),
                         [](const auto& row) { return std::string(row.param.name); });

TEST(RtdPageMath, Pt1000IsNotRoundedTwice)
{
    // From 1000 Ω up seven digits hold fewer than four decimals. Rounding to 0.1 mΩ first and then to
    // seven digits once showed a wrong last digit for 397 of the 8501 tenths of a degree from 0 to 850 °C.
    EXPECT_EQ(RtdTextsFromTemperature(RtdMetal::Platinum, 1.4, 1000).value, "1005.47");   // was 1005.471
    EXPECT_EQ(RtdTextsFromTemperature(RtdMetal::Platinum, 2.2, 1000).value, "1008.595");  // was 1008.596
    EXPECT_EQ(RtdTextsFromTemperature(RtdMetal::Platinum, 4.8, 1000).value, "1018.747");  // was 1018.746
    for (int i = 0; i <= 8500; ++i) {
        const double t = i / 10.0;
        char direct[32];
        std::snprintf(direct, sizeof direct, "%.7g", PtResistance(t, 1000));
        ASSERT_EQ(RtdTextsFromTemperature(RtdMetal::Platinum, t, 1000).value, direct) << t;
    }
}

TEST(RtdPageMath, Pt100FourthDecimalRoundsHalfUp)
{
    // 197.7119 Ω at 260 °C is 197.71189999999999 in binary: r x 100000 rounds up to a whole number while
    // r x 10000 stays below one, and taking the fifth decimal from the first once showed 197.7118.
    EXPECT_EQ(RtdTextsFromTemperature(RtdMetal::Platinum, 260, 100).value, "197.7119");
    EXPECT_EQ(RtdTextsFromTemperature(RtdMetal::Platinum, 460, 100).value, "267.5619");
}

}  // namespace
}  // namespace tmcalc
