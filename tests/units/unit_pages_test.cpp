#include "app/ui/page_registry.h"
#include "framework/geometry.h"
#include "framework/ui/numeric_edit.h"
#include "framework/ui/ui_context.h"
#include "page_scenario.h"
#include "resources/string_table.h"
#include "units/ui/unit_page.h"
#include "units/unit_conversion.h"
#include "test_support.h"
#include "ui_text_check.h"

#include <gtest/gtest.h>
#include <QLabel>

#include <cctype>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace tmcalc {
namespace {

using test::Act;
using test::Scenario;

const QRect kPageRect = test::MainWindowPageRect();  // the page rectangle of the 1920 x 1080 main window

std::unique_ptr<UnitConversionPage> MakePage(int pageIndex, const QRect& rect = kPageRect)
{
    return std::make_unique<UnitConversionPage>(nullptr, rect, *UnitPageAt(pageIndex));
}

std::string PageName(int pageIndex)
{
    std::string name = "Page" + std::to_string(pageIndex) + "_";
    for (char c : std::string(LoadString(UnitPageAt(pageIndex)->titleId, Language::English)))
        if (std::isalnum(static_cast<unsigned char>(c)) != 0) name += c;
    return name;
}

// Every live field: typing 1 shows the engine's texts in the other live fields, not the typed or hidden ones;
// deleting it empties them. The registry makes the page of its index from the same descriptor and title, and
// every text is readable in both languages.
class EveryUnitPage : public ::testing::TestWithParam<int> {};
TEST_P(EveryUnitPage, RegisteredTypedIntoAndReadable)
{
    const UnitPage& unit = *UnitPageAt(GetParam());
    EXPECT_EQ(PageTitleId(unit.pageIndex), unit.titleId);
    const PageEntry& entry = PageRegistry()[static_cast<std::size_t>(unit.pageIndex)];
    const std::unique_ptr<QWidget> made(entry.create(PageSite{nullptr, kPageRect, entry.titleId, nullptr}));
    const auto* registered = dynamic_cast<const UnitConversionPage*>(made.get());
    ASSERT_NE(registered, nullptr);
    EXPECT_EQ(&registered->descriptor(), &unit);
    EXPECT_EQ(registered->titleId(), entry.titleId);
    const auto page = MakePage(unit.pageIndex);
    ASSERT_TRUE(test::ShowActive(page.get()));
    EXPECT_EQ(page->titleId(), unit.titleId);
    ASSERT_EQ(page->fields().size(), unit.fields.size());
    for (std::size_t k = 0; k < unit.fields.size(); ++k) {
        const UnitField& cell = unit.fields[k];
        EXPECT_EQ(page->fields()[k]->id, cell.id);
        EXPECT_EQ(page->edit(cell.id)->isVisibleTo(page.get()), !cell.dead) << cell.id;
        EXPECT_EQ(page->field(cell.id)->unit->text(), Str(cell.unitId));
    }
    for (const UnitField& driver : unit.fields) {
        if (driver.dead) continue;
        SCOPED_TRACE(driver.id);
        test::RunScenario({[&page](int id) -> QLineEdit* { return page->edit(id); }}, {{Act::Over, driver.id, "1"}});
        const UnitFieldTexts want = UnitTextsAfterEdit(unit, driver.id, u"1");
        for (std::size_t k = 0; k < unit.fields.size(); ++k) {
            const QString shown = page->edit(unit.fields[k].id)->text();
            if (unit.fields[k].dead) {
                EXPECT_TRUE(shown.isEmpty()) << "hidden cell " << unit.fields[k].id << " was written";
            } else if (unit.fields[k].id == driver.id) {
                EXPECT_EQ(shown, "1");
            } else {
                EXPECT_EQ(std::optional(shown.toStdString()), want.texts[k]) << "cell " << unit.fields[k].id;
                EXPECT_FALSE(shown.isEmpty());
            }
        }
    }
    const int last = unit.fields[static_cast<std::size_t>(unit.liveCount - 1)].id;
    test::Backspace(page->edit(last));
    for (Field* f : page->fields()) EXPECT_TRUE(f->edit->text().isEmpty()) << f->id;

    // No label or unit text is cut, outside the page or under another widget, in either language.
    for (Language language : {Language::English, Language::Chinese}) {
        SetLanguage(language);
        const auto fresh = MakePage(GetParam());
        SetLanguage(Language::English);
        EXPECT_EQ(test::UnreadableTexts(*fresh), std::vector<std::string>{}) << static_cast<int>(language);
    }
}
INSTANTIATE_TEST_SUITE_P(UnitPages, EveryUnitPage, ::testing::ValuesIn([] {
                             std::vector<int> indexes;
                             for (const UnitPage& page : UnitPages()) indexes.push_back(page.pageIndex);
                             return indexes;
                         }()),
                         [](const ::testing::TestParamInfo<int>& page) { return PageName(page.param); });

// Builder ids (10 x column + row) of the fields named below; the core tests check every unit's value.
enum : int { kNewton = 0, kDyne = 4, kKgf = 12, kLbf = 13, kPoundal = 15 };
enum : int { kMetre = 0, kKm = 1, kInch = 10, kMil = 11, kMile = 14, kAu = 26 };

struct Case {
    const char* name;
    int pageIndex;
    Scenario steps;
};
// clang-format off
const Case kCases[] = {
    {"ForceLoneMinusOrPointClearsTheOthersAndJunkAfterANumberIsIgnored", 17, {
        {Act::Type, kNewton, "-", {{kNewton, "-"}, {kKgf, ""}, {kLbf, ""}, {kPoundal, ""}}},
        {Act::Type, kNewton, "2", {{kDyne, "-200000."}}}, {Act::Over, kNewton, ".", {{kDyne, ""}, {kKgf, ""}}},
        {Act::Paste, kNewton, "5x", {{kDyne, "500000."}}}}},
    {"LengthLoneMinusReadsAsZeroAndWrittenFieldsDoNotConvert", 14, {
        {Act::Type, kKm, "-", {{kMetre, "0"}, {kMile, "0"}, {kAu, "0"}}},
        {Act::Over, kKm, "1000", {{kMetre, "1000000"}, {kMile, "621.3712"}}},
        {Act::Over, kMetre, "1", {{kMil, "39370.08"}, {kInch, "39.37008"}}},
        // the program writing a field while another holds the focus converts nothing
        {Act::Write, kInch, "7", {{kMil, "39370.08"}, {kMetre, "1"}}}}},
};
// clang-format on
void PrintTo(const Case& c, std::ostream* out) { *out << c.name; }
class UnitPageCase : public ::testing::TestWithParam<Case> {};
TEST_P(UnitPageCase, Scenario)
{
    const auto page = MakePage(GetParam().pageIndex);
    ASSERT_TRUE(test::ShowActive(page.get()));
    test::RunScenario({[&page](int id) -> QLineEdit* { return page->edit(id); }}, GetParam().steps);
}
INSTANTIATE_TEST_SUITE_P(UnitPages, UnitPageCase, ::testing::ValuesIn(kCases), test::RowName{});

// Wide grids keep every field on the page; edit boxes take clicks where a neighbour's label overlaps them.
// Squarer screens close the columns up (the area page's third column left the page); left as it is: there
// the length page's English "Centimeter" starts left of the page.
TEST(UnitPageGeometry, WideGridsKeepEveryFieldOnThePageAndTakeItsClicks)
{
    for (const QSize screen : {QSize(1920, 1080), QSize(1024, 768), QSize(1280, 1024), QSize(1600, 1200)}) {
        const ScreenOverride screenSize(screen.width(), screen.height());
        for (int pageIndex : {13, 14, 15, 16, 22}) {
            for (Language language : {Language::English, Language::Chinese}) {
                SetLanguage(language);
                const auto page = MakePage(pageIndex, ToQRect(PageRect(Ui().geometry)));
                SetLanguage(Language::English);
                const std::string where = std::to_string(screen.width()) + " x " +
                                          std::to_string(screen.height()) + ", page " + std::to_string(pageIndex);
                for (Field* f : page->fields()) {
                    if (!f->edit->isVisibleTo(page.get())) continue;
                    SCOPED_TRACE(where + ", field " + std::to_string(f->id));
                    EXPECT_TRUE(page->clientRect().contains(f->edit->geometry()));
                    EXPECT_LE(f->unit->geometry().right(), page->clientRect().right());
                    EXPECT_EQ(page->childAt(f->edit->geometry().topRight() + QPoint(-2, 2)), f->edit);
                }
                if (pageIndex != 14 || language == Language::Chinese) {
                    EXPECT_EQ(test::UnreadableTexts(*page), std::vector<std::string>{}) << where;
                }
            }
        }
    }
    // The length grid fits as it was (its pitch is pinned with the layouts); the area grid closes up: 365
    // would end the last unit at 1063.
    const auto area = WideFieldGridLayout(ComputeScreenGeometry(1920, 1080), 1052, 535, 6, 3);
    EXPECT_EQ(area[6].edit.x - area[0].edit.x, 359);
    EXPECT_LE(area[17].unit.x + area[17].unit.width, 1052);
}

}  // namespace
}  // namespace tmcalc
