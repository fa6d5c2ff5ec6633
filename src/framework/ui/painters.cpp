#include "framework/ui/painters.h"

#include "framework/ui/text_fit.h"
#include "framework/ui/ui_context.h"

#include <QFontMetricsF>
#include <QLinearGradient>
#include <QPainter>

namespace tmcalc {

void DrawPageHeader(QPainter& painter, const Rect& client, int titleId)
{
    painter.save();
    const int w = client.right();
    const double hb = TitleBandHeight(w);
    const int band = static_cast<int>(hb);
    painter.fillRect(QRect(0, 0, w, static_cast<int>(hb - 1)), QColor(11, 75, 136));

    QFont font(Ui().fontFamily);
    font.setPixelSize(std::max(1, static_cast<int>(hb / 3)));
    font.setBold(true);
    const QString title = Str(titleId);
    const QRect box(client.x, client.y, w, band);
    font = FittedFont(font, box.size(), Qt::AlignCenter | Qt::TextSingleLine, title);
    painter.setFont(font);
    painter.setPen(Qt::white);
    NotePaintedText(painter, box, Qt::AlignCenter | Qt::TextSingleLine, title);
    const QFontMetricsF metrics(font);
    const double textWidth = metrics.horizontalAdvance(title);
    const double x = (w - textWidth) / 2 + client.x;
    const double baseline = hb / 2 + client.y + (metrics.ascent() - metrics.descent()) / 2;
    painter.drawText(QPointF(x, baseline), title);

    painter.setPen(QPen(QColor(0, 0, 0, 70), 1));
    painter.drawLine(0, band, w, band);
    QLinearGradient shadow(0, static_cast<int>(hb - 1), 0, static_cast<int>(hb + 3));
    shadow.setColorAt(0, QColor(20, 20, 20, 90));
    shadow.setColorAt(1, QColor(20, 20, 20, 20));
    painter.fillRect(QRect(client.x, band, w, 2), shadow);
    painter.restore();
}

QColor SelectionColour(int alpha)
{
    return {238, 138, 138, alpha};
}

void DrawItems(QPainter& painter, const std::vector<Rect>& rects, int firstStringId, int selected,
               const QColor& frame)
{
    painter.save();
    painter.setFont(Ui().navigationFont);
    for (int i = 0; i < static_cast<int>(rects.size()); ++i) {
        const QRect r = ToQRect(rects[static_cast<std::size_t>(i)]);
        if (i == selected) {
            painter.fillRect(r, SelectionColour());
        } else {
            painter.fillRect(r, QColor(89, 115, 152));
            painter.setPen(frame);
            painter.drawRect(r.adjusted(0, 0, -1, -1));
        }
        painter.setPen(Qt::white);
        DrawFittedText(painter, r, Qt::AlignCenter | Qt::TextSingleLine, Str(firstStringId + i));
    }
    painter.restore();
}

void DrawSubPageTabs(QPainter& painter, const std::vector<Rect>& rects, int firstStringId, int selected)
{
    DrawItems(painter, rects, firstStringId, selected, QColor(96, 122, 159));
}

}  // namespace tmcalc
