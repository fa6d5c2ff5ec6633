#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace tmcalc {

// Size of the file written on first start: the template text, one zero character and zero padding.
inline constexpr std::size_t kStandardsTemplateImageBytes = 2048;

// The three template sections as text (742 characters, each line ending in a line feed). The stray
// runs of spaces are part of the format and kept so that a first-start file is the same everywhere.
[[nodiscard]] std::u16string StandardsTemplateText();

// The bytes of a first-start file: the text in UTF-16 little-endian without a byte-order mark, then
// zero bytes up to kStandardsTemplateImageBytes. The reader ignores the zeros.
[[nodiscard]] std::string StandardsTemplateImage();

}  // namespace tmcalc
