#include "framework/ui/fit_points_panel.h"

#include "framework/number_text.h"
#include "framework/plot_svg.h"
#include "framework/ui/numeric_edit.h"
#include "framework/ui/page.h"
#include "framework/ui/plot_painter.h"
#include "framework/ui/ui_context.h"
#include "resources/string_ids.h"

#include <QDateTime>
#include <QFile>
#include <QFileDialog>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QMessageBox>
#include <QPainter>
#include <QPdfWriter>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

#include <cmath>

namespace tmcalc {
namespace {

enum Column : int { kColumnT = 0, kColumnMeasured = 1, kColumnResidual = 2 };

// The fit's drawing, repainted from the panel's model.
class PlotView : public QWidget {
public:
    PlotView(QWidget* parent, const PlotModel& model) : QWidget(parent), m_model(model)
    {
        setObjectName(QStringLiteral("fitPlot"));
        setMinimumSize(320, 240);
    }

protected:
    void paintEvent(QPaintEvent* /*event*/) override
    {
        QPainter painter(this);
        PaintPlot(painter, m_model, QRectF(rect()));
    }

private:
    const PlotModel& m_model;
};

QString Number(double value, int digits)
{
    return std::isfinite(value) ? FromUtf8(FormatValueG(value, digits)) : QString();
}

// A cell's number, read whole in the C conventions as the page's fields read theirs.
std::optional<double> CellNumber(const QTableWidgetItem* item)
{
    if (item == nullptr) return std::nullopt;
    const QString text = item->text().trimmed();
    if (text.isEmpty()) return std::nullopt;
    const CheckedValue v = ReadFieldValueChecked(text.toStdU16String());
    if (!v.consumed || !std::isfinite(v.value)) return std::nullopt;
    return v.value;
}

QString ProblemText(const PointFit& fit)
{
    switch (fit.problem) {
        case PointFitProblem::None: return {};
        case PointFitProblem::TooFewPoints: return Str(kStrFitTooFewPoints);
        case PointFitProblem::RepeatedPoints: return Str(kStrFitRepeatedPoints);
        case PointFitProblem::Singular: return Str(kStrFitSingular);
        case PointFitProblem::BadPoint:
            return fit.point < 0 ? Str(kStrFitBadGiven) : Str(kStrFitBadPoint).arg(fit.point + 1);
    }
    return {};
}

}  // namespace

QPushButton* FitPointsPanel::Attach(Page& page, FitPointsSetup setup)
{
    auto* button = new QPushButton(Str(kStrFitPointsButton), &page);
    button->setObjectName(QStringLiteral("fitPointsButton"));
    button->setFont(Ui().labelFont);
    // A bottom corner of the client area, as wide as its text needs: the right one unless a widget of the
    // page (shown or not, as another mode's grid) lies there, else the left one.
    const QFontMetrics metrics(button->font());
    const int h = metrics.height() * 2;
    const int w = metrics.horizontalAdvance(button->text()) + metrics.height() * 2;
    const QRect client = page.clientRect();
    const int margin = metrics.height() / 2;
    const int y = client.bottom() + 1 - margin - h;
    const QRect right(client.right() + 1 - margin - w, y, w, h);
    bool rightTaken = false;
    for (const QWidget* child : page.findChildren<QWidget*>(QString(), Qt::FindDirectChildrenOnly))
        rightTaken = rightTaken || (child != button && !child->isWindow() && child->geometry().intersects(right));
    button->setGeometry(rightTaken ? QRect(client.left() + margin, y, w, h) : right);
    button->setFocusPolicy(Qt::TabFocus);
    QObject::connect(button, &QPushButton::clicked, &page, [&page, setup = std::move(setup)] {
        FitPointsPanel* panel = Of(page);
        if (panel == nullptr) panel = new FitPointsPanel(page, setup);
        panel->show();
        panel->raise();
        panel->activateWindow();
    });
    return button;
}

FitPointsPanel* FitPointsPanel::Of(const Page& page)
{
    return page.findChild<FitPointsPanel*>(QString(), Qt::FindDirectChildrenOnly);
}

void FitPointsPanel::RefreshOf(const Page& page)
{
    if (FitPointsPanel* panel = Of(page)) panel->Refresh();
}

FitPointsPanel::FitPointsPanel(Page& page, FitPointsSetup setup)
    : QDialog(&page), m_page(page), m_setup(std::move(setup))
{
    setObjectName(QStringLiteral("fitPointsPanel"));
    setWindowTitle(Str(m_setup.titleId));
    setModal(false);
    setFont(Ui().labelFont);

    m_table = new QTableWidget(0, 3, this);
    m_table->setObjectName(QStringLiteral("fitPoints"));
    m_table->setHorizontalHeaderLabels(
        {Str(kStrFitTemperatureHeading), Str(m_setup.measuredHeadingId), Str(kStrFitResidualHeading)});
    m_table->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
    m_table->verticalHeader()->setDefaultSectionSize(QFontMetrics(font()).height() + 8);

    auto* add = new QPushButton(Str(kStrFitAddRow), this);
    add->setObjectName(QStringLiteral("fitAddRow"));
    auto* remove = new QPushButton(Str(kStrFitRemoveRow), this);
    remove->setObjectName(QStringLiteral("fitRemoveRow"));
    connect(add, &QPushButton::clicked, this, &FitPointsPanel::AddRow);
    connect(remove, &QPushButton::clicked, this, &FitPointsPanel::RemoveRow);

    m_results = new QLabel(this);
    m_results->setObjectName(QStringLiteral("fitResults"));
    m_results->setTextInteractionFlags(Qt::TextSelectableByMouse);
    m_results->setWordWrap(true);

    m_plotView = new PlotView(this, m_model);

    // An export button: the file dialog, then the export; a warning when the file cannot be written.
    const auto saveButton = [this](int textId, const char* name, int filterId,
                                   bool (FitPointsPanel::*save)(const QString&) const) {
        auto* button = new QPushButton(Str(textId), this);
        button->setObjectName(QString::fromLatin1(name));
        connect(button, &QPushButton::clicked, this, [this, filterId, save] {
            const QString path = QFileDialog::getSaveFileName(this, Str(m_setup.titleId), {}, Str(filterId));
            if (!path.isEmpty() && !(this->*save)(path))
                QMessageBox::warning(this, Str(m_setup.titleId), Str(kStrFitWriteFailed));
        });
        return button;
    };
    QPushButton* savePng = saveButton(kStrFitSavePng, "fitSavePng", kStrFitPngFilter, &FitPointsPanel::SavePngFile);
    QPushButton* saveSvg = saveButton(kStrFitSaveSvg, "fitSaveSvg", kStrFitSvgFilter, &FitPointsPanel::SaveSvgFile);
    QPushButton* savePdf = saveButton(kStrFitSavePdf, "fitSavePdf", kStrFitPdfFilter, &FitPointsPanel::SavePdfReport);

    auto* rowButtons = new QHBoxLayout;
    rowButtons->addWidget(add);
    rowButtons->addWidget(remove);
    auto* left = new QVBoxLayout;
    left->addWidget(m_table, 1);
    left->addLayout(rowButtons);
    left->addWidget(m_results);
    auto* exports = new QHBoxLayout;
    exports->addStretch(1);
    exports->addWidget(savePng);
    exports->addWidget(saveSvg);
    exports->addWidget(savePdf);
    auto* right = new QVBoxLayout;
    right->addWidget(m_plotView, 1);
    right->addLayout(exports);
    auto* layout = new QHBoxLayout(this);
    layout->addLayout(left, 2);
    layout->addLayout(right, 3);
    const ScreenGeometry& g = Ui().geometry;
    resize(static_cast<int>(g.W * 0.8), static_cast<int>(g.H * 0.75));

    // A typed added row refits; the residual cells written here do not.
    connect(m_table, &QTableWidget::itemChanged, this, [this] {
        if (!m_updating) Update();
    });
    // The page's own points follow its cells. Only an edit the user is typing into counts: the results
    // the page (or this panel) writes start nothing, as on the page itself. The page's own slot ran first.
    for (Field* f : m_page.fields()) {
        NumericEdit* edit = f->edit;
        connect(edit, &QLineEdit::textChanged, this, [this, edit] {
            if (!m_updating && edit->hasFocus()) Update();
        });
    }
    Update();
}

FitPointsPanel::~FitPointsPanel()
{
    m_updating = true;
}

void FitPointsPanel::AddRow()
{
    const int row = m_table->rowCount();
    m_updating = true;
    m_table->insertRow(row);
    for (int c = 0; c < 3; ++c) {
        auto* item = new QTableWidgetItem;
        if (c == kColumnResidual) item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable);
        m_table->setItem(row, c, item);
    }
    m_updating = false;
    m_table->setCurrentCell(row, kColumnT);
}

void FitPointsPanel::RemoveRow()
{
    if (m_table->rowCount() <= m_ownRows) return;
    const int current = m_table->currentRow();
    m_table->removeRow(current >= m_ownRows ? current : m_table->rowCount() - 1);
    Update();
}

void FitPointsPanel::SyncOwnRows()
{
    const std::vector<FitPoint> own = m_setup.ownPoints();
    const int count = static_cast<int>(own.size());
    while (m_ownRows < count) m_table->insertRow(m_ownRows++);
    while (m_ownRows > count) m_table->removeRow(--m_ownRows);
    const QBrush shade(QColor(240, 240, 240));
    for (int row = 0; row < count; ++row) {
        const FitPoint& p = own[static_cast<std::size_t>(row)];
        const std::array<double, 2> values{p.t, p.r};
        for (int c = 0; c < 3; ++c) {
            QTableWidgetItem* item = m_table->item(row, c);
            if (item == nullptr) {
                item = new QTableWidgetItem;
                m_table->setItem(row, c, item);
            }
            // The page's own rows are edited on the page.
            item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable);
            item->setBackground(shade);
            if (c < 2) item->setText(Number(values[static_cast<std::size_t>(c)], 12));
        }
    }
}

std::vector<FitPoint> FitPointsPanel::TablePoints(std::vector<int>* rows, int* added) const
{
    std::vector<FitPoint> points;
    *added = 0;
    for (int row = 0; row < m_table->rowCount(); ++row) {
        const std::optional<double> t = CellNumber(m_table->item(row, kColumnT));
        const std::optional<double> m = CellNumber(m_table->item(row, kColumnMeasured));
        if (!t || !m) continue;
        points.push_back({*t, *m});
        rows->push_back(row);
        if (row >= m_ownRows) ++*added;
    }
    return points;
}

void FitPointsPanel::Update()
{
    m_updating = true;
    SyncOwnRows();
    m_pointRows.clear();
    int added = 0;
    m_points = TablePoints(&m_pointRows, &added);
    m_fit = m_setup.fit(m_points);
    if (added > 0 && m_fit.Ok()) {
        m_setup.apply(m_fit);
        m_applied = true;
    } else if (m_applied) {
        // Back to the page's own points (or added rows that give no fit): the page's own fit again.
        m_setup.restore();
        m_applied = false;
    }

    for (int row = 0; row < m_table->rowCount(); ++row)
        if (QTableWidgetItem* item = m_table->item(row, kColumnResidual)) item->setText({});
    if (m_fit.Ok()) {
        for (std::size_t i = 0; i < m_pointRows.size() && i < m_fit.residualsMk.size(); ++i)
            m_table->item(m_pointRows[i], kColumnResidual)->setText(Number(m_fit.residualsMk[i], 4));
    }
    m_results->setText(resultText());

    m_model = BuildPointFitPlot(Str(m_setup.titleId).toStdString(), m_points, m_fit, m_setup.plotCurve(m_fit));
    m_plotView->update();
    m_updating = false;
}

QString FitPointsPanel::resultText() const
{
    if (!m_fit.Ok()) return m_points.empty() ? QString() : ProblemText(m_fit);
    const std::vector<std::string> names = m_setup.coefficientNames();
    QStringList lines;
    for (std::size_t i = 0; i < m_fit.coefficients.size(); ++i) {
        QString line = (i < names.size() ? FromUtf8(names[i]) : QString::number(i + 1)) + QStringLiteral(" = ") +
                       Number(m_fit.coefficients[i], 12);
        if (i < m_fit.uncertainties.size()) line += QStringLiteral(" ± ") + Number(m_fit.uncertainties[i], 2);
        lines << line;
    }
    if (m_fit.uncertainties.empty()) {
        lines << Str(kStrFitExact);
    } else {
        lines << Str(kStrFitResidualSd).arg(Number(m_fit.residualSdMk, 3)).arg(m_points.size());
    }
    if (m_applied) lines << Str(kStrFitApplied);
    return lines.join(QLatin1Char('\n'));
}

bool FitPointsPanel::SavePng(const QString& path, QSize size) const
{
    return PlotImage(m_model, size).save(path, "PNG");
}

bool FitPointsPanel::SavePngFile(const QString& path) const
{
    return SavePng(path);
}

bool FitPointsPanel::SaveSvgFile(const QString& path) const
{
    return SaveSvg(path);
}

bool FitPointsPanel::SaveSvg(const QString& path, double width, double height) const
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate)) return false;
    const std::string svg = PlotSvg(m_model, width, height);
    return file.write(svg.data(), static_cast<qint64>(svg.size())) == static_cast<qint64>(svg.size()) &&
           file.flush();
}

bool FitPointsPanel::SavePdfReport(const QString& path) const
{
    QPdfWriter writer(path);
    writer.setPageSize(QPageSize(QPageSize::A4));
    writer.setPageMargins(QMarginsF(15, 15, 15, 15), QPageLayout::Millimeter);
    writer.setResolution(300);
    writer.setTitle(Str(m_setup.titleId) + QStringLiteral(" - ") + Str(kStrFitReport));
    writer.setCreator(QStringLiteral("tmcalc"));
    QPainter painter;
    if (!painter.begin(&writer)) return false;
    PaintReport(painter, painter.viewport());
    return painter.end();
}

void FitPointsPanel::PaintReport(QPainter& painter, const QRect& page) const
{
    const double px = page.width() / 180.0;  // device pixels per millimetre of an A4 text area

    QFont font(Ui().fontFamily);
    font.setPixelSize(static_cast<int>(px * 3.2));
    QFont bold = font;
    bold.setBold(true);
    QFont heading = bold;
    heading.setPixelSize(static_cast<int>(px * 5.0));
    painter.setPen(Qt::black);
    double y = page.y();
    const auto line = [&](const QFont& f, const QString& text) {
        painter.setFont(f);
        y += QFontMetricsF(f).height();
        painter.drawText(QPointF(page.x(), y), text);
    };
    // A row of cells at the given x positions (millimetres).
    const auto row = [&](const QFont& f, const QStringList& cells, const std::vector<double>& xs) {
        painter.setFont(f);
        y += QFontMetricsF(f).height();
        for (qsizetype i = 0; i < cells.size() && static_cast<std::size_t>(i) < xs.size(); ++i)
            painter.drawText(QPointF(page.x() + xs[static_cast<std::size_t>(i)] * px, y), cells[i]);
    };

    line(heading, Str(m_setup.titleId) + QStringLiteral(" - ") + Str(kStrFitReport));
    line(font, Str(kStrFitReportMade).arg(QDateTime::currentDateTimeUtc().toString(Qt::ISODate)));
    if (m_setup.given)
        for (const QString& given : m_setup.given()) line(font, given);
    y += px * 3;
    line(bold, Str(kStrFitReportPoints));
    row(bold, {QStringLiteral("#"), Str(kStrFitTemperatureHeading), Str(m_setup.measuredHeadingId),
               Str(kStrFitResidualHeading)},
        {0, 12, 60, 110});
    for (std::size_t i = 0; i < m_points.size(); ++i) {
        const double r = m_fit.Ok() && i < m_fit.residualsMk.size() ? m_fit.residualsMk[i] : NAN;
        row(font, {QString::number(i + 1), Number(m_points[i].t, 10), Number(m_points[i].r, 12), Number(r, 4)},
            {0, 12, 60, 110});
    }
    y += px * 3;
    line(bold, Str(kStrFitReportCoefficients));
    if (m_fit.Ok()) {
        const std::vector<std::string> names = m_setup.coefficientNames();
        row(bold, {Str(kStrFitReportName), Str(kStrFitReportValue), Str(kStrFitReportUncertainty)}, {0, 30, 100});
        for (std::size_t i = 0; i < m_fit.coefficients.size(); ++i) {
            const double u = i < m_fit.uncertainties.size() ? m_fit.uncertainties[i] : NAN;
            row(font, {i < names.size() ? FromUtf8(names[i]) : QString(), Number(m_fit.coefficients[i], 12),
                       Number(u, 3)},
                {0, 30, 100});
        }
        line(font, m_fit.uncertainties.empty() ? Str(kStrFitExact)
                                               : Str(kStrFitResidualSd)
                                                     .arg(Number(m_fit.residualSdMk, 3))
                                                     .arg(m_points.size()));
    } else {
        line(font, ProblemText(m_fit));
    }
    y += px * 4;
    // The plot fills the rest of the page, no taller than two thirds of its width.
    const double h = std::min(page.bottom() - y, page.width() * 0.67);
    if (h > px * 40) PaintPlot(painter, m_model, QRectF(page.x(), y, page.width(), h));
}

}  // namespace tmcalc
