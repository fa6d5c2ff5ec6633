#pragma once

#include "framework/geometry.h"

#include <vector>

class QColor;
class QPainter;

namespace tmcalc {

// The selection colour, RGB(238, 138, 138): the chosen navigation item and tab, and (translucent) the
// container pages' tab strips.
[[nodiscard]] QColor SelectionColour(int alpha = 255);

// The title band of a page across the top of its client area: dark blue band, white bold title, a
// faint line and a two-pixel shadow under it.
void DrawPageHeader(QPainter& painter, const Rect& client, int titleId);

// A strip of tabs: the selected one in the selection colour, the others framed; texts from
// firstStringId + i in the navigation font.
void DrawSubPageTabs(QPainter& painter, const std::vector<Rect>& rects, int firstStringId, int selected);

// The same for any row or column of items (navigation items, type tabs) with the frame colour of the
// unselected ones given; `selected` -1 selects none.
void DrawItems(QPainter& painter, const std::vector<Rect>& rects, int firstStringId, int selected,
               const QColor& frame);

}  // namespace tmcalc
