#pragma once

#include <QSize>


namespace tmcalc {

// Language from the system locale, screen-scaled geometry and fonts: what every window needs before
// it is created, for the primary screen, or for a screen of `screenSize` when given (rendering
// without a display).
void PrepareApplication(QSize screenSize = {});

}  // namespace tmcalc
