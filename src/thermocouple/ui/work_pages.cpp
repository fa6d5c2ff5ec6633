#include "thermocouple/ui/work_pages.h"

#include "framework/ui/container_page.h"
#include "resources/string_table.h"
#include "thermocouple/ui/work_sub_page.h"

#include <array>
#include <cstddef>

namespace tmcalc {
namespace {

constexpr std::array<ThermocoupleType, kThermocoupleTypeCount> kTabTypes{
    ThermocoupleType::S, ThermocoupleType::R, ThermocoupleType::B, ThermocoupleType::K, ThermocoupleType::N,
    ThermocoupleType::E, ThermocoupleType::J, ThermocoupleType::T, ThermocoupleType::D, ThermocoupleType::C,
};

}  // namespace

ThermocoupleType ThermocoupleTypeOfTab(int tab)
{
    Q_ASSERT(tab >= 0 && tab < kThermocoupleTypeCount);
    return kTabTypes[static_cast<std::size_t>(tab)];
}

ContainerPage* CreateWorkThermocouplePage(QWidget* parent, const QRect& geometry)
{
    const ContainerOptions options{kStrTitleWorkThermocouple, kStrFirstThermocoupleTab, kThermocoupleTypeCount,
                             ContainerTabs::Row, QColor(248, 118, 118, 200)};
    auto* page = new ContainerPage(parent, geometry, options, [](ContainerPage& /*container*/, QWidget* host, const QRect& rect, int tab) {
        QWidget* sub = new ThermocoupleSubPage(host, rect, ThermocoupleTypeOfTab(tab));
        sub->setObjectName(QStringLiteral("ThermocoupleSubPage_%1").arg(tab));
        return sub;
    });
    page->setObjectName(QStringLiteral("ThermocoupleContainer"));
    return page;
}

}  // namespace tmcalc
