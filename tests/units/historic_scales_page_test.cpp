// The historic scales page as a user meets it: t90, t68 and t48 follow whichever one is typed into.
#include "units/ui/historic_scales_page.h"

#include "app/ui/page_registry.h"
#include "framework/ui/numeric_edit.h"
#include "page_scenario.h"
#include "resources/string_table.h"
#include "test_support.h"
#include "ui_text_check.h"

#include <gtest/gtest.h>
#include <QLabel>
#include <QLocale>

#include <clocale>
#include <memory>

namespace tmcalc {
namespace {

using enum test::Act;
enum Scale { T90 = 0, T68, T48 };
constexpr int kAll = -1;  // "t90|t68|t48"

struct NamedScenario {
    const char* name;
    test::Scenario steps;
};
const NamedScenario kScenarios[] = {
    // 800 °C has no IPTS-48 value (thermocouple range); sulfur and oxygen points; below 13.8033 K nothing.
    {"EachScaleDrivesTheOthers",
     {{Type, T90, "800", {{kAll, "800|799.9498|OUT"}}},
      {Over, T48, "444.6", {{kAll, "444.6147|444.6743|444.6"}}},
      {Over, T48, "-182.97", {{kAll, "-182.9529|-182.9620|-182.97"}}},
      {Over, T68, "100", {{kAll, "99.9744|100|100.0000"}}},
      {Over, T48, "2000", {{kAll, "2002.5288|2003.2527|2000"}}},
      {Over, T90, "-259.3467", {{kAll, "-259.3467|-259.3396|OUT"}}},
      {Over, T90, "-259.3468", {{kAll, "-259.3468|OUT|OUT"}}},
      {Over, T48, "-183", {{kAll, "OUT|OUT|-183"}}}}},
    // Deleting the last character empties the others; a pasted text that holds no number does too.
    {"EmptyAndJunkClearTheOthers",
     {{Type, T68, "25", {{T90, "24.9937"}}},
      {Back, T68, "2", {{kAll, "||"}}},
      {Type, T90, "1", {{T48, "#"}}},
      {Paste, T90, "abc", {{kAll, "abc||"}}}}},
    // The program writing a field converts nothing; only the field being typed into drives.
    {"WrittenFieldsNeverConvertBack",
     {{Type, T90, "800", {{T68, "799.9498"}}},
      {Write, T68, "5", {{T90, "800"}, {T48, "OUT"}}},
      {Type, T68, "0", {{T90, "49.9871"}}}}},
};

class HistoricScalesPageTest : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(test::ShowActive(m_page.get())); }
    [[nodiscard]] test::PageDriver Driver() const
    {
        return {[this](int id) { return m_page->edit(id); },
                [](int group) {
                    return group == kAll ? std::vector<int>{T90, T68, T48} : std::vector<int>{};
                }};
    }

    std::unique_ptr<HistoricScalesPage> m_page =
        std::make_unique<HistoricScalesPage>(nullptr, test::PageRectAtOrigin());
};

class HistoricScenario : public HistoricScalesPageTest, public ::testing::WithParamInterface<NamedScenario> {};
TEST_P(HistoricScenario, Steps)
{
    test::RunScenario(Driver(), GetParam().steps);
}

INSTANTIATE_TEST_SUITE_P(HistoricScalesPage, HistoricScenario, ::testing::ValuesIn(kScenarios), test::RowName{});

TEST_F(HistoricScalesPageTest, ReadsAndShowsThePointInAnyLocale)
{
    const QLocale previous;
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    const bool cLocale = std::setlocale(LC_ALL, "de_DE.UTF-8") != nullptr;
    test::RunScenario(Driver(), {{Type, T48, "419.505", {{T68, "419.5801"}}}});
    QLocale::setDefault(previous);
    std::setlocale(LC_ALL, "C");
    if (!cLocale) GTEST_SKIP() << "de_DE.UTF-8 is not installed; checked with the Qt locale only";
}

// Reached from its More tile's page index; texts whole in both languages.
TEST(HistoricScalesPageTexts, RegisteredAndReadableInBothLanguages)
{
    const PageEntry& entry = PageRegistry()[24];
    EXPECT_EQ(entry.titleId, kStrTitleHistoricScales);
    for (Language language : {Language::English, Language::Chinese}) {
        SetLanguage(language);
        const std::unique_ptr<QWidget> made(
            entry.create(PageSite{nullptr, test::MainWindowPageRect(), entry.titleId}));
        SetLanguage(Language::English);
        const auto* page = dynamic_cast<const HistoricScalesPage*>(made.get());
        ASSERT_NE(page, nullptr);
        EXPECT_EQ(test::UnreadableTexts(*page), std::vector<std::string>{});
        EXPECT_EQ(page->field(T68)->label->text(),
                  language == Language::English ? "t68 (IPTS-68)" : "t68（IPTS-68）");
    }
}

}  // namespace
}  // namespace tmcalc
