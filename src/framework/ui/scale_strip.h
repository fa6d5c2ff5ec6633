#pragma once

#include "framework/field_policy.h"

#include <functional>
#include <vector>

namespace tmcalc {

class Page;

// Fields that show one quantity on several scales and are kept in step: the temperature page's five
// scales, and the °C, °F, K, °R and °Re strip of the thermocouple and resistance-thermometer sub-pages.
// Each field is read by its own rule; the strip writes its conversions in its own display format, which
// may differ from the one a page's computation writes into the first field.
class ScaleStrip {
public:
    // The value on every scale (one per field, in order) from `value` on scale `from`.
    using Conversion = std::function<std::vector<double>(int from, double value)>;

    ScaleStrip(const Page& page, std::vector<int> ids, Conversion conversion,
               DisplayFormat display = DisplayFormat::G7());

    // The scale index of field `id`, or -1 when the field is not in the strip.
    [[nodiscard]] int IndexOf(int id) const;

    // The user edited field `id`: an empty text empties the others; otherwise its number (a text without
    // one counts as 0, the out-of-range text of a written field as out of range) converts into the others.
    void ConvertEdited(int id) const;

    // A computation wrote the first field: the others follow it. An empty text empties them; a text that
    // holds no number (the out-of-range text, say) shows the out-of-range text in them.
    void FollowFirst() const;

private:
    void ShowFrom(int from, double value) const;

    const Page& m_page;
    std::vector<int> m_ids;
    Conversion m_conversion;
    DisplayFormat m_display;
};

}  // namespace tmcalc
