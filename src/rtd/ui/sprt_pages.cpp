#include "rtd/ui/sprt_pages.h"

#include "framework/ui/container_page.h"
#include "framework/ui/painters.h"
#include "resources/string_table.h"
#include "rtd/sprt_page_layout.h"
#include "rtd/ui/sprt_certificate.h"
#include "rtd/ui/sprt_coefficient_sub_page.h"
#include "rtd/ui/sprt_conversion_sub_page.h"
#include "standards/ui/standards_library.h"

namespace tmcalc {

ContainerPage* CreateSprtPage(QWidget* parent, const QRect& geometry, StandardsLibrary& standards)
{
    const ContainerOptions options{kStrTitleSprt, kStrSprtFirstTab, kSprtSubPageCount, ContainerTabs::Strip,
                                   SelectionColour(200)};
    ProductNumberModel& products = standards.products(StandardKind::Resistor);
    auto* page = MakeStandardsContainer(
        parent, geometry, options, products, kSprtTabConversion,
        [&products](ContainerPage& container, QWidget* host, const QRect& rect, int tab) -> QWidget* {
            if (tab == kSprtTabCoefficients) return new SprtCoefficientSubPage(host, rect);
            return new SprtConversionSubPage(host, rect, container, products);
        },
        [](StandardsManager& manager) { manager.AddCommands(SprtCertificateCommands()); });
    page->setObjectName(QStringLiteral("SprtContainer"));
    return page;
}

}  // namespace tmcalc
