#pragma once

#include "app/shell_geometry.h"
#include "framework/ui/page.h"

#include <QWidget>

#include <array>

namespace tmcalc {

// Page 11: eleven coloured tiles leading to pages 12-22.
class MorePage : public QWidget {
    Q_OBJECT
public:
    MorePage(QWidget* parent, const QRect& geometry);

Q_SIGNALS:
    // The user chose the tile of page `page` (12-22).
    void pageChosen(int page);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
};

// Page 1: ten thermocouple-type tabs above ten sub-pages, one shown at a time.
class ThermocoupleContainer : public Page {
    Q_OBJECT
public:
    ThermocoupleContainer(QWidget* parent, const QRect& geometry);

    [[nodiscard]] int selectedType() const;
    [[nodiscard]] QWidget* subPage(int type) const { return m_subPages[static_cast<std::size_t>(type)]; }

protected:
    void Recompute(int /*id*/) override {}
    void PaintPage(QPainter& painter) override;
    void mousePressEvent(QMouseEvent* event) override;

private:
    void ShowSelected();

    ThermocoupleTabs m_tabs;
    QPoint m_selection;  // the last click inside the tab row, in client coordinates
    std::array<QWidget*, kThermocoupleTypeCount> m_subPages{};
};

// The title band id of each page (0: none).
[[nodiscard]] int PageTitleId(int page);

}  // namespace tmcalc
