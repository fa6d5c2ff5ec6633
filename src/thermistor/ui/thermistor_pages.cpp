#include "thermistor/ui/thermistor_pages.h"

#include "framework/ui/container_page.h"
#include "resources/string_table.h"
#include "standards/ui/standards_library.h"
#include "standards/ui/standards_manager.h"
#include "thermistor/ui/ntc_convert_sub_page.h"
#include "thermistor/ui/ntc_fit_sub_page.h"

namespace tmcalc {

ContainerPage* CreateThermistorPage(QWidget* parent, const QRect& geometry, StandardsLibrary& standards)
{
    const ContainerOptions options{kStrTitleThermistor, kStrFirstNtcTab, kNtcTabCount, ContainerTabs::Strip,
                             QColor(238, 138, 138, 200)};
    ProductNumberModel& products = standards.products(StandardKind::Thermistor);
    auto* page = new ContainerPage(
        parent, geometry, options,
        [&products](ContainerPage& container, QWidget* host, const QRect& rect, int tab) -> QWidget* {
            if (tab == kNtcTabFit) return new NtcFitSubPage(host, rect);
            if (tab == kNtcTabConfigure) return MakeConfigureSubPage(container, host, rect, products);
            auto* convert = new NtcConvertSubPage(host, rect, container, products);
            QObject::connect(&container, &ContainerPage::standardChosen, convert,
                             [convert, &container](const StandardRecord& record) {
                                 convert->LoadStandard(record);
                                 container.selectTab(kNtcTabConvert);
                             });
            return convert;
        });
    page->setObjectName(QStringLiteral("NtcContainer"));
    return page;
}

}  // namespace tmcalc
