#pragma once

#include "framework/geometry.h"
#include "framework/number_text.h"

#include <QFont>
#include <QString>

class QLabel;
class QLineEdit;

namespace tmcalc {

class NumericEdit;

// One field of a page: a right-aligned label, a centred edit box and a left-aligned unit. A bare grid
// cell is an edit box alone (label and unit null).
struct Field;

// How a page reads a field's text (always the whole text, with the C conventions).
enum class ReadRule {
    Typed,    // ReadFieldValueChecked: a text that does not begin with a number reads as no number
    Written,  // a field the program writes: the out-of-range text reads as NaN, so a computation that
              // follows an impossible one stays impossible instead of starting again from 0
};

// How a page writes a number into a field.
struct DisplayFormat {
    enum class Kind {
        G7,    // "%.07g"
        Show,  // ShowValue(digits, decimals): fixed inside its range, the general conversion outside
    };
    Kind kind = Kind::G7;
    int digits = 7;
    int decimals = 7;

    [[nodiscard]] static constexpr DisplayFormat G7() { return {}; }
    [[nodiscard]] static constexpr DisplayFormat Show(int digits, int decimals)
    {
        return {Kind::Show, digits, decimals};
    }
};

// What one field of a block is: ids, texts and its read and display policy.
struct FieldDesc {
    int id = 0;
    int labelId = 0;  // string ids; 0 gives an empty text
    int unitId = 0;
    ReadRule read = ReadRule::Typed;
    DisplayFormat display;
};

// The read rule and display format a builder gives every field it makes.
struct FieldPolicy {
    ReadRule read = ReadRule::Typed;
    DisplayFormat display;
};

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

// The one read policy: the field's number and whether its text holds one (see ReadRule).
[[nodiscard]] CheckedValue ReadField(const QLineEdit* field, ReadRule rule);

// The one display policy. Returns true when a number was written (false for NaN, which shows the
// out-of-range text, and when the text cannot be formed, which leaves the field as it was).
bool WriteField(QLineEdit* field, const DisplayFormat& format, double value);

// Writes a number into a field: `digits` significant digits, fixed `decimals` inside its range.
inline bool ShowValue(QLineEdit* field, int digits, int decimals, double value)
{
    return WriteField(field, DisplayFormat::Show(digits, decimals), value);
}

// Writes "%.07g" of the value (the out-of-range text for NaN).
inline void ShowValueG7(QLineEdit* field, double value) { WriteField(field, DisplayFormat::G7(), value); }

// The whole text of a field as UTF-16 for the number readers.
[[nodiscard]] std::u16string FieldText(const QLineEdit* field);

}  // namespace tmcalc
