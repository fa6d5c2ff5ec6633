#pragma once

#include <string>
#include <string_view>

namespace tmcalc {

// Fields and the standards file hold UTF-16 text while the rest of the program (and Qt's std::string bridges) speak
// UTF-8. Both directions are total: anything that is not a valid sequence becomes U+FFFD, so a damaged
// file or a stray byte from a caller can never stop a conversion.
[[nodiscard]] std::u16string Utf8ToUtf16(std::string_view text);
[[nodiscard]] std::string Utf16ToUtf8(std::u16string_view text);

// Strict check (no overlong forms, no surrogates, nothing above U+10FFFF); used to recognise a
// hand-edited file that an editor saved as UTF-8.
[[nodiscard]] bool IsValidUtf8(std::string_view text);

}  // namespace tmcalc
