#include "framework/field_policy.h"

#include "framework/utf_text.h"

#include <limits>

namespace tmcalc {

CheckedValue ReadFieldText(std::u16string_view text, ReadRule rule)
{
    switch (rule) {
    case ReadRule::Plain:
        return {ReadFieldValue(text), !text.empty()};
    case ReadRule::Written: {
        if (text == Utf8ToUtf16(FormatValueG7(std::numeric_limits<double>::quiet_NaN())))
            return {std::numeric_limits<double>::quiet_NaN(), true};
        break;
    }
    case ReadRule::Typed:
        break;
    }
    return ReadFieldValueChecked(text);
}

std::optional<std::string> FieldTextFor(const DisplayFormat& format, double value)
{
    if (format.kind == DisplayFormat::Kind::G7) return FormatValueG7(value);
    return FormatShowValue(format.digits, format.decimals, value);
}

}  // namespace tmcalc
