// The uncertainty button and boxes as a user meets them on the pages that opt in: the worked examples
// typed into real widgets, the driving-field rule for u and k, the budget tooltip, and a page that shows
// exactly what it showed before once the button is off again.
#include "framework/ui/container_page.h"
#include "framework/ui/numeric_edit.h"
#include "framework/ui/page.h"
#include "framework/ui/uncertainty_panel.h"
#include "framework/ui/ui_context.h"
#include "humidity/ui/humidity_page.h"
#include "page_scenario.h"
#include "resources/string_table.h"
#include "rtd/ui/rtd_pages.h"
#include "rtd/ui/sensor_sub_page.h"
#include "thermocouple/ui/work_pages.h"
#include "thermocouple/ui/work_sub_page.h"

#include <gtest/gtest.h>

#include <QImage>
#include <QLabel>
#include <QPushButton>

#include <functional>
#include <memory>

namespace tmcalc {
namespace {

using enum test::Act;

// Scenario ids beside the fields': the u and U boxes of field f, the k box and the button.
constexpr int kU = 100000, kBigU = 200000, kKBox = -1, kButton = -2;
constexpr int u(int f) { return kU + f; }
constexpr int U(int f) { return kBigU + f; }

struct PageCase {
    const char* name;
    std::function<QWidget*()> make;  // a top-level widget holding the page
    std::function<Page*(QWidget*)> page;
};

Page* SubPage(QWidget* w, int tab)
{
    auto* container = static_cast<ContainerPage*>(w);
    container->selectTab(tab);
    return static_cast<Page*>(container->subPage(tab));
}

const PageCase kPt100{"pt100", [] { return CreateWorkRtdPage(nullptr, QRect(0, 0, 1054, 537)); },
                      [](QWidget* w) { return SubPage(w, 0); }};
const PageCase kTypeK{"type_k", [] { return CreateWorkThermocouplePage(nullptr, QRect(0, 0, 1054, 537)); },
                      [](QWidget* w) { return SubPage(w, 3); }};
const PageCase kHumidity{"humidity", [] { return new HumidityPage(nullptr, QRect(0, 0, 1054, 537)); },
                         [](QWidget* w) { return static_cast<Page*>(w); }};

class UncertaintyPages : public ::testing::Test {
protected:
    void Open(const PageCase& c)
    {
        m_window.reset(c.make());
        ASSERT_TRUE(test::ShowActive(m_window.get()));
        m_page = c.page(m_window.get());
        ASSERT_NE(m_page, nullptr);
        ASSERT_NE(m_page->uncertainty(), nullptr);
    }
    [[nodiscard]] UncertaintyPanel& Panel() const { return *m_page->uncertainty(); }
    [[nodiscard]] test::PageDriver Driver() const
    {
        return {[this](int id) -> QLineEdit* {
                    if (id == kKBox) return Panel().kBox();
                    if (id >= kBigU) return Panel().UBox(id - kBigU);
                    if (id >= kU) return Panel().uBox(id - kU);
                    return m_page->edit(id);
                },
                {},
                {},
                [this](int id) {
                    if (id == kButton) QTest::mouseClick(Panel().button(), Qt::LeftButton);
                }};
    }

    std::unique_ptr<QWidget> m_window;
    Page* m_page = nullptr;
};

TEST_F(UncertaintyPages, Pt100WorkedExampleAndTheDrivingFieldRule)
{
    Open(kPt100);
    const int F = 1, R = kRtdResistance;
    test::RunScenario(Driver(), {
        {Click, kButton, {}, {{kKBox, "2"}}},
        {Type, R, "138.5055", {{0, "100"}, {U(0), "0"}}},
        // 1 mΩ gives u(t) = 2.64 mK: U = 0.0053 °C, 0.0095 °F; the values stay as they were.
        {Type, u(R), "0.001", {{0, "100"}, {R, "138.5055"}, {U(0), "0.0053"}, {U(F), "0.0095"}}},
        {Over, kKBox, "3", {{U(0), "0.0079"}, {0, "100"}}},
        {Over, kKBox, "0", {{U(0), ""}}},   // k <= 0 gives no U
        {Over, kKBox, "2", {{U(0), "0.0053"}}},
        {Over, u(R), "-1", {{U(0), ""}}},   // a negative u gives none either
        {Over, u(R), "0.001", {{U(0), "0.0053"}}},
        // A temperature typed: the other route; the resistance's u is kept for when it drives again.
        {Over, 0, "50", {{R, "119.3971"}, {U(R), "0"}}},
        {Type, u(0), "0.01", {{U(R), "0.0077"}}},
        {Over, R, "138.5055", {{U(0), "0.0053"}, {u(R), "0.001"}}},
    });
    // The budget in the U box's tooltip: one line per input, then u_c and U.
    EXPECT_EQ(Panel().UBox(0)->toolTip().toStdString(),
              "Resistance Ω: c = 2.636575, u = 0.001, c·u = 0.002636575, 100 %\n"
              "R0 Ω: c = -3.651801, u = 0, c·u = 0, 0 %\n"
              "u_c = 0.002636575, U = 0.0053 (k = 2)");
    // Screen readers find the boxes by their fields.
    EXPECT_EQ(Panel().uBox(R)->accessibleName(), "u Resistance Ω");
    EXPECT_EQ(Panel().UBox(0)->accessibleName(), "U ℃");
    EXPECT_EQ(Panel().kBox()->accessibleName(), "k");
    EXPECT_TRUE(Panel().UBox(0)->isReadOnly());
}

TEST_F(UncertaintyPages, TypeKEmfAndColdJunction)
{
    Open(kTypeK);
    test::RunScenario(Driver(), {
        {Click, kButton},
        {Type, kTcColdJunction, "20"},
        {Type, kTcEmf, "41.276", {{0, "1020.517"}}},
        {Type, u(kTcEmf), "0.002", {{U(0), "0.10"}}},
        // The cold junction's 0.1 °C dominates: sqrt(0.0514² + 0.104²) = 0.116, U = 0.23.
        {Type, u(kTcColdJunction), "0.1", {{U(0), "0.23"}, {0, "1020.517"}, {kTcEmf, "41.276"}}},
    });
    const QString budget = Panel().UBox(0)->toolTip();
    EXPECT_TRUE(budget.contains(QStringLiteral(", 19.7 %\n"))) << budget.toStdString();
    EXPECT_TRUE(budget.contains(QStringLiteral(", 80.3 %\n"))) << budget.toStdString();
}

// With the button off again the page is what it was: every widget where it was with the same text, the
// same tab order and the same pixels; u and k typed meanwhile moved no field.
class OffIsUnchanged : public UncertaintyPages, public ::testing::WithParamInterface<PageCase> {};

TEST_P(OffIsUnchanged, GeometryTextsTabOrderAndPixels)
{
    Open(GetParam());
    const auto state = [this] {
        QStringList s;
        for (QWidget* w : m_page->findChildren<QWidget*>()) {
            // The boxes of the mechanism keep what was typed into them while they are hidden.
            if (w->objectName().startsWith(QLatin1String("u_")) || w->objectName().startsWith(QLatin1String("U_")) ||
                w->objectName() == QLatin1String("UncertaintyK"))
                continue;
            const auto* edit = qobject_cast<QLineEdit*>(w);
            const auto* label = qobject_cast<QLabel*>(w);
            s << QStringLiteral("%1 %2,%3 %4x%5 %6 %7")
                     .arg(w->objectName())
                     .arg(w->x())
                     .arg(w->y())
                     .arg(w->width())
                     .arg(w->height())
                     .arg(w->isVisible())
                     .arg(edit != nullptr ? edit->text() : label != nullptr ? label->text() : QString());
        }
        for (QWidget* w = m_page->nextInFocusChain(); w != m_page; w = w->nextInFocusChain())
            if (w->isVisible() && w->focusPolicy() & Qt::TabFocus) s << QStringLiteral("tab ") + w->objectName();
        return s;
    };
    const Field* first = m_page->fields().front();
    test::Type(first->edit, QStringLiteral("12"));
    m_page->setFocus();
    const QStringList before = state();
    const QImage pixels = m_page->grab().toImage();

    Panel().SetOn(true);
    ASSERT_TRUE(Panel().uBox(first->id) != nullptr);
    test::Type(Panel().uBox(first->id), QStringLiteral("0.5"));
    test::Type(Panel().kBox(), QStringLiteral("1"));
    Panel().SetOn(false);
    m_page->setFocus();
    EXPECT_EQ(state(), before);
    EXPECT_EQ(m_page->grab().toImage(), pixels);
    // And the state is kept: on again, the u typed is there.
    Panel().SetOn(true);
    EXPECT_EQ(Panel().uBox(first->id)->text(), "0.5");
}

INSTANTIATE_TEST_SUITE_P(Pages, OffIsUnchanged, ::testing::Values(kPt100, kTypeK, kHumidity),
                         [](const auto& row) { return std::string(row.param.name); });

// While the button is on, the boxes take the right part of their field's edit box and overlap nothing
// else the page shows, in both languages.
TEST_P(OffIsUnchanged, BoxesOverlapNothing)
{
    for (const Language language : {Language::English, Language::Chinese}) {
        SetLanguage(language);
        Open(GetParam());
        Panel().SetOn(true);
        std::vector<QWidget*> shown;
        for (QWidget* w : m_page->findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
            if (w->isVisible() && !qobject_cast<QLabel*>(w)) shown.push_back(w);
        for (std::size_t i = 0; i < shown.size(); ++i) {
            EXPECT_TRUE(m_page->rect().contains(shown[i]->geometry())) << shown[i]->objectName().toStdString();
            for (std::size_t j = i + 1; j < shown.size(); ++j) {
                // Neighbours share a frame line: one pixel of overlap is the design.
                const QRect common = shown[i]->geometry().intersected(shown[j]->geometry());
                EXPECT_TRUE(common.width() <= 1 || common.height() <= 1)
                    << shown[i]->objectName().toStdString() << " and " << shown[j]->objectName().toStdString();
            }
        }
    }
    SetLanguage(Language::English);
}

}  // namespace
}  // namespace tmcalc
