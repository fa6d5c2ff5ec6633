#include "framework/ui/sub_page_tabs.h"

#include "framework/ui/painters.h"

#include <QMouseEvent>
#include <QPainter>

#include <algorithm>

namespace tmcalc {

SubPageTabs::SubPageTabs(QWidget* parent, const std::vector<Rect>& rects, int firstStringId)
    : QWidget(parent), m_firstStringId(firstStringId)
{
    int left = 0, top = 0, right = 0, bottom = 0;
    if (!rects.empty()) {
        left = rects.front().x;
        top = rects.front().y;
        right = rects.front().right();
        bottom = rects.front().bottom();
    }
    for (const Rect& r : rects) {
        left = std::min(left, r.x);
        top = std::min(top, r.y);
        right = std::max(right, r.right());
        bottom = std::max(bottom, r.bottom());
    }
    setGeometry(left, top, right - left, bottom - top);
    for (const Rect& r : rects) m_rects.push_back({r.x - left, r.y - top, r.width, r.height});
    setObjectName(QStringLiteral("tabs"));
}

void SubPageTabs::select(int index)
{
    if (index < 0 || index >= count()) return;
    m_selected = index;
    update();
    Q_EMIT subPageChosen(index);
}

void SubPageTabs::paintEvent(QPaintEvent* /*event*/)
{
    QPainter painter(this);
    DrawSubPageTabs(painter, m_rects, m_firstStringId, m_selected);
}

void SubPageTabs::mouseReleaseEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton) return;
    const QPoint p = event->position().toPoint();
    for (int i = 0; i < count(); ++i) {
        const Rect& r = m_rects[static_cast<std::size_t>(i)];
        if (p.x() >= r.x && p.x() < r.right() && p.y() >= r.y && p.y() < r.bottom()) {
            select(i);
            return;
        }
    }
}

}  // namespace tmcalc
