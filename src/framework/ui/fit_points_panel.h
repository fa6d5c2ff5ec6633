#pragma once

#include "framework/fit_point.h"
#include "framework/plot_model.h"
#include "framework/point_fit.h"
#include "framework/point_fit_plot.h"

#include <QDialog>
#include <QStringList>

#include <functional>
#include <span>
#include <string>
#include <vector>

class QLabel;
class QPainter;
class QPushButton;
class QTableWidget;

namespace tmcalc {

class Page;

// What a coefficient page gives its points table. Everything else (the table, the plot, the residuals,
// the exports and the report) is the panel's.
struct FitPointsSetup {
    int titleId = 0;            // the page's name: the panel's, the plot's and the report's title
    int measuredHeadingId = 0;  // the measured column's heading ("R / Ω", "E / mV")
    // The page's own points in its order, read from its cells; NaN where a cell holds no number.
    std::function<std::vector<FitPoint>()> ownPoints;
    std::function<PointFit(std::span<const FitPoint>)> fit;
    // The coefficients' names in the order of PointFit::coefficients.
    std::function<std::vector<std::string>()> coefficientNames;
    // The values the fit takes as given, one line each for the report ("R0 = 100 Ω"); may be empty.
    std::function<QStringList()> given;
    // How the model's fit is drawn (the deviation from its reference function), as the command line does.
    std::function<FitCurve(const PointFit& fit)> plotCurve;
    // Shows a least-squares fit in the page's result cells; and the page's own fit again once no added
    // row is left.
    std::function<void(const PointFit& fit)> apply;
    std::function<void()> restore;
};

// A page's points table with the plot of its fit, in a window of its own beside the page. The page's own
// points are its first rows, mirrored from its cells and edited there; rows added below take any further
// points. While added rows hold points, the page's coefficients are the least-squares fit of all of them;
// with none, the page is left entirely to itself. A page opts in with Attach, which puts one small button
// in the bottom-right corner of its client area (where no coefficient page has a field) and makes the
// panel when that button is first clicked.
class FitPointsPanel : public QDialog {
    Q_OBJECT
public:
    FitPointsPanel(Page& page, FitPointsSetup setup);
    // Nothing reaches the page from here on: an editor still open commits into a table that is going.
    ~FitPointsPanel() override;

    static QPushButton* Attach(Page& page, FitPointsSetup setup);
    // The panel of a page that has one and whose button was clicked, else nullptr.
    [[nodiscard]] static FitPointsPanel* Of(const Page& page);

    [[nodiscard]] QTableWidget* table() const { return m_table; }
    [[nodiscard]] int ownRows() const { return m_ownRows; }
    [[nodiscard]] const PointFit& lastFit() const { return m_fit; }
    [[nodiscard]] const PlotModel& plot() const { return m_model; }
    // The results as shown: coefficients with their uncertainties, the residual standard deviation or
    // what keeps the points from a fit.
    [[nodiscard]] QString resultText() const;

    // Reads the page again and refits: for a change of the page that no typing starts (a mode chosen).
    void Refresh() { Update(); }
    // Refresh of the page's panel, when it has one.
    static void RefreshOf(const Page& page);

    void AddRow();
    // Removes the current row when it is an added one, else the last added row.
    void RemoveRow();

    // The exports; false when the file cannot be written.
    bool SavePng(const QString& path, QSize size = {1200, 800}) const;
    bool SaveSvg(const QString& path, double width = 900, double height = 600) const;
    // One A4 page: the title, the points with their residuals, the coefficients with their standard
    // uncertainties, the residual standard deviation and the plot.
    bool SavePdfReport(const QString& path) const;
    // The report's page drawn into `page` (its text area), for the PDF and for a preview.
    void PaintReport(QPainter& painter, const QRect& page) const;

private:
    // The exports at their default sizes, for the buttons.
    bool SavePngFile(const QString& path) const;
    bool SaveSvgFile(const QString& path) const;
    void SyncOwnRows();
    void Update();
    [[nodiscard]] std::vector<FitPoint> TablePoints(std::vector<int>* rows, int* added) const;

    Page& m_page;
    FitPointsSetup m_setup;
    QTableWidget* m_table = nullptr;
    QLabel* m_results = nullptr;
    QWidget* m_plotView = nullptr;
    int m_ownRows = 0;
    bool m_updating = false;
    bool m_applied = false;  // the page shows a least-squares fit of added rows
    PointFit m_fit;
    std::vector<FitPoint> m_points;  // the points of m_fit
    std::vector<int> m_pointRows;    // each point's table row
    PlotModel m_model;
};

}  // namespace tmcalc
