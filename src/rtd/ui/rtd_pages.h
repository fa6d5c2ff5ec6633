#pragma once

#include "rtd/rtd_page_layout.h"

#include <QRect>

class QWidget;

namespace tmcalc {

class ContainerPage;

// Tabs of the work resistance thermometer container, in order.
enum RtdTab : int {
    kTabPt100 = 0,
    kTabPt50,
    kTabPtX,
    kTabCu100,
    kTabCu50,
    kTabNickel,
    kTabPtCoefficient,
    kTabCuCoefficient,
};

// Page 2, "Work Thermal resistor": eight tabs over eight sub-pages (five platinum and copper sensors,
// nickel, and the platinum and copper coefficient fits).
ContainerPage* CreateWorkRtdPage(QWidget* parent, const QRect& geometry);

}  // namespace tmcalc
