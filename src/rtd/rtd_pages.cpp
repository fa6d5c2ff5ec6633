#include "rtd/rtd_pages.h"

#include "framework/page.h"

namespace tmcalc {

QWidget* CreateWorkRtdPage(QWidget* parent, const QRect& geometry) { return new TitledPage(parent, geometry, 107); }

}  // namespace tmcalc
