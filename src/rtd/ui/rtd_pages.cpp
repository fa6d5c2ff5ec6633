#include "resources/string_table.h"
#include "rtd/ui/rtd_pages.h"

#include "framework/ui/sub_page_tabs.h"
#include "framework/ui/ui_context.h"
#include "rtd/ui/coefficient_sub_page.h"
#include "rtd/ui/nickel_sub_page.h"
#include "rtd/rtd_page_layout.h"
#include "rtd/ui/sensor_sub_page.h"

#include <QPainter>

namespace tmcalc {
namespace {

Page* CreateSubPage(int tab, QWidget* parent, const QRect& geometry)
{
    if (tab < kRtdSensorPageCount)
        return new RtdSensorSubPage(parent, geometry, kRtdSensorPages[static_cast<std::size_t>(tab)]);
    if (tab == kTabNickel) return new NickelSubPage(parent, geometry);
    return new RtdCoefficientSubPage(parent, geometry,
                                     tab == kTabPtCoefficient ? RtdMetal::Platinum : RtdMetal::Copper);
}

}  // namespace

WorkRtdContainer::WorkRtdContainer(QWidget* parent, const QRect& geometry)
    : Page(parent, geometry, kStrTitleWorkRtd, true)
{
    setObjectName(QStringLiteral("WorkRtdContainer"));
    const Rect c = clientArea();
    const QPoint origin = clientRect().topLeft();

    std::vector<Rect> tabRects = SubPageTabRects(c.width, kRtdSubPageCount);
    for (Rect& r : tabRects) {
        r.x += origin.x();
        r.y += origin.y();
    }
    m_tabs = new SubPageTabs(this, tabRects, kStrFirstRtdTab);
    connect(m_tabs, &SubPageTabs::subPageChosen, this, &WorkRtdContainer::ShowSubPage);

    const QRect subPageRect = ToQRect(RtdSubPageRect(c.width, c.height)).translated(origin);
    for (int tab = 0; tab < kRtdSubPageCount; ++tab) {
        Page* sub = CreateSubPage(tab, this, subPageRect);
        sub->hide();
        m_subPages[static_cast<std::size_t>(tab)] = sub;
    }
    ShowSubPage(m_tabs->selected());
}

int WorkRtdContainer::selectedTab() const
{
    return m_tabs->selected();
}

Page* WorkRtdContainer::subPage(int tab) const
{
    return tab >= 0 && tab < kRtdSubPageCount ? m_subPages[static_cast<std::size_t>(tab)] : nullptr;
}

void WorkRtdContainer::ShowSubPage(int tab)
{
    for (int i = 0; i < kRtdSubPageCount; ++i) m_subPages[static_cast<std::size_t>(i)]->setVisible(i == tab);
}

void WorkRtdContainer::PaintPage(QPainter& painter)
{
    // The selection colour runs along the bottom edge of the tab band, under the strip's own painting.
    const int w = clientArea().width;
    const int y = SubPageTabRects(w, kRtdSubPageCount).front().bottom();
    painter.save();
    painter.setPen(QPen(QColor(238, 138, 138, 200), 3));
    painter.drawLine(0, y, w, y);
    painter.restore();
}

QWidget* CreateWorkRtdPage(QWidget* parent, const QRect& geometry)
{
    return new WorkRtdContainer(parent, geometry);
}

}  // namespace tmcalc
