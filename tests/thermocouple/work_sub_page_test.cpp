// One work-thermocouple sub-page as a user meets it: typing, typing over, pasting, deleting.
#include "thermocouple/ui/work_sub_page.h"

#include "cases/work_page_cases.h"
#include "framework/ui/numeric_edit.h"
#include "framework/ui/ui_context.h"
#include "page_scenario.h"
#include "resources/string_table.h"
#include "test_support.h"
#include "ui_text_check.h"

#include <gtest/gtest.h>
#include <QLabel>

#include <chrono>
#include <map>
#include <memory>
#include <ostream>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace tmcalc {
namespace {

using enum test::Act;
using TC = ThermocoupleType;
constexpr int C = 0, F = 1, K = 2, R = 3, Re = 4;  // the five-scale fields
constexpr int Emf = kTcEmf, Slope = kTcSlope, Cj = kTcColdJunction;
constexpr int kScales = -1;        // in an expectation: the five scales, "°C|°F|K|°R|°Re"
constexpr int kOutputs = -2;       // "emf|slope"
constexpr int kCelsiusSlope = -3;  // "°C|slope"

const QString kDigits(2000, QLatin1Char('9'));

struct Scenario {
    const char* name;
    ThermocoupleType type;
    test::Scenario steps;
};
const Scenario kScenarios[] = {
    {"KAt1000WithColdJunctionAtZeroAndBack", TC::K, {{Type, Cj, "0"},
        {Type, C, "1000", {{kOutputs, "41.27561|38.98138"}, {kScales, "1000|1832|1273.15|2291.67|800"}}},
        // The driving field is never rewritten.
        {Over, Emf, "41.27561", {{kScales, "999.9772|1831.959|1273.127|2291.629|799.9818"},
                                 {Slope, "38.98162"}, {Emf, "41.27561"}}}}},
    // Backspacing back into the range computes again.
    {"RBackIntoItsRange", TC::R, {{Type, Cj, "0"}, {Type, C, "1768.4", {{kOutputs, "OUT|OUT"}}},
        {Back, C, "2", {{Emf, "21.10148"}}}}},  // NIST: 21.101 mV at 1768 °C
    // Every scale converts through Celsius: absolute zero keeps a rounding residue in Rankine.
    {"EveryScaleTypedOnTComputesAtItsCelsiusValue", TC::T, {{Type, Cj, "0"},
        {Type, F, "212", {{kScales, "100|212|373.15|671.67|80"}, {Emf, "4.278519"}}},
        {Over, K, "373.15", {{C, "100"}, {Emf, "4.278519"}}},
        {Over, Re, "80", {{kScales, "100|212|373.15|671.67|80"}}}, {Over, R, "491.67", {{C, "0"}, {Emf, "0"}}},
        {Over, C, "-273.15", {{kScales, "-273.15|-459.67|0|5.684342e-14|-218.52"}, {kOutputs, "OUT|OUT"}}}}},
    {"EmptyingTheEmfEmptiesTheTemperaturesAndTheSlope", TC::K, {{Type, Cj, "0"},
        {Type, Emf, "10", {{C, "246.222"}, {Re, "196.9776"}}},
        {Back, Emf, "2", {{kScales, "||||"}, {kOutputs, "|"}, {Cj, "0"}}}}},
    {"EmptyTemperatureEmptiesTheOutputsButNotTheColdJunction", TC::N, {{Type, Cj, "0"},
        {Type, K, "300", {{C, "26.85"}, {Emf, "#"}}},
        {Back, K, "3", {{kScales, "||||"}, {kOutputs, "|"}, {Cj, "0"}}}}},
    // A new cold junction re-reads the emf: 41.27561 + 0.79812 mV, NIST 42.053 mV and 38.8 µV/°C at 1020 °C.
    {"NewColdJunctionRereadsTheEmf", TC::K, {{Type, Cj, "0"}, {Type, Emf, "41.27561", {{C, "999.9772"}}},
        {Back, Cj, "1", {{C, "999.9772"}}},  // empty: nothing changes
        {Type, Cj, "20", {{kScales, "1020.507|1868.913|1293.657|2328.583|816.4056"}, {Slope, "38.76283"},
                          {Emf, "41.27561"}}}}},
    {"NewColdJunctionWithoutEmfChangesNothing", TC::K, {
        {Type, C, "1000", {{kOutputs, "|"}, {F, "1832"}}},  // no cold junction yet: no emf either
        {Type, Cj, "20", {{kOutputs, "|"}, {C, "1000"}}}}},
    // Written fields never convert back (the emf would invert to 999.9772), nor does the output-only slope.
    {"OnlyTypingIntoAnInputConverts", TC::K, {{Type, Cj, "0"}, {Type, C, "1000", {{C, "1000"}}},
        {Write, Emf, "10"}, {Write, Cj, "50"}, {Write, F, "0", {{C, "1000"}, {Slope, "38.98138"}}},
        {Type, Slope, "5", {{C, "1000"}}}}},
    // Junk after a number is ignored, alone reads as 0 mV; NaN and infinities are out of range.
    {"PastedJunkNanInfinityAndLongTexts", TC::K, {{Type, Cj, "0"},
        {Paste, C, "12abc", {{F, "53.6"}, {Emf, "0.4767774"}}},  // NIST: 0.477 mV at 12 °C
        {Paste, C, "nan", {{kOutputs, "OUT|OUT"}, {K, "OUT"}}},
        {Paste, C, "-inf", {{kOutputs, "OUT|OUT"}, {K, "OUT"}}},
        {Paste, C, "-300", {{kOutputs, "OUT|OUT"}, {K, "OUT"}, {F, "OUT"}}},  // colder than absolute zero
        {Paste, K, "-26.85", {{C, "OUT"}, {kOutputs, "OUT|OUT"}}},
        {Paste, Emf, "nan", {{kScales, "OUT|OUT|OUT|OUT|OUT"}, {Slope, "OUT"}}},
        {Paste, Emf, "abc", {{C, "4.951703e-08"}}}, {Paste, Cj, "25\u00b0C", {{C, "24.98965"}}}, {Paste, Cj, "0"},
        {Paste, Emf, kDigits, {{C, "OUT"}}},
        {Paste, Emf, "4.096" + QString(1995, QLatin1Char('x')), {{C, "99.96329"}}},
        {Paste, C, kDigits, {{F, "inf"}, {kOutputs, "OUT|OUT"}}}}},  // 1e2000 reads as an infinity
    // The out-of-range text in °C (after "nan" in °F) or in the emf once read back as 0 °C or 0 mV; pasted
    // into °C it is out of range for the strip and the emf alike.
    {"OutOfRangeStaysOutOfRangeWhenReadBack", TC::K, {{Type, Cj, "0"},
        {Paste, F, "nan", {{C, "OUT"}, {kOutputs, "OUT|OUT"}}}, {Paste, C, "1500", {{Emf, "OUT"}}},
        {Paste, Cj, "5", {{C, "OUT"}, {F, "OUT"}}},
        {Paste, C, "Out of Rage.", {{kScales, "OUT|OUT|OUT|OUT|OUT"}, {kOutputs, "OUT|OUT"}}}}},
};

class SubPageTest : public testing::Test {
protected:
    void Open(ThermocoupleType type)
    {
        m_page = std::make_unique<ThermocoupleSubPage>(nullptr, test::PageRectAtOrigin(), type);
        ASSERT_TRUE(test::ShowActive(m_page.get()));
    }

    [[nodiscard]] test::PageDriver Driver() const
    {
        static const std::map<int, std::vector<int>> kGroups{
            {kScales, {C, F, K, R, Re}}, {kOutputs, {Emf, Slope}}, {kCelsiusSlope, {C, Slope}}};
        return {[this](int id) -> QLineEdit* { return m_page->edit(id); },
                [](int group) { return kGroups.contains(group) ? kGroups.at(group) : std::vector<int>{}; }};
    }

    std::unique_ptr<ThermocoupleSubPage> m_page;
};

void PrintTo(const Scenario& row, std::ostream* out) { *out << row.name; }
class SubPageScenario : public SubPageTest, public testing::WithParamInterface<Scenario> {};
TEST_P(SubPageScenario, ShowsWhatTheUserExpects)
{
    Open(GetParam().type);
    test::RunScenario(Driver(), GetParam().steps);
}
INSTANTIATE_TEST_SUITE_P(WorkSubPage, SubPageScenario, testing::ValuesIn(kScenarios), test::RowName{});

class SharedCase : public SubPageTest, public testing::WithParamInterface<cases::WorkPageCase> {};
// A shared page case on a fresh sub-page: settings typed, the text pasted (keys would swallow "nan" letters).
TEST_P(SharedCase, ShowsWhatTheCommandLineWrites)
{
    const cases::WorkPageCase& row = GetParam();
    const auto id = [](std::string_view name) { return name == "cold" ? Cj : name == "emf" ? Emf : C; };
    test::Scenario steps;
    for (const cases::Setting& s : row.settings) steps.push_back({Type, id(s.name), s.text});
    const int typed = id(row.field);
    steps.push_back({Paste, typed, row.typed, {{typed == Emf ? kCelsiusSlope : kOutputs, row.shown}}});
    Open(static_cast<ThermocoupleType>(std::string_view("SRBKNJETDC").find(row.sensor[0])));
    test::RunScenario(Driver(), steps);
}
INSTANTIATE_TEST_SUITE_P(WorkSubPage, SharedCase, testing::ValuesIn(cases::CasesOf("tc")), test::RowName{});

TEST_F(SubPageTest, LongTextsInEveryFieldStayWithinABound)
{
    // 2000 characters: digits, junk and characters beyond Latin-1 in every field.
    Open(ThermocoupleType::K);
    const auto start = std::chrono::steady_clock::now();
    for (const QString& text : {kDigits, QString(2000, QChar(0x6e29)), QString(2000, QLatin1Char('e')),
                                "1" + QString(1999, QLatin1Char('0'))})
        for (int id : {C, F, K, R, Re, Emf, Cj}) test::PasteOver(m_page->edit(id), text);
    EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(5));
}

// Only the field holding the focus drives, whichever sub-page it is on: J's Rankine field drives J's strip
// only, and K's fields written by nobody stay as they are.
TEST(WorkSubPageFocus, OnlyTheFocusedFieldDrivesAcrossSubPages)
{
    QWidget host;
    host.resize(1054, 1074);
    auto* k = new ThermocoupleSubPage(&host, test::PageRectAtOrigin(), ThermocoupleType::K);
    auto* j = new ThermocoupleSubPage(&host, QRect(0, 537, 1054, 537), ThermocoupleType::J);
    ASSERT_TRUE(test::ShowActive(&host));
    test::Type(k->edit(Cj), "0");
    test::Type(j->edit(R), "491.67");
    EXPECT_EQ(std::pair(j->edit(C)->text(), k->edit(C)->text()), std::pair(QString("0"), QString()));
    k->edit(C)->setText("100");  // written, not typed: converts nothing
    EXPECT_EQ(k->edit(Emf)->text(), "");
    test::Type(k->edit(Emf), "4.096");
    EXPECT_EQ(std::pair(k->edit(C)->text(), j->edit(C)->text()), std::pair(QString("99.96329"), QString("0")));
}

struct LanguageRow {
    const char* name;
    Language language;
    QString hint;
    QStringList labels;  // °C, emf, slope, cold junction
    QString out;
};
class WorkSubPageLanguage : public testing::TestWithParam<LanguageRow> {};
// The cold junction asks to be filled first; texts readable; the language's out-of-range text stays so.
TEST_P(WorkSubPageLanguage, TextsAndOutOfRange)
{
    const LanguageRow& row = GetParam();
    SetLanguage(row.language);
    {
        ThermocoupleSubPage page(nullptr, test::PageRectAtOrigin(), ThermocoupleType::R);
        ASSERT_TRUE(test::ShowActive(&page));
        EXPECT_EQ(page.edit(Cj)->placeholderText(), row.hint);
        QStringList labels, units;
        for (int id : {C, Emf, Slope, Cj}) labels << page.field(id)->label->text();
        for (int id : {Emf, Slope, Cj, Re}) units << page.field(id)->unit->text();
        EXPECT_EQ(labels, row.labels);
        EXPECT_EQ(units, (QStringList{"mV", "uV/\u2103", "\u2103", "\u00b0Re"}));
        EXPECT_TRUE(test::UnreadableTexts(page).empty());
        test::RunScenario({[&page](int id) { return page.edit(id); }}, {{Type, Cj, "0"},
            {Type, C, "1800", {{Emf, row.out}}}, {Paste, F, "nan", {{C, row.out}, {Emf, row.out}}}});
    }
    SetLanguage(Language::English);
}
// "OUT" stands for the English out-of-range text, exactly.
INSTANTIATE_TEST_SUITE_P(Both, WorkSubPageLanguage, testing::Values(LanguageRow{"English", Language::English,
    "First Input", {" ", "Thermal electromotive", "Differential thermal ele.", "Cold junction"}, "OUT"},
    LanguageRow{"Chinese", Language::Chinese, "首先输入冷端温度", {"摄氏度", "热电势", "微分热电势", "冷端温度"}, "超出范围"}), test::RowName{});

}  // namespace
}  // namespace tmcalc
