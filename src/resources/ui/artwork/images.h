#pragma once

namespace tmcalc {

// True when the compiled-in images are present (":/images/11.png" ... "16.png", "icon5.png").
[[nodiscard]] bool ImagesAvailable();

}  // namespace tmcalc
