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
    for (const int id : {0, 102, 99999, -1})  // missing ids read empty
        EXPECT_TRUE(LoadString(id, Language::English).empty() && LoadString(id, Language::Chinese).empty()) << id;
    // The temperature labels are blank in English.
    for (int i = 0; i < 5; ++i) EXPECT_EQ(LoadString(kStrTemperatureLabels + i, Language::English), " ");
    EXPECT_EQ(LoadString(kStrTemperatureLabels, Language::Chinese), "摄氏度");
    EXPECT_EQ(LoadString(kStrTemperatureUnits, Language::English), "℃");
    EXPECT_EQ(LoadString(kStrTemperatureUnits + 4, Language::Chinese), "°Re");
}

TEST(Language, FollowsTheSystemLocale)
{
    for (const char* name : {"zh_CN", "zh_CN.UTF-8", "zh-CN", "zh-Hans", "zh_Hans_CN"})
        EXPECT_EQ(LanguageForLocaleName(name), Language::Chinese) << name;
    for (const char* name : {"de_DE", "zh_TW", "zh-Hant-HK", "en_US", "C", ""})
        EXPECT_EQ(LanguageForLocaleName(name), Language::English) << name;
}

}  // namespace
}  // namespace tmcalc
