#include "resources/string_table.h"

#include <gtest/gtest.h>

#include <string>

namespace tmcalc {
namespace {

TEST(StringTable, BothLanguagesHoldTheSameIds)
{
    ASSERT_EQ(StringCount(Language::English), StringCount(Language::Chinese));
    for (std::size_t i = 0; i < StringCount(Language::English); ++i)
        EXPECT_EQ(StringIdAt(Language::English, i), StringIdAt(Language::Chinese, i)) << "entry " << i;
}

TEST(StringTable, LooksUpByIdInTheChosenLanguage)
{
    EXPECT_EQ(LoadString(kStrOutOfRange, Language::English), "Out of Rage.");
    EXPECT_EQ(LoadString(kStrOutOfRange, Language::Chinese), "超出范围");
    EXPECT_EQ(LoadString(104, Language::English), "Unit Conversion");
    EXPECT_EQ(LoadString(104, Language::Chinese), "单位换算");
    EXPECT_EQ(LoadString(kStrMainClassName, Language::Chinese), "QXCalculator");
    EXPECT_EQ(LoadString(131, Language::English), "TemperatureCls");
    EXPECT_EQ(LoadString(166, Language::English), "36");
    EXPECT_EQ(LoadString(127, Language::English), "Energy");
    EXPECT_EQ(LoadString(180, Language::Chinese), "C型偶");
    EXPECT_EQ(LoadString(183, Language::English), "Humidity ");  // the trailing space is part of the text
    EXPECT_EQ(LoadString(kStrColdJunctionHint, Language::Chinese), "首先输入冷端温度");

    SetLanguage(Language::Chinese);
    EXPECT_EQ(LoadString(kStrFirstNavigationItem), "温度单位");
    SetLanguage(Language::English);
    EXPECT_EQ(LoadString(kStrFirstNavigationItem), "Temperature");
}

TEST(StringTable, TemperatureLabelsAreBlankInEnglish)
{
    for (int i = 0; i < 5; ++i) EXPECT_EQ(LoadString(kStrTemperatureLabels + i, Language::English), " ");
    EXPECT_EQ(LoadString(kStrTemperatureLabels, Language::Chinese), "摄氏度");
    EXPECT_EQ(LoadString(kStrTemperatureUnits, Language::English), "℃");
    EXPECT_EQ(LoadString(kStrTemperatureUnits + 4, Language::Chinese), "°Re");
}

TEST(StringTable, MissingIdIsEmpty)
{
    EXPECT_TRUE(LoadString(0, Language::English).empty());
    EXPECT_TRUE(LoadString(102, Language::English).empty());
    EXPECT_TRUE(LoadString(99999, Language::Chinese).empty());
    EXPECT_TRUE(LoadString(-1, Language::Chinese).empty());
}

TEST(Language, FollowsTheSystemLocale)
{
    EXPECT_EQ(LanguageForLocaleName("zh_CN"), Language::Chinese);
    EXPECT_EQ(LanguageForLocaleName("zh_CN.UTF-8"), Language::Chinese);
    EXPECT_EQ(LanguageForLocaleName("zh-CN"), Language::Chinese);
    EXPECT_EQ(LanguageForLocaleName("zh-Hans"), Language::Chinese);
    EXPECT_EQ(LanguageForLocaleName("zh_Hans_CN"), Language::Chinese);
    EXPECT_EQ(LanguageForLocaleName("de_DE"), Language::English);
    EXPECT_EQ(LanguageForLocaleName("zh_TW"), Language::English);
    EXPECT_EQ(LanguageForLocaleName("zh-Hant-HK"), Language::English);
    EXPECT_EQ(LanguageForLocaleName("en_US"), Language::English);
    EXPECT_EQ(LanguageForLocaleName("C"), Language::English);
    EXPECT_EQ(LanguageForLocaleName(""), Language::English);
}

}  // namespace
}  // namespace tmcalc
