#pragma once

#include "framework/number_text.h"

#include <optional>
#include <string>
#include <string_view>

namespace tmcalc {

// The one policy by which every field is read and written, on the pages and in the unit engine alike.
// A field's description carries its read rule and display format; pages read and write through the
// field and never choose either at the call.

// How a field's whole text is read (always with the C conventions).
enum class ReadRule {
    Plain,    // ReadFieldValue: only an empty text holds no number; "-" or "abc" read as 0
    Typed,    // ReadFieldValueChecked: a text that does not begin with a number holds none
    Written,  // as Typed, but the out-of-range text a computation wrote reads as NaN, so that a
              // computation that follows an impossible one stays impossible instead of starting from 0
};

// How a number is written into a field.
struct DisplayFormat {
    enum class Kind {
        G7,    // "%.07g"
        Show,  // FormatShowValue(digits, decimals): fixed inside its range, the general form outside
    };
    Kind kind = Kind::G7;
    int digits = 7;
    int decimals = 7;

    [[nodiscard]] static constexpr DisplayFormat G7() { return {}; }
    [[nodiscard]] static constexpr DisplayFormat Show(int digits, int decimals)
    {
        return {Kind::Show, digits, decimals};
    }
    friend constexpr bool operator==(const DisplayFormat&, const DisplayFormat&) = default;
};

// The read rule and display format of a field, or of every field a builder makes.
struct FieldPolicy {
    ReadRule read = ReadRule::Typed;
    DisplayFormat display;
};

// What one field is: its id, its label and unit texts (string ids; 0 gives an empty text) and its policy.
struct FieldDesc {
    int id = 0;
    int labelId = 0;
    int unitId = 0;
    ReadRule read = ReadRule::Typed;
    DisplayFormat display;
};

// The number a field's text holds under `rule`, and whether it holds one.
[[nodiscard]] CheckedValue ReadFieldText(std::u16string_view text, ReadRule rule);

// The text a field shows for `value` (the out-of-range text for NaN), or nothing when the text cannot be
// formed, which leaves the field as it was.
[[nodiscard]] std::optional<std::string> FieldTextFor(const DisplayFormat& format, double value);

}  // namespace tmcalc
