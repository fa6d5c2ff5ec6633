#pragma once

#include "app/shell_geometry.h"

#include <QPoint>
#include <QWidget>

#include <array>
#include <memory>

class QLabel;

namespace tmcalc {

class StandardsLibrary;
class StandardsStore;

// The program's one top-level window: borderless, with its own banner, navigation column, footer and
// about link, holding the 23 pages of which one is visible at a time.
class MainWindow : public QWidget {
    Q_OBJECT
public:
    // The pages that manage standards work on `standards` for the life of the window.
    explicit MainWindow(StandardsStore& standards);
    ~MainWindow() override;
    MainWindow(const MainWindow&) = delete;
    MainWindow& operator=(const MainWindow&) = delete;

    // The page, made now if it was not yet (pages are made the first time they are shown and then kept).
    [[nodiscard]] QWidget* page(int index);
    [[nodiscard]] bool isPageMade(int index) const;
    [[nodiscard]] StandardsLibrary& standards() const { return *m_standards; }
    [[nodiscard]] int currentPage() const { return m_current; }
    [[nodiscard]] const ShellLayout& layout() const { return m_layout; }
    // The navigation item drawn as selected (the one holding the last click in the column), or -1.
    [[nodiscard]] int selectedNavigationItem() const;

    // Hides the current page and shows page `index`; choosing the current page changes nothing.
    void ShowPage(int index);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;

private:
    ShellLayout m_layout;
    std::unique_ptr<StandardsLibrary> m_standards;
    std::array<QWidget*, kPageCount> m_pages{};
    int m_current = -1;
    QPoint m_hover;  // the last click in the navigation column
    QLabel* m_about = nullptr;
};

}  // namespace tmcalc
