#include "framework/ui/text_fit.h"

#include "framework/ui/ui_context.h"

#include <QAbstractButton>
#include <QFontInfo>
#include <QFontMetrics>
#include <QLabel>
#include <QPainter>
#include <QRadioButton>
#include <QStyle>
#include <QStyleOptionButton>
#include <QWidget>

#include <algorithm>

namespace tmcalc {
namespace {

std::vector<PaintedText>* g_sink = nullptr;

// Whether the text's ink stays inside `box` with its line centred there as the styles centre it.
bool InkFits(const QFont& font, const QRect& box, const QString& text)
{
    const QFontMetrics fm(font);
    if (fm.horizontalAdvance(text) > box.width()) return false;
    const QRect ink = fm.tightBoundingRect(text);
    const int baseline = box.y() + (box.height() - fm.height()) / 2 + fm.ascent();
    return baseline + ink.top() >= box.top() && baseline + ink.bottom() <= box.bottom();
}

}  // namespace

bool TextFits(const QFont& font, const QSize& size, int flags, const QString& text)
{
    const QRect need = QFontMetrics(font).boundingRect(QRect(QPoint(0, 0), size), flags, text);
    return need.width() <= size.width() && need.height() <= size.height();
}

QFont FittedFont(const QFont& font, const QSize& size, int flags, const QString& text)
{
    if (text.isEmpty() || TextFits(font, size, flags, text)) return font;
    QFont smaller = font;
    const int floor = LegibleFloorPixels(Ui().geometry);
    for (int px = QFontInfo(font).pixelSize() - 1; px >= floor; --px) {
        smaller.setPixelSize(px);
        if (TextFits(smaller, size, flags, text)) return smaller;
    }
    smaller.setPixelSize(std::min(floor, QFontInfo(font).pixelSize()));
    return smaller;
}

QFont LineFittedFont(const QFont& font, int height)
{
    QFont smaller = font;
    const int floor = LegibleFloorPixels(Ui().geometry);
    for (int px = QFontInfo(font).pixelSize(); QFontMetrics(smaller).height() > height && px > floor;) {
        smaller.setPixelSize(--px);
    }
    return smaller;
}

void DrawFittedText(QPainter& painter, const QRect& box, int flags, const QString& text)
{
    const QFont font = painter.font();
    const QFont fitted = FittedFont(font, box.size(), flags, text);
    painter.setFont(fitted);
    painter.drawText(box, flags, text);
    NotePaintedText(painter, box, flags, text);
    painter.setFont(font);
}

void NotePaintedText(const QPainter& painter, const QRect& box, int flags, const QString& text)
{
    if (g_sink == nullptr) return;
    const auto* widget = dynamic_cast<const QWidget*>(painter.device());
    if (widget != nullptr)
        g_sink->push_back({widget, painter.worldTransform().mapRect(box), text, painter.font(), flags});
}

void FitLabel(QLabel* label, const QFont& font)
{
    if (label->textFormat() == Qt::RichText || label->wordWrap()) {
        // Laid out by the label itself: its own measure of the height its lines take at its width.
        QFont fitted = font;
        label->setFont(fitted);
        const int floor = LegibleFloorPixels(Ui().geometry);
        for (int px = QFontInfo(font).pixelSize();
             label->heightForWidth(label->width()) > label->height() && px > floor;) {
            fitted.setPixelSize(--px);
            label->setFont(fitted);
        }
        return;
    }
    label->setFont(
        FittedFont(font, label->contentsRect().size(), static_cast<int>(label->alignment()), label->text()));
}

void FitButton(QAbstractButton* button, const QFont& font)
{
    QStyleOptionButton option;
    option.initFrom(button);
    option.text = button->text();
    const bool radio = qobject_cast<QRadioButton*>(button) != nullptr;
    const QRect box = button->style()->subElementRect(
        radio ? QStyle::SE_RadioButtonContents : QStyle::SE_CheckBoxContents, &option, button);
    QFont fitted = font;
    const int floor = LegibleFloorPixels(Ui().geometry);
    for (int px = QFontInfo(font).pixelSize(); !InkFits(fitted, box, button->text()) && px > floor;)
        fitted.setPixelSize(--px);
    button->setFont(fitted);
}

void RecordPaintedTexts(std::vector<PaintedText>* sink)
{
    g_sink = sink;
}

}  // namespace tmcalc
