#pragma once

#include "framework/geometry.h"

#include <QFont>
#include <QLoggingCategory>
#include <QRect>
#include <QString>

#include <string_view>

class QWidget;

namespace tmcalc {

// Developer diagnostics (iteration traces, manager events). Off unless enabled with QT_LOGGING_RULES,
// e.g. QT_LOGGING_RULES="tmcalc.diagnostics=true".
Q_DECLARE_LOGGING_CATEGORY(lcDiagnostics)

// The state shared by every page: the screen-scaled geometry and the fonts the pages draw with (the
// geometry's second font has no user yet; making it would load a font engine at start-up for nothing).
struct UiContext {
    ScreenGeometry geometry;
    QString fontFamily;  // the preferred face, or an installed CJK sans face
    QFont navigationFont;
    QFont labelFont;
    QFont editFont;
};

// Computes the geometry for a screen and creates the fonts, once, at start-up; later calls change nothing.
// Also routes the core's diagnostic lines to lcDiagnostics.
void InitUiContext(int screenWidth, int screenHeight);
// The context every page reads; it does not change while the program runs.
[[nodiscard]] const UiContext& Ui();

// For tests that lay pages out for another screen: the context of that screen while this lives, the
// previous one again after. Pages made meanwhile keep the geometry they were made with.
class ScreenOverride {
public:
    ScreenOverride(int screenWidth, int screenHeight);
    ~ScreenOverride();
    ScreenOverride(const ScreenOverride&) = delete;
    ScreenOverride& operator=(const ScreenOverride&) = delete;

private:
    int m_width;
    int m_height;
};

// A font of the shared family with a Windows-style size: `height` < 0 is the character height in
// pixels; `width` (< 0, 0 = natural) the average character width, realised as a horizontal stretch.
[[nodiscard]] QFont MakeFont(FontSize size, int weight = 300, bool bold = false);

// The text of a string id in the current language.
[[nodiscard]] QString Str(int id);

// A UTF-8 text of the core (a string table entry, a standards file value) as Qt holds it.
[[nodiscard]] QString FromUtf8(std::string_view text);

[[nodiscard]] inline QRect ToQRect(const Rect& r) { return {r.x, r.y, r.width, r.height}; }

}  // namespace tmcalc
