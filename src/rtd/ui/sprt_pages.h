#pragma once

#include <QRect>

class QWidget;

namespace tmcalc {

class ContainerPage;
class StandardsLibrary;

// Tabs of the standard platinum resistance thermometer container, in order.
enum SprtTab : int {
    kSprtTabConversion = 0,  // "T ↔ R"
    kSprtTabCoefficients,    // "Calculate Coefficient"
    kSprtTabConfigure,       // the resistor standards' manager
};

// Page 4, "Standard Thermal resistor": conversions with one calibrated thermometer, the fit of its
// coefficients, and the stored resistor standards.
ContainerPage* CreateSprtPage(QWidget* parent, const QRect& geometry, StandardsLibrary& standards);

}  // namespace tmcalc
