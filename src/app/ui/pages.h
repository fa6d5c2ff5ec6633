#pragma once

#include "app/shell_geometry.h"

#include <QWidget>

class QFont;

namespace tmcalc {

// The font of the More tiles' texts.
[[nodiscard]] QFont MoreTileFont();
// The string id of tile k's text (0 for no tile).
[[nodiscard]] int MoreTileTextId(int k);

// Page 11: coloured tiles leading to pages 12-24.
class MorePage : public QWidget {
    Q_OBJECT
public:
    MorePage(QWidget* parent, const QRect& geometry);

    // The tiles in the client area (inside the one-pixel border): the design grid, centred.
    [[nodiscard]] std::array<Edges, kMoreTileCount> tiles() const;

Q_SIGNALS:
    // The user chose the tile of page `page` (12-24).
    void pageChosen(int page);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
};

}  // namespace tmcalc
