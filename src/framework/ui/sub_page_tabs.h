#pragma once

#include "framework/geometry.h"

#include <QWidget>

#include <vector>

namespace tmcalc {

// The tab strip of a container page. It covers the tab band, paints the tabs and, when the left button
// is released over a tab, tells its container which sub-page to show (subPageChosen). The container
// shows that one and hides the others.
class SubPageTabs : public QWidget {
    Q_OBJECT
public:
    // `rects` are in `parent`'s coordinates; the strip covers their union.
    SubPageTabs(QWidget* parent, const std::vector<Rect>& rects, int firstStringId);

    [[nodiscard]] int selected() const { return m_selected; }
    void select(int index);
    [[nodiscard]] int count() const { return static_cast<int>(m_rects.size()); }

Q_SIGNALS:
    void subPageChosen(int index);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    std::vector<Rect> m_rects;  // in this widget's coordinates
    int m_firstStringId = 0;
    int m_selected = 0;
};

}  // namespace tmcalc
