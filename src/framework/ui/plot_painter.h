#pragma once

#include "framework/plot_model.h"

#include <QColor>
#include <QImage>
#include <QRectF>
#include <QSize>

class QPainter;

namespace tmcalc {

// The colours both painters use (the SVG writer writes the same ones).
inline const QColor kPlotCurveColour{0x1f, 0x5f, 0xbf};
inline const QColor kPlotMarkColour{0xc0, 0x39, 0x2b};

// Draws the plot into `area` at the rectangles of LayoutPlot: frames, grid, tick texts, the curve, the
// marks (filled discs centred on the points) and the titles, in the ui font family.
void PaintPlot(QPainter& painter, const PlotModel& model, const QRectF& area);

// The plot on a white image of `size` pixels (the PNG export and the page's view).
[[nodiscard]] QImage PlotImage(const PlotModel& model, QSize size);

}  // namespace tmcalc
