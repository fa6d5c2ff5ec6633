#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace tmcalc {

// Number reading and writing for the fields of every page. Fields hold UTF-16 text; both readers work
// on the whole text and always use the C conventions (decimal point, "inf", "nan", hexadecimal forms),
// whatever locale the process runs in.

// Text without a number reads as 0; a character above U+00FF ends the number like any other junk.
[[nodiscard]] double ReadFieldValue(std::u16string_view text);

struct CheckedValue {
    double value = 0.0;
    bool consumed = false;  // false when the text does not begin with a number (or is empty)
};
[[nodiscard]] CheckedValue ReadFieldValueChecked(std::u16string_view text);

// A range written "low~high" ("-189.3442~0.01", "4~20"). Low is read from the start of the text; high
// from one character after the place where the reading of low stopped, whatever that character is. A
// text that ends before then has no high: `high.consumed` is false and its value 0.
struct RangeText {
    CheckedValue low;
    CheckedValue high;
};
[[nodiscard]] RangeText ReadRangeText(std::u16string_view text);

// The text a field shows for `value` with `digits` significant digits and `decimals` fixed decimals:
// fixed "%.*f" inside [10^-decimals, 10^(digits-decimals)), the general conversion with three-digit
// exponents and the point kept otherwise. NaN gives the "out of range" text. Empty optional when the
// general conversion fails (it writes into a 32-byte buffer), in which case the field is left as it is.
[[nodiscard]] std::optional<std::string> FormatShowValue(int digits, int decimals, double value);

// "%.*g" in the C locale; NaN gives the "out of range" text.
[[nodiscard]] std::string FormatValueG(double value, int precision);
// "%.07g", the general form most pages write.
[[nodiscard]] inline std::string FormatValueG7(double value) { return FormatValueG(value, 7); }

// The general conversion alone (digits significant digits, three-digit exponents, point kept), or an
// empty optional when it does not fit a 32-byte buffer.
[[nodiscard]] std::optional<std::string> FormatGeneral(double value, int digits);

}  // namespace tmcalc
