#pragma once

#include <QRect>

class QWidget;

namespace tmcalc {

// Page 2: the work resistance thermometer container.
QWidget* CreateWorkRtdPage(QWidget* parent, const QRect& geometry);

}  // namespace tmcalc
