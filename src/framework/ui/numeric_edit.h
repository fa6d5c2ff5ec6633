#pragma once

#include <QLineEdit>

namespace tmcalc {

// True for the characters a user may type into a numeric field: digits, "e", "E", ".", "-" and "~".
[[nodiscard]] bool IsNumericFieldChar(QChar c);

// A single-line edit box whose typed characters are filtered: the characters above, backspace, copy and
// paste pass; every other typed character and the other editing shortcuts (cut, select all, undo, redo)
// are swallowed. Keys that type nothing (arrows, Home, End, Delete) work as usual. Pasted text is not
// filtered: the pages read whatever it holds. Black text on white in a thin grey frame (drawn here
// rather than by a style sheet, which would cost every page's creation dearly).
class NumericEdit : public QLineEdit {
    Q_OBJECT
public:
    explicit NumericEdit(QWidget* parent = nullptr);

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
};

}  // namespace tmcalc
