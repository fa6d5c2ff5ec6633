#include "thermocouple/ui/work_pages.h"

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

QWidget* CreateThermocoupleSubPage(QWidget* parent, const QRect& geometry, int tab)
{
    return new ThermocoupleSubPage(parent, geometry, ThermocoupleTypeOfTab(tab));
}

}  // namespace tmcalc
