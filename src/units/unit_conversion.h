#pragma once

#include "units/unit_pages.h"

#include <array>
#include <optional>
#include <string>
#include <string_view>

namespace tmcalc {

// Values of a unit page by cell index (UnitPage::fields order).
using UnitCellValues = std::array<double, kMaxUnitCells>;

// The cell whose builder id is `fieldId`, or -1 when the page has no such cell.
[[nodiscard]] int UnitCellOfField(const UnitPage& page, int fieldId);

// Every cell's value after the live field `fieldId` was given `value`: the driving cell holds `value`
// itself, the other live cells their unit's share of the same base quantity, dead cells and cells beyond
// the grid NaN. A dead or unknown `fieldId` gives NaN everywhere: such a field never converts.
[[nodiscard]] UnitCellValues ConvertUnitField(const UnitPage& page, int fieldId, double value);

// `value` in the page's display format. Empty when the general form does not fit its buffer, in which
// case the field keeps its text.
[[nodiscard]] std::optional<std::string> FormatUnitValue(const UnitPage& page, double value);

// What one edit of a field does to the page.
struct UnitFieldTexts {
    // The text holds no number by the page's read rule (an empty text; on a checked page also "-", "."
    // or "abc"): every other live field is emptied, and `texts` holds "" for each of them.
    bool cleared = false;
    // By cell index: the text to write, or nothing for the driving cell, dead cells and unwritable values.
    std::array<std::optional<std::string>, kMaxUnitCells> texts;
};

// The texts to write after field `fieldId` now holds `text` (its whole text is read). A dead or unknown
// field changes nothing.
[[nodiscard]] UnitFieldTexts UnitTextsAfterEdit(const UnitPage& page, int fieldId, std::u16string_view text);

}  // namespace tmcalc
