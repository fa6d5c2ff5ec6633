#include "thermocouple/ui/std_pages.h"

#include "framework/ui/container_page.h"
#include "framework/ui/painters.h"
#include "resources/string_table.h"
#include "standards/ui/standards_library.h"
#include "thermocouple/std_page_layout.h"
#include "thermocouple/ui/std_b_sub_page.h"
#include "thermocouple/ui/std_s_calculator_sub_page.h"
#include "thermocouple/ui/std_s_sub_page.h"

namespace tmcalc {

ContainerPage* CreateStdThermocouplePage(QWidget* parent, const QRect& geometry, StandardsLibrary& standards)
{
    const ContainerOptions options{kStrTitleStdThermocouple, kStrFirstStdThermocoupleTab,
                                   kStdThermocoupleSubPageCount, ContainerTabs::Strip, SelectionColour(200)};
    ProductNumberModel& products = standards.products(StandardKind::Thermocouple);
    // Standards load into type S; the type B values are typed, never loaded.
    auto* page = MakeStandardsContainer(
        parent, geometry, options, products, kTabStdS,
        [&products](ContainerPage& container, QWidget* host, const QRect& rect, int tab) -> QWidget* {
            if (tab == kTabStdB) return new StdBSubPage(host, rect);
            if (tab == kTabStdSCalculator) return new StdSCalculatorSubPage(host, rect);
            return new StdSSubPage(host, rect, container, products);
        });
    page->setObjectName(QStringLiteral("StdThermocoupleContainer"));
    return page;
}

}  // namespace tmcalc
