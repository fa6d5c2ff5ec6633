#include "units/ui/temperature_page.h"

#include "framework/ui/numeric_edit.h"
#include "framework/ui/ui_context.h"
#include "resources/string_table.h"
#include "ui_test_util.h"

#include <QLabel>
#include <QLocale>
#include <gtest/gtest.h>

#include <clocale>
#include <memory>

namespace tmcalc {
namespace {

using test::Backspace;
using test::PasteOver;
using test::Type;

enum Scale { C = 0, F, K, R, Re };

class TemperaturePageTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        m_page = std::make_unique<TemperaturePage>(nullptr, QRect(0, 0, 1054, 537));
        ASSERT_TRUE(test::ShowActive(m_page.get()));
    }

    QLineEdit* field(int i) const { return m_page->edit(i); }
    QString text(int i) const { return field(i)->text(); }
    QStringList all() const
    {
        QStringList out;
        for (int i = 0; i < 5; ++i) out << text(i);
        return out;
    }

    std::unique_ptr<TemperaturePage> m_page;
};

TEST_F(TemperaturePageTest, TypingIntoOneScaleShowsTheOtherFour)
{
    Type(field(C), QStringLiteral("100"));
    EXPECT_EQ(all(), (QStringList{"100", "212", "373.15", "671.67", "80"}));

    // Junk typed after the number is ignored: "373.15~" still reads 373.15.
    Type(field(K), QStringLiteral("~"));
    EXPECT_EQ(text(C), "100");
    EXPECT_EQ(text(F), "212");
}

TEST_F(TemperaturePageTest, EdgeCasesOfTheScales)
{
    Type(field(K), QStringLiteral("0"));
    EXPECT_EQ(all(), (QStringList{"-273.15", "-459.67", "0", "0", "-218.52"}));
    field(F)->clear();  // the program writing a field never converts back...
    EXPECT_EQ(text(C), "-273.15");
    Type(field(F), QStringLiteral("-40"));  // ...but typing into it does
    EXPECT_EQ(text(C), "-40");
    field(C)->clear();  // C does not hold the focus: nothing happens
    EXPECT_EQ(text(K), "233.15");
    Type(field(C), QStringLiteral("1"));
    EXPECT_EQ(text(R), "493.47");
}

TEST_F(TemperaturePageTest, EveryKeystrokeRecomputesAndDeletingTheLastCharacterEmptiesTheOthers)
{
    Type(field(C), QStringLiteral("2"));
    EXPECT_EQ(text(F), "35.6");
    QTest::keyClicks(field(C), QStringLiteral("5"));
    EXPECT_EQ(text(F), "77");
    Backspace(field(C));
    EXPECT_EQ(text(F), "35.6");
    Backspace(field(C));
    EXPECT_EQ(all(), (QStringList{"", "", "", "", ""}));
}

TEST_F(TemperaturePageTest, WrittenFieldsNeverConvertBack)
{
    Type(field(F), QStringLiteral("212"));
    EXPECT_EQ(text(C), "100");
    // The program now writes into C while F keeps the focus: nothing else may change.
    field(C)->setText(QStringLiteral("0"));
    EXPECT_EQ(text(F), "212");
    EXPECT_EQ(text(K), "373.15");
    // Focus moving without typing converts nothing either.
    test::Focus(field(K));
    EXPECT_EQ(text(C), "0");
    // The driving field itself is never rewritten.
    QTest::keyClicks(field(K), QStringLiteral("5"));
    EXPECT_EQ(text(K), "373.155");
    EXPECT_EQ(text(C), "100.005");
}

TEST_F(TemperaturePageTest, FilterSwallowsEverythingButNumberCharacters)
{
    Type(field(C), QStringLiteral("1a+ 2,b5"));
    EXPECT_EQ(text(C), "125");
    QTest::keyClick(field(C), Qt::Key_A, Qt::ControlModifier);  // select all: swallowed
    QTest::keyClick(field(C), Qt::Key_X, Qt::ControlModifier);  // cut: swallowed
    QTest::keyClick(field(C), Qt::Key_Z, Qt::ControlModifier);  // undo: swallowed
    EXPECT_EQ(text(C), "125");
    QTest::keyClicks(field(C), QStringLiteral("e-1~.E"));
    EXPECT_EQ(text(C), "125e-1~.E");
    EXPECT_EQ(text(F), "54.5");  // 12.5 degrees
    QTest::keyClick(field(C), Qt::Key_Left);
    QTest::keyClick(field(C), Qt::Key_Delete);  // keys that type nothing still work
    EXPECT_EQ(text(C), "125e-1~.");
}

TEST_F(TemperaturePageTest, PastedTextIsReadNotFiltered)
{
    PasteOver(field(C), QStringLiteral("25 ℃"));
    EXPECT_EQ(text(C), "25 ℃");
    EXPECT_EQ(text(F), "77");
    PasteOver(field(C), QStringLiteral("℃25"));
    EXPECT_EQ(text(F), "32");  // no number: reads as 0
    PasteOver(field(C), QStringLiteral("nan"));
    EXPECT_EQ(all().mid(1), (QStringList{"Out of Rage.", "Out of Rage.", "Out of Rage.", "Out of Rage."}));
    PasteOver(field(C), QStringLiteral("1e999"));
    EXPECT_EQ(all().mid(1), (QStringList{"inf", "inf", "inf", "inf"}));
    PasteOver(field(C), QStringLiteral("-1e999"));
    EXPECT_EQ(text(K), "-inf");
    PasteOver(field(C), QStringLiteral("hello"));
    EXPECT_EQ(text(K), "273.15");
    PasteOver(field(C), QString(5000, QLatin1Char('9')));
    EXPECT_EQ(text(F), "inf");
    PasteOver(field(C), QStringLiteral("1.") + QString(3000, QLatin1Char('0')) + QStringLiteral("5"));
    EXPECT_EQ(text(F), "33.8");
}

TEST_F(TemperaturePageTest, ReadsAndShowsThePointInAnyLocale)
{
    const QLocale previous;
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    const bool cLocale = std::setlocale(LC_ALL, "de_DE.UTF-8") != nullptr;
    Type(field(C), QStringLiteral("1.5"));
    EXPECT_EQ(text(F), "34.7");
    EXPECT_EQ(text(Re), "1.2");
    QLocale::setDefault(previous);
    std::setlocale(LC_ALL, "C");
    if (!cLocale) GTEST_SKIP() << "de_DE.UTF-8 is not installed; checked with the Qt locale only";
}

TEST_F(TemperaturePageTest, FieldsCarryNamesForAccessibility)
{
    EXPECT_EQ(field(C)->accessibleName(), "℃");
    EXPECT_EQ(field(Re)->accessibleName(), "°Re");
    EXPECT_EQ(field(K)->objectName(), "edit_2");
    EXPECT_EQ(m_page->field(F)->unit->text(), "℉");
}

TEST(TemperaturePageLanguage, ChineseLabelsNameTheScales)
{
    SetLanguage(Language::Chinese);
    TemperaturePage page(nullptr, QRect(0, 0, 1054, 537));
    SetLanguage(Language::English);
    EXPECT_EQ(page.field(0)->label->text(), "摄氏度");
    EXPECT_EQ(page.edit(0)->accessibleName(), "摄氏度 ℃");
    EXPECT_EQ(page.field(4)->label->text(), "列氏度");
}

TEST(TemperaturePageLayout, FieldsSitWhereTheLayoutPutsThem)
{
    TemperaturePage page(nullptr, QRect(223, 120, 1054, 537));
    // client area starts inside the one-pixel border
    EXPECT_EQ(page.edit(0)->geometry(), QRect(395, 139, 263, 45));
    EXPECT_EQ(page.field(0)->label->geometry(), QRect(220, 139, 175, 45));
    EXPECT_EQ(page.field(4)->unit->geometry(), QRect(658, 139 + 4 * 74, 175, 45));
    // every label and unit text fits its box
    for (Field* f : page.fields()) {
        EXPECT_LE(f->unit->fontMetrics().horizontalAdvance(f->unit->text()), f->unit->width());
        EXPECT_LE(f->label->fontMetrics().horizontalAdvance(f->label->text()), f->label->width());
    }
}

}  // namespace
}  // namespace tmcalc

namespace tmcalc {
namespace {

TEST(TemperaturePageLayout, EveryTextReadableInBothLanguages)
{
    for (Language language : {Language::English, Language::Chinese}) {
        SetLanguage(language);
        TemperaturePage page(nullptr, QRect(223, 120, 1054, 537));
        EXPECT_EQ(test::UnreadableTexts(page), std::vector<std::string>{});
    }
    SetLanguage(Language::English);
}

}  // namespace
}  // namespace tmcalc
