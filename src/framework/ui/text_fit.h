#pragma once

#include <QFont>
#include <QRect>
#include <QString>

#include <vector>

class QAbstractButton;
class QLabel;
class QPainter;
class QWidget;

namespace tmcalc {

// A text painted into a box of a widget (tab captions, tiles, title bands): what was drawn, where and
// with which font.
struct PaintedText {
    const QWidget* widget = nullptr;  // the widget painted on
    QRect box;                        // in that widget's coordinates
    QString text;
    QFont font;
    int flags = 0;  // Qt::AlignmentFlag and Qt::TextFlag values
};

// Whether `text`, laid out with `flags` (on one line, or wrapped at word boundaries with
// Qt::TextWordWrap), fits a box of `size`: no wider, and its lines no taller (ascent plus descent).
[[nodiscard]] bool TextFits(const QFont& font, const QSize& size, int flags, const QString& text);

// The font a text is drawn with in a box: `font` itself when the text fits, else the largest smaller
// pixel size at which it fits, but never below the legible floor of the screen.
[[nodiscard]] QFont FittedFont(const QFont& font, const QSize& size, int flags, const QString& text);

// The font for a single line in a box `height` pixels high: `font` itself when its ascent and descent
// fit, else the largest smaller pixel size whose do, but never below the legible floor.
[[nodiscard]] QFont LineFittedFont(const QFont& font, int height);

// Draws a text in a box with the painter's font as FittedFont chooses it; the painter's font is left
// as it was.
void DrawFittedText(QPainter& painter, const QRect& box, int flags, const QString& text);

// Tells the recorder (when one listens) of a text painted into `box` with the painter's font, for
// painters that place their text themselves.
void NotePaintedText(const QPainter& painter, const QRect& box, int flags, const QString& text);

// Gives a label `font`, stepped down as FittedFont chooses it for the label's box and text (a label that
// lays out its own lines, rich or wrapped text, steps down until its lines fit its height).
void FitLabel(QLabel* label, const QFont& font);

// Gives a radio button or check box `font`, stepped down while the ink of its text would not fit the
// part of the button the style gives the text (vertically centred as the style draws it).
void FitButton(QAbstractButton* button, const QFont& font);

// While `sink` is set, every text DrawFittedText paints is added to it (the tests that measure every
// text); null stops.
void RecordPaintedTexts(std::vector<PaintedText>* sink);

}  // namespace tmcalc
