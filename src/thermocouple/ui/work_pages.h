#pragma once

#include <QRect>

class QWidget;

namespace tmcalc {

// The sub-page of the work-thermocouple container for tab `tab` (0-9: S, R, B, K, N, E, J, T, D, C).
QWidget* CreateThermocoupleSubPage(QWidget* parent, const QRect& geometry, int tab);

}  // namespace tmcalc
