#include "app/main_window.h"

#include "framework/ui_context.h"
#include "resources/string_table.h"
#include "units/temperature_page.h"

#include <QPainter>

namespace tmcalc {

MainWindow::MainWindow()
{
    const ScreenGeometry& g = Ui().geometry;
    setObjectName(QStringLiteral("MainWindow"));
    setWindowTitle(Str(kStrMainWindowTitle));
    setGeometry(static_cast<int>(g.X), static_cast<int>(g.Y), static_cast<int>(g.W), static_cast<int>(g.H));
    m_pages[0] = new TemperaturePage(this, ToQRect(PageRect(g)));
    m_pages[0]->show();
}

QWidget* MainWindow::page(int index) const
{
    return index >= 0 && index < static_cast<int>(m_pages.size()) ? m_pages[static_cast<std::size_t>(index)] : nullptr;
}

void MainWindow::paintEvent(QPaintEvent* /*event*/)
{
    QPainter painter(this);
    painter.fillRect(rect(), QColor(234, 238, 247));
}

}  // namespace tmcalc
