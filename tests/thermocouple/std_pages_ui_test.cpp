// The standard thermocouple page as a user meets it: the S, B, coefficient and manager sub-pages, driven by
// clicking, typing and pasting, in both languages.
#include "thermocouple/ui/std_pages.h"

#include "cases/work_page_cases.h"
#include "framework/ui/container_page.h"
#include "framework/ui/numeric_edit.h"
#include "framework/ui/sub_page_tabs.h"
#include "framework/ui/ui_context.h"
#include "page_scenario.h"
#include "resources/string_table.h"
#include "standards/ui/standards_library.h"
#include "standards/ui/standards_manager.h"
#include "thermocouple/ui/std_b_sub_page.h"
#include "thermocouple/ui/std_s_calculator_sub_page.h"
#include "thermocouple/ui/std_s_sub_page.h"
#include "test_support.h"
#include "ui_text_check.h"
#include "standards/standards_test_support.h"

#include <gtest/gtest.h>
#include <QComboBox>
#include <QLabel>
#include <QRadioButton>

#include <array>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace tmcalc {
namespace {

using enum test::Act;
using test::Scenario;

// Groups and pseudo-fields of the scenarios.
constexpr int kFixed = -1;          // 221|222|223 (type S), the rows 781-785 (type B), the inputs 1|3|5
constexpr int kLabels = -2;         // the labels of the nine value rows, "-" for a hidden row
constexpr int kUnits = -3;          // the units of the first five value rows
constexpr int kCalcOut = -4;        // the calculator's a|b|c
constexpr int kHighRange = -5;      // the nine value rows 781-789
constexpr int kMode = -6;           // the checked mode (pseudo-field), and clicks on the modes 1-3 below
constexpr int kSTable = -7;         // the type S panel text (pseudo-field)
constexpr int kByTemperature = -8;  // what a typed temperature computes: emf|slope
constexpr int kByEmf = -9;          // what a typed emf computes: temperature|slope

struct NamedScenario {
    const char* name;
    int tab;
    Scenario steps;
};

// The template standard's fixed points (mV at Zn, Al, Cu); NIST ITS-90 type B emfs at 1100-1500 °C; and the
// NIST type B coefficients of 630.615-1820 °C (µV), typed as a0..a8.
const QString kTemplate = QStringLiteral("3.4472|5.8605|10.5822");
const QString kBFixed = QStringLiteral("5.780|6.786|7.848|8.956|10.099");
const QString kBHigh = QStringLiteral(
    "-3893.8168621|28.57174747|-0.084885104785|0.00015785280164|-1.6835344864e-7|1.1109794013e-10|"
    "-4.4515431033e-14|9.8975640821e-18|-9.3791330289e-22");

class StdPages : public ::testing::Test {
protected:
    void SetUp() override { Open(); }
    void TearDown() override { SetLanguage(Language::English); }

    void Open()
    {
        m_container.reset();
        m_library.emplace(m_scratch.store);
        m_container.reset(CreateStdThermocouplePage(nullptr, test::PageRectAtOrigin(), *m_library));
        ASSERT_TRUE(test::ShowActive(m_container.get()));
    }

    void ClickTab(int tab)
    {
        const Rect r = SubPageTabRects(m_container->clientArea().width, 4)[static_cast<std::size_t>(tab)];
        QTest::mouseClick(m_container->tabs(), Qt::LeftButton, {}, QPoint(r.x + r.width / 2, r.height / 2));
    }

    [[nodiscard]] Page* Sub(int tab) const { return static_cast<Page*>(m_container->subPage(tab)); }
    [[nodiscard]] auto* S() const { return static_cast<StdSSubPage*>(Sub(kTabStdS)); }
    [[nodiscard]] auto* B() const { return static_cast<StdBSubPage*>(Sub(kTabStdB)); }

    [[nodiscard]] test::PageDriver Driver(int tab)
    {
        test::PageDriver page{[this, tab](int id) { return id < 0 ? nullptr : Sub(tab)->edit(id); }};
        page.group = [tab](int group) -> std::vector<int> {
            if (group == kFixed && tab == kTabStdSCalculator) return {kCalcZinc, kCalcAluminium, kCalcCopper};
            if (group == kFixed) return tab == kTabStdS ? std::vector{221, 222, 223} : std::vector{781, 782, 783, 784, 785};
            if (group == kCalcOut) return {kCalcA, kCalcB, kCalcC};
            if (group == kHighRange) return {781, 782, 783, 784, 785, 786, 787, 788, 789};
            if (group == kByTemperature) return tab == kTabStdS ? std::vector{224, 225} : std::vector{792, 793};
            if (group == kByEmf) return tab == kTabStdS ? std::vector{226, 225} : std::vector{791, 793};
            return {};
        };
        page.text = [this](int id) {
            QStringList texts;
            for (int row = 0; id == kLabels && row < 9; ++row) {
                const Field* f = B()->field(781 + row);
                texts << (f->edit->isVisibleTo(B()) ? f->label->text() : QStringLiteral("-"));
            }
            for (int row = 0; id == kUnits && row < 5; ++row) texts << B()->field(781 + row)->unit->text();
            if (id == kMode) return QString::number(static_cast<int>(B()->mode()));
            if (id == kSTable) return S()->tableText();
            return texts.join(QLatin1Char('|'));
        };
        page.click = [this](int mode) { B()->modeButton(static_cast<StdBMode>(mode))->click(); };
        return page;
    }

    test::ScratchStandards m_scratch;
    std::optional<StandardsLibrary> m_library;
    std::unique_ptr<ContainerPage> m_container;
};

const NamedScenario kScenarios[] = {
    {"SEmptiedEmfEmptiesTheOutputs", kTabStdS, {{Type, kFixed, kTemplate}, {Type, 227, "0"},
        {Type, 224, "9.5923903", {{226, "#"}, {225, "#"}}}, {Back, 224, "9", {{226, ""}, {225, ""}}}}},
    {"SNothingWithoutFixedPoints", kTabStdS, {{Type, 227, "0"}, {Type, 226, "1000", {{224, ""}, {225, ""}}},
        {Type, 224, "9.59", {{226, "1000"}, {225, ""}}}, {Type, kFixed, "3.4472|5.8605|0", {{kSTable, "#"}}},
        {Over, 226, "1000", {{224, "9.59"}}}}},
    {"SNothingWithoutColdJunction", kTabStdS,
     {{Type, kFixed, kTemplate}, {Type, 226, "1000", {{224, ""}}}, {Type, 224, "9.5", {{226, "1000"}}}}},
    // Pasted nonsense: no crash, no stall, out-of-range texts where a number cannot be had.
    {"SBadInput", kTabStdS, {{Type, kFixed, kTemplate}, {Type, 227, "0"}, {Paste, 224, "1e999", {{226, "OUT"}}},
        {Paste, 227, "1e999", {{224, "*"}}}, {Paste, 221, "1e999", {{kSTable, "#"}}}}},
    // A new cold junction re-reads the emf and leaves it as it is.
    {"BHighRange", kTabStdB, {{Click, 2, "", {{kMode, "2"}, {kLabels, "a0|a1|a2|a3|a4|a5|a6|a7|a8"}}},
        {Type, kHighRange, kBHigh}, {Type, 790, "0"}, {Type, 791, "1000", {{792, "4.8343387"}, {793, "#"}}},
        {Over, 790, "20", {{791, "999.7172855"}, {792, "4.8343387"}}}}},
    // Switching modes relabels and empties the value rows, not the conversion fields; the same mode keeps them.
    {"BModeSwitching", kTabStdB, {{Look, 0, "", {{kMode, "1"}, {kLabels, "a1|a2|a3|a4|a5|a6|-|-|-"}}},
        {Type, kFixed, "1|2|3|4|5"}, {Type, 790, "20"}, {Type, 792, "1"}, {Click, 1, "", {{kFixed, "1|2|3|4|5"}}},
        {Click, 3, "", {{kMode, "3"}, {kLabels, "1100℃|1200℃|1300℃|1400℃|1500℃|-|-|-|-"},
                        {kUnits, "mV|mV|mV|mV|mV"}, {kFixed, "||||"}, {790, "20"}, {792, "1"}}},
        {Click, 1, "", {{kLabels, "a1|a2|a3|a4|a5|a6|-|-|-"}, {kUnits, "||||"}, {790, "20"}}}}},
    // A row without a number stops the conversion; an emf the fixed points never reach gives up in time.
    {"BBadInput", kTabStdB, {{Type, kFixed, "1|2|3|4|5"}, {Type, 790, "0"}, {Type, 791, "1000", {{792, ""}}},
        {Type, 786, "0"}, {Over, 791, "1000", {{792, "#"}}},
        {Click, 3}, {Type, kFixed, kBFixed}, {Paste, 792, "99", {{791, "*"}}}}},
    // The published example; nothing until all three inputs are non-zero.
    {"CalculatorTemplate", kTabStdSCalculator,
     {{Type, kCalcZinc, "3.4472"}, {Type, kCalcAluminium, "5.8605", {{kCalcOut, "||"}}},
      {Type, kCalcCopper, "10.5822", {{kCalcCopper, "10.5822"}, {kCalcOut, "0.006998044679556|-0.000026224086768|0.000000024518735"}}},
      // Emptied key by key: "1" still computes, the empty text changes nothing.
      {Back, kCalcCopper, "7", {{kCalcOut, "-9.39952739112104|0.036640855894596|-0.000033931197266"}}}}},
};

class StdPageScenarios : public StdPages, public ::testing::WithParamInterface<NamedScenario> {};
TEST_P(StdPageScenarios, Run)
{
    ClickTab(GetParam().tab);
    ASSERT_EQ(m_container->selectedTab(), GetParam().tab);
    test::RunScenario(Driver(GetParam().tab), GetParam().steps);
}
INSTANTIATE_TEST_SUITE_P(Std, StdPageScenarios, ::testing::ValuesIn(kScenarios), test::RowName{});

class SharedCase : public StdPages, public ::testing::WithParamInterface<cases::WorkPageCase> {};
// A row of the shared page cases: mode clicked, settings typed (B's values top down), the text pasted whole
// (typing "1e999" key by key would first run out the iteration on 1e99); the calculator computes on its last.
TEST_P(SharedCase, ShowsWhatTheCommandLineWrites)
{
    const cases::WorkPageCase& row = GetParam();
    const std::string_view field = row.field;
    const bool calculator = std::string_view(row.page) == "fit stdtc";
    const int tab = calculator ? kTabStdSCalculator : *row.sensor == 'B' ? kTabStdB : kTabStdS;
    static const std::map<std::string_view, std::array<int, 3>> kIds{  // on the tabs S, B, calculator
        {"zn", {221, 0, kCalcZinc}}, {"al", {222, 0, kCalcAluminium}}, {"cu", {223, 0, kCalcCopper}},
        {"cold", {227, 790, 0}},     {"temp", {226, 791, 0}},          {"emf", {224, 792, 0}}};
    Scenario steps;
    int value = 781;  // the next of type B's value rows
    for (const cases::Setting& s : row.settings) {
        const std::string_view name = s.name, text = s.text;
        if (name == "mode")
            steps.push_back({Click, text == "high" ? 2 : text == "fixed" ? 3 : 1});
        else
            steps.push_back({Type, kIds.contains(name) ? kIds.at(name)[tab] : value++, s.text});
    }
    if (!field.empty()) steps.push_back({Paste, kIds.at(field)[tab], row.typed});
    const int computed = calculator ? kCalcOut : field == "emf" ? kByEmf : kByTemperature;
    steps.push_back({Look, 0, "", {{computed, row.shown}}});
    ClickTab(tab);
    test::RunScenario(Driver(tab), steps);
}

INSTANTIATE_TEST_SUITE_P(Std, SharedCase, ::testing::ValuesIn(cases::CasesOf("stdtc")), test::RowName{});
INSTANTIATE_TEST_SUITE_P(Calculator, SharedCase, ::testing::ValuesIn(cases::CasesOf("fit stdtc")), test::RowName{});

// Mode 3 fits in single precision, whose summation order moves the last digits: compare with a tolerance.
TEST_F(StdPages, TypeBFixedPointsReproduceTheReferenceFunction)
{
    ClickTab(kTabStdB);
    test::RunScenario(Driver(kTabStdB), {{Click, 3}, {Type, kFixed, kBFixed}, {Type, 790, "0"}, {Type, 791, "1300"}});
    EXPECT_EQ(B()->edit(781)->accessibleName(), QStringLiteral("1100℃ mV"));  // relabelled, name and all
    // The typed emfs are the reference function rounded to 1 µV: the fit passes within a few µV.
    EXPECT_NEAR(B()->edit(792)->text().toDouble(), 7.848, 0.005);
    test::RunScenario(Driver(kTabStdB), {{Over, 790, "20"}, {Over, 792, "7.848"}});
    // The reference function's cold junction (-2.6 µV at 20 °C); the deviation extrapolated would be 2 °C off.
    EXPECT_NEAR(B()->edit(791)->text().toDouble(), 1299.8, 0.1);
}

// Never reaching 99 mV, the iteration runs out (timed by the bench: too slow unoptimised for a scenario step)
// and shows no number, not its last step.
TEST_F(StdPages, TypeBIterationThatRunsOutShowsNoNumber)
{
    ClickTab(kTabStdB);
    test::RunScenario(Driver(kTabStdB), {{Click, 2}, {Type, kHighRange, kBHigh}, {Type, 790, "0"}});
    test::PasteOver(B()->edit(792), QStringLiteral("99"));
    EXPECT_EQ(B()->edit(791)->text(), Str(kStrOutOfRange));
}

// A Choose in the manager and a pick in the product list both load the standard into tab 0.
TEST_F(StdPages, ChoosingTheTemplateStandardFillsTypeS)
{
    constexpr auto kKind = StandardKind::Thermocouple;
    StandardRecord record(kKind);
    for (int i = 0; i < 2; ++i) ASSERT_EQ(m_scratch.store.AddStandard(kKind, record), StoreStatus::Ok);
    ASSERT_EQ(m_scratch.store.SetStandardValue(kKind, 1, "Cu", "10.5830"), StoreStatus::Ok);
    Open();
    ClickTab(kTabStdS);
    test::RunScenario(Driver(kTabStdS), {{Type, 227, "5"}, {Type, 226, "100"}, {Look, 0, "", {{kSTable, Str(kStrStdSTable)}}}});
    ClickTab(kTabStdConfigure);
    auto* manager = qobject_cast<StandardsManager*>(m_container->subPage(kTabStdConfigure));
    ASSERT_NE(manager, nullptr);
    Q_EMIT manager->standardChosen(0);
    QApplication::processEvents();
    EXPECT_EQ(m_container->selectedTab(), kTabStdS);
    const QString table = S()->tableText();
    test::RunScenario(Driver(kTabStdS), {{Look, 0, "", {{kFixed, kTemplate}, {224, ""}, {225, ""}, {226, ""}, {227, ""}}}});
    EXPECT_TRUE(table.contains(QStringLiteral("a:\t0.00699804\nb:\t-2.62241e-05\nc:\t2.45187e-08"))) << table.toStdString();
    EXPECT_TRUE(table.contains(QStringLiteral("300℃\t2.323\n400℃\t3.2598\n")) && table.endsWith(QStringLiteral("c:\t2.45187e-08")))
        << table.toStdString();
    EXPECT_TRUE(table.contains(QStringLiteral("1300℃\t13.173\n")));
    EXPECT_EQ(S()->productList()->currentIndex(), 0);
    ClickTab(kTabStdB);
    Q_EMIT S()->productList()->activated(1);  // the user's pick in the list
    EXPECT_EQ(m_container->selectedTab(), kTabStdS);
    EXPECT_EQ(S()->edit(223)->text(), "10.5830");
    EXPECT_NE(S()->tableText(), table);
}

// No label or unit cut, outside its sub-page or overlapping, in both languages, with the widest labels shown.
TEST_F(StdPages, EverySubPageReadsInBothLanguages)
{
    for (Language language : {Language::English, Language::Chinese}) {
        SetLanguage(language);
        Open();
        const std::string tag = language == Language::English ? "en" : "zh";
        for (int tab = 0; tab < 3; ++tab) {
            ClickTab(tab);
            if (tab == kTabStdS)
                test::RunScenario(Driver(tab), {{Type, kFixed, kTemplate}, {Type, 227, "0"}, {Type, 226, "-12.345"}});
            if (tab == kTabStdSCalculator) {
                test::RunScenario(Driver(tab), {{Type, kFixed, kTemplate}});
                for (int id : {kCalcA, kCalcB, kCalcC}) {
                    const QLineEdit* cell = Sub(tab)->edit(id);
                    EXPECT_LE(cell->fontMetrics().horizontalAdvance(cell->text()), cell->width()) << tag << ' ' << id;
                }
            }
            for (int mode = 1; mode <= (tab == kTabStdB ? 3 : 1); ++mode) {
                if (tab == kTabStdB) test::RunScenario(Driver(tab), {{Click, mode}});
                const std::vector<std::string> problems = test::UnreadableTexts(*Sub(tab));
                EXPECT_TRUE(problems.empty()) << tag << ' ' << tab << ": " << problems.front();
            }
        }
        for (StdBMode mode : {StdBMode::LowRange, StdBMode::HighRange, StdBMode::FixedPoints}) {
            const QRadioButton* button = B()->modeButton(mode);
            EXPECT_LE(button->sizeHint().width(), button->width()) << tag << ' ' << button->text().toStdString();
        }
        EXPECT_LE(S()->productList()->geometry().bottom(), Sub(kTabStdS)->height());
        for (const Field* f : S()->fields())  // the product list hides no field
            for (const QWidget* w : std::initializer_list<const QWidget*>{f->label, f->edit, f->unit})
                EXPECT_FALSE(S()->productList()->geometry().intersects(w->geometry())) << tag << ' ' << f->id;
    }
}

}  // namespace
}  // namespace tmcalc
