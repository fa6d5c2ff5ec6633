#pragma once

#include "framework/ui/page.h"

#include <QColor>
#include <QRect>

#include <functional>
#include <vector>

namespace tmcalc {

class SubPageTabs;

// How a container's tabs look and answer clicks.
enum class ContainerTabs {
    // A strip of equal tabs under the title band (SubPageTabRects); a tab is chosen when the left button
    // is released over it; sub-pages at SubPageRect.
    Strip,
    // A row the container paints itself (the thermocouple types, TabRow): a left press inside the row
    // moves the selection point and the tab holding that point is shown; sub-pages are a full client
    // area high from TabRow::subPageY, clipped at the client area.
    Row,
};

struct ContainerOptions {
    int titleId = 0;
    int firstTabStringId = 0;  // tab i shows string firstTabStringId + i
    int tabCount = 0;
    ContainerTabs tabs = ContainerTabs::Strip;
    QColor lineColour;  // the line along the bottom of the tabs
};

class ContainerPage;

// Makes the sub-page of tab `tab` at `geometry` in `host` (the container itself, or a body inside it):
// any widget.
using SubPageFactory = std::function<QWidget*(ContainerPage& container, QWidget* host, const QRect& geometry, int tab)>;

// A page of sub-pages under a row of tabs, one sub-page shown at a time. Every sub-page lives as long as
// the container, so switching tabs keeps their texts.
class ContainerPage : public Page {
    Q_OBJECT
public:
    ContainerPage(QWidget* parent, const QRect& geometry, const ContainerOptions& options, const SubPageFactory& make);

    [[nodiscard]] int selectedTab() const;
    // Shows the sub-page of `tab` as if its tab had been clicked.
    void selectTab(int tab);
    [[nodiscard]] int tabCount() const { return m_options.tabCount; }
    [[nodiscard]] QWidget* subPage(int tab) const;
    // The strip widget of a Strip container (null for a Row).
    [[nodiscard]] SubPageTabs* tabs() const { return m_strip; }

protected:
    void Recompute(int /*id*/) override {}
    void PaintPage(QPainter& painter) override;
    void mousePressEvent(QMouseEvent* event) override;

private:
    void ShowSubPage(int tab);

    ContainerOptions m_options;
    SubPageTabs* m_strip = nullptr;
    TabRow m_row;
    QPoint m_selection;  // Row: the last press inside the row, in client coordinates
    std::vector<QWidget*> m_subPages;
};

}  // namespace tmcalc
