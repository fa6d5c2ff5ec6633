#pragma once

#include "framework/ui/page.h"
#include "rtd/rtd_page_layout.h"

#include <QRect>

#include <array>

class QWidget;

namespace tmcalc {

class SubPageTabs;


// Tabs of the container, in order.
enum RtdTab : int {
    kTabPt100 = 0,
    kTabPt50,
    kTabPtX,
    kTabCu100,
    kTabCu50,
    kTabNickel,
    kTabPtCoefficient,
    kTabCuCoefficient,
};

// Page 2, "Work Thermal resistor": eight tabs over eight sub-pages (five platinum and copper sensors,
// nickel, and the platinum and copper coefficient fits), one shown at a time. Every sub-page lives as long
// as the container, so switching tabs keeps all texts.
class WorkRtdContainer : public Page {
    Q_OBJECT
public:
    WorkRtdContainer(QWidget* parent, const QRect& geometry);

    [[nodiscard]] SubPageTabs* tabs() const { return m_tabs; }
    [[nodiscard]] int selectedTab() const;
    [[nodiscard]] Page* subPage(int tab) const;

protected:
    void Recompute(int /*id*/) override {}
    void PaintPage(QPainter& painter) override;

private:
    void ShowSubPage(int tab);

    SubPageTabs* m_tabs = nullptr;
    std::array<Page*, kRtdSubPageCount> m_subPages{};
};

// Page 2: the work resistance thermometer container.
QWidget* CreateWorkRtdPage(QWidget* parent, const QRect& geometry);

}  // namespace tmcalc
