// The work resistance thermometer page as a user meets it: the container and its eight sub-pages driven by
// tabs, typing, pasting and buttons, in both languages, once through the main window, and the common cases.
#include "rtd/ui/rtd_pages.h"

#include "app/ui/main_window.h"
#include "cases/work_page_cases.h"
#include "framework/ui/container_page.h"
#include "framework/ui/numeric_edit.h"
#include "framework/ui/sub_page_tabs.h"
#include "framework/ui/ui_context.h"
#include "resources/string_table.h"
#include "rtd/ui/coefficient_sub_page.h"
#include "rtd/ui/nickel_sub_page.h"
#include "rtd/ui/sensor_sub_page.h"
#include "page_scenario.h"
#include "test_support.h"
#include "ui_text_check.h"
#include "standards/standards_test_support.h"

#include <gtest/gtest.h>
#include <QDir>
#include <QLabel>
#include <QRadioButton>

#include <algorithm>
#include <map>
#include <memory>
#include <ostream>
#include <string>
#include <string_view>
#include <vector>

namespace tmcalc {
namespace {

// Sensor (tabs 0-4) and nickel field ids; a grid's cells are 0-20, kCheckT and kCheckR its check row's.
constexpr int C = 0, F = 1, K = 2, R = 3, Re = 4, kRes = kRtdResistance, kSlope = kRtdSlope, kR0 = kRtdR0;
constexpr int NC = kNiCelsius, NF = NC + 1, NRes = kNiResistance, NSlope = kNiSlope, NR0 = kNiR0;
constexpr int kA = kNiFirstCoefficient;  // c1; c2 to c6 follow
constexpr int kCheckT = -1, kCheckR = -2;
// Groups: kView (sensor °C|°F|K|°R|°Re|Ω|Ω/°C|R0, nickel with the checked preset for R0, fits A|B|C|check °C|
// check Ω); nickel c1-c6 and R0; a grid's 21 cells; its points' resistances; the cells no fit reads.
constexpr int kView = -10, kParameters = -11, kGrid = -12, kPoints = -13, kPassive = -14, kChecked = -20;

const QString kNines(2000, QLatin1Char('9'));
constexpr int kTabBase = 100;  // clicks: kTabBase + tab clicks a tab, 1-4 a nickel preset button

using enum test::Act;
using test::Scenario;

struct NamedScenario { const char* name; Scenario steps; };
void PrintTo(const NamedScenario& s, std::ostream* out) { *out << s.name; }

class RtdPages : public ::testing::Test {
protected:
    void SetUp() override { OpenContainer(); }
    void TearDown() override { SetLanguage(Language::English); }

    void OpenContainer()
    {
        m_container.reset(CreateWorkRtdPage(nullptr, test::PageRectAtOrigin()));
        m_tab = 0;
        ASSERT_TRUE(test::ShowActive(m_container.get()));
    }

    [[nodiscard]] Page* SubAt(int tab) const { return static_cast<Page*>(m_container->subPage(tab)); }
    [[nodiscard]] Page* Sub() const { return SubAt(m_tab); }
    [[nodiscard]] auto* Nickel() const { return static_cast<NickelSubPage*>(SubAt(kTabNickel)); }
    [[nodiscard]] auto* Fit() const { return qobject_cast<RtdCoefficientSubPage*>(Sub()); }
    [[nodiscard]] QLineEdit* Edit(int id) const
    {
        if (id == kCheckT) return Sub()->edit(Fit()->checkTemperatureId());
        if (id == kCheckR) return Sub()->edit(Fit()->checkResistanceId());
        return Sub()->edit(id);
    }

    [[nodiscard]] std::vector<int> Ids(int group) const
    {
        std::vector<int> ids;  // none: the id is a field of its own
        if (group == kParameters) ids = {kA, kA + 1, kA + 2, kA + 3, kA + 4, kA + 5, NR0};
        if (group == kPoints) ids = {8, 11, 14};
        if (group == kPassive) ids = {0, 1, 2, 3, 6, 9, 12, 15, 16, 17, 18, 19, 20};
        for (int i = 0; group == kGrid && i < kCoefficientCellCount; ++i) ids.push_back(i);
        if (group == kView && m_tab < kTabNickel) ids = {C, F, K, R, Re, kRes, kSlope, kR0};
        if (group == kView && m_tab == kTabNickel) ids = {NC, NF, NC + 2, NC + 3, NC + 4, NRes, NSlope, kChecked};
        if (group == kView && m_tab > kTabNickel) ids = {16, 18, 20, kCheckT, kCheckR};
        return ids;
    }

    // The label or unit texts of some fields of a sub-page, joined with '|'.
    [[nodiscard]] QString Names(int tab, std::initializer_list<int> ids, QLabel* Field::*part) const
    {
        QStringList texts;
        for (int id : ids) texts << (SubAt(tab)->field(id)->*part)->text();
        return texts.join(QLatin1Char('|'));
    }

    [[nodiscard]] test::PageDriver Driver()
    {
        test::PageDriver page{[this](int id) { return Edit(id); }, [this](int group) { return Ids(group); }};
        page.text = [this](int id) {
            QString text;
            for (int k = 1; id == kChecked && k <= kNickelPresetCount; ++k)
                if (Nickel()->presetButton(k)->isChecked()) text += QString::number(k);
            return text;
        };
        page.click = [this](int id) {
            if (id >= kTabBase) {
                m_tab = id - kTabBase;
                const Rect r = SubPageTabRects(m_container->clientArea().width, 8)[static_cast<std::size_t>(m_tab)];
                const QPoint centre(r.x + r.width / 2, r.height / 2);  // the strip starts at the band's top
                QTest::mouseClick(m_container->tabs(), Qt::LeftButton, {}, centre);
                EXPECT_EQ(m_container->selectedTab(), m_tab);
                for (int i = 0; i < 8; ++i) EXPECT_EQ(SubAt(i)->isVisible(), i == m_tab) << id;
                return;
            }
            QRadioButton* b = Nickel()->presetButton(id);
            QTest::mouseClick(b, Qt::LeftButton, {}, QPoint(8, b->height() / 2));
        };
        return page;
    }

    void Run(const Scenario& steps) { test::RunScenario(Driver(), steps); }

    std::unique_ptr<ContainerPage> m_container;
    int m_tab = 0;
};

class RtdScenario : public RtdPages, public testing::WithParamInterface<NamedScenario> {};
TEST_P(RtdScenario, Steps) { Run(GetParam().steps); }

const QString kStandardPt = "0.003908300000000|-0.000000577500000|-0.000000000004129";
const QString kStandardCu = "0.004280000000000|-0.000000093146970|0.000000001230758";

const NamedScenario kScenarios[] = {
    // Every keystroke computes: the backspace leaves 10 °C.
    {"Pt100At100FillsTheStrip", {{Click, kTabBase + kTabPt100},
     {Type, C, "100", {{kView, "100|212|373.15|671.67|80|138.5055|0.3792800|100.00"}}},
     {Back, C, {}, {{kView, "10|50|283.15|509.67|8|103.9025|0.3896750|100.00"}}}}},
    // 69.25275 Ω from °F rounds up as it does from °C; °R at 0 K carries the strip's own rounding noise.
    {"Pt50FromFahrenheitAndKelvin", {{Click, kTabBase + kTabPt50},
     {Type, F, "212", {{kView, "100|212|373.15|671.67|80|69.2528|0.1896400|50.00"}}},
     {Over, K, "0", {{kView, "-273.15|-459.67|0|*|-218.52|OUT||50.00"}}}}},
    // R equal to R0 shows "0.0", typed on as "100.0" too: the driving field is never rewritten.
    {"Pt100ResistanceToTemperature", {{Click, kTabBase + kTabPt100},
     {Type, kRes, "100", {{kView, "0.0|32|273.15|491.67|0|100|0.3908300|100.00"}}},
     {Type, kRes, ".0", {{kView, "0.0|32|273.15|491.67|0|100.0|0.3908300|100.00"}}},
     {Over, kRes, "84.2707", {{kView, "-39.99988|-39.99978|233.1501|419.6702|-31.9999|84.2707|0.3957579|100.00"}}}}},
    // A new R0 counts from the next edit of a temperature or of the resistance on; R0 alone starts nothing.
    {"PtXR0CountsFromTheNextEdit", {{Click, kTabBase + kTabPtX},
     {Type, C, "100", {{kView, "100|212|373.15|671.67|80|34.6264|0.0948200|25.00"}}},
     {Over, kR0, "1000", {{kView, "100|212|373.15|671.67|80|34.6264|0.0948200|1000"}}},
     {Over, C, "100", {{kView, "100|212|373.15|671.67|80|1385.055|3.7928000|1000"}}}}},
    {"Cu100EmptyingADrivingFieldEmptiesWhatItDrives", {{Click, kTabBase + kTabCu100},
     {Type, Re, "80", {{kView, "100|212|373.15|671.67|80|142.8|0.4282990|100.00"}}},
     {Back, Re, "2", {{kView, "|||||||100.00"}}},
     {Type, kRes, "142.8", {{kView, "100|212|373.15|671.67|80|142.8|0.4282990|100.00"}}},
     {Back, kRes, "5", {{kView, "|||||||100.00"}}}}},
    // 84.2707 Ω inverts to -39.99988 °C: had the written resistance (or the slope typed) driven, °C would change.
    {"Pt100WrittenFieldsNeverConvertBack", {{Click, kTabBase + kTabPt100},
     {Type, C, "-40", {{kView, "-40|-40|233.15|419.67|-32|84.2707|0.3957579|100.00"}}},
     {Write, kRes, "200"}, {Write, F, "0", {{kView, "-40|0|233.15|419.67|-32|200|0.3957579|100.00"}}},
     {Type, kSlope, "5", {{kView, "-40|0|233.15|419.67|-32|200|0.39575795|100.00"}}}}},
    // A text without a number is 0 (0 Ω: -242 °C, beyond the band); 2000 nines are infinite, not 31 nines.
    {"Pt100PastedJunkAndHugeTexts", {{Click, kTabBase + kTabPt100},
     {Paste, C, "abc", {{kView, "abc|32|273.15|491.67|0|100|0.3908300|100.00"}}},
     {Paste, kRes, "abc", {{kView, "OUT|OUT|OUT|OUT|OUT|abc|OUT|100.00"}}},
     {Paste, F, "nan", {{kView, "OUT|nan|OUT|OUT|OUT|OUT||100.00"}}},
     {Paste, kRes, kNines, {{kView, "OUT|OUT|OUT|OUT|OUT|*|OUT|100.00"}}},
     {Paste, C, kNines, {{kView, "*|inf|inf|inf|inf|OUT||100.00"}}}}},
    // Every click loads its preset and empties the values, on the chosen button too: it restores edited ones.
    {"NickelEveryPresetClickLoadsIt", {{Click, kTabBase + kTabNickel},
     {Type, NC, "100"}, {Click, 4, {}, {{kView, "|||||||4"}}},
     {Type, NRes, "2000"}, {Over, kA, "0.006"},
     {Click, 4, {}, {{kView, "|||||||4"}, {kParameters, "0.00588025|8.28385e-06|0|7.67175e-12|0|1.49e-16|1000."}}},
     {Click, 2, {}, {{kView, "|||||||2"}, {kParameters, "0.004427|5.172e-06|5.585e-09|0|0|0|1000."}}},
     {Click, 3, {}, {{kView, "|||||||3"}, {kParameters, "0.0056472|6.69504e-06|5.68816e-09|0|0|0|1000."}}}}},
    // Coefficients and R0 count from the next edit of a value on; c3 to c6 may be junk (0).
    {"NickelCoefficientsCountFromTheNextEdit", {{Click, kTabBase + kTabNickel},
     {Type, NC, "100"}, {Over, NR0, "100"},
     {Paste, kA + 5, "junk", {{kView, "100|212|373.15|671.67|80|1617.785|6.926|1"}}},
     {Over, NC, "100", {{kView, "100|212|373.15|671.67|80|161.7805|0.6927200|1"}}}}},
    // A text without a number empties what its direction writes; at an infinite temperature the negative c6 wins.
    {"NickelPastedJunkAndHugeTexts", {{Click, kTabBase + kTabNickel},
     {Type, NC, "100"}, {Paste, NC, "abc", {{kView, "abc|32|273.15|491.67|0|||1"}}},
     {Type, NRes, "1617.785", {{kView, "100.|212|373.15|671.67|80|1617.785|6.926|1"}}},
     {Paste, NRes, "\u03a9", {{kView, "|||||\u03a9||1"}}}, {Type, NRes, "1617.785"},
     {Back, NRes, "8", {{kView, "|||||\u03a9||1"}}},
     {Paste, NC, kNines, {{kView, "*|inf|inf|inf|inf|-inf|-inf|1"}}}}},
    // Any scale drives; written texts, and typing into the slope or a coefficient, compute nothing.
    {"NickelWrittenFieldsNeverConvertBack", {{Click, kTabBase + kTabNickel},
     {Type, NF, "-76", {{kView, "-60|-76|213.15|383.67|-48|695.2026|4.662858|1"}}},
     {Write, NC, "0"}, {Write, NSlope, "0", {{kView, "0|-76|213.15|383.67|-48|695.2026|0|1"}}}, {Type, NSlope, "5"},
     {Type, kA + 2, "1", {{kView, "0|-76|213.15|383.67|-48|695.2026|05|1"}}}}},
    // C is limited by the 0.1 mΩ at -40 °C; the check row converts both ways up to a tenth of a degree beyond.
    {"PtFitAndCheckRow", {{Click, kTabBase + kTabPtCoefficient},
     {Type, kPoints, "84.2707|138.5055|212.0515", {{kView, kStandardPt + "||"}}},
     {Type, kCheckT, "100", {{kView, "*|*|*|100|138.5055000"}}},
     {Over, kCheckT, "-100", {{kView, "*|*|*|-100|60.2569107"}}},
     {Over, kCheckT, "850.1", {{kView, "*|*|*|850.1|390.5103899"}}},
     {Over, kCheckT, "850.2", {{kView, "*|*|*|850.2|OUT"}}},
     {Over, kCheckR, "138.5055", {{kView, "*|*|*|100.0000000|138.5055"}}},
     {Over, kCheckR, "60.2558", {{kView, "*|*|*|-100.0027407|60.2558"}}},
     {Over, kCheckR, "100", {{kView, "*|*|*|0.|100"}}}}},  // W exactly 1
    {"PtFitEqualUpperTemperaturesGiveNoCoefficients", {{Click, kTabBase + kTabPtCoefficient},
     {Type, kPoints, "84.2707|138.5055|212.0515"}, {Paste, 13, "100", {{kView, "OUT|OUT|OUT||"}}},
     {Type, kCheckT, "50", {{kView, "OUT|OUT|OUT|50|OUT"}}},
     {Paste, 13, "300", {{kView, kStandardPt + "|50|OUT"}}}}},
    // Nothing until every input is filled in, nor when written with no input focused, nor typed into a
    // heading, name or result; the eight inputs share one focus flag: moving between them and typing fits.
    {"PtFitOnlyTheEightInputCellsFit", {{Click, kTabBase + kTabPtCoefficient},
     {Type, 8, "84.2707"}, {Type, 11, "138.5055", {{kView, "||||"}}}, {Focus, 0},
     {Write, 14, "212.0515", {{kView, "||||"}}},
     {Type, kPassive, "5|5|5|5|5|5|5|5|5|5|5|5|5", {{kView, "5|5|5||"}}},
     {Type, 14, {}, {{kView, "5|5|5||"}}},  // focus and no change
     {Focus, 5}, {Back, 14}, {Type, 14, "5", {{kView, kStandardPt + "||"}}}}},
    // Before any fit the coefficients are zero: R0 (1 + 0 t); R0 or the value without a number: nothing.
    {"PtFitCheckRowBeforeAnyFit", {{Click, kTabBase + kTabPtCoefficient},
     {Type, kCheckT, "50", {{kView, "|||50|100.0000000"}}}, {Over, kCheckR, "120", {{kView, "|||OUT|120"}}},
     {Paste, 5, "abc"}, {Over, kCheckT, "25", {{kView, "|||25|120"}}}, {Paste, 5, "100"},
     {Paste, kCheckT, "junk", {{kView, "|||junk|120"}}}}},
    // A fit from a mistyped point makes the check row's Newton iteration diverge; it gives up at once.
    {"PtFitMistypedPointAnswersAtOnce", {{Click, kTabBase + kTabPtCoefficient},
     {Type, kPoints, "84.2707|138.5055|21.0515"}, {Type, kCheckR, "80.5", {{kView, "*|*|*|OUT|80.5"}}}}},
    // Cu50 at 100, 150 and -10 °C; the check row has 12 digits and decimals, trailing zeros dropped.
    {"CuFitAndCheckRow", {{Click, kTabBase + kTabCuCoefficient},
     {Type, kPoints, "71.4|82.1343|47.8542", {{kView, kStandardCu + "||"}}},
     {Type, kCheckT, "100", {{kView, "*|*|*|100|71.4"}}},
     {Over, kCheckT, "50", {{kView, "*|*|*|50|60.7039511364"}}},
     {Over, kCheckT, "150.2", {{kView, "*|*|*|150.2|OUT"}}},
     {Over, kCheckR, "60", {{kView, "*|*|*|46.7082324705|60"}}},
     {Over, kCheckR, "50", {{kView, "*|*|*|0.|50"}}}}},
    // A result cell is passive; two points at 100 °C leave the previous coefficients, shown again.
    {"CuFitSingularSystemKeepsThePreviousCoefficients", {{Click, kTabBase + kTabCuCoefficient},
     {Type, kPoints, "71.4|82.1343|47.8542"},
     {Type, 16, "9", {{kView, "0.0042800000000009|-0.000000093146970|0.000000001230758||"}}},
     {Paste, 10, "100", {{kView, kStandardCu + "||"}}},
     {Type, kCheckT, "100", {{kView, "*|*|*|100|71.4"}}}}},
    // Every sub-page keeps its texts, and the fit its coefficients, while others are shown.
    {"TextsSurviveSwitchingTabs", {{Click, kTabBase + kTabPt100}, {Type, C, "100"}, {Click, kTabBase + kTabCu50},
     {Type, C, "100", {{kView, "100|212|373.15|671.67|80|71.4|0.2141495|50.00"}}},
     {Click, kTabBase + kTabNickel}, {Type, NC, "100", {{kView, "100|212|373.15|671.67|80|1617.785|6.926|1"}}},
     {Click, kTabBase + kTabPtCoefficient},
     {Type, kPoints, "84.2707|138.5055|212.0515", {{kView, kStandardPt + "||"}}},
     {Click, kTabBase + kTabPt100, {}, {{kView, "100|212|373.15|671.67|80|138.5055|0.3792800|100.00"}}},
     {Click, kTabBase + kTabCu50, {}, {{kView, "100|212|373.15|671.67|80|71.4|0.2141495|50.00"}}},
     {Click, kTabBase + kTabNickel, {}, {{kView, "100|212|373.15|671.67|80|1617.785|6.926|1"}}},
     {Click, kTabBase + kTabPtCoefficient}, {Type, kCheckT, "100", {{kView, kStandardPt + "|100|138.5055000"}}}}},
};

INSTANTIATE_TEST_SUITE_P(Rows, RtdScenario, testing::ValuesIn(kScenarios), test::RowName{});

// A common row as a user enters it: tab, preset, settings pasted, value typed; own nickels start empty.
class RtdRow : public RtdPages, public testing::WithParamInterface<cases::WorkPageCase> {};

TEST_P(RtdRow, ShowsTheSharedTexts)
{
    const cases::WorkPageCase& c = GetParam();
    const std::string_view sensor = c.sensor, page = c.page;
    const bool nickel = sensor.starts_with("ni"), fit = page != "rtd";
    const std::string_view tabs[] = {"pt100", "pt50", "ptx", "cu100", "cu50", "ni", "fit pt", "fit cu"};
    const std::string_view presets[] = {"ni", "ni-nd", "ni-nl", "ni-nj", "ni-na"};
    const std::string_view tab = fit ? page : nickel ? "ni" : sensor;
    Scenario steps{{Click, kTabBase + static_cast<int>(std::ranges::find(tabs, tab) - tabs)}};
    const int preset = static_cast<int>(std::ranges::find(presets, sensor) - presets);
    if (preset > 0 && preset <= kNickelPresetCount) steps.push_back({Click, preset});
    for (int k = 0; preset == 0 && k < 6; ++k) steps.push_back({Paste, kA + k});
    std::map<std::string, int> ids{{"temp", nickel ? NC : C}, {"res", nickel ? NRes : kRes},
                                   {"r0", nickel ? NR0 : kR0}, {"a", kA}, {"b", kA + 1}, {"c", kA + 2},
                                   {"d", kA + 3}, {"e", kA + 4}, {"f", kA + 5}};
    if (fit) ids = {{"r0", 5}, {"t1", 7}, {"r1", 8}, {"t2", 10}, {"r2", 11}, {"t3", 13}, {"r3", 14}};
    for (const cases::Setting& s : c.settings) steps.push_back({Paste, ids.at(s.name), s.text});
    const QString typed = c.typed;
    const test::Act entry = std::ranges::all_of(typed, IsNumericFieldChar) ? Type : Paste;
    if (!fit) steps.push_back({entry, ids.at(c.field), typed});
    std::vector<int> outputs{16, 18, 20};
    if (!fit) outputs = {ids.at(std::string_view(c.field) == "temp" ? "res" : "temp"), nickel ? NSlope : kSlope};
    const QStringList texts = QString(c.shown).split(QLatin1Char('|'));
    ASSERT_EQ(texts.size(), std::ssize(outputs));
    for (qsizetype i = 0; i < texts.size(); ++i) steps.back().shows.push_back({outputs[i], texts[i]});
    Run(steps);
}

INSTANTIATE_TEST_SUITE_P(Sensors, RtdRow, testing::ValuesIn(cases::CasesOf("rtd")), test::RowName{});
INSTANTIATE_TEST_SUITE_P(PtFit, RtdRow, testing::ValuesIn(cases::CasesOf("fit pt")), test::RowName{});
INSTANTIATE_TEST_SUITE_P(CuFit, RtdRow, testing::ValuesIn(cases::CasesOf("fit cu")), test::RowName{});

// The tab band under the title band, the sub-pages two pixels lower, each opening empty but for its defaults.
TEST_F(RtdPages, OpensOnPt100UnderTheTitleAndTheTabs)
{
    EXPECT_EQ(m_container->titleId(), 107);
    EXPECT_EQ(m_container->tabs()->geometry(), QRect(1, 94, 1052, 46));
    const char* const names[] = {"gyrdzPt100", "gyrdzPt50", "gyrdzPtX",        "gyrdzCu100",
                                 "gyrdzCu50",  "gyrdzNi",   "gyrdzPtCalCoffe", "gyrdzCuCalCoffe"};
    for (int i = 0; i < 8; ++i) {
        EXPECT_EQ(SubAt(i)->geometry(), QRect(1, 142, 1052, 394)) << i;
        EXPECT_EQ(SubAt(i)->objectName(), names[i]);
    }
    for (int i = 0; i < kTabNickel; ++i) EXPECT_EQ(SubAt(i)->edit(kR0)->isEnabled(), i == kTabPtX) << i;
    const QImage image = m_container->grab().toImage();
    EXPECT_EQ(image.pixelColor(60, 100), QColor(238, 138, 138));  // Pt100 tab selected in this page's colour
    const QColor line = image.pixelColor(500, 140);  // the selection colour at alpha 200 over white
    EXPECT_GT(line.red() - line.green(), 50);
    EXPECT_EQ(image.pixelColor(500, 300), QColor(Qt::white));

    const char* const defaults[] = {"100.00", "50.00", "25.00", "100.00", "50.00", "1"};
    for (int tab = 0; tab <= kTabNickel; ++tab)
        Run({{Click, kTabBase + tab, {}, {{kView, QString("|||||||") + defaults[tab]}}}});
    Run({{Look, 0, {}, {{kParameters, "0.005485|6.65e-06|0|2.805e-11|0|-2e-17|1000."}}},
         {Click, kTabBase + kTabPtCoefficient, {}, {{kView, "||||"}, {kGrid, "|Temperature \u2103|"
          "Resistance \u03a9|R0|0|100|neg temp pt|-40||posi temp pt|100||posi temp pt|300||A||B||C|"}}},
         {Click, kTabBase + kTabCuCoefficient, {}, {{kView, "||||"}, {kGrid, "|Temperature \u2103|"
          "Resistance \u03a9|R0|0|50|temp pt|100||temp pt|150||temp pt|-10||\u03b1||\u03b2||\u03b3|"}}}});
}

// Labels and units where they name a field; a coefficient cell is named for screen readers by its headings.
TEST_F(RtdPages, LabelsUnitsAndAccessibleNames)
{
    const auto label = &Field::label, unit = &Field::unit;
    EXPECT_EQ(Names(kTabCu50, {C, kRes, kSlope, kR0}, label), " |Resistance|Differential thermal resist.|R0");
    EXPECT_EQ(Names(kTabCu50, {C, F, K, R, Re, kRes, kSlope, kR0}, unit),
              "\u2103|\u2109|K|\u00b0R|\u00b0Re|\u03a9|\u03a9/\u2103|\u03a9");
    EXPECT_EQ(Names(kTabNickel, {kA, NR0, NSlope}, label), "A = |R(0\u2103\uff09|Differential Resis.");
    EXPECT_EQ(Names(kTabNickel, {NF, NSlope, NR0}, unit), "\u00b0F|\u03a9/\u2103|");
    EXPECT_EQ(Nickel()->presetButton(1)->text(), "ND(6180 ppm/K)");
    EXPECT_EQ(Nickel()->presetButton(4)->text(), "NA(6720 ppm/K)");
    EXPECT_EQ(Names(kTabPtCoefficient, {3042, 3043}, label) + Names(kTabPtCoefficient, {3042, 3043}, unit),
              "Temperature|Resistance\u2103|\u03a9");
    EXPECT_EQ(Names(kTabCuCoefficient, {3044}, label), "Temperature");
    Run({{Click, kTabBase + kTabPtCoefficient}});
    EXPECT_EQ(Edit(0)->alignment() & Qt::AlignHCenter, Qt::AlignHCenter);
    EXPECT_EQ(Edit(8)->accessibleName(), "neg temp pt Resistance \u03a9");
    EXPECT_EQ(Edit(4)->accessibleName(), "R0 Temperature \u2103");
    EXPECT_EQ(Edit(20)->accessibleName(), "C");
}

TEST_F(RtdPages, NickelArrowKeysMoveThePresetToo)
{
    Run({{Click, kTabBase + kTabNickel}});
    Nickel()->presetButton(1)->setFocus();
    QTest::keyClick(Nickel()->presetButton(1), Qt::Key_Down);
    Run({{Look, 0, {}, {{kView, "|||||||2"}, {kParameters, "0.004427|5.172e-06|5.585e-09|0|0|0|1000."}}}});
}

// A zero or no number in R0, c1 or c2 is "not filled in": nothing is written, yet the strip follows °C.
TEST_F(RtdPages, NickelUnfilledR0C1OrC2WritesNothing)
{
    Run({{Click, kTabBase + kTabNickel}, {Type, NC, "100"}});
    for (int id : {NR0, kA, kA + 1}) {
        const QString kept = Edit(id)->text();
        for (const char* unfilled : {"0", "-0", "abc", ""}) {
            Run({{Paste, id, unfilled}});
            const QString before = Edit(NRes)->text();
            Run({{Over, NC, "50", {{kView, "50|122|323.15|581.67|40|" + before + "|6.926|1"}}},
                 {Over, NRes, "1200", {{kView, "50|122|323.15|581.67|40|1200|6.926|1"}}}});
        }
        Run({{Paste, id, kept}});
    }
}

// A zero or no number in R0 or a point is "not filled in": the results stay; R0's unread temperature fits too.
TEST_F(RtdPages, PtFitZeroOrMissingInputsLeaveTheResults)
{
    const QString fitted = kStandardPt + "||";
    Run({{Click, kTabBase + kTabPtCoefficient}, {Type, kPoints, "84.2707|138.5055|212.0515", {{kView, fitted}}}});
    for (int id : {5, 7, 8, 10, 11, 13, 14}) {
        const QString kept = Edit(id)->text();
        for (const char* unfilled : {"0", "", "abc", "-0", "0e5"}) Run({{Paste, id, unfilled, {{kView, fitted}}}});
        Run({{Paste, id, kept}});
    }
    Run({{Paste, 4, "20", {{kView, fitted}}}});
}

// Every bad text in every field: each step answers at once (Run), nothing crashes.
TEST_F(RtdPages, BadInputInEveryFieldOfEverySubPage)
{
    QStringList inputs{"0",    "-5",    "",    "abc", "1e300", "-1e300", "1e308", "-1e308",
                       "1e12", "-1e10", "nan", "inf", "-inf",  "-0",     "~",     "e-"};
    inputs << kNines << QString(2000, QChar(0x6e29)) << "4.096" + QString(1995, QLatin1Char('x'));
    for (int tab = 0; tab < kRtdSubPageCount; ++tab) {
        Run({{Click, kTabBase + tab}});
        std::vector<int> ids = {C, F, K, R, Re, kRes, kSlope, kR0};
        Scenario after;  // good values pasted after each bad one
        if (tab == kTabNickel) {
            ids = {NC, NC + 1, NC + 2, NC + 3, NC + 4, NRes, NSlope, kA, kA + 1, kA + 2, kA + 3, kA + 4, kA + 5,
                   NR0};
            after = {{Paste, NC, "25"}, {Paste, NRes, "1100"}};
        } else if (tab > kTabNickel) {
            ids = {4, 5, 7, 8, 10, 11, 13, 14, kCheckT, kCheckR, 0};
            after = {{Paste, kCheckR, "80.5"}, {Paste, kCheckT, "20"}};
        }
        for (int id : ids) {
            if (!Edit(id)->isEnabled()) continue;
            for (const QString& input : inputs) {
                Run({{Paste, id, input}});
                Run(after);
            }
            if (tab == kTabNickel) Run({{Paste, id}, {Click, 1}});
        }
    }
}

// Every sub-page in both languages, saved as PNGs: no text cut, off the page, under an edit or over another.
TEST_F(RtdPages, EverySubPageReadsInBothLanguages)
{
    const QString dir = QDir::temp().filePath(QStringLiteral("rtd_pages"));
    QDir().mkpath(dir);
    for (Language language : {Language::English, Language::Chinese}) {
        SetLanguage(language);
        OpenContainer();
        const QString tag = language == Language::English ? QStringLiteral("en") : QStringLiteral("zh");
        for (int tab = 0; tab < 8; ++tab) {
            Run({{Click, kTabBase + tab}});
            if (tab < kTabNickel) Run({{Type, C, "-123.456"}});
            if (tab == kTabNickel) Run({{Type, NRes, "1234.5678"}});
            if (tab > kTabNickel) {
                const bool pt = tab == kTabPtCoefficient;
                Run({{Type, kPoints, pt ? "84.2707|138.5055|212.0515" : "71.4|82.1343|47.8542"},
                     {Type, kCheckR, "-60.123456"}});
                EXPECT_FALSE(Edit(kCheckT)->text().isEmpty()) << tab;
            }
            const std::vector<std::string> problems = test::UnreadableTexts(*Sub());
            EXPECT_TRUE(problems.empty()) << tag.toStdString() << ' ' << tab << ": " << problems.front();
            m_container->grab().save(
                QStringLiteral("%1/%2_%3_%4.png").arg(dir, tag).arg(tab).arg(Sub()->objectName()));
        }
        for (int k = 1; k <= 4; ++k)
            EXPECT_LE(Nickel()->presetButton(k)->sizeHint().width(), Nickel()->presetButton(k)->width()) << k;
    }
    OpenContainer();  // still in Chinese
    EXPECT_EQ(Sub()->field(C)->label->text(), "\u6444\u6c0f\u5ea6");
    Run({{Type, C, "900", {{kView, "900|*|*|*|*|\u8d85\u51fa\u8303\u56f4||100.00"}}}});
}

// Navigation item 2 opens this container on Pt100, which converts there as it does alone.
TEST(RtdThroughMainWindow, NavigationItemTwo)
{
    test::ScratchStandards standards;
    MainWindow window(standards.store);
    ASSERT_TRUE(test::ShowActive(&window));
    QTest::mouseClick(&window, Qt::LeftButton, {}, QPoint(100, 100 + 2 * 54 + 20));
    ASSERT_EQ(window.currentPage(), 2);
    auto* container = qobject_cast<ContainerPage*>(window.page(2));
    ASSERT_NE(container, nullptr);
    auto* page = static_cast<Page*>(container->subPage(0));
    ASSERT_TRUE(page->isVisible());
    EXPECT_EQ(page->objectName(), "gyrdzPt100");
    test::Type(page->edit(kRtdResistance), "100");
    EXPECT_EQ(page->edit(kRtdCelsius)->text(), "0.0");
    EXPECT_EQ(page->edit(2)->text(), "273.15");
}

}  // namespace
}  // namespace tmcalc
