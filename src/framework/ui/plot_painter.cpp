#include "framework/ui/plot_painter.h"

#include "framework/ui/ui_context.h"

#include <QPainter>
#include <QPainterPath>

#include <cmath>

namespace tmcalc {
namespace {

QPointF At(const QRectF& area, PlotXY p)
{
    return {area.x() + p.x, area.y() + p.y};
}

void PaintPanel(QPainter& painter, const QRectF& area, const PlotPanel& panel, const PlotRect& frame, double f,
                bool xTexts)
{
    const QRectF box(area.x() + frame.x, area.y() + frame.y, frame.w, frame.h);
    painter.setBrush(Qt::NoBrush);
    const QFontMetricsF metrics(painter.font());
    for (std::size_t i = 0; i < panel.x.ticks.size(); ++i) {
        const QPointF p = At(area, MapToFrame(panel, frame, {panel.x.ticks[i], 0.0}));
        painter.setPen(QPen(QColor(0xdd, 0xdd, 0xdd), 1.0));
        painter.drawLine(QPointF(p.x(), box.top()), QPointF(p.x(), box.bottom()));
        if (!xTexts) continue;
        painter.setPen(Qt::black);
        const QString text = FromUtf8(panel.x.labels[i]);
        painter.drawText(QPointF(p.x() - metrics.horizontalAdvance(text) / 2.0, box.bottom() + f * 1.2), text);
    }
    for (std::size_t i = 0; i < panel.y.ticks.size(); ++i) {
        const QPointF p = At(area, MapToFrame(panel, frame, {0.0, panel.y.ticks[i]}));
        painter.setPen(QPen(QColor(0xdd, 0xdd, 0xdd), 1.0));
        painter.drawLine(QPointF(box.left(), p.y()), QPointF(box.right(), p.y()));
        painter.setPen(Qt::black);
        const QString text = FromUtf8(panel.y.labels[i]);
        painter.drawText(QPointF(box.left() - f * 0.4 - metrics.horizontalAdvance(text), p.y() + f * 0.35), text);
    }
    if (panel.zeroLine && panel.y.min < 0.0 && panel.y.max > 0.0) {
        const QPointF p = At(area, MapToFrame(panel, frame, {0.0, 0.0}));
        painter.setPen(QPen(QColor(0x88, 0x88, 0x88), 1.0));
        painter.drawLine(QPointF(box.left(), p.y()), QPointF(box.right(), p.y()));
    }
    painter.setPen(QPen(Qt::black, 1.0));
    painter.drawRect(box);

    painter.save();
    painter.setClipRect(box.adjusted(-1, -1, 1, 1));
    painter.setPen(QPen(kPlotCurveColour, 1.5));
    for (const std::vector<PlotXY>& run : CurveRuns(panel, frame)) {
        QPainterPath path(At(area, run.front()));
        for (std::size_t i = 1; i < run.size(); ++i) path.lineTo(At(area, run[i]));
        painter.drawPath(path);
    }
    painter.setPen(Qt::NoPen);
    painter.setBrush(kPlotMarkColour);
    for (const PlotXY& p : panel.marks) {
        if (!std::isfinite(p.x) || !std::isfinite(p.y)) continue;
        painter.drawEllipse(At(area, MapToFrame(panel, frame, p)), f * 0.3, f * 0.3);
    }
    painter.restore();

    painter.setPen(Qt::black);
    const QString yTitle = FromUtf8(panel.y.title);
    painter.save();
    painter.translate(area.x() + f * 1.1, box.center().y());
    painter.rotate(-90.0);
    painter.drawText(QPointF(-metrics.horizontalAdvance(yTitle) / 2.0, f * 0.35), yTitle);
    painter.restore();
    if (xTexts) {
        const QString xTitle = FromUtf8(panel.x.title);
        painter.drawText(QPointF(box.center().x() - metrics.horizontalAdvance(xTitle) / 2.0, box.bottom() + f * 2.6),
                         xTitle);
    }
}

}  // namespace

void PaintPlot(QPainter& painter, const PlotModel& model, const QRectF& area)
{
    const PlotLayout layout = LayoutPlot(model, area.width(), area.height());
    const double f = layout.fontPx;
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    QFont font(Ui().fontFamily);
    font.setPixelSize(std::max(1, static_cast<int>(std::lround(f))));
    painter.setFont(font);
    painter.fillRect(area, Qt::white);
    if (!model.title.empty()) {
        const QString title = FromUtf8(model.title);
        const double w = QFontMetricsF(font).horizontalAdvance(title);
        painter.setPen(Qt::black);
        painter.drawText(QPointF(area.x() + (layout.title.w - w) / 2.0, area.y() + layout.title.h * 0.65), title);
    }
    PaintPanel(painter, area, model.main, layout.main, f, false);
    PaintPanel(painter, area, model.residuals, layout.residuals, f, true);
    painter.restore();
}

QImage PlotImage(const PlotModel& model, QSize size)
{
    QImage image(size, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    PaintPlot(painter, model, QRectF(0, 0, size.width(), size.height()));
    return image;
}

}  // namespace tmcalc
