#include "framework/ui/container_page.h"

#include "framework/ui/painters.h"
#include "framework/ui/sub_page_tabs.h"
#include "framework/ui/ui_context.h"

#include <QMouseEvent>
#include <QPainter>

namespace tmcalc {

ContainerPage::ContainerPage(QWidget* parent, const QRect& geometry, const ContainerOptions& options,
                             const SubPageFactory& make)
    : Page(parent, geometry, options.titleId, true), m_options(options)
{
    const Rect c = clientArea();
    const QPoint origin = clientRect().topLeft();
    QWidget* host = this;
    QRect subPageRect;
    if (options.tabs == ContainerTabs::Strip) {
        std::vector<Rect> tabRects = SubPageTabRects(c.width, options.tabCount);
        for (Rect& r : tabRects) {
            r.x += origin.x();
            r.y += origin.y();
        }
        m_strip = new SubPageTabs(this, tabRects, options.firstTabStringId);
        connect(m_strip, &SubPageTabs::subPageChosen, this, &ContainerPage::ShowSubPage);
        subPageRect = ToQRect(SubPageRect(c.width, c.height)).translated(origin);
    } else {
        m_row = ComputeTabRow(c.width, options.tabCount);
        m_selection = QPoint(5, static_cast<int>(1.5 * m_row.bandHeight - 5));  // inside the first tab
        // The sub-pages are a full client area high and so reach below the page; a transparent body under
        // the tab row clips them at the client area, so the page's border stays visible.
        host = new QWidget(this);
        host->setObjectName(QStringLiteral("ContainerBody"));
        host->setGeometry(clientRect().adjusted(0, m_row.subPageY, 0, 0));
        subPageRect = QRect(0, 0, c.width, c.height);
    }
    for (int tab = 0; tab < options.tabCount; ++tab) {
        QWidget* sub = make(*this, host, subPageRect, tab);
        sub->hide();
        m_subPages.push_back(sub);
    }
    ShowSubPage(selectedTab());
}

int ContainerPage::selectedTab() const
{
    return m_strip != nullptr ? m_strip->selected() : TabRowAt(m_row, m_selection.x(), m_selection.y());
}

void ContainerPage::selectTab(int tab)
{
    if (tab < 0 || tab >= m_options.tabCount) return;
    if (m_strip != nullptr) {
        m_strip->select(tab);  // shows it through subPageChosen
        return;
    }
    const Edges& e = m_row.tabs[static_cast<std::size_t>(tab)];
    m_selection = QPoint(e.left, e.top + 1);
    update();
    ShowSubPage(tab);
}

QWidget* ContainerPage::subPage(int tab) const
{
    return tab >= 0 && tab < m_options.tabCount ? m_subPages[static_cast<std::size_t>(tab)] : nullptr;
}

void ContainerPage::ShowSubPage(int tab)
{
    for (int i = 0; i < m_options.tabCount; ++i) m_subPages[static_cast<std::size_t>(i)]->setVisible(i == tab);
}

void ContainerPage::PaintPage(QPainter& painter)
{
    const int w = clientArea().width;
    painter.save();
    painter.setPen(QPen(m_options.lineColour, 3));
    if (m_strip != nullptr) {
        // Along the bottom edge of the tab band, under the strip's own painting.
        const int y = SubPageTabRects(w, m_options.tabCount).front().bottom();
        painter.drawLine(0, y, w, y);
    } else {
        painter.drawLine(0, m_row.lineY, w, m_row.lineY);
        std::vector<Rect> tabs;
        for (const Edges& e : m_row.tabs) tabs.push_back(ToRect(e));
        DrawSubPageTabs(painter, tabs, m_options.firstTabStringId, selectedTab());
    }
    painter.restore();
}

void ContainerPage::mousePressEvent(QMouseEvent* event)
{
    if (m_strip != nullptr || event->button() != Qt::LeftButton) return;
    // A press above or below the row keeps the selection.
    const QPoint p = event->position().toPoint() - clientRect().topLeft();
    const Edges& row = m_row.tabs.front();
    if (row.top < p.y() && p.y() < row.bottom) m_selection = p;
    update();
    ShowSubPage(selectedTab());
}

}  // namespace tmcalc
