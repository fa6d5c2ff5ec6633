#pragma once

#include <QRect>

class QWidget;

namespace tmcalc {

class ContainerPage;

// Page 1: the work-thermocouple container, ten type tabs (S, R, B, K, N, E, J, T, D, C) over their
// sub-pages.
ContainerPage* CreateWorkThermocouplePage(QWidget* parent, const QRect& geometry);

}  // namespace tmcalc
