// One work-thermocouple sub-page as a user meets it: typing, typing over, pasting, deleting.
#include "thermocouple/ui/work_sub_page.h"

#include "cases/work_page_cases.h"
#include "framework/ui/numeric_edit.h"
#include "framework/ui/ui_context.h"
#include "page_scenario.h"
#include "resources/string_table.h"

#include <gtest/gtest.h>
#include <QLabel>

#include <chrono>
#include <memory>
#include <ostream>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace tmcalc {
namespace {

using TC = ThermocoupleType;
constexpr int C = 0, F = 1, K = 2, R = 3, Re = 4;  // the five-scale fields
constexpr int Emf = kTcEmf, Slope = kTcSlope, Cj = kTcColdJunction;
constexpr int kScales = -1;        // in an expectation: the five scales, "°C|°F|K|°R|°Re"
constexpr int kOutputs = -2;       // "emf|slope"
constexpr int kCelsiusSlope = -3;  // "°C|slope"

const QString kOut = QStringLiteral("Out of Rage.");
const QString kDigits(2000, QLatin1Char('9'));

using test::Act;
using test::Step;

struct Scenario {
    const char* name;
    ThermocoupleType type;
    test::Scenario steps;
};

const Scenario kScenarios[] = {
    {"KAt1000WithColdJunctionAtZeroAndBack", TC::K, {
        {Act::Type, Cj, "0"},
        {Act::Type, C, "1000", {{kOutputs, "41.27561|38.98138"}, {kScales, "1000|1832|1273.15|2291.67|800"}}},
        // The driving field is never rewritten.
        {Act::Over, Emf, "41.27561", {{kScales, "999.9772|1831.959|1273.127|2291.629|799.9818"},
                                      {Slope, "38.98162"}, {Emf, "41.27561"}}}}},
    // Backspacing back into the range computes again.
    {"RBackIntoItsRange", TC::R, {
        {Act::Type, Cj, "0"}, {Act::Type, C, "1768.4", {{kOutputs, "OUT|OUT"}}},
        {Act::Back, C, "2", {{Emf, "21.10148"}}}}},  // NIST: 21.101 mV at 1768 °C
    // Every scale converts through Celsius: absolute zero keeps a rounding residue in Rankine that the
    // temperature page, converting directly, does not show.
    {"EveryScaleTypedOnTComputesAtItsCelsiusValue", TC::T, {
        {Act::Type, Cj, "0"},
        {Act::Type, F, "212", {{kScales, "100|212|373.15|671.67|80"}, {Emf, "4.278519"}}},
        {Act::Over, K, "373.15", {{C, "100"}, {Emf, "4.278519"}}},
        {Act::Over, Re, "80", {{kScales, "100|212|373.15|671.67|80"}}},
        {Act::Over, R, "491.67", {{C, "0"}, {Emf, "0"}}},
        {Act::Over, C, "-273.15", {{kScales, "-273.15|-459.67|0|5.684342e-14|-218.52"}, {kOutputs, "OUT|OUT"}}}}},
    {"EmptyingTheEmfEmptiesTheTemperaturesAndTheSlope", TC::K, {
        {Act::Type, Cj, "0"}, {Act::Type, Emf, "10", {{C, "246.222"}, {Re, "196.9776"}}},
        {Act::Back, Emf, "2", {{kScales, "||||"}, {kOutputs, "|"}, {Cj, "0"}}}}},
    {"EmptyTemperatureEmptiesTheOutputsButNotTheColdJunction", TC::N, {
        {Act::Type, Cj, "0"}, {Act::Type, K, "300", {{C, "26.85"}, {Emf, "#"}}},
        {Act::Back, K, "3", {{kScales, "||||"}, {kOutputs, "|"}, {Cj, "0"}}}}},
    // A new cold junction re-reads the emf: 41.27561 + 0.79812 mV, NIST 42.053 mV and 38.8 µV/°C at 1020 °C.
    {"NewColdJunctionRereadsTheEmf", TC::K, {
        {Act::Type, Cj, "0"}, {Act::Type, Emf, "41.27561", {{C, "999.9772"}}},
        {Act::Back, Cj, "1", {{C, "999.9772"}}},  // empty: nothing changes
        {Act::Type, Cj, "20", {{kScales, "1020.507|1868.913|1293.657|2328.583|816.4056"},
                               {Slope, "38.76283"}, {Emf, "41.27561"}}}}},
    {"NewColdJunctionWithoutEmfChangesNothing", TC::K, {
        {Act::Type, C, "1000", {{kOutputs, "|"}, {F, "1832"}}},  // no cold junction yet: no emf either
        {Act::Type, Cj, "20", {{kOutputs, "|"}, {C, "1000"}}}}},
    // Written fields never convert back (the emf from 1000 °C would invert to 999.9772); text the program
    // sets and typing into the output-only slope start nothing.
    {"OnlyTypingIntoAnInputConverts", TC::K, {
        {Act::Type, Cj, "0"}, {Act::Type, C, "1000", {{C, "1000"}}},
        {Act::Write, Emf, "10"}, {Act::Write, Cj, "50"}, {Act::Write, F, "0", {{C, "1000"}, {Slope, "38.98138"}}},
        {Act::Type, Slope, "5", {{C, "1000"}}}}},
    // Junk after a number is ignored, junk alone reads as 0 mV (the cold junction's own temperature, as
    // far as the inverse reproduces it); NaN and infinities are out of range; the whole text counts.
    {"PastedJunkNanInfinityAndLongTexts", TC::K, {
        {Act::Type, Cj, "0"},
        {Act::Paste, C, "12abc", {{F, "53.6"}, {Emf, "0.4767774"}}},  // NIST: 0.477 mV at 12 °C
        {Act::Paste, C, "nan", {{kOutputs, "OUT|OUT"}, {K, "OUT"}}},
        {Act::Paste, C, "-inf", {{kOutputs, "OUT|OUT"}, {K, "-inf"}}},
        {Act::Paste, Emf, "nan", {{kScales, "OUT|OUT|OUT|OUT|OUT"}, {Slope, "OUT"}}},
        {Act::Paste, Emf, "abc", {{C, "4.951703e-08"}}},
        {Act::Paste, Cj, "25\u00b0C", {{C, "24.98965"}}},
        {Act::Paste, Cj, "0"},
        {Act::Paste, Emf, kDigits, {{C, "OUT"}}},
        {Act::Paste, Emf, "4.096" + QString(1995, QLatin1Char('x')), {{C, "99.96329"}}},
        {Act::Paste, C, kDigits, {{F, "inf"}, {kOutputs, "OUT|OUT"}}}}},  // 1e2000 reads as an infinity
    // Regressions: a temperature typed on another scale is read back from the °C text the strip wrote,
    // and a pasted "nan" left the out-of-range text there that once read as 0 °C. An emf field showing
    // the out-of-range text once read as 0 mV when the cold junction changed.
    {"OutOfRangeStaysOutOfRangeWhenReadBack", TC::K, {
        {Act::Type, Cj, "0"}, {Act::Paste, F, "nan", {{C, "OUT"}, {kOutputs, "OUT|OUT"}}},
        {Act::Paste, C, "1500", {{Emf, "OUT"}}},
        {Act::Paste, Cj, "5", {{C, "OUT"}, {F, "OUT"}}}}},
};

class SubPageTest : public testing::Test {
protected:
    void Open(ThermocoupleType type)
    {
        m_page = std::make_unique<ThermocoupleSubPage>(nullptr, QRect(0, 0, 1054, 537), type);
        ASSERT_TRUE(test::ShowActive(m_page.get()));
    }

    [[nodiscard]] test::PageDriver Driver() const
    {
        return {[this](int id) -> QLineEdit* { return m_page->edit(id); }, [](int group) {
                    if (group == kScales) return std::vector<int>{C, F, K, R, Re};
                    if (group == kOutputs) return std::vector<int>{Emf, Slope};
                    if (group == kCelsiusSlope) return std::vector<int>{C, Slope};
                    return std::vector<int>{};
                }};
    }

    std::unique_ptr<ThermocoupleSubPage> m_page;
};

// Names rather than bytes in test listings.
void PrintTo(const Scenario& row, std::ostream* out) { *out << row.name; }

class SubPageScenario : public SubPageTest, public testing::WithParamInterface<Scenario> {};

TEST_P(SubPageScenario, ShowsWhatTheUserExpects)
{
    Open(GetParam().type);
    test::RunScenario(Driver(), GetParam().steps);
}

INSTANTIATE_TEST_SUITE_P(WorkSubPage, SubPageScenario, testing::ValuesIn(kScenarios),
                         [](const auto& row) { return std::string(row.param.name); });

class SharedCase : public SubPageTest, public testing::WithParamInterface<cases::WorkPageCase> {};

// A row of the shared page cases on a fresh sub-page of its type: the settings typed, then its text pasted
// whole into its field (the keyboard swallows the letters of "nan" or "12abc").
TEST_P(SharedCase, ShowsWhatTheCommandLineWrites)
{
    const cases::WorkPageCase& row = GetParam();
    const auto id = [](std::string_view name) { return name == "cold" ? Cj : name == "emf" ? Emf : C; };
    test::Scenario steps;
    for (const cases::Setting& s : row.settings) steps.push_back({Act::Type, id(s.name), s.text});
    const int typed = id(row.field);
    steps.push_back({Act::Paste, typed, row.typed, {{typed == Emf ? kCelsiusSlope : kOutputs, row.shown}}});
    Open(static_cast<ThermocoupleType>(std::string_view("SRBKNJETDC").find(row.sensor[0])));
    test::RunScenario(Driver(), steps);
}

INSTANTIATE_TEST_SUITE_P(WorkSubPage, SharedCase, testing::ValuesIn(cases::CasesOf("tc")),
                         [](const auto& row) { return std::string(row.param.name); });

TEST_F(SubPageTest, LongTextsInEveryFieldStayWithinABound)
{
    // 2000 characters: digits, junk and characters beyond Latin-1 in every field.
    Open(ThermocoupleType::K);
    const auto start = std::chrono::steady_clock::now();
    for (const QString& text : {kDigits, QString(2000, QChar(0x6e29)), QString(2000, QLatin1Char('e')),
                                "1" + QString(1999, QLatin1Char('0'))}) {
        for (int id : {C, F, K, R, Re, Emf, Cj}) test::PasteOver(m_page->edit(id), text);
    }
    EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(5));
}

TEST(WorkSubPageFocus, OnlyTheFocusedFieldDrivesAcrossSubPages)
{
    auto host = std::make_unique<QWidget>();
    host->resize(1054, 1074);
    auto* k = new ThermocoupleSubPage(host.get(), QRect(0, 0, 1054, 537), ThermocoupleType::K);
    auto* j = new ThermocoupleSubPage(host.get(), QRect(0, 537, 1054, 537), ThermocoupleType::J);
    ASSERT_TRUE(test::ShowActive(host.get()));
    test::Type(k->edit(Cj), "0");
    // Only the field holding the focus drives, whichever sub-page it is on: J's Rankine field drives
    // J's strip only, and K's fields written by nobody stay as they are.
    test::Type(j->edit(R), "491.67");
    EXPECT_EQ(j->edit(C)->text(), "0");
    EXPECT_EQ(k->edit(C)->text(), "");
    k->edit(C)->setText("100");  // written, not typed: converts nothing
    EXPECT_EQ(k->edit(Emf)->text(), "");
    test::Type(k->edit(Emf), "4.096");
    EXPECT_EQ(k->edit(C)->text(), "99.96329");
    EXPECT_EQ(j->edit(C)->text(), "0");
}

struct LanguageRow {
    const char* name;
    Language language;
    QString hint, celsius, emf, slope, coldJunction, out;
};

class WorkSubPageLanguage : public testing::TestWithParam<LanguageRow> {};

// The cold junction asks to be filled first; every text is readable; the out-of-range text of the
// language stays out of range after an edit elsewhere.
TEST_P(WorkSubPageLanguage, TextsAndOutOfRange)
{
    const LanguageRow& row = GetParam();
    SetLanguage(row.language);
    {
        ThermocoupleSubPage page(nullptr, QRect(0, 0, 1054, 537), ThermocoupleType::R);
        ASSERT_TRUE(test::ShowActive(&page));
        EXPECT_EQ(page.edit(Cj)->placeholderText(), row.hint);
        const QStringList labels{page.field(C)->label->text(), page.field(Emf)->label->text(),
                                 page.field(Slope)->label->text(), page.field(Cj)->label->text()};
        EXPECT_EQ(labels, (QStringList{row.celsius, row.emf, row.slope, row.coldJunction}));
        const QStringList units{page.field(Emf)->unit->text(), page.field(Slope)->unit->text(),
                                page.field(Cj)->unit->text(), page.field(Re)->unit->text()};
        EXPECT_EQ(units, (QStringList{"mV", "uV/\u2103", "\u2103", "\u00b0Re"}));
        EXPECT_TRUE(test::UnreadableTexts(page).empty());
        test::Type(page.edit(Cj), "0");
        test::Type(page.edit(C), "1800");
        EXPECT_EQ(page.edit(Emf)->text(), row.out);
        test::PasteOver(page.edit(F), "nan");
        EXPECT_EQ(page.edit(C)->text(), row.out);
        EXPECT_EQ(page.edit(Emf)->text(), row.out);
    }
    SetLanguage(Language::English);
}

INSTANTIATE_TEST_SUITE_P(
    Both, WorkSubPageLanguage,
    testing::Values(LanguageRow{"English", Language::English, "First Input", " ", "Thermal electromotive",
                                "Differential thermal ele.", "Cold junction", kOut},
                    LanguageRow{"Chinese", Language::Chinese, "首先输入冷端温度", "摄氏度", "热电势",
                                "微分热电势", "冷端温度", "超出范围"}),
    [](const auto& row) { return std::string(row.param.name); });

}  // namespace
}  // namespace tmcalc
