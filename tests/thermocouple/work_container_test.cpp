// Through the real work-thermocouple container: the sub-pages are reached by their tabs. This file must
// not include the sub-page header.
#include "framework/ui/container_page.h"

#include "framework/ui/numeric_edit.h"
#include "framework/ui/ui_context.h"
#include "thermocouple/ui/work_pages.h"
#include "ui_test_util.h"

#include <gtest/gtest.h>

#include <vector>

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
        m_container = std::unique_ptr<ContainerPage>(CreateWorkThermocouplePage(nullptr, QRect(0, 0, page.width, page.height)));
        ASSERT_TRUE(test::ShowActive(m_container.get()));
    }

    void ClickTab(int tab)
    {
        const TabRow tabs = ComputeTabRow(m_container->clientArea().width, 10);
        const Edges& e = tabs.tabs[static_cast<std::size_t>(tab)];
        const QPoint centre((e.left + e.right) / 2, (e.top + e.bottom) / 2);
        QTest::mouseClick(m_container.get(), Qt::LeftButton, {}, centre + m_container->clientRect().topLeft());
    }

    Page* shown() const { return static_cast<Page*>(m_container->subPage(m_container->selectedTab())); }

    std::unique_ptr<ContainerPage> m_container;
};

TEST_F(WorkContainerTest, EachTabShowsItsOwnTypeAndKeepsItsTexts)
{
    struct Visit { int tab, input; const char* typed; int output; const char* shown; };
    const Visit visits[] = {
        {5, kCelsius, "100", kEmf, "6.31893"},   // E comes before J on the tabs; NIST E at 100 °C: 6.319 mV
        {6, kCelsius, "100", kEmf, "5.268916"},  // NIST J at 100 °C: 5.269 mV
        {9, kEmf, "18.260189", kCelsius, "1000"},
    };
    std::vector<Page*> pages;
    for (const Visit& v : visits) {
        ClickTab(v.tab);
        ASSERT_EQ(m_container->selectedTab(), v.tab);
        Page* page = shown();
        ASSERT_TRUE(page->isVisible());
        for (Page* earlier : pages) {
            EXPECT_NE(page, earlier);
            EXPECT_FALSE(earlier->isVisible());
        }
        pages.push_back(page);
        test::Type(page->edit(kColdJunction), "0");
        test::Type(page->edit(v.input), v.typed);
        EXPECT_EQ(page->edit(v.output)->text(), v.shown) << "tab " << v.tab;
        EXPECT_FALSE(page->edit(kSlope)->text().isEmpty()) << "tab " << v.tab;
    }
    ClickTab(5);
    EXPECT_EQ(shown(), pages[0]);
    EXPECT_EQ(pages[0]->edit(kEmf)->text(), "6.31893");
    EXPECT_EQ(pages[0]->edit(kCelsius)->text(), "100");
}

}  // namespace
}  // namespace tmcalc
