// The thermistor page as a user meets it: "T↔R" in three forms, the fits, chosen standards, both languages.
#include "thermistor/ui/thermistor_pages.h"

#include "app/ui/page_registry.h"
#include "cases/work_page_cases.h"
#include "framework/ui/container_page.h"
#include "framework/ui/numeric_edit.h"
#include "framework/ui/sub_page_tabs.h"
#include "framework/ui/ui_context.h"
#include "page_scenario.h"
#include "resources/string_table.h"
#include "standards/ui/standards_library.h"
#include "standards/ui/standards_manager.h"
#include "thermistor/ui/ntc_convert_sub_page.h"
#include "thermistor/ui/ntc_fit_sub_page.h"
#include "test_support.h"
#include "ui_text_check.h"
#include "standards/standards_test_support.h"

#include <QComboBox>
#include <QRadioButton>
#include <QTableWidget>

#include <map>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace tmcalc {
namespace {

using test::Act;
using test::Scenario;

// Pseudo-fields: the checked mode button (its string id) and the ids of the visible fields.
constexpr int kCheckedMode = -1, kShown = -2;
// Groups typed or compared '|' apart: the forms' coefficients, the fits' points but the last, the fit's A|B|C.
constexpr int kBetaIn = -3, kShIn = -4, kExtIn = -5, kBetaFitIn = -6, kShFitIn = -7, kShFitCoefficients = -8;
const std::map<int, std::vector<int>> kGroups{
    {kBetaIn, {1, 3}},           {kShIn, {11, 13, 15}},            {kExtIn, {21, 23, 25, 27}},
    {kBetaFitIn, {4, 5, 7}},     {kShFitIn, {15, 16, 18, 19, 21}}, {kShFitCoefficients, {24, 26, 28}}};
// Click ids: the mode buttons by their string ids, the tabs by theirs.
constexpr int kBeta = 1010, kSh = 1011, kExt = 1012, kTabFit = 20222;

class ThermistorPage : public testing::Test {
protected:
    void SetUp() override { Open(); }
    void TearDown() override { SetLanguage(Language::English); }
    void Open()
    {
        m_page.reset();
        m_page.reset(CreateThermistorPage(nullptr, test::PageRectAtOrigin(), m_library));
        ASSERT_TRUE(test::ShowActive(m_page.get()));
    }

    [[nodiscard]] auto* Convert() const { return static_cast<NtcConvertSubPage*>(m_page->subPage(kNtcTabConvert)); }
    [[nodiscard]] auto* Fit() const { return static_cast<NtcFitSubPage*>(m_page->subPage(kNtcTabFit)); }
    [[nodiscard]] Page* Current() const { return static_cast<Page*>(m_page->subPage(m_page->selectedTab())); }
    void ClickTab(int tab) const
    {
        const Rect r = SubPageTabRects(m_page->clientArea().width, kNtcTabCount)[static_cast<std::size_t>(tab)];
        QTest::mouseClick(m_page->tabs(), Qt::LeftButton, {}, QPoint(r.x + r.width / 2, r.height / 2));
    }

    [[nodiscard]] QRadioButton* Button(int id) const { return Current()->findChild<QRadioButton*>(QString("mode_%1").arg(id)); }

    [[nodiscard]] test::PageDriver Driver() const
    {
        return {[this](int id) -> QLineEdit* { return id < 0 ? nullptr : Current()->edit(id); },
                [](int group) { return kGroups.contains(group) ? kGroups.at(group) : std::vector<int>{}; },
                [this](int id) {
                    QStringList out;
                    for (Field* f : Current()->fields())
                        if (id == kShown && f->edit->isVisibleTo(Current())) out << QString::number(f->id);
                    for (int b = kBeta; id == kCheckedMode && b <= kExt; ++b)
                        if (Button(b) != nullptr && Button(b)->isChecked()) out << QString::number(b);
                    return out.join(QLatin1Char(','));
                },
                [this](int id) {
                    if (id >= kStrFirstNtcTab) return ClickTab(id - kStrFirstNtcTab);
                    QTest::mouseClick(Button(id), Qt::LeftButton, {}, QPoint(8, Button(id)->height() / 2));
                }};
    }

    test::ScratchStandards m_scratch;
    StandardsLibrary m_library{m_scratch.store};
    std::unique_ptr<ContainerPage> m_page;
};

struct ScenarioRow {
    const char* name;
    Scenario steps;
};
class ThermistorScenario : public ThermistorPage, public testing::WithParamInterface<ScenarioRow> {};
TEST_P(ThermistorScenario, Steps) { test::RunScenario(Driver(), GetParam().steps); }

const ScenarioRow kScenarios[] = {
    {"BetaMode",
     {{Act::Look, 0, "", {{kCheckedMode, "1010"}, {kShown, "1,3,5,7"}, {1, ""}, {5, ""}, {7, ""}}},
      {Act::Type, kBetaIn, "10000|3950", {{5, ""}, {7, ""}}},  // coefficients start nothing
      {Act::Type, 7, "100", {{5, "#"}}}, {Act::Over, 5, "0", {{7, "OUT"}}},  // R = 0 is no resistance: out of range
      {Act::Over, 5, "1e-300", {{7, "OUT"}}}, {Act::Over, 7, "-300", {{5, "OUT"}}},  // colder than absolute zero
      {Act::Paste, 5, "junk", {{7, ""}}}, {Act::Paste, 5, "1e999", {{7, "*"}}}}},
    {"SteinhartHartMode",
     {{Act::Click, kSh, "", {{kCheckedMode, "1011"}, {kShown, "11,13,15,17,19"}}},
      {Act::Type, kShIn, "1.129148e-3|2.34125e-4|8.76741e-8"}, {Act::Type, 19, "-300", {{17, "#"}}},
      {Act::Over, 15, "0"}, {Act::Over, 17, "5000", {{19, "-300"}}}}},  // C = 0: no result, the last text stays
    {"ExtendedMode",
     {{Act::Click, kExt, "", {{kCheckedMode, "1012"}, {kShown, "21,23,25,27,29,31"}}},
      {Act::Type, kExtIn, "1.129148e-3|2.34125e-4|1e-6|8e-8"}, {Act::Type, 31, "10", {{29, "#"}}},
      {Act::Paste, 31, "1e999", {{29, "*"}}},
      {Act::Over, 27, "0"}, {Act::Over, 29, "5000", {{31, "1e999"}}}}},  // D = 0: no result, the last text stays
    {"SwitchingModesKeepsTexts",
     {{Act::Type, 1, "10000"}, {Act::Click, kExt}, {Act::Type, 29, "123"},
      {Act::Click, kBeta, "", {{kShown, "1,3,5,7"}, {1, "10000"}}}, {Act::Click, kExt, "", {{29, "123"}}},
      {Act::Click, kTabFit}, {Act::Click, kStrFirstNtcTab, "", {{kCheckedMode, "1012"}, {29, "123"}}}}},
    // A point without a number or with R = 0 leaves the result alone.
    {"BetaFit",
     {{Act::Click, kTabFit, "", {{kShown, "0,1,2,3,4,5,6,7,8,9,10"}}},
      {Act::Type, kBetaFitIn, "10000|25|32650.37471", {{10, ""}}}, {Act::Type, 8, "0", {{10, "3854.60888806964"}}},
      {Act::Over, 7, "0", {{10, "3854.60888806964"}}}, {Act::Back, 5, "2", {{10, "3854.60888806964"}}}}},
    // Points of A = 1.129148e-3, B = 2.34125e-4, C = 8.76741e-8 at 0, 25 and 50 °C (ten digits) give them back;
    // single-precision steps once made C wrong in its fifth digit.
    {"SteinhartHartFit",
     {{Act::Click, kTabFit},
      {Act::Click, kSh, "", {{kShown, "11,12,13,14,15,16,17,18,19,20,21,22,23,24,25,26,27,28"}}},
      {Act::Type, kShFitIn, "32650.37471|0|9999.854436|25|3601.034978"},
      {Act::Type, 22, "50", {{kShFitCoefficients, "0.001129148000044|0.000234125000001|0.000000087674100"}}},
      {Act::Over, 21, "0", {{24, "0.001129148000044"}}}, {Act::Paste, 22, "junk", {{24, "0.001129148000044"}}}}},
};
INSTANTIATE_TEST_SUITE_P(Pages, ThermistorScenario, testing::ValuesIn(kScenarios), test::RowName{});

// Where the inputs of the shared page cases live, by page and form; "out" is what a fit computes.
const std::map<std::string, std::map<std::string, int>> kCaseFields{
    {"ntc beta", {{"r25", 1}, {"beta", 3}, {"res", 5}, {"temp", 7}}},
    {"ntc sh", {{"A", 11}, {"B", 13}, {"C", 15}, {"res", 17}, {"temp", 19}}},
    {"ntc ext", {{"A", 21}, {"B", 23}, {"C", 25}, {"D", 27}, {"res", 29}, {"temp", 31}}},
    {"fit ntc beta", {{"r1", 4}, {"t1", 5}, {"r2", 7}, {"t2", 8}, {"out", 10}}},
    {"fit ntc sh", {{"r1", 15}, {"t1", 16}, {"r2", 18}, {"t2", 19}, {"r3", 21}, {"t3", 22}, {"out", kShFitCoefficients}}}};

class SharedCase : public ThermistorPage, public testing::WithParamInterface<cases::WorkPageCase> {};
// A shared case: tab and form clicked, settings typed, text pasted, the other field compared (a fit: its out).
TEST_P(SharedCase, ShowsWhatTheCommandLineWrites)
{
    const cases::WorkPageCase& row = GetParam();
    const std::string page = row.page;
    std::string form = "beta";
    for (const cases::Setting& s : row.settings) form = std::string_view(s.name) == "mode" ? s.text : form;
    const std::map<std::string, int>& ids = kCaseFields.at(page + " " + form);
    Scenario steps;
    if (page != "ntc") steps.push_back({Act::Click, kTabFit});
    if (form != "beta") steps.push_back({Act::Click, form == "sh" ? kSh : kExt});
    for (const cases::Setting& s : row.settings)
        if (std::string_view(s.name) != "mode") steps.push_back({Act::Type, ids.at(s.name), s.text});
    if (page == "ntc") steps.push_back({Act::Paste, ids.at(row.field), row.typed});
    const char* computed = page != "ntc" ? "out" : std::string_view(row.field) == "res" ? "temp" : "res";
    steps.push_back({Act::Look, 0, "", {{ids.at(computed), row.shown}}});
    test::RunScenario(Driver(), steps);
}
INSTANTIATE_TEST_SUITE_P(Convert, SharedCase, testing::ValuesIn(cases::CasesOf("ntc")), test::RowName{});
INSTANTIATE_TEST_SUITE_P(Fit, SharedCase, testing::ValuesIn(cases::CasesOf("fit ntc")), test::RowName{});

// The template's thermistor with the given method.
StandardRecord Template(const char* method)
{
    StandardRecord record(StandardKind::Thermistor);
    const char* const values[][2] = {{"ProductNo", "20230107003"}, {"Method", method},          {"R25", "10000"},
                                     {"Beta", "3380.13"},          {"A", "0.8744102777E-3"},   {"B", "2.537694912E-4"},
                                     {"C", "1.821320203E-7"},      {"D", "5e-8"}};
    for (const auto& kv : values) record.SetValue(kv[0], kv[1]);
    return record;
}

struct ChooseRow {
    const char* name;
    const char* method;
    int checked;
    std::vector<std::pair<int, QString>> shows;
};

class ThermistorChoose : public ThermistorPage, public testing::WithParamInterface<ChooseRow> {};
// A choice selects "T↔R" and its form, writes the coefficients and empties the resistance and temperature.
TEST_P(ThermistorChoose, LoadsTheStandard)
{
    const ChooseRow& row = GetParam();
    for (int id : {5, 7, 17, 19, 29, 31}) Convert()->edit(id)->setText(QStringLiteral("1"));
    ClickTab(kNtcTabFit);
    StandardChooser::Of(*m_page).Choose(Template(row.method));
    EXPECT_EQ(m_page->selectedTab(), kNtcTabConvert);
    EXPECT_TRUE(Convert()->modeButton(static_cast<NtcMode>(row.checked - kBeta))->isChecked());
    for (const auto& [id, text] : row.shows) EXPECT_EQ(Convert()->edit(id)->text(), text) << id;
}

const ChooseRow kChoices[] = {
    {"Beta", "1", kBeta, {{1, "10000."}, {3, "3380.13"}, {5, ""}, {7, ""}, {17, "1"}}},
    // Regression: A written "0.0008744" (ShowValue 12, 7) made 10 kΩ read 23.74 °C, not 25.00.
    {"SteinhartHart", " 2.0", kSh,
     {{11, "8.744102777e-004"}, {13, "2.537694912e-004"}, {15, "1.821320203e-007"}, {17, ""}, {19, ""}, {5, "1"}}},
    {"Extended", "3", kExt, {{27, "5.e-008"}, {29, ""}, {31, ""}}},
    {"NoMethod", "4", kBeta, {{1, ""}, {5, "1"}, {7, "1"}}}};
INSTANTIATE_TEST_SUITE_P(Methods, ThermistorChoose, testing::ValuesIn(kChoices), test::RowName{});

// Through the store: the manager's Choose (queued) and a product list pick load alike; the list follows.
TEST_F(ThermistorPage, ManagerAndProductListLoadFromTheFile)
{
    StandardsStore& store = m_scratch.store;
    constexpr StandardKind kNtc = StandardKind::Thermistor;
    for (const char* method : {"1", "3"}) {
        StandardRecord record(kNtc);
        ASSERT_EQ(store.AddStandard(kNtc, record), StoreStatus::Ok);
        ASSERT_EQ(store.SetStandardValue(kNtc, store.Names(kNtc).size() - 1, "Method", method), StoreStatus::Ok);
    }
    m_library.products(kNtc).Refresh();
    QComboBox* list = Convert()->productList();
    ASSERT_EQ(list->count(), 2);
    ClickTab(kNtcTabConfigure);
    auto* manager = static_cast<StandardsManager*>(m_page->subPage(kNtcTabConfigure));
    const QRect secondRow = manager->list()->visualRect(manager->list()->model()->index(1, 0));
    QTest::mouseClick(manager->list()->viewport(), Qt::RightButton, {}, secondRow.center());
    manager->RunCommand(ManagerCommand::Choose);
    QApplication::processEvents();
    EXPECT_EQ(m_page->selectedTab(), kNtcTabConvert);
    EXPECT_EQ(Convert()->mode(), NtcMode::Extended);
    EXPECT_EQ(list->currentIndex(), 1);
    list->setFocus();
    QTest::keyClick(list, Qt::Key_Up);  // the user's pick of the first standard
    EXPECT_EQ(Convert()->mode(), NtcMode::Beta);
    EXPECT_EQ(Convert()->edit(kNtcR25)->text(), QStringLiteral("10000."));
    EXPECT_EQ(Convert()->edit(kNtcBeta)->text(), QStringLiteral("3380.13"));
}

// Names for screen readers and tests, the registry's page five, readable texts in both languages.
TEST_F(ThermistorPage, NamesRegistryAndTextsInBothLanguages)
{
    EXPECT_EQ(Fit()->objectName(), QStringLiteral("rmdzCalCoffe"));
    QStringList names;
    for (int id : {1, 3, 5, 7}) names << Convert()->edit(id)->accessibleName();
    EXPECT_EQ(names.join('|'), QStringLiteral("R(25℃) Ω|β|Resistance Ω|Temperature ℃"));
    names.clear();
    for (int id : {4, 8, 10, 16, 22, 24, 28}) names << Fit()->edit(id)->accessibleName();
    EXPECT_EQ(names.join('|'), QStringLiteral("temp pt 1 Resistance Ω|temp pt 2 Temperature ℃|β =|"
                                              "Temperature Point 1 Temperature ℃|Temperature Point 3 Temperature ℃|"
                                              "A =|C ="));
    EXPECT_FALSE(Fit()->edit(3)->isEnabled());
    EXPECT_TRUE(Fit()->edit(4)->isEnabled());

    // Every label of every panel and grid is whole and clear of the edit boxes, in both languages.
    for (Language language : {Language::English, Language::Chinese}) {
        SetLanguage(language);
        Open();
        for (NtcMode mode : {NtcMode::Beta, NtcMode::SteinhartHart, NtcMode::Extended}) {
            QTest::mouseClick(Convert()->modeButton(mode), Qt::LeftButton, {}, QPoint(8, 8));
            EXPECT_EQ(test::UnreadableTexts(*Convert()), std::vector<std::string>{}) << static_cast<int>(mode);
        }
        for (int k = 0; k < 2; ++k) {
            ClickTab(kNtcTabFit);
            QTest::mouseClick(Fit()->modeButton(k), Qt::LeftButton, {}, QPoint(8, 8));
            EXPECT_EQ(Fit()->steinhartHartShown(), k == 1);
            EXPECT_EQ(test::UnreadableTexts(*Fit()), std::vector<std::string>{}) << k;
        }
    }
    QWidget host;
    std::unique_ptr<QWidget> page(PageRegistry()[5].create({&host, test::PageRectAtOrigin(), 200, &m_library}));
    ASSERT_NE(qobject_cast<ContainerPage*>(page.get()), nullptr);
    EXPECT_EQ(page->findChild<NtcConvertSubPage*>()->objectName(), QStringLiteral("rmdzRtoT"));
}

}  // namespace
}  // namespace tmcalc
