#include "app/ui/pages.h"

#include "framework/ui/painters.h"
#include "framework/ui/text_fit.h"
#include "framework/ui/ui_context.h"
#include "resources/string_table.h"

#include <QMouseEvent>
#include <QPainter>

#include <array>

namespace tmcalc {
namespace {

// Tile colours of the More page, tile k standing for page 12 + k.
constexpr std::array<QRgb, kMoreTileCount> kTileColours{
    qRgb(190, 30, 74),  qRgb(95, 59, 185),  qRgb(1, 163, 0),   qRgb(166, 0, 172),
    qRgb(45, 139, 239), qRgb(0, 155, 173),  qRgb(219, 86, 45), qRgb(10, 79, 183),
    qRgb(45, 137, 240), qRgb(190, 30, 74),  qRgb(1, 158, 175), qRgb(219, 86, 45),
    qRgb(95, 59, 185)};

// Tile texts: the first eleven have tile texts of their own, the later ones say their page's title.
constexpr std::array<int, kMoreTileCount> kTileTexts{
    kStrFirstMoreTile,      kStrFirstMoreTile + 1, kStrFirstMoreTile + 2,          kStrFirstMoreTile + 3,
    kStrFirstMoreTile + 4,  kStrFirstMoreTile + 5, kStrFirstMoreTile + 6,          kStrFirstMoreTile + 7,
    kStrFirstMoreTile + 8,  kStrFirstMoreTile + 9, kStrFirstMoreTile + 10,         kStrTitleTemperatureDifference,
    kStrTitleHistoricScales};

}  // namespace

int MoreTileTextId(int k)
{
    return k >= 0 && k < kMoreTileCount ? kTileTexts[static_cast<std::size_t>(k)] : 0;
}

QFont MoreTileFont()
{
    QFont font(Ui().fontFamily);
    font.setPointSizeF(MoreTileFontPoints(Ui().geometry));
    return font;
}

MorePage::MorePage(QWidget* parent, const QRect& geometry) : QWidget(parent)
{
    setGeometry(geometry);
    setObjectName(QStringLiteral("MorePage"));
    setAttribute(Qt::WA_OpaquePaintEvent);
}

std::array<Edges, kMoreTileCount> MorePage::tiles() const
{
    return CentredTiles(MoreTileRects(Ui().geometry.W), width() - 2, height() - 2);
}

void MorePage::paintEvent(QPaintEvent* /*event*/)
{
    QPainter painter(this);
    painter.fillRect(rect(), Qt::white);
    painter.setPen(QColor(100, 100, 100));
    painter.drawRect(rect().adjusted(0, 0, -1, -1));
    painter.translate(1, 1);  // client area inside the border
    const auto shown = tiles();
    painter.setFont(MoreTileFont());
    for (int k = 0; k < kMoreTileCount; ++k) {
        const QRect r = ToQRect(ToRect(shown[static_cast<std::size_t>(k)]));
        painter.fillRect(r, QColor(kTileColours[static_cast<std::size_t>(k)]));
        painter.setPen(Qt::white);
        // A text too wide for its tile wraps at word boundaries; one that fits stays on one line.
        DrawFittedText(painter, r, Qt::AlignCenter | Qt::TextWordWrap, Str(MoreTileTextId(k)));
    }
}

void MorePage::mousePressEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton) return;
    const QPoint p = event->position().toPoint() - QPoint(1, 1);
    const int k = MoreTileAt(tiles(), p.x(), p.y());
    if (k >= 0) Q_EMIT pageChosen(kFirstMorePage + k);
}

}  // namespace tmcalc
