#include "rtd/ui/rtd_pages.h"

#include "framework/ui/container_page.h"
#include "framework/ui/painters.h"
#include "resources/string_table.h"
#include "rtd/ui/coefficient_sub_page.h"
#include "rtd/ui/nickel_sub_page.h"
#include "rtd/ui/sensor_sub_page.h"

namespace tmcalc {

ContainerPage* CreateWorkRtdPage(QWidget* parent, const QRect& geometry)
{
    const ContainerOptions options{kStrTitleWorkRtd, kStrFirstRtdTab, kRtdSubPageCount, ContainerTabs::Strip,
                             SelectionColour(200)};
    auto* page = new ContainerPage(parent, geometry, options, [](ContainerPage& /*container*/, QWidget* host, const QRect& rect,
                                                                int tab) -> QWidget* {
        if (tab < kRtdSensorPageCount)
            return new RtdSensorSubPage(host, rect, kRtdSensorPages[static_cast<std::size_t>(tab)]);
        if (tab == kTabNickel) return new NickelSubPage(host, rect);
        return new RtdCoefficientSubPage(host, rect, tab == kTabPtCoefficient ? RtdMetal::Platinum : RtdMetal::Copper);
    });
    page->setObjectName(QStringLiteral("WorkRtdContainer"));
    return page;
}

}  // namespace tmcalc
