#pragma once

#include <QWidget>

#include <array>

namespace tmcalc {

class Page;

// The program's one top-level window and the pages it holds.
class MainWindow : public QWidget {
    Q_OBJECT
public:
    MainWindow();

    [[nodiscard]] QWidget* page(int index) const;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    std::array<QWidget*, 1> m_pages{};
};

}  // namespace tmcalc
