// The humidity and transmitter pages as a user meets them, each scenario on a fresh page, in both languages.
#include "app/ui/page_registry.h"
#include "cases/work_page_cases.h"
#include "framework/ui/numeric_edit.h"
#include "framework/ui/ui_context.h"
#include "humidity/ui/humidity_page.h"
#include "humidity/ui/transmitter_page.h"
#include "page_scenario.h"
#include "resources/string_table.h"
#include "test_support.h"
#include "ui_text_check.h"

#include <gtest/gtest.h>
#include <QRadioButton>

#include <map>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace tmcalc {
namespace {

using test::Act;
using test::Scenario;

const QRect kPageGeometry = test::MainWindowPageRect();  // the page rectangle at 1920 x 1080
const QString kNines(2000, QLatin1Char('9'));

// Humidity fields: 0 t, 1 P, 2 %rh, 3 dew/frost, 4 wet bulb, 5 es, 6 e, 7-8 ppmv dry/wet, 9 g/m³, 10 g/kg, 11 kJ/kg.
constexpr int kAll = -1;  // all twelve
const QString kEmptyQuantities = QStringLiteral("|||||||||");  // fields 2-11 after the '|' of field 1
// Transmitter groups: kView = signal range|conversion range|input|output|checked button; kCaptions the captions.
constexpr int kView = -1, kCaptions = -2, kChecked = 100;
const std::map<int, std::vector<int>> kTxGroups{
    {kView, {kTxSignalRange, kTxConversionRange, kTxInput, kTxOutput, kChecked}},
    {kCaptions, {kTxSignalCaption, kTxConversionCaption, kTxInputCaption, kTxOutputCaption}}};

struct NamedScenario {
    const char* name;
    Scenario steps;
};
const NamedScenario kHumidityScenarios[] = {
    {"StartState", {{Act::Look, 0, {}, {{kAll, "20|996.|" + kEmptyQuantities}}}}},
    // 1013.25 hPa with field 8 empty: it becomes "0." and the rest follows from a vapour pressure of 0.
    {"RelativeHumidityThenTemperature",
     {{Act::Over, 1, "1013.25", {{8, "0."}, {2, "0."}, {3, "#"}}},
      {Act::Over, 2, "50", {{kAll, "20|1013.25|50|9.27561|13.8723|23.4859|11.7429|11725.3|11589.4|8.67949|7.29292|"
                                   "38.628"}}},
      // The wet-basis concentration is kept; the others follow the new air temperature.
      {Act::Over, 0, "25", {{kAll, "25|1013.25|36.8936|9.27565|15.7998|31.8293|11.743|11725.3|11589.4|8.53396|"
                                   "7.29294|43.7251"}}}}},
    {"UnreadableTemperatureClearsAllQuantities",
     {{Act::Type, 2, "50", {{3, "#"}}}, {Act::Back, 0, "2", {{kAll, "|996.|" + kEmptyQuantities}}}}},
    {"ClearedQuantityClearsTheOthers",
     {{Act::Type, 2, "50", {{11, "#"}}}, {Act::Back, 2, "2", {{kAll, "20|996.|" + kEmptyQuantities}}}}},
    {"PressureWithWetBasisEmpty", {{Act::Type, 1, "1", {{kAll, "20|996.1|0.|#|#|#|0.|0.|0.|0.|0.|20.12"}}}}},
    // Above about 136 % the dew point lies above t + 5: it was shown as 25., the top of the first bracket.
    {"SupersaturatedDewPointNotPinned",
     {{Act::Over, 1, "1013.25"}, {Act::Over, 2, "150", {{3, "26.7124"}, {4, "#"}}}}},
    // 8.6e9 °C overflows the saturation pressure; the bisections once ran forever on it.
    {"HugeTemperatureEnds",
     {{Act::Type, 2, "50"}, {Act::Over, 0, "8.6e9", {{2, "OUT"}, {3, "OUT"}, {4, "OUT"}, {5, "OUT"}}},
      {Act::Over, 0, "9999", {{5, "OUT"}}}, {Act::Over, 0, "100.01", {{5, "OUT"}}}, {Act::Over, 0, "100", {{5, "#"}}},
      {Act::Paste, 0, "1e999", {{3, "OUT"}, {4, "OUT"}}}, {Act::Paste, 0, kNines, {{3, "OUT"}}}}},
    {"VapourPressureAboveThePressure",
     {{Act::Over, 6, "2000", {{7, "OUT"}, {10, "OUT"}, {11, "OUT"}, {2, "#"}, {8, "#"}}}}},
    {"SaturationPressureTypedGivesNoVapour", {{Act::Over, 5, "30", {{2, "0."}, {6, "0."}, {8, "0."}}}}},
    {"DryBasisOfHalfThePressure", {{Act::Over, 1, "1000"}, {Act::Over, 6, "500", {{7, "1.e+006"}, {8, "500000"}}}}},
    {"BadTexts",
     {{Act::Paste, 2, kNines, {{3, "#"}, {0, "20"}}},
      {Act::Paste, 2, QStringLiteral("junk"), {{kAll, "20|996.|junk|||||||||"}}},
      {Act::Paste, 0, QStringLiteral("nan"), {{0, "nan"}, {8, "0."}, {2, "OUT"}}},
      {Act::Paste, 1, QStringLiteral("abc"), {{kAll, "nan|abc|" + kEmptyQuantities}}}}},
};

const NamedScenario kTransmitterScenarios[] = {
    {"StartState",
     {{Act::Look, 0, {}, {{kView, "4~20|0~10|||1"},
                          {kCaptions, "Electronic Signal Range|Convert Range|Input Value|Output Electronic Value"}}}}},
    // Equal bounds, a single number (high = low) and "~" (0 and 0) write nothing.
    {"DegenerateRangesWriteNothing",
     {{Act::Over, kTxConversionRange, "0~100"}, {Act::Type, kTxInput, "50", {{kTxOutput, "12.0000000"}}},
      {Act::Over, kTxConversionRange, "5~5"},
      {Act::Over, kTxInput, "7", {{kTxOutput, "12.0000000"}}},
      {Act::Over, kTxConversionRange, "0~100"}, {Act::Over, kTxSignalRange, "4"},
      {Act::Over, kTxInput, "60", {{kTxOutput, "12.0000000"}}},
      {Act::Over, kTxSignalRange, "~"}, {Act::Over, kTxOutput, "9", {{kTxInput, "60"}}},
      {Act::Over, kTxSignalRange, "1e999~2"}, {Act::Over, kTxInput, "1", {{kTxOutput, "OUT"}}}}},
    // A typed signal range, falling or without its low end (read as 0), and a conversion range not from 0.
    {"TypedRangesHonoured",
     {{Act::Over, kTxSignalRange, "2~10"}, {Act::Type, kTxInput, "5", {{kTxOutput, "6.0000000"}}},
      {Act::Over, kTxConversionRange, "0~100"}, {Act::Over, kTxSignalRange, "20~4"},
      {Act::Over, kTxInput, "25", {{kTxOutput, "16.0000000"}}},
      {Act::Over, kTxSignalRange, "~20"}, {Act::Over, kTxInput, "50", {{kTxOutput, "10.0000000"}}},
      {Act::Over, kTxSignalRange, "2~10"}, {Act::Over, kTxConversionRange, "-50~150"},
      {Act::Over, kTxInput, "0", {{kTxOutput, "4.0000000"}}},
      {Act::Over, kTxOutput, "8", {{kTxInput, "100.0000000"}}}}},
    {"ClearingEmptiesTheOther",
     {{Act::Type, kTxInput, "5", {{kTxOutput, "#"}}}, {Act::Back, kTxInput, "", {{kTxOutput, ""}}},
      {Act::Type, kTxOutput, "12", {{kTxInput, "#"}}}, {Act::Back, kTxOutput, "2", {{kTxInput, ""}}}}},
    {"RangeButtons",
     {{Act::Type, kTxInput, "5", {{kView, "4~20|0~10|5|12.0000000|1"}}}, {Act::Over, kTxSignalRange, "2~10"},
      {Act::Click, 1, {}, {{kView, "2~10|0~10|5|12.0000000|1"}}},  // the chosen one again: nothing
      {Act::Click, 0, {}, {{kView, "0~10|0~10|||0"}}}, {Act::Type, kTxInput, "5", {{kTxOutput, "5.0000000"}}},
      {Act::Click, 0, {}, {{kView, "0~10|0~10|5|5.0000000|0"}}}, {Act::Click, 2, {}, {{kView, "1~5|0~10|||2"}}},
      {Act::Click, 3, {}, {{kView, "0~10|0~10|||3"}}}, {Act::Click, 4, {}, {{kView, "0~2|0~10|||4"}}},
      {Act::Click, 1, {}, {{kView, "4~20|0~10|||1"}}}}},
    {"BadTexts",
     {{Act::Paste, kTxInput, kNines, {{kTxOutput, "inf"}}}, {Act::Paste, kTxInput, "junk", {{kTxOutput, ""}}},
      {Act::Paste, kTxConversionRange, kNines}, {Act::Type, kTxOutput, "3", {{kTxInput, "*"}}}}},
};

class HumidityScenario : public testing::TestWithParam<NamedScenario> {};
TEST_P(HumidityScenario, Steps)
{
    HumidityPage page(nullptr, kPageGeometry);
    ASSERT_TRUE(test::ShowActive(&page));
    const test::PageDriver driver{
        [&page](int k) -> QLineEdit* { return page.edit(HumidityPage::FieldId(k)); },
        [](int group) {
            std::vector<int> ids;
            for (int k = 0; group == kAll && k < kHumidityFieldCount; ++k) ids.push_back(k);
            return ids;
        }};
    test::RunScenario(driver, GetParam().steps);
}
INSTANTIATE_TEST_SUITE_P(Humidity, HumidityScenario, testing::ValuesIn(kHumidityScenarios), test::RowName{});

class TransmitterScenario : public testing::TestWithParam<NamedScenario> {};
TEST_P(TransmitterScenario, Steps)
{
    TransmitterPage page(nullptr, kPageGeometry);
    ASSERT_TRUE(test::ShowActive(&page));
    TransmitterPanel* panel = page.panel();
    const test::PageDriver driver{
        [panel](int id) -> QLineEdit* { return panel->edit(id); },
        [](int group) { return kTxGroups.contains(group) ? kTxGroups.at(group) : std::vector<int>{}; },
        [panel](int) {
            QString checked;
            for (int k = 0; k < kTransmitterRangeCount; ++k)
                if (panel->rangeButton(k)->isChecked()) checked += QString::number(k);
            return checked;
        },
        [panel](int k) {
            QTest::mouseClick(panel->rangeButton(k), Qt::LeftButton, {}, QPoint(8, panel->rangeButton(k)->height() / 2));
        }};
    test::RunScenario(driver, GetParam().steps);
}
INSTANTIATE_TEST_SUITE_P(Transmitter, TransmitterScenario, testing::ValuesIn(kTransmitterScenarios), test::RowName{});

// The shared page cases: the ranges typed over the preset ones, the row's text pasted, the other field compared.
std::vector<NamedScenario> SharedCases()
{
    std::vector<NamedScenario> rows;
    for (const cases::WorkPageCase& row : cases::CasesOf("transmitter")) {
        const auto id = [](std::string_view name) { return name == "value" ? kTxInput : kTxOutput; };
        Scenario steps;
        for (const cases::Setting& s : row.settings)  // "range" is the conversion range
            steps.push_back({Act::Over, std::string_view(s.name) == "range" ? kTxConversionRange : kTxSignalRange, s.text});
        steps.push_back({Act::Paste, id(row.field), row.typed});
        steps.push_back({Act::Look, 0, {}, {{id(row.field) == kTxInput ? kTxOutput : kTxInput, row.shown}}});
        rows.push_back({row.name, steps});
    }
    return rows;
}
INSTANTIATE_TEST_SUITE_P(Shared, TransmitterScenario, testing::ValuesIn(SharedCases()), test::RowName{});

// The registry makes both pages; the transmitter's panel sits under the band, inside the page's border; every
// text is readable in both languages.
TEST(HumidityPages, RegisteredWhereTheNavigationLeadsAndReadableInBothLanguages)
{
    const auto make = [](int index) {
        return std::unique_ptr<QWidget>(PageRegistry()[static_cast<std::size_t>(index)].create(
            {nullptr, kPageGeometry, PageTitleId(index), nullptr}));
    };
    const auto humidity = make(6);
    ASSERT_NE(qobject_cast<HumidityPage*>(humidity.get()), nullptr);
    EXPECT_EQ(static_cast<Page*>(humidity.get())->titleId(), kStrTitleHumidity);
    EXPECT_EQ(static_cast<Page*>(humidity.get())->edit(HumidityPage::FieldId(0))->geometry().top(), 1 + 116);
    const auto transmitter = make(10);
    auto* page = qobject_cast<TransmitterPage*>(transmitter.get());
    ASSERT_NE(page, nullptr);
    EXPECT_EQ(page->titleId(), kStrTitleTransmitter);
    EXPECT_EQ(page->panel()->objectName(), "bsqWnd");
    // Two pixels under trunc(1052 x 115 / 1300 x 1.5) = 139, down to the client area's last line.
    EXPECT_EQ(page->panel()->geometry(), QRect(1, 1 + 141, 1052, 535 - 141));
    EXPECT_EQ(page->panel()->edit(kTxOutput)->accessibleName(), "Output Electronic Value");
    EXPECT_EQ(page->panel()->edit(kTxSignalRange)->accessibleName(), "Electronic Signal Range");

    for (Language language : {Language::English, Language::Chinese}) {
        SetLanguage(language);
        const HumidityPage humidityPage(nullptr, kPageGeometry);
        EXPECT_EQ(test::UnreadableTexts(humidityPage), std::vector<std::string>{});
        const TransmitterPage transmitterPage(nullptr, kPageGeometry);
        const TransmitterPanel* panel = transmitterPage.panel();
        EXPECT_EQ(test::UnreadableTexts(*panel), std::vector<std::string>{});
        // The captions are cells, not labels: each must fit its cell whole.
        for (int id : kTxGroups.at(kCaptions)) {
            const NumericEdit* e = panel->edit(id);
            EXPECT_LE(e->fontMetrics().horizontalAdvance(e->text()), e->width() - 8) << id;
        }
        for (int k = 0; k < kTransmitterRangeCount; ++k)
            EXPECT_LE(panel->rangeButton(k)->sizeHint().width(), panel->rangeButton(k)->width()) << k;
    }
    SetLanguage(Language::English);
}

}  // namespace
}  // namespace tmcalc
