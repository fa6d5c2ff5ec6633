// Through the real work-thermocouple container: the sub-pages are reached by their tabs. This file must
// not include the sub-page header.
#include "framework/ui/container_page.h"

#include "framework/ui/numeric_edit.h"
#include "framework/ui/ui_context.h"
#include "page_scenario.h"
#include "thermocouple/ui/work_pages.h"

#include <gtest/gtest.h>

#include <memory>

namespace tmcalc {
namespace {

using enum test::Act;
constexpr int kCelsius = 0, kEmf = 10, kSlope = 11, kColdJunction = 12;
constexpr int kShown = -1;  // pseudo-field: "<visible sub-pages> of tab <selected tab>"

// Each tab shows its own type alone and keeps its texts (E before J; NIST at 100 °C: E 6.319, J 5.269 mV).
TEST(WorkContainer, EachTabShowsItsOwnTypeAndKeepsItsTexts)
{
    const Rect page = PageRect(Ui().geometry);
    const std::unique_ptr<ContainerPage> container(
        CreateWorkThermocouplePage(nullptr, QRect(0, 0, page.width, page.height)));
    ASSERT_TRUE(test::ShowActive(container.get()));
    test::PageDriver driver{[&container](int id) {
        return id < 0 ? nullptr : static_cast<Page*>(container->subPage(container->selectedTab()))->edit(id);
    }};
    driver.text = [&container](int) {
        int visible = 0;
        for (int tab = 0; tab < 10; ++tab)
            if (const QWidget* sub = container->subPage(tab); sub != nullptr && sub->isVisible()) ++visible;
        return QStringLiteral("%1 of tab %2").arg(visible).arg(container->selectedTab());
    };
    driver.click = [&container](int tab) {
        const Edges e = ComputeTabRow(container->clientArea().width, 10).tabs[static_cast<std::size_t>(tab)];
        const QPoint centre((e.left + e.right) / 2, (e.top + e.bottom) / 2);
        QTest::mouseClick(container.get(), Qt::LeftButton, {}, centre + container->clientRect().topLeft());
    };
    test::RunScenario(driver, {{Click, 5, "", {{kShown, "1 of tab 5"}}}, {Type, kColdJunction, "0"},
        {Type, kCelsius, "100", {{kEmf, "6.31893"}, {kSlope, "#"}}},
        {Click, 6, "", {{kShown, "1 of tab 6"}, {kEmf, ""}}}, {Type, kColdJunction, "0"},
        {Type, kCelsius, "100", {{kEmf, "5.268916"}, {kSlope, "#"}}},
        {Click, 9, "", {{kShown, "1 of tab 9"}}}, {Type, kColdJunction, "0"},
        {Type, kEmf, "18.260189", {{kCelsius, "1000"}, {kSlope, "#"}}},
        {Click, 5, "", {{kShown, "1 of tab 5"}, {kEmf, "6.31893"}, {kCelsius, "100"}}}});
}

}  // namespace
}  // namespace tmcalc
