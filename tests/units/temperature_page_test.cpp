// The temperature page as a user meets it: five scales that follow whichever one is typed into.
#include "units/ui/temperature_page.h"

#include "framework/ui/numeric_edit.h"
#include "framework/ui/ui_context.h"
#include "page_scenario.h"
#include "resources/string_table.h"
#include "test_support.h"
#include "ui_text_check.h"

#include <QLabel>
#include <QLocale>
#include <gtest/gtest.h>

#include <clocale>
#include <memory>

namespace tmcalc {
namespace {

using enum test::Act;
enum Scale { C = 0, F, K, R, Re };
constexpr int kAll = -1;  // the five scales, "°C|°F|K|°R|°Re"

struct NamedScenario {
    const char* name;
    test::Scenario steps;
};
const NamedScenario kScenarios[] = {
    // Every source scale once, absolute zero among them; junk typed after a number is ignored.
    {"EachScaleDrivesTheOtherFour",
     {{Type, C, "100", {{kAll, "100|212|373.15|671.67|80"}}}, {Type, K, "~", {{kAll, "100|212|373.15~|671.67|80"}}},
      {Over, K, "0", {{kAll, "-273.15|-459.67|0|0|-218.52"}}}, {Over, R, "0", {{kAll, "-273.15|-459.67|0|0|-218.52"}}},
      {Over, Re, "80", {{kAll, "100|212|373.15|671.67|80"}}}, {Over, F, "-40", {{C, "-40"}}},
      {Over, C, "1", {{R, "493.47"}}},  // (1 + 273.15) x 1.8, not 493.46999999999997
      {Over, C, "-273.15", {{R, "0"}}},  // directly, without the thermocouple strip's residue
      {Over, C, "-1000", {{K, "OUT"}}}, {Over, K, "-5", {{kAll, "OUT|OUT|-5|OUT|OUT"}}},  // below absolute zero
      {Over, Re, "-218.52", {{K, "0"}}}, {Over, F, "-459.68", {{C, "OUT"}}}}},
    {"EveryKeystrokeRecomputesAndDeletingTheLastCharacterEmptiesTheOthers",
     {{Type, C, "2", {{F, "35.6"}}}, {Type, C, "5", {{F, "77"}}}, {Back, C, "", {{F, "35.6"}}},
      {Back, C, "", {{kAll, "||||"}}}}},
    // Written fields, even emptied, and focus moves convert nothing; the driving field is never rewritten.
    {"WrittenFieldsNeverConvertBack",
     {{Type, F, "212", {{C, "100"}}}, {Write, C, "0", {{F, "212"}, {K, "373.15"}}},
      {Write, R, "", {{C, "0"}, {K, "373.15"}}}, {Focus, K, "", {{C, "0"}}},
      {Type, K, "5", {{K, "373.155"}, {C, "100.005"}}}}},
    {"TypingIsFilteredToNumberCharacters",
     {{Type, C, "1a+ 2,b5", {{C, "125"}}}, {Type, C, "e-1~.E", {{C, "125e-1~.E"}, {F, "54.5"}}}}},
    // Pasted text is read, not filtered: no number reads as 0, an overflow as an infinity, NaN out of range.
    {"PastedTextIsReadNotFiltered",
     {{Paste, C, "25 ℃", {{C, "25 ℃"}, {F, "77"}}}, {Paste, C, "℃25", {{F, "32"}}},
      {Paste, C, "nan", {{kAll, "nan|OUT|OUT|OUT|OUT"}}}, {Paste, C, "1e999", {{kAll, "1e999|inf|inf|inf|inf"}}},
      {Paste, C, "-1e999", {{K, "OUT"}}}, {Paste, C, "hello", {{K, "273.15"}}},
      {Paste, C, QString(5000, QLatin1Char('9')), {{F, "inf"}}},
      {Paste, C, "1." + QString(3000, QLatin1Char('0')) + "5", {{F, "33.8"}}}}},
};

class TemperaturePageTest : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(test::ShowActive(m_page.get())); }
    [[nodiscard]] test::PageDriver Driver() const
    {
        return {[this](int id) { return m_page->edit(id); },
                [](int group) { return group == kAll ? std::vector<int>{C, F, K, R, Re} : std::vector<int>{}; }};
    }

    std::unique_ptr<TemperaturePage> m_page = std::make_unique<TemperaturePage>(nullptr, test::PageRectAtOrigin());
};

class TemperatureScenario : public TemperaturePageTest, public ::testing::WithParamInterface<NamedScenario> {};
TEST_P(TemperatureScenario, Steps) { test::RunScenario(Driver(), GetParam().steps); }

INSTANTIATE_TEST_SUITE_P(TemperaturePage, TemperatureScenario, ::testing::ValuesIn(kScenarios), test::RowName{});

TEST_F(TemperaturePageTest, EditingKeysAreSwallowedButMovingKeysWork)
{
    QLineEdit* c = m_page->edit(C);
    test::Type(c, QStringLiteral("125e-1~.E"));
    for (Qt::Key key : {Qt::Key_A, Qt::Key_X, Qt::Key_Z}) QTest::keyClick(c, key, Qt::ControlModifier);
    EXPECT_EQ(c->text(), "125e-1~.E");  // no select all, cut or undo
    for (Qt::Key key : {Qt::Key_Left, Qt::Key_Delete}) QTest::keyClick(c, key);
    EXPECT_EQ(c->text(), "125e-1~.");
}

TEST_F(TemperaturePageTest, ReadsAndShowsThePointInAnyLocale)
{
    const QLocale previous;
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    const bool cLocale = std::setlocale(LC_ALL, "de_DE.UTF-8") != nullptr;
    test::RunScenario(Driver(), {{Type, C, "1.5", {{F, "34.7"}, {Re, "1.2"}}}});
    QLocale::setDefault(previous);
    std::setlocale(LC_ALL, "C");
    if (!cLocale) GTEST_SKIP() << "de_DE.UTF-8 is not installed; checked with the Qt locale only";
}

// Screen-reader names, the texts of both languages, readable, and the fields inside the one-pixel border.
TEST(TemperaturePageTexts, NamesAndPlacesInBothLanguages)
{
    for (Language language : {Language::English, Language::Chinese}) {
        SetLanguage(language);
        TemperaturePage page(nullptr, test::MainWindowPageRect());
        SetLanguage(Language::English);
        EXPECT_EQ(test::UnreadableTexts(page), std::vector<std::string>{});
        EXPECT_EQ(page.edit(K)->objectName(), "edit_2");
        EXPECT_EQ(page.field(F)->unit->text(), "℉");
        EXPECT_EQ(page.edit(0)->geometry(), QRect(395, 139, 263, 45));
        EXPECT_EQ(page.field(0)->label->geometry(), QRect(220, 139, 175, 45));
        EXPECT_EQ(page.field(4)->unit->geometry(), QRect(658, 139 + 4 * 74, 175, 45));
        if (language == Language::English) {
            EXPECT_EQ(page.edit(C)->accessibleName(), "℃");
            EXPECT_EQ(page.edit(Re)->accessibleName(), "°Re");
        } else {
            EXPECT_EQ(page.field(0)->label->text(), "摄氏度");
            EXPECT_EQ(page.edit(0)->accessibleName(), "摄氏度 ℃");
            EXPECT_EQ(page.field(4)->label->text(), "列氏度");
        }
    }
}

}  // namespace
}  // namespace tmcalc
