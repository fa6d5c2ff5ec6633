#include "thermistor/ui/thermistor_pages.h"

#include "framework/ui/container_page.h"
#include "framework/ui/painters.h"
#include "resources/string_table.h"
#include "standards/ui/standards_library.h"
#include "thermistor/ui/ntc_convert_sub_page.h"
#include "thermistor/ui/ntc_fit_sub_page.h"

namespace tmcalc {

ContainerPage* CreateThermistorPage(QWidget* parent, const QRect& geometry, StandardsLibrary& standards)
{
    const ContainerOptions options{kStrTitleThermistor, kStrFirstNtcTab, kNtcTabCount, ContainerTabs::Strip,
                                   SelectionColour(200)};
    ProductNumberModel& products = standards.products(StandardKind::Thermistor);
    auto* page = MakeStandardsContainer(
        parent, geometry, options, products, kNtcTabConvert,
        [&products](ContainerPage& container, QWidget* host, const QRect& rect, int tab) -> QWidget* {
            if (tab == kNtcTabFit) return new NtcFitSubPage(host, rect);
            return new NtcConvertSubPage(host, rect, container, products);
        });
    page->setObjectName(QStringLiteral("NtcContainer"));
    return page;
}

}  // namespace tmcalc
