#include "app/ui/pages.h"

#include "framework/ui/painters.h"
#include "framework/ui/ui_context.h"
#include "resources/string_table.h"
#include "thermocouple/ui/work_pages.h"

#include <QMouseEvent>
#include <QPainter>

namespace tmcalc {
namespace {

// Tile colours of the More page, tile k standing for page 12 + k.
constexpr std::array<QRgb, kMoreTileCount> kTileColours{
    qRgb(190, 30, 74),  qRgb(95, 59, 185),  qRgb(1, 163, 0),   qRgb(166, 0, 172),
    qRgb(45, 139, 239), qRgb(0, 155, 173),  qRgb(219, 86, 45), qRgb(10, 79, 183),
    qRgb(45, 137, 240), qRgb(190, 30, 74),  qRgb(1, 158, 175)};

}  // namespace

int PageTitleId(int page)
{
    // Navigation order: Temperature, the two work containers, the standard pages, thermistor, humidity,
    // the three heat pages, transmitter, More, then the eleven unit pages of the More tiles.
    static constexpr std::array<int, kPageCount> kTitles{105, 106, 107, 181, 199, 200, 183, 184, 185, 186, 198, 0,
                                                         187, 188, 189, 190, 191, 192, 193, 194, 195, 196, 197};
    return page >= 0 && page < kPageCount ? kTitles[static_cast<std::size_t>(page)] : 0;
}

MorePage::MorePage(QWidget* parent, const QRect& geometry) : QWidget(parent)
{
    setGeometry(geometry);
    setObjectName(QStringLiteral("MorePage"));
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void MorePage::paintEvent(QPaintEvent* /*event*/)
{
    QPainter painter(this);
    painter.fillRect(rect(), Qt::white);
    painter.setPen(QColor(100, 100, 100));
    painter.drawRect(rect().adjusted(0, 0, -1, -1));
    painter.translate(1, 1);  // client area inside the border
    const auto tiles = MoreTileRects(Ui().geometry.W);
    QFont font(Ui().fontFamily);
    font.setPointSizeF(MoreTileFontPoints(Ui().geometry));
    painter.setFont(font);
    for (int k = 0; k < kMoreTileCount; ++k) {
        const QRect r = ToQRect(ToRect(tiles[static_cast<std::size_t>(k)]));
        painter.fillRect(r, QColor(kTileColours[static_cast<std::size_t>(k)]));
        painter.setPen(Qt::white);
        painter.drawText(r, Qt::AlignCenter, Str(kStrFirstMoreTile + k));
    }
}

void MorePage::mousePressEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton) return;
    const QPoint p = event->position().toPoint() - QPoint(1, 1);
    const int k = MoreTileAt(MoreTileRects(Ui().geometry.W), p.x(), p.y());
    if (k >= 0) Q_EMIT pageChosen(kFirstMorePage + k);
}

ThermocoupleContainer::ThermocoupleContainer(QWidget* parent, const QRect& geometry)
    : Page(parent, geometry, kStrTitleWorkThermocouple, true), m_tabs(ComputeThermocoupleTabs(clientArea().width))
{
    setObjectName(QStringLiteral("ThermocoupleContainer"));
    const Rect c = clientArea();
    m_selection = QPoint(5, static_cast<int>(1.5 * m_tabs.bandHeight - 5));  // inside the S tab
    // The sub-pages are a full client area high and so reach below the page; a transparent body under
    // the tab row clips them at the client area, so the page's border stays visible.
    auto* body = new QWidget(this);
    body->setObjectName(QStringLiteral("ThermocoupleBody"));
    body->setGeometry(clientRect().adjusted(0, m_tabs.subPageY, 0, 0));
    for (int i = 0; i < kThermocoupleTypeCount; ++i) {
        QWidget* sub = CreateThermocoupleSubPage(body, QRect(0, 0, c.width, c.height), i);
        sub->setObjectName(QStringLiteral("ThermocoupleSubPage_%1").arg(i));
        sub->hide();
        m_subPages[static_cast<std::size_t>(i)] = sub;
    }
    ShowSelected();
}

int ThermocoupleContainer::selectedType() const
{
    return ThermocoupleTabAt(m_tabs, m_selection.x(), m_selection.y());
}

void ThermocoupleContainer::ShowSelected()
{
    const int selected = selectedType();
    for (int i = 0; i < kThermocoupleTypeCount; ++i)
        m_subPages[static_cast<std::size_t>(i)]->setVisible(i == selected);
}

void ThermocoupleContainer::PaintPage(QPainter& painter)
{
    const int w = clientArea().width;
    painter.save();
    painter.setPen(QPen(QColor(248, 118, 118, 200), 3));
    painter.drawLine(0, m_tabs.lineY, w, m_tabs.lineY);
    std::vector<Rect> tabs;
    for (const Edges& e : m_tabs.tabs) tabs.push_back(ToRect(e));
    DrawSubPageTabs(painter, tabs, kStrFirstThermocoupleTab, selectedType());
    painter.restore();
}

void ThermocoupleContainer::mousePressEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton) return;
    const QPoint p = event->position().toPoint() - clientRect().topLeft();
    const Edges& row = m_tabs.tabs.front();
    if (row.top < p.y() && p.y() < row.bottom) m_selection = p;
    update();
    ShowSelected();
}

}  // namespace tmcalc
