#include "thermocouple/ui/std_pages.h"

#include "framework/ui/container_page.h"
#include "resources/string_table.h"
#include "standards/ui/standards_library.h"
#include "standards/ui/standards_manager.h"
#include "thermocouple/std_page_layout.h"
#include "thermocouple/ui/std_b_sub_page.h"
#include "thermocouple/ui/std_s_calculator_sub_page.h"
#include "thermocouple/ui/std_s_sub_page.h"

namespace tmcalc {

ContainerPage* CreateStdThermocouplePage(QWidget* parent, const QRect& geometry, StandardsLibrary& standards)
{
    const ContainerOptions options{kStrTitleStdThermocouple, kStrFirstStdThermocoupleTab, kStdThermocoupleSubPageCount,
                             ContainerTabs::Strip, QColor(238, 138, 138, 200)};
    ProductNumberModel& products = standards.products(StandardKind::Thermocouple);
    auto* page = new ContainerPage(parent, geometry, options,
                                   [&products](ContainerPage& container, QWidget* host, const QRect& rect,
                                               int tab) -> QWidget* {
                                       switch (tab) {
                                           case kTabStdS: {
                                               auto* s = new StdSSubPage(host, rect, container, products);
                                               // The type B values are typed, never loaded.
                                               QObject::connect(&container, &ContainerPage::standardChosen, s,
                                                                [s, &container](const StandardRecord& record) {
                                                                    s->LoadStandard(record);
                                                                    container.selectTab(kTabStdS);
                                                                });
                                               return s;
                                           }
                                           case kTabStdB:
                                               return new StdBSubPage(host, rect);
                                           case kTabStdSCalculator:
                                               return new StdSCalculatorSubPage(host, rect);
                                           default:
                                               return MakeConfigureSubPage(container, host, rect, products);
                                       }
                                   });
    page->setObjectName(QStringLiteral("StdThermocoupleContainer"));
    return page;
}

}  // namespace tmcalc
