#pragma once

#include "framework/field_policy.h"
#include "framework/geometry.h"

#include <QFont>
#include <QString>

class QLabel;
class QLineEdit;

namespace tmcalc {

class NumericEdit;

// One field of a page: a right-aligned label, a centred edit box and a left-aligned unit. A bare grid
// cell is an edit box alone (label and unit null).
struct Field {
    int id = 0;  // the edit box's control id, by which the page tells its fields apart
    QLabel* label = nullptr;
    NumericEdit* edit = nullptr;
    QLabel* unit = nullptr;
    ReadRule read = ReadRule::Typed;
    DisplayFormat display;
    QFont labelFont;  // the fonts label and unit are designed with; a text too wide for its box steps
    QFont unitFont;   // down from them
};

// How a builder styles the edit boxes it creates.
enum class EditStyle {
    Centred,      // edit-field font, text line moved down by a sixth of the box height
    Plain,        // edit-field font, text line where the box puts it
    LabelFont,    // label font, text line where the box puts it
};

// A field's number under `rule` (see ReadRule); pages read through Page::Read, which applies the field's own.
[[nodiscard]] CheckedValue ReadField(const QLineEdit* field, ReadRule rule);

// Writes a number into a field by `format`. Returns true when a number was written (false for NaN, which
// shows the out-of-range text, and when the text cannot be formed, which leaves the field as it was);
// pages write through Page::Show, which applies the field's own format.
bool WriteField(QLineEdit* field, const DisplayFormat& format, double value);

// The whole text of a field as UTF-16 for the number readers.
[[nodiscard]] std::u16string FieldText(const QLineEdit* field);

}  // namespace tmcalc
