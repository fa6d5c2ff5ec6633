// Through the real work-thermocouple container: the sub-pages are reached by their tabs. This file must
// not include the sub-page header (the application headers name the type count too).
#include "app/pages.h"

#include "framework/numeric_edit.h"
#include "framework/ui_context.h"
#include "thermocouple/work_pages.h"
#include "ui_test_util.h"

#include <gtest/gtest.h>

namespace tmcalc {
namespace {

constexpr int kCelsius = 0;
constexpr int kEmf = 10;
constexpr int kSlope = 11;
constexpr int kColdJunction = 12;

class WorkContainerTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        const Rect page = PageRect(Ui().geometry);
        m_container = std::make_unique<ThermocoupleContainer>(nullptr, QRect(0, 0, page.width, page.height));
        ASSERT_TRUE(test::ShowActive(m_container.get()));
    }

    void ClickTab(int tab)
    {
        const ThermocoupleTabs tabs = ComputeThermocoupleTabs(m_container->clientArea().width);
        const Edges& e = tabs.tabs[static_cast<std::size_t>(tab)];
        const QPoint centre((e.left + e.right) / 2, (e.top + e.bottom) / 2);
        QTest::mouseClick(m_container.get(), Qt::LeftButton, {}, centre + m_container->clientRect().topLeft());
    }

    Page* shown() const { return static_cast<Page*>(m_container->subPage(m_container->selectedType())); }

    std::unique_ptr<ThermocoupleContainer> m_container;
};

TEST_F(WorkContainerTest, EachTabShowsItsOwnTypeAndKeepsItsTexts)
{
    ClickTab(5);  // E comes before J on the tabs
    ASSERT_EQ(m_container->selectedType(), 5);
    Page* e = shown();
    ASSERT_TRUE(e->isVisible());
    test::Type(e->edit(kColdJunction), "0");
    test::Type(e->edit(kCelsius), "100");
    EXPECT_EQ(e->edit(kEmf)->text(), "6.31893");  // NIST type E at 100 °C: 6.319 mV

    ClickTab(6);
    Page* j = shown();
    ASSERT_NE(j, e);
    EXPECT_FALSE(e->isVisible());
    test::Type(j->edit(kColdJunction), "0");
    test::Type(j->edit(kCelsius), "100");
    EXPECT_EQ(j->edit(kEmf)->text(), "5.268916");  // NIST type J at 100 °C: 5.269 mV

    ClickTab(9);
    Page* c = shown();
    test::Type(c->edit(kColdJunction), "0");
    test::Type(c->edit(kEmf), "18.260189");
    EXPECT_EQ(c->edit(kCelsius)->text(), "1000");
    EXPECT_FALSE(c->edit(kSlope)->text().isEmpty());

    ClickTab(5);
    EXPECT_EQ(shown(), e);
    EXPECT_EQ(e->edit(kEmf)->text(), "6.31893");
    EXPECT_EQ(e->edit(kCelsius)->text(), "100");
}

}  // namespace
}  // namespace tmcalc
