#pragma once

#include <cstddef>
#include <optional>
#include <span>
#include <string_view>

#include "standards/standard_records.h"

namespace tmcalc {

// One column of the standards list: its heading (a string id) and its width in pixels on a screen 1920
// pixels wide. Columns are in display order; column c shows and edits StandardColumnKeys(kind)[c].
struct StandardListColumn {
    int headingId = 0;
    int width = 0;
};

[[nodiscard]] std::span<const StandardListColumn> StandardListColumns(StandardKind kind);

// The key that column `column` of the kind's list shows and edits; empty for a column that shows no
// value (the blank last column of the thermistor list) or one that does not exist.
[[nodiscard]] std::string_view StandardListColumnKey(StandardKind kind, int column);

// The width on the actual screen: the 1920-pixel width times the screen's horizontal scale, truncated
// (the scale is single precision, as the layout of every page takes it).
[[nodiscard]] int ScaledColumnWidth(int width, float scaleX);

// The list never grows past this many standards by Add: the pages show every standard in a combo box
// and the list in one screen without scrolling.
inline constexpr int kMaxListedStandards = 10;

}  // namespace tmcalc
