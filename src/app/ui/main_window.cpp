#include "app/ui/main_window.h"

#include "app/ui/page_registry.h"
#include "app/ui/pages.h"
#include "framework/ui/painters.h"
#include "framework/ui/text_fit.h"
#include "framework/ui/ui_context.h"
#include "resources/string_table.h"
#include "resources/ui/artwork/images.h"
#include "standards/ui/standards_library.h"

#include <QIcon>
#include <QImage>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QWindow>

namespace tmcalc {
namespace {

// Images compiled in from the artwork sources; a missing one draws nothing.
void DrawImage(QPainter& painter, int id, const QRectF& target)
{
    const QImage& image = ArtworkImage(id);
    if (!image.isNull()) painter.drawImage(target, image);
}

}  // namespace

MainWindow::MainWindow(StandardsStore& standards)
    : QWidget(nullptr, Qt::Window | Qt::FramelessWindowHint), m_standards(std::make_unique<StandardsLibrary>(standards))
{
    const ScreenGeometry& g = Ui().geometry;
    m_layout = ComputeShellLayout(g);
    setObjectName(QStringLiteral("MainWindow"));
    setWindowTitle(Str(kStrMainWindowTitle));
    setWindowIcon(QIcon(QPixmap::fromImage(ArtworkImage(5))));
    setGeometry(static_cast<int>(g.X), static_cast<int>(g.Y), static_cast<int>(g.W), static_cast<int>(g.H));
    setAttribute(Qt::WA_OpaquePaintEvent);

    // The about link sits on the column colour at the bottom of the column; it leads nowhere.
    m_about = new QLabel(this);
    m_about->setObjectName(QStringLiteral("AboutLink"));
    // The font goes first: a rich text is laid out as soon as it is set, and with the default face that
    // would load a font the window never shows.
    QFont aboutFont(Ui().fontFamily);
    const float s = -static_cast<float>(static_cast<double>(g.scaleX()) * 38.0);
    aboutFont.setPixelSize(std::abs(static_cast<int>(s / 3.0f)));
    aboutFont.setWeight(QFont::Light);
    m_about->setFont(aboutFont);
    m_about->setTextFormat(Qt::RichText);
    m_about->setText(
        QStringLiteral("<br><a href=\"about\" style=\"color:white\">tmcalc</a><br>"
                       "Metrology calculator<br>v3.2.2"));
    m_about->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    m_about->setOpenExternalLinks(false);
    m_about->setTextInteractionFlags(Qt::LinksAccessibleByMouse | Qt::LinksAccessibleByKeyboard);
    m_about->setStyleSheet(QStringLiteral("QLabel { color: white; background: rgb(51,102,153); }"));
    // The part of the link inside the window, its text clear of the column's edges; a line too long for
    // the column wraps.
    m_about->setGeometry(ToQRect(ToRect(m_layout.aboutLink)) & QRect(0, 0, Trunc(g.W), Trunc(g.H)));
    m_about->setContentsMargins(m_layout.footerMargin, 0, m_layout.footerMargin, 0);
    m_about->setWordWrap(true);
    FitLabel(m_about, aboutFont);

    const Edges& first = m_layout.items.front();
    m_hover = QPoint(first.left + 1, first.top + 1);  // Temperature starts selected
    ShowPage(0);
}

MainWindow::~MainWindow() = default;

QWidget* MainWindow::page(int index)
{
    if (index < 0 || index >= kPageCount) return nullptr;
    QWidget*& page = m_pages[static_cast<std::size_t>(index)];
    if (page != nullptr) return page;
    // Made on first use, so start-up builds only the page it shows.
    const PageEntry& entry = PageRegistry()[static_cast<std::size_t>(index)];
    page = entry.create({this, ToQRect(PageRect(Ui().geometry)), entry.titleId, m_standards.get()});
    if (page->objectName().isEmpty()) page->setObjectName(QStringLiteral("Page_%1").arg(index));
    page->hide();
    if (m_about != nullptr) page->stackUnder(m_about);
    if (auto* more = qobject_cast<MorePage*>(page)) connect(more, &MorePage::pageChosen, this, &MainWindow::ShowPage);
    return page;
}

bool MainWindow::isPageMade(int index) const
{
    return index >= 0 && index < kPageCount && m_pages[static_cast<std::size_t>(index)] != nullptr;
}

int MainWindow::selectedNavigationItem() const { return NavigationItemAt(m_layout, m_hover.x(), m_hover.y()); }

void MainWindow::ShowPage(int index)
{
    if (index < 0 || index >= kPageCount || index == m_current) return;
    QWidget* next = page(index);
    if (m_current >= 0) m_pages[static_cast<std::size_t>(m_current)]->hide();
    next->show();
    m_current = index;
}

void MainWindow::paintEvent(QPaintEvent* /*event*/)
{
    const ScreenGeometry& g = Ui().geometry;
    QPainter painter(this);
    painter.fillRect(rect(), QColor(234, 238, 247));

    const Edges& banner = m_layout.banner;
    const int b = banner.bottom;
    const int r = banner.right;
    DrawImage(painter, 12, QRectF(0, 0, r, b));
    DrawImage(painter, 11, QRectF(r - b / 2.0, 0, b / 2.0, b / 5.0));
    painter.fillRect(ToQRect(ToRect(m_layout.column)), QColor(51, 102, 153));

    QFont titleFont(Ui().fontFamily);
    titleFont.setPixelSize(ScaledPixels(g, 33));
    titleFont.setWeight(QFont::Light);
    painter.setFont(titleFont);
    painter.setPen(Qt::white);
    const QRect titleBox(QPoint(ScaledPixels(g, 200), 0), QPoint(r - 1, b - 1));
    DrawFittedText(painter, titleBox, Qt::AlignCenter | Qt::TextSingleLine, Str(kStrBannerTitle));

    DrawImage(painter, 14, QRectF(g.W / 6.4, g.H - g.H / 5.5 + 1, g.W - g.W / 6.4 + 1, g.H / 5.5));

    std::vector<Rect> items;
    for (const Edges& e : m_layout.items) items.push_back(ToRect(e));
    DrawItems(painter, items, kStrFirstNavigationItem, selectedNavigationItem(), QColor(171, 193, 234));
}

void MainWindow::mousePressEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton) return;
    const QPoint p = event->position().toPoint();
    switch (ClassifyShellClick(m_layout, p.x(), p.y())) {
    case ShellClick::Close:
        close();
        return;
    case ShellClick::Minimise:
        showMinimized();
        return;
    case ShellClick::Drag:
        if (QWindow* window = windowHandle()) window->startSystemMove();
        return;
    case ShellClick::Navigate: {
        m_hover = p;
        repaint(ToQRect(ToRect(m_layout.column)));
        const int item = NavigationItemAt(m_layout, p.x(), p.y());
        if (item >= 0) ShowPage(item);
        return;
    }
    case ShellClick::None:
        return;
    }
}

}  // namespace tmcalc
