#include "thermocouple/work_sub_page.h"

#include "framework/numeric_edit.h"
#include "framework/ui_context.h"
#include "resources/string_table.h"
#include "thermocouple/work_page_math.h"
#include "ui_test_util.h"

#include <gtest/gtest.h>
#include <QLabel>

#include <chrono>
#include <cmath>
#include <limits>
#include <memory>
#include <ostream>
#include <string>

// Readable failures: the texts rather than their bytes.
void PrintTo(const QString& text, std::ostream* out)
{
    *out << '"' << text.toStdString() << '"';
}
void PrintTo(const QStringList& texts, std::ostream* out)
{
    *out << texts.join(" | ").toStdString();
}

namespace tmcalc {
namespace {

using test::Backspace;
using test::PasteOver;
using test::Type;

constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();
constexpr double kInf = std::numeric_limits<double>::infinity();

constexpr int C = 0, F = 1, K = 2, R = 3, Re = 4;  // the five-scale fields

// ---- the arithmetic of the page ----

struct Acceptance {
    const char* name;
    ThermocoupleType type;
    double t;
    bool accepted;
};

constexpr Acceptance kAcceptance[] = {
    {"SAt17684", ThermocoupleType::S, 1768.4, true},
    {"SAtItsUpperLimit", ThermocoupleType::S, 1768.5, true},
    {"SJustAbove", ThermocoupleType::S, 1768.5000001, false},
    {"RAt17684", ThermocoupleType::R, 1768.4, false},
    {"RAtItsUpperLimit", ThermocoupleType::R, 1768.1, true},
    {"SAtLowerLimit", ThermocoupleType::S, -50, true},
    {"SJustBelow", ThermocoupleType::S, -50.0000001, false},
    {"BAtZero", ThermocoupleType::B, 0, true},
    {"BBelowZero", ThermocoupleType::B, -0.5, false},
    {"BAt1820", ThermocoupleType::B, 1820, true},
    {"KAbove1372", ThermocoupleType::K, 1372.01, false},
    {"KAtMinus270", ThermocoupleType::K, -270, true},
    {"NAbove1300", ThermocoupleType::N, 1300.01, false},
    {"JBelowMinus210", ThermocoupleType::J, -210.01, false},
    {"EAbove1000", ThermocoupleType::E, 1000.01, false},
    {"TAt400", ThermocoupleType::T, 400, true},
    {"TAbove400", ThermocoupleType::T, 400.01, false},
    // D and C have no range of their own: TcEmf decides.
    {"DFarAbove", ThermocoupleType::D, 5000, true},
    {"CFarBelow", ThermocoupleType::C, -500, true},
    // A NaN passes the test and fails in the functions, which show it as out of range anyway.
    {"KNaN", ThermocoupleType::K, kNaN, true},
    {"KInfinity", ThermocoupleType::K, kInf, false},
};

class WorkPageAcceptsTest : public testing::TestWithParam<Acceptance> {};

TEST_P(WorkPageAcceptsTest, FollowsThePagesRangeTable)
{
    EXPECT_EQ(WorkPageAccepts(GetParam().type, GetParam().t), GetParam().accepted);
}

INSTANTIATE_TEST_SUITE_P(WorkPageMath, WorkPageAcceptsTest, testing::ValuesIn(kAcceptance),
                         [](const auto& row) { return std::string(row.param.name); });

TEST(WorkPageMath, EmfIsInMillivoltsWithTheColdJunctionSubtracted)
{
    // Tolerances: the reference functions are tested against the NIST tables elsewhere; here only the
    // scaling and the subtraction matter, so 1e-9 mV (far below a shown digit) suffices.
    EXPECT_NEAR(WorkEmfMillivolts(ThermocoupleType::K, 1000, 0), 41.275606, 1E-6);
    EXPECT_NEAR(WorkEmfMillivolts(ThermocoupleType::S, 1000, 20), (9587.0977 - 112.919) / 1000, 1E-6);
    EXPECT_NEAR(WorkEmfMillivolts(ThermocoupleType::D, 1000, 0), 18.229665, 1E-6);  // no division
    EXPECT_NEAR(WorkEmfMillivolts(ThermocoupleType::T, 100, 100), 0.0, 1E-12);
    EXPECT_TRUE(std::isnan(WorkEmfMillivolts(ThermocoupleType::D, 2400, 0)));
    EXPECT_TRUE(std::isnan(WorkEmfMillivolts(ThermocoupleType::K, 20, 2000)));  // cold junction out of range
}

TEST(WorkPageMath, TemperatureAddsTheColdJunctionEmfBeforeInverting)
{
    // 0.01 °C: the inverse polynomials' own deviation is a few hundredths at most on these points.
    EXPECT_NEAR(WorkTemperature(ThermocoupleType::K, 41.27561, 0), 999.9772, 1E-4);
    EXPECT_NEAR(WorkTemperature(ThermocoupleType::S, 9.474179, 20), 1000, 0.01);
    EXPECT_NEAR(WorkTemperature(ThermocoupleType::D, 18.229665, 0), 1000, 1E-4);  // iterated, no scaling
    EXPECT_TRUE(std::isnan(WorkTemperature(ThermocoupleType::C, 40, 0)));
    EXPECT_TRUE(std::isnan(WorkTemperature(ThermocoupleType::K, kNaN, 0)));
}

TEST(WorkPageMath, SlopeIsRoundedToSixDecimalsNegativeOnesTruncated)
{
    EXPECT_NEAR(WorkSlopeShown(ThermocoupleType::K, 1000), 38.98138, 1E-12);
    EXPECT_NEAR(WorkSlopeShown(ThermocoupleType::B, 2), -0.222907, 1E-12);  // rounded it would be -0.222908
    EXPECT_NEAR(WorkSlopeShown(ThermocoupleType::B, 1), -0.234704, 1E-12);
    EXPECT_TRUE(std::isnan(WorkSlopeShown(ThermocoupleType::K, kNaN)));
    EXPECT_EQ(WorkSlopeShown(ThermocoupleType::D, kNaN), 0.0);
}

TEST(TemperatureStripMath, EveryScaleGoesThroughCelsius)
{
    // 1e-9 absolute: these are exact up to one or two roundings of a double.
    const auto fromF = StripScalesFromCelsius(StripCelsiusFrom(TemperatureScale::Fahrenheit, 212));
    EXPECT_NEAR(fromF[0], 100, 1E-9);
    EXPECT_NEAR(fromF[3], 671.67, 1E-9);
    EXPECT_NEAR(StripCelsiusFrom(TemperatureScale::Kelvin, 0), -273.15, 1E-9);
    EXPECT_NEAR(StripCelsiusFrom(TemperatureScale::Rankine, 491.67), 0, 1E-9);
    EXPECT_NEAR(StripCelsiusFrom(TemperatureScale::Reaumur, 80), 100, 1E-9);
    // Rankine as (c x 1.8 + 32) + 459.67, not the temperature page's (c + 273.15) x 1.8: at 1 °C the
    // two differ in the last bit (493.47 against 493.46999999999997), at absolute zero in what is shown.
    EXPECT_EQ(StripScalesFromCelsius(1)[3], 493.47);
    EXPECT_NE(StripScalesFromCelsius(1)[3], ConvertTemperature(TemperatureScale::Celsius, 1)[3]);
    EXPECT_NEAR(StripScalesFromCelsius(-273.15)[3], 5.684342e-14, 1E-20);
}

// ---- the sub-page as a user meets it ----

class WorkSubPageTest : public ::testing::Test {
protected:
    void Open(ThermocoupleType type)
    {
        m_page = std::make_unique<ThermocoupleSubPage>(nullptr, QRect(0, 0, 1054, 537), type);
        ASSERT_TRUE(test::ShowActive(m_page.get()));
    }

    QLineEdit* field(int id) const { return m_page->edit(id); }
    QString text(int id) const { return field(id)->text(); }
    QStringList scales() const { return {text(C), text(F), text(K), text(R), text(Re)}; }
    QStringList outputs() const { return {text(kTcEmf), text(kTcSlope)}; }

    // Replaces the whole text of a field by typing, as a user selecting it and typing over it.
    void Enter(int id, const QString& keys)
    {
        test::Focus(field(id));
        field(id)->selectAll();
        QTest::keyClicks(field(id), keys);
    }

    std::unique_ptr<ThermocoupleSubPage> m_page;
};

const QString kOut = QStringLiteral("Out of Rage.");

TEST_F(WorkSubPageTest, KAt1000WithColdJunctionAtZeroAndBack)
{
    Open(ThermocoupleType::K);
    Type(field(kTcColdJunction), "0");
    Type(field(C), "1000");
    EXPECT_EQ(outputs(), (QStringList{"41.27561", "38.98138"}));
    EXPECT_EQ(scales(), (QStringList{"1000", "1832", "1273.15", "2291.67", "800"}));

    Enter(kTcEmf, "41.27561");
    EXPECT_EQ(scales(), (QStringList{"999.9772", "1831.959", "1273.127", "2291.629", "799.9818"}));
    EXPECT_EQ(text(kTcSlope), "38.98162");
    EXPECT_EQ(text(kTcEmf), "41.27561");  // the driving field is never rewritten
}

TEST_F(WorkSubPageTest, KAt1000WithColdJunctionAt20)
{
    Open(ThermocoupleType::K);
    Type(field(kTcColdJunction), "20");
    Type(field(C), "1000");
    // 41.276 - 0.798 mV in the NIST table; the slope belongs to the measuring junction alone.
    EXPECT_EQ(outputs(), (QStringList{"40.47749", "38.98138"}));
}

TEST_F(WorkSubPageTest, SAt1000WithColdJunctionAt20)
{
    Open(ThermocoupleType::S);
    Type(field(kTcColdJunction), "20");
    Type(field(C), "1000");
    EXPECT_EQ(text(kTcEmf), "9.474179");
}

TEST_F(WorkSubPageTest, RangeOfEachTypeShowsOutOfRangeInBothOutputs)
{
    Open(ThermocoupleType::S);
    Type(field(kTcColdJunction), "0");
    Type(field(C), "1768.4");
    EXPECT_EQ(text(kTcEmf), "18.69663");  // NIST: 18.693 mV at 1768 °C
    EXPECT_NE(text(kTcSlope), kOut);

    Open(ThermocoupleType::R);
    Type(field(kTcColdJunction), "0");
    Type(field(C), "1768.4");
    EXPECT_EQ(outputs(), (QStringList{kOut, kOut}));
    Backspace(field(C), 2);               // 1768
    EXPECT_EQ(text(kTcEmf), "21.10148");  // NIST: 21.101 mV

    Open(ThermocoupleType::B);
    Type(field(kTcColdJunction), "0");
    Type(field(C), "-0.5");
    EXPECT_EQ(outputs(), (QStringList{kOut, kOut}));
}

TEST_F(WorkSubPageTest, DIsNotScaledAndHasNoRangeOfItsOwn)
{
    Open(ThermocoupleType::D);
    Type(field(kTcColdJunction), "0");
    Type(field(C), "1000");
    EXPECT_EQ(text(kTcEmf), "18.22967");
    Enter(C, "2400");
    EXPECT_EQ(text(kTcEmf), kOut);
    EXPECT_NE(text(kTcSlope), kOut);
    EXPECT_FALSE(text(kTcSlope).isEmpty());

    // An emf far beyond the table does not converge: the temperature is out of range, the slope of a
    // NaN is 0 for these types.
    Enter(kTcEmf, "45");
    EXPECT_EQ(text(C), kOut);
    EXPECT_EQ(text(kTcSlope), "0");
    EXPECT_EQ(text(F), kOut);
}

TEST_F(WorkSubPageTest, FahrenheitTypedOnTComputesAtItsCelsiusValue)
{
    Open(ThermocoupleType::T);
    Type(field(kTcColdJunction), "0");
    Type(field(F), "212");
    EXPECT_EQ(scales(), (QStringList{"100", "212", "373.15", "671.67", "80"}));
    EXPECT_EQ(text(kTcEmf), "4.278519");
    // Through Celsius, absolute zero keeps a rounding residue in Rankine that the temperature page,
    // converting directly, does not show.
    Enter(C, "-273.15");
    EXPECT_EQ(scales(), (QStringList{"-273.15", "-459.67", "0", "5.684342e-14", "-218.52"}));
    EXPECT_EQ(outputs(), (QStringList{kOut, kOut}));
}

TEST_F(WorkSubPageTest, EmptyingTheEmfEmptiesTheTemperaturesAndTheSlope)
{
    Open(ThermocoupleType::K);
    Type(field(kTcColdJunction), "0");
    Type(field(kTcEmf), "10");
    EXPECT_EQ(text(C), "246.222");
    EXPECT_EQ(text(Re), "196.9776");
    Backspace(field(kTcEmf), 2);
    EXPECT_EQ(scales(), (QStringList{"", "", "", "", ""}));
    EXPECT_EQ(outputs(), (QStringList{"", ""}));
    EXPECT_EQ(text(kTcColdJunction), "0");
}

TEST_F(WorkSubPageTest, NewColdJunctionRereadsTheEmf)
{
    Open(ThermocoupleType::K);
    Type(field(kTcColdJunction), "0");
    Type(field(kTcEmf), "41.27561");
    EXPECT_EQ(text(C), "999.9772");
    Backspace(field(kTcColdJunction));  // empty: nothing changes
    EXPECT_EQ(text(C), "999.9772");
    Type(field(kTcColdJunction), "20");
    // 41.27561 + 0.79812 mV: NIST has 42.053 mV at 1020 °C and 38.8 µV/°C there.
    EXPECT_EQ(scales(), (QStringList{"1020.507", "1868.913", "1293.657", "2328.583", "816.4056"}));
    EXPECT_EQ(text(kTcSlope), "38.76283");
    EXPECT_EQ(text(kTcEmf), "41.27561");
}

TEST_F(WorkSubPageTest, NewColdJunctionWithoutEmfChangesNothing)
{
    Open(ThermocoupleType::K);
    Type(field(C), "1000");  // no cold junction yet: no emf either
    EXPECT_EQ(outputs(), (QStringList{"", ""}));
    EXPECT_EQ(text(F), "1832");
    Type(field(kTcColdJunction), "20");
    EXPECT_EQ(outputs(), (QStringList{"", ""}));
    EXPECT_EQ(text(C), "1000");
}

TEST_F(WorkSubPageTest, NegativeSlopesOfBAreTruncated)
{
    Open(ThermocoupleType::B);
    Type(field(kTcColdJunction), "0");
    Type(field(C), "2");
    EXPECT_EQ(text(kTcSlope), "-0.222907");  // once shown rounded, as -0.222908
    Enter(C, "1");
    EXPECT_EQ(text(kTcSlope), "-0.234704");
}

TEST_F(WorkSubPageTest, EmptyTemperatureEmptiesTheOutputsButNotTheColdJunction)
{
    Open(ThermocoupleType::N);
    Type(field(kTcColdJunction), "0");
    Type(field(K), "300");
    EXPECT_EQ(text(C), "26.85");
    EXPECT_FALSE(text(kTcEmf).isEmpty());
    Backspace(field(K), 3);
    EXPECT_EQ(scales(), (QStringList{"", "", "", "", ""}));
    EXPECT_EQ(outputs(), (QStringList{"", ""}));
    EXPECT_EQ(text(kTcColdJunction), "0");
}

TEST_F(WorkSubPageTest, WrittenFieldsNeverConvertBack)
{
    Open(ThermocoupleType::K);
    Type(field(kTcColdJunction), "0");
    Type(field(C), "1000");
    // The emf written from 1000 °C would invert to 999.9772: had it driven, °C would show that.
    EXPECT_EQ(text(C), "1000");
    // Text set by the program into a field without the focus starts nothing.
    field(kTcEmf)->setText("10");
    field(kTcColdJunction)->setText("50");
    field(F)->setText("0");
    EXPECT_EQ(text(C), "1000");
    EXPECT_EQ(text(kTcSlope), "38.98138");
    // Typing into the output-only field computes nothing either.
    Type(field(kTcSlope), "5");
    EXPECT_EQ(text(C), "1000");
}

TEST_F(WorkSubPageTest, PastedJunkNanInfinityAndLongTexts)
{
    Open(ThermocoupleType::K);
    Type(field(kTcColdJunction), "0");
    PasteOver(field(C), "12abc");
    EXPECT_EQ(text(F), "53.6");
    EXPECT_EQ(text(kTcEmf), "0.4767774");  // NIST: 0.477 mV at 12 °C
    PasteOver(field(C), "nan");
    EXPECT_EQ(outputs(), (QStringList{kOut, kOut}));
    EXPECT_EQ(text(K), kOut);
    PasteOver(field(C), "-inf");
    EXPECT_EQ(outputs(), (QStringList{kOut, kOut}));
    EXPECT_EQ(text(K), "-inf");
    PasteOver(field(kTcEmf), "nan");
    EXPECT_EQ(scales(), (QStringList{kOut, kOut, kOut, kOut, kOut}));
    EXPECT_EQ(text(kTcSlope), kOut);
    PasteOver(field(kTcEmf), "inf");
    EXPECT_EQ(text(C), kOut);
    // Junk reads as 0 mV: the cold junction's own temperature (as far as the inverse reproduces it).
    PasteOver(field(kTcEmf), "abc");
    EXPECT_EQ(text(C), "4.951703e-08");
    PasteOver(field(kTcColdJunction), "25\u00b0C");
    EXPECT_EQ(text(C), "24.98965");

    // 2000 characters: digits, junk and characters beyond Latin-1 in every field, each within a bound.
    const QString digits(2000, QLatin1Char('9'));
    const QString wide(2000, QChar(0x6e29));
    const auto start = std::chrono::steady_clock::now();
    for (const QString& t :
         {digits, wide, QString(2000, QLatin1Char('e')), "1" + QString(1999, QLatin1Char('0'))}) {
        for (int id : {C, F, K, R, Re, static_cast<int>(kTcEmf), static_cast<int>(kTcColdJunction)})
            PasteOver(field(id), t);
    }
    EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(5));

    PasteOver(field(kTcColdJunction), "0");
    PasteOver(field(kTcEmf), digits);  // the whole text counts: an infinite emf
    EXPECT_EQ(text(C), kOut);
    PasteOver(field(kTcEmf), "4.096" + QString(1995, QLatin1Char('x')));
    EXPECT_EQ(text(C), "99.96329");
    PasteOver(field(C), digits);  // 1e2000 reads as an infinity
    EXPECT_EQ(text(F), "inf");
    EXPECT_EQ(outputs(), (QStringList{kOut, kOut}));
}

TEST_F(WorkSubPageTest, OutOfRangeStaysOutOfRangeWhenReadBack)
{
    // A temperature typed on another scale is read back from the °C text the strip wrote. A pasted "nan"
    // leaves the out-of-range text there, which once read as 0 °C and showed the emf of 0 °C.
    Open(ThermocoupleType::K);
    Type(field(kTcColdJunction), "0");
    PasteOver(field(F), "nan");
    EXPECT_EQ(text(C), kOut);
    EXPECT_EQ(outputs(), (QStringList{kOut, kOut}));

    // An emf field showing the out-of-range text (a temperature beyond the type's range) once read as
    // 0 mV when the cold junction changed, and showed the cold junction as the measured temperature.
    PasteOver(field(C), "1500");
    EXPECT_EQ(text(kTcEmf), kOut);
    PasteOver(field(kTcColdJunction), "5");
    EXPECT_EQ(text(C), kOut);
    EXPECT_EQ(text(F), kOut);
}

TEST_F(WorkSubPageTest, ColdJunctionAsksToBeFilledFirst)
{
    Open(ThermocoupleType::E);
    EXPECT_EQ(field(kTcColdJunction)->placeholderText(), "First Input");
    EXPECT_EQ(m_page->field(kTcEmf)->label->text(), "Thermal electromotive");
    EXPECT_EQ(m_page->field(kTcSlope)->label->text(), "Differential thermal ele.");
    EXPECT_EQ(m_page->field(kTcColdJunction)->label->text(), "Cold junction");
    EXPECT_EQ(m_page->field(kTcEmf)->unit->text(), "mV");
    EXPECT_EQ(m_page->field(kTcSlope)->unit->text(), "uV/\u2103");
    EXPECT_EQ(m_page->field(kTcColdJunction)->unit->text(), "\u2103");
    EXPECT_EQ(m_page->field(Re)->unit->text(), "\u00b0Re");
    EXPECT_TRUE(test::UnreadableTexts(*m_page).empty());
}

TEST(WorkSubPageFocus, OnlyTheFocusedFieldDrivesAcrossSubPages)
{
    auto host = std::make_unique<QWidget>();
    host->resize(1054, 1074);
    auto* k = new ThermocoupleSubPage(host.get(), QRect(0, 0, 1054, 537), ThermocoupleType::K);
    auto* j = new ThermocoupleSubPage(host.get(), QRect(0, 537, 1054, 537), ThermocoupleType::J);
    ASSERT_TRUE(test::ShowActive(host.get()));
    Type(k->edit(kTcColdJunction), "0");
    // Only the field holding the focus drives, whichever sub-page it is on: J's Rankine field drives
    // J's strip only, and K's fields written by nobody stay as they are.
    Type(j->edit(R), "491.67");
    EXPECT_EQ(j->edit(C)->text(), "0");
    EXPECT_EQ(k->edit(C)->text(), "");
    k->edit(C)->setText("100");  // written, not typed: converts nothing
    EXPECT_EQ(k->edit(kTcEmf)->text(), "");
    Type(k->edit(kTcEmf), "4.096");
    EXPECT_EQ(k->edit(C)->text(), "99.96329");
    EXPECT_EQ(j->edit(C)->text(), "0");
}

TEST(WorkSubPageLanguage, ChineseTextsAndOutOfRange)
{
    SetLanguage(Language::Chinese);
    {
        ThermocoupleSubPage page(nullptr, QRect(0, 0, 1054, 537), ThermocoupleType::R);
        ASSERT_TRUE(test::ShowActive(&page));
        EXPECT_EQ(page.edit(kTcColdJunction)->placeholderText(), "首先输入冷端温度");
        EXPECT_EQ(page.field(C)->label->text(), "摄氏度");
        EXPECT_EQ(page.field(kTcEmf)->label->text(), "热电势");
        EXPECT_EQ(page.field(kTcColdJunction)->label->text(), "冷端温度");
        EXPECT_TRUE(test::UnreadableTexts(page).empty());
        Type(page.edit(kTcColdJunction), "0");
        Type(page.edit(C), "1800");
        EXPECT_EQ(page.edit(kTcEmf)->text(), "超出范围");
        // The Chinese out-of-range text in °C stays out of range after an edit elsewhere.
        PasteOver(page.edit(F), "nan");
        EXPECT_EQ(page.edit(C)->text(), "超出范围");
        EXPECT_EQ(page.edit(kTcEmf)->text(), "超出范围");
    }
    SetLanguage(Language::English);
}

}  // namespace
}  // namespace tmcalc
