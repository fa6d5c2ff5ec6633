#pragma once

#include <QRect>

class QWidget;

namespace tmcalc {

class ContainerPage;
class StandardsLibrary;

// Tabs of the standard thermocouple container, in order.
enum StdThermocoupleTab : int {
    kTabStdS = 0,
    kTabStdB,
    kTabStdSCalculator,
    kTabStdConfigure,
};

// Page 3, "Standard Thermal": the type S and type B standards, the type S coefficient calculator and the
// thermocouple standards manager. A standard chosen in the manager or picked by product number fills the
// type S fixed points and shows that tab.
ContainerPage* CreateStdThermocouplePage(QWidget* parent, const QRect& geometry, StandardsLibrary& standards);

}  // namespace tmcalc
