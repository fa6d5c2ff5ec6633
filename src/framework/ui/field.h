#pragma once

#include "framework/geometry.h"

#include <QString>

class QLabel;
class QLineEdit;

namespace tmcalc {

class NumericEdit;

// One field of a page: a right-aligned label, a centred edit box and a left-aligned unit.
struct Field {
    int id = 0;  // the edit box's control id, by which the page tells its fields apart
    QLabel* label = nullptr;
    NumericEdit* edit = nullptr;
    QLabel* unit = nullptr;
};

// How a builder styles the edit boxes it creates.
enum class EditStyle {
    Centred,      // edit-field font, text line moved down by a sixth of the box height
    Plain,        // edit-field font, text line where the box puts it
    LabelFont,    // label font, text line where the box puts it
};

// What one field of a block looks like: ids and texts.
struct FieldDesc {
    int id = 0;
    int labelId = 0;  // string ids; 0 gives an empty text
    int unitId = 0;
};

// Writes a number into a field: `digits` significant digits, fixed `decimals` inside its range.
// Returns true when a number was written (false for NaN, which shows the out-of-range text, and when
// the text cannot be formed, which leaves the field as it was).
bool ShowValue(QLineEdit* field, int digits, int decimals, double value);

// Writes "%.07g" of the value (the out-of-range text for NaN).
void ShowValueG7(QLineEdit* field, double value);

// Reads back a field that the program writes (ReadFieldValue of its whole text), except that the
// out-of-range text reads as NaN: a computation that follows an impossible one stays impossible instead
// of starting again from 0.
[[nodiscard]] double ReadWrittenFieldValue(const QLineEdit* field);

// The whole text of a field as UTF-16 for the number readers.
[[nodiscard]] std::u16string FieldText(const QLineEdit* field);

}  // namespace tmcalc
