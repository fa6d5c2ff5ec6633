#pragma once

#include <QRect>

class QWidget;

namespace tmcalc {

class ContainerPage;
class StandardsLibrary;

// Tabs of the thermistor container, in order.
enum NtcTab : int {
    kNtcTabConvert = 0,
    kNtcTabFit,
    kNtcTabConfigure,
};
inline constexpr int kNtcTabCount = 3;

// Page 5, "NTC Thermal resistor": "T↔R", "Calculate Coefficient" and "Configure" (the manager of the
// thermistor standards). A standard chosen in the manager or in the product-number list is loaded into
// "T↔R", which is then shown.
ContainerPage* CreateThermistorPage(QWidget* parent, const QRect& geometry, StandardsLibrary& standards);

}  // namespace tmcalc
