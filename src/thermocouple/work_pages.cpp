#include "thermocouple/work_pages.h"

#include "framework/page.h"

namespace tmcalc {

QWidget* CreateThermocoupleSubPage(QWidget* parent, const QRect& geometry, int /*tab*/)
{
    return new TitledPage(parent, geometry, 0, false);
}

}  // namespace tmcalc
