// The points table of the coefficient pages as a user meets it: open it from the page's button, add
// rows, type points, read the coefficients the page then shows, remove the rows again; the plot drawn
// from its model, and the PNG, SVG and PDF files it writes.
#include "framework/ui/fit_points_panel.h"

#include "framework/number_text.h"
#include "framework/plot_svg.h"
#include "framework/ui/numeric_edit.h"
#include "framework/ui/plot_painter.h"
#include "rtd/copper.h"
#include "rtd/fits.h"
#include "rtd/its90.h"
#include "rtd/platinum.h"
#include "rtd/sprt_fits.h"
#include "rtd/ui/coefficient_sub_page.h"
#include "rtd/ui/sprt_coefficient_sub_page.h"
#include "thermistor/ntc_fits.h"
#include "thermistor/ui/ntc_fit_sub_page.h"
#include "thermocouple/deviation_fit.h"
#include "thermocouple/std_reference.h"
#include "thermocouple/std_type_s.h"
#include "thermocouple/ui/std_s_calculator_sub_page.h"
#include "ui_test_util.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QImage>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QXmlStreamReader>

#include <cmath>
#include <functional>
#include <map>
#include <memory>
#include <string>
#include <vector>

namespace tmcalc {
namespace {

// A measured point as typed: temperature and measured value (Ω or mV).
struct Typed {
    double t;
    double m;
};

struct PageCase {
    const char* name;
    std::function<Page*()> make;
    std::vector<std::pair<int, double>> own;  // the page's own cells typed first (id, value)
    std::vector<Typed> added;                 // rows typed into the table
    std::vector<int> results;                 // the result cells, in the fit's coefficient order
    // The independent answer: the core's fit of the page's own points followed by the added ones.
    std::function<PointFit(const std::vector<FitPoint>&)> fit;
    std::vector<FitPoint> ownPoints;  // the page's own points as the table should show them
};

// A value as the test types it: twelve significant digits.
double AsTyped(double v)
{
    return std::stod(FormatValueG(v, 12));
}

// Makes `window` the active window (a click on another window activates that one a little later).
bool Activate(QWidget* window)
{
    QTest::qWait(20);
    window->activateWindow();
    return QTest::qWaitFor([window] { return QApplication::activeWindow() == window; }, 2000);
}

// Millohm (or microvolt) scatter, one value per point in turn.
constexpr double kScatter[] = {1.2, -0.8, 0.5, -1.5, 0.9, -0.3, 0.7, -1.1, 0.4};

double Pt100(double t, int i)
{
    return AsTyped(PtResistance(t, 100.0) + kScatter[i] * 1e-3);
}

constexpr double kRtp = 25.12461;
double Sprt(double t, int i)
{
    return AsTyped(kRtp * Its90Wr(t) + kScatter[i] * 1e-5);
}

double TypeS(double t, int i)
{
    return AsTyped(StdRefEmf(ThermocoupleType::S, t) + 0.002 + 1e-6 * t + kScatter[i] * 1e-4);
}

double Ntc(double t, int i)
{
    return AsTyped(10000.0 * std::exp(3950.0 * (1.0 / (t + 273.15) - 1.0 / 298.15)) * (1.0 + kScatter[i] * 1e-4));
}

const QRect kPageRect(0, 0, 1054, 480);

// One of the page's own points: its measured value typed into `cell`.
void AddOwn(PageCase& c, int cell, double t, double measured)
{
    c.own.emplace_back(cell, measured);
    c.ownPoints.push_back({t, measured});
}

std::vector<PageCase> Cases()
{
    std::vector<PageCase> cases;
    // The Pt100 of the report: nine points from -196 to 420 °C, the page's three and six more.
    {
        PageCase c{"pt100", [] { return new RtdCoefficientSubPage(nullptr, kPageRect, RtdMetal::Platinum); }};
        const double own[] = {-40.0, 100.0, 300.0};
        for (int i = 0; i < 3; ++i) AddOwn(c, kCellPoint1R + 3 * i, own[i], Pt100(own[i], i));
        const double more[] = {-196.0, -150.0, -80.0, 0.0, 200.0, 420.0};
        for (int i = 0; i < 6; ++i) c.added.push_back({more[i], Pt100(more[i], i + 3)});
        c.results = {kCellFirstResult, kCellFirstResult + 2, kCellFirstResult + 4};
        c.fit = [](const std::vector<FitPoint>& p) { return FitPtPoints(100.0, p); };
        cases.push_back(std::move(c));
    }
    {
        PageCase c{"cu50", [] { return new RtdCoefficientSubPage(nullptr, kPageRect, RtdMetal::Copper); }};
        const double own[] = {100.0, 150.0, -10.0};
        const auto cu = [](double t, int i) { return AsTyped(CuResistance(t, 50.0) + kScatter[i] * 1e-3); };
        for (int i = 0; i < 3; ++i) AddOwn(c, kCellPoint1R + 3 * i, own[i], cu(own[i], i));
        for (int i = 0; i < 3; ++i) c.added.push_back({-40.0 + 50.0 * i, cu(-40.0 + 50.0 * i, i + 3)});
        c.results = {kCellFirstResult, kCellFirstResult + 2, kCellFirstResult + 4};
        c.fit = [](const std::vector<FitPoint>& p) { return FitCuPoints(50.0, p); };
        cases.push_back(std::move(c));
    }
    {
        PageCase c{"type_s", [] { return new StdSCalculatorSubPage(nullptr, kPageRect); }};
        const std::pair<int, double> own[] = {{kCalcZinc, kZincPoint}, {kCalcAluminium, kAluminiumPoint},
                                              {kCalcCopper, kCopperPoint}};
        for (int i = 0; i < 3; ++i) AddOwn(c, own[i].first, own[i].second, TypeS(own[i].second, i));
        for (int i = 0; i < 3; ++i) c.added.push_back({300.0 + 300.0 * i, TypeS(300.0 + 300.0 * i, i + 3)});
        c.results = {kCalcA, kCalcB, kCalcC};
        c.fit = [](const std::vector<FitPoint>& p) { return FitStdSDeviationPoints(p); };
        cases.push_back(std::move(c));
    }
    {
        // β mode: the page shows β; the fit's second coefficient (R25) only the panel.
        PageCase c{"ntc_beta", [] { return new NtcFitSubPage(nullptr, kPageRect); }};
        const double own[] = {25.0, 50.0};
        for (int i = 0; i < 2; ++i) {
            AddOwn(c, kNtcFitBetaR1 + 3 * i, own[i], Ntc(own[i], i));
            c.own.emplace_back(kNtcFitBetaR1 + 3 * i + 1, own[i]);  // its temperature beside it
        }
        for (int i = 0; i < 3; ++i) c.added.push_back({-20.0 + 40.0 * i, Ntc(-20.0 + 40.0 * i, i + 2)});
        c.results = {kNtcFitBeta};
        c.fit = [](const std::vector<FitPoint>& p) { return FitNtcBetaPoints(p); };
        cases.push_back(std::move(c));
    }
    {
        // The default range -200~660: a7, b7, c7 from aluminium, zinc and tin; a4, b4 from argon and mercury.
        PageCase c{"sprt", [] { return new SprtCoefficientSubPage(nullptr, kPageRect); }};
        const SprtFixedPointRows rows = SprtFixedPoints({0, 0});
        for (int i = 0; i < rows.upper_count + rows.lower_count; ++i) {
            const double t = rows.points[static_cast<std::size_t>(i)].t;
            AddOwn(c, SprtGridCell(kSprtFirstPointRow + i, 2), t, Sprt(t, i));
        }
        c.added = {{100.0, Sprt(100.0, 5)}, {500.0, Sprt(500.0, 6)}, {-100.0, Sprt(-100.0, 7)}};
        for (int k = 0; k < 5; ++k) c.results.push_back(SprtResultValue(k));
        c.fit = [](const std::vector<FitPoint>& p) {
            const SprtPointSplit split = SprtSplitPoints({0, 0}, p);
            return FitSprtPoints({0, 0}, kRtp, split.upper, split.lower);
        };
        cases.push_back(std::move(c));
    }
    return cases;
}

QString Text(double v)
{
    return QString::fromStdString(FormatValueG(v, 12));
}

// What a page shows: every field's text and geometry, and which are visible.
std::map<int, QString> Snapshot(const Page& page)
{
    std::map<int, QString> shown;
    for (const Field* f : page.fields()) {
        const QRect g = f->edit->geometry();
        shown[f->id] = f->edit->text() + QStringLiteral(" @%1,%2 %3x%4 %5")
                                             .arg(g.x())
                                             .arg(g.y())
                                             .arg(g.width())
                                             .arg(g.height())
                                             .arg(f->edit->isVisible());
    }
    return shown;
}

// Types a value into a cell of the table as a user does: the cell chosen, the first key starts the
// editor, the rest go into it, Return ends it.
void TypeCell(QTableWidget* table, int row, int column, const QString& keys)
{
    table->setFocus();
    table->setCurrentCell(row, column);
    QTest::keyClicks(table, keys.left(1));
    auto* editor = qobject_cast<QLineEdit*>(QApplication::focusWidget());
    ASSERT_NE(editor, nullptr) << "no editor at row " << row;
    ASSERT_TRUE(table->isAncestorOf(editor)) << editor->objectName().toStdString();
    QTest::keyClicks(editor, keys.mid(1));
    QTest::keyClick(editor, Qt::Key_Return);
    QApplication::processEvents();  // Return commits through a queued call
}

class FitPointsPage : public ::testing::TestWithParam<PageCase> {
protected:
    void SetUp() override
    {
        m_page.reset(GetParam().make());
        ASSERT_TRUE(test::ShowActive(m_page.get()));
        for (const auto& [id, value] : GetParam().own) test::Type(m_page->edit(id), Text(value));
    }

    FitPointsPanel* Open()
    {
        auto* button = m_page->findChild<QPushButton*>(QStringLiteral("fitPointsButton"));
        EXPECT_NE(button, nullptr);
        if (button == nullptr) return nullptr;
        QTest::mouseClick(button, Qt::LeftButton);
        FitPointsPanel* panel = FitPointsPanel::Of(*m_page);
        if (panel != nullptr) {
            EXPECT_TRUE(Activate(panel));
        }
        return panel;
    }

    [[nodiscard]] std::vector<double> ShownResults() const
    {
        std::vector<double> values;
        for (int id : GetParam().results) values.push_back(ReadFieldValue(m_page->edit(id)->text().toStdU16String()));
        return values;
    }

    std::unique_ptr<Page> m_page;
};

// Opening the table with no row added changes nothing on the page; rows typed in make the page show the
// least-squares coefficients of all points; removing them brings back the page's own results.
TEST_P(FitPointsPage, AddedRowsDriveTheCoefficientsAndRemovingThemRestoresThePage)
{
    const PageCase& c = GetParam();
    const std::map<int, QString> before = Snapshot(*m_page);
    FitPointsPanel* panel = Open();
    ASSERT_NE(panel, nullptr);
    EXPECT_EQ(Snapshot(*m_page), before);
    // The page's own points are the first rows, as the page holds them, and are not editable here.
    QTableWidget* table = panel->table();
    ASSERT_EQ(panel->ownRows(), static_cast<int>(c.ownPoints.size()));
    for (std::size_t i = 0; i < c.ownPoints.size(); ++i) {
        const int row = static_cast<int>(i);
        EXPECT_NEAR(table->item(row, 0)->text().toDouble(), c.ownPoints[i].t, 1e-9) << row;
        EXPECT_NEAR(table->item(row, 1)->text().toDouble(), c.ownPoints[i].r, 1e-9 * std::abs(c.ownPoints[i].r));
        EXPECT_FALSE(table->item(row, 1)->flags() & Qt::ItemIsEditable);
    }

    auto* add = panel->findChild<QPushButton*>(QStringLiteral("fitAddRow"));
    std::vector<FitPoint> all = c.ownPoints;
    for (const Typed& p : c.added) {
        QTest::mouseClick(add, Qt::LeftButton);
        const int row = table->rowCount() - 1;
        TypeCell(table, row, 0, Text(p.t));
        TypeCell(table, row, 1, Text(p.m));
        all.push_back({p.t, p.m});
    }
    const PointFit want = c.fit(all);
    ASSERT_TRUE(want.Ok());
    const std::vector<double> shown = ShownResults();
    for (std::size_t i = 0; i < shown.size(); ++i)
        // The pages show 15 decimals.
        EXPECT_NEAR(shown[i], want.coefficients[i], 1e-12 * std::abs(want.coefficients[i]) + 6e-16)
            << c.name << " coefficient " << i;
    // Every point has its residual; the panel names the uncertainties and the standard deviation.
    for (int row = 0; row < table->rowCount(); ++row)
        EXPECT_FALSE(table->item(row, 2)->text().isEmpty()) << row;
    EXPECT_TRUE(panel->resultText().contains(QStringLiteral(" ± "))) << panel->resultText().toStdString();
    EXPECT_EQ(panel->plot().main.marks.size(), all.size());
    EXPECT_EQ(panel->plot().residuals.marks.size(), all.size());

    // A row half typed in adds no point; removing the rows one by one brings the page back as it was.
    QTest::mouseClick(add, Qt::LeftButton);
    TypeCell(table, table->rowCount() - 1, 0, QStringLiteral("12"));
    EXPECT_EQ(ShownResults(), shown);
    auto* remove = panel->findChild<QPushButton*>(QStringLiteral("fitRemoveRow"));
    for (std::size_t i = 0; i <= c.added.size(); ++i) QTest::mouseClick(remove, Qt::LeftButton);
    EXPECT_EQ(table->rowCount(), panel->ownRows());
    QTest::mouseClick(remove, Qt::LeftButton);  // the page's own rows stay
    EXPECT_EQ(table->rowCount(), panel->ownRows());
    EXPECT_EQ(Snapshot(*m_page), before);
}

// The page's button sits in its bottom-right corner, on no field (hidden ones too: the other mode's grid,
// the rows of a wider range).
TEST_P(FitPointsPage, ButtonCoversNoField)
{
    auto* button = m_page->findChild<QPushButton*>(QStringLiteral("fitPointsButton"));
    ASSERT_NE(button, nullptr);
    EXPECT_TRUE(m_page->clientRect().contains(button->geometry()));
    for (const Field* f : m_page->fields()) {
        for (const QWidget* w : {static_cast<const QWidget*>(f->edit), static_cast<const QWidget*>(f->label),
                                 static_cast<const QWidget*>(f->unit)}) {
            if (w != nullptr && !w->geometry().isEmpty()) {
                EXPECT_FALSE(w->geometry().intersects(button->geometry())) << f->id;
            }
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Pages, FitPointsPage, ::testing::ValuesIn(Cases()),
                         [](const ::testing::TestParamInfo<PageCase>& row) { return std::string(row.param.name); });

// A page's own cells edited while rows are added: the table follows and the page keeps the least-squares
// fit; a point the fit refuses leaves the page with its own fit and says why.
TEST(FitPointsPanel, PageEditsAndRefusedPoints)
{
    RtdCoefficientSubPage page(nullptr, kPageRect, RtdMetal::Platinum);
    ASSERT_TRUE(test::ShowActive(&page));
    const double own[] = {-40.0, 100.0, 300.0};
    for (int i = 0; i < 3; ++i) test::Type(page.edit(kCellPoint1R + 3 * i), Text(Pt100(own[i], i)));
    const QString exactA = page.edit(kCellFirstResult)->text();
    QTest::mouseClick(page.findChild<QPushButton*>(QStringLiteral("fitPointsButton")), Qt::LeftButton);
    FitPointsPanel* panel = FitPointsPanel::Of(page);
    ASSERT_NE(panel, nullptr);
    ASSERT_TRUE(Activate(panel));
    QTableWidget* table = panel->table();
    panel->AddRow();
    TypeCell(table, 3, 0, QStringLiteral("200"));
    TypeCell(table, 3, 1, Text(Pt100(200.0, 4)));
    const QString fittedA = page.edit(kCellFirstResult)->text();
    EXPECT_NE(fittedA, exactA);

    // A new R at 100 °C typed on the page: row 2 shows it, the page shows the new least-squares A.
    ASSERT_TRUE(Activate(&page));
    test::PasteOver(page.edit(kCellPoint2R), QStringLiteral("138.6"));
    EXPECT_EQ(table->item(1, 1)->text(), QStringLiteral("138.6"));
    const PointFit want =
        FitPtPoints(100.0, std::vector<FitPoint>{{-40.0, Pt100(-40.0, 0)}, {100.0, 138.6}, {300.0, Pt100(300.0, 2)},
                                                 {200.0, Pt100(200.0, 4)}});
    EXPECT_NEAR(ReadFieldValue(page.edit(kCellFirstResult)->text().toStdU16String()), want.coefficients[0], 1e-15);

    // A negative resistance is refused by the fit: the page falls back to its own fit, the panel says which.
    ASSERT_TRUE(Activate(panel));
    TypeCell(table, 3, 1, QStringLiteral("-5"));
    EXPECT_TRUE(panel->resultText().contains(QStringLiteral("point 4"))) << panel->resultText().toStdString();
    const PointFit ownFit =
        FitPtPoints(100.0, std::vector<FitPoint>{{-40.0, Pt100(-40.0, 0)}, {100.0, 138.6}, {300.0, Pt100(300.0, 2)}});
    EXPECT_NEAR(ReadFieldValue(page.edit(kCellFirstResult)->text().toStdU16String()), ownFit.coefficients[0], 1e-15);
}

// The model's marks as the SVG writer places them, read back from the document.
struct SvgMark {
    QString group;
    double cx;
    double cy;
};

std::vector<SvgMark> SvgMarks(const QByteArray& svg, int* polylines, bool* wellFormed)
{
    std::vector<SvgMark> marks;
    QXmlStreamReader xml(svg);
    QString group;
    *polylines = 0;
    while (!xml.atEnd()) {
        if (xml.readNext() != QXmlStreamReader::StartElement) continue;
        const auto a = xml.attributes();
        if (xml.name() == QStringLiteral("g")) group = a.value(QStringLiteral("id")).toString();
        if (xml.name() == QStringLiteral("circle"))
            marks.push_back({group, a.value(QStringLiteral("cx")).toDouble(), a.value(QStringLiteral("cy")).toDouble()});
        if (xml.name() == QStringLiteral("polyline")) ++*polylines;
    }
    *wellFormed = !xml.hasError();
    return marks;
}

PlotModel SampleModel()
{
    FitPlotInput in;
    in.title = "Pt & <Cu>";
    in.xTitle = "t / °C";
    in.yTitle = "R − R_std(t) / Ω";
    in.residualTitle = "residual / mK";
    in.points = {{-196.0, 0.012}, {0.0, 0.001}, {200.0, -0.02}, {420.0, -0.05}};
    in.curve = [](double t) { return -1.2e-4 * t + 0.003; };
    in.residualsMk = {0.8, -1.9, 0.4, 3.1};
    return BuildFitPlot(in);
}

// Both painters put each mark where the model maps it: the SVG's circles parsed back, and the QPainter
// image's pixels at the same centres in the mark colour.
TEST(PlotPainters, MarksWhereTheModelPutsThem)
{
    const PlotModel model = SampleModel();
    const PlotLayout layout = LayoutPlot(model, 900, 600);
    int polylines = 0;
    bool wellFormed = false;
    const std::vector<SvgMark> marks = SvgMarks(QByteArray::fromStdString(PlotSvg(model, 900, 600)), &polylines,
                                                &wellFormed);
    EXPECT_TRUE(wellFormed);
    EXPECT_EQ(polylines, 1);
    ASSERT_EQ(marks.size(), 8u);
    for (std::size_t i = 0; i < 4; ++i) {
        const PlotXY m = MapToFrame(model.main, layout.main, model.main.marks[i]);
        const PlotXY r = MapToFrame(model.residuals, layout.residuals, model.residuals.marks[i]);
        EXPECT_EQ(marks[i].group, QStringLiteral("main"));
        EXPECT_NEAR(marks[i].cx, m.x, 0.005);
        EXPECT_NEAR(marks[i].cy, m.y, 0.005);
        EXPECT_EQ(marks[4 + i].group, QStringLiteral("residuals"));
        EXPECT_NEAR(marks[4 + i].cy, r.y, 0.005);
    }

    const QImage image = PlotImage(model, QSize(900, 600));
    for (const SvgMark& m : marks)
        EXPECT_EQ(image.pixelColor(static_cast<int>(m.cx), static_cast<int>(m.cy)), kPlotMarkColour)
            << m.cx << "," << m.cy;
    // Away from every mark and line, the corner is white.
    EXPECT_EQ(image.pixelColor(899, 0), QColor(Qt::white));
}

// The exports: a PNG of the asked size, an SVG that parses with one mark per point, a one-page PDF.
TEST(FitPointsPanel, ExportsWriteValidFiles)
{
    RtdCoefficientSubPage page(nullptr, kPageRect, RtdMetal::Platinum);
    ASSERT_TRUE(test::ShowActive(&page));
    const double own[] = {-40.0, 100.0, 300.0};
    for (int i = 0; i < 3; ++i) test::Type(page.edit(kCellPoint1R + 3 * i), Text(Pt100(own[i], i)));
    QTest::mouseClick(page.findChild<QPushButton*>(QStringLiteral("fitPointsButton")), Qt::LeftButton);
    FitPointsPanel* panel = FitPointsPanel::Of(page);
    ASSERT_NE(panel, nullptr);
    ASSERT_TRUE(Activate(panel));
    const double more[] = {-196.0, -150.0, -80.0, 0.0, 200.0, 420.0};
    for (int i = 0; i < 6; ++i) {
        panel->AddRow();
        TypeCell(panel->table(), 3 + i, 0, Text(more[i]));
        TypeCell(panel->table(), 3 + i, 1, Text(Pt100(more[i], i + 3)));
    }
    ASSERT_TRUE(panel->lastFit().Ok());

    // TMCALC_KEEP_EXPORTS names a folder to keep the files in (the README's picture and the report).
    const QByteArray keep = qgetenv("TMCALC_KEEP_EXPORTS");
    QTemporaryDir scratch;
    const QDir dir(keep.isEmpty() ? scratch.path() : QString::fromLocal8Bit(keep));
    const QString png = dir.filePath(QStringLiteral("pt100-fit.png"));
    const QString svg = dir.filePath(QStringLiteral("pt100-fit.svg"));
    const QString pdf = dir.filePath(QStringLiteral("pt100-fit-report.pdf"));
    ASSERT_TRUE(panel->SavePng(png, QSize(1000, 700)));
    ASSERT_TRUE(panel->SaveSvg(svg));
    ASSERT_TRUE(panel->SavePdfReport(pdf));
    if (!keep.isEmpty()) {
        // A picture of the report's page at 100 dpi, for people without a PDF reader at hand.
        QImage preview(827, 1169, QImage::Format_RGB32);
        preview.fill(Qt::white);
        QPainter painter(&preview);
        panel->PaintReport(painter, QRect(59, 59, 709, 1051));
        painter.end();
        preview.save(dir.filePath(QStringLiteral("pt100-fit-report-page.png")));
        panel->grab().save(dir.filePath(QStringLiteral("pt100-fit-panel.png")));
    }
    EXPECT_FALSE(panel->SavePng(dir.filePath(QStringLiteral("no/such/folder/x.png"))));
    EXPECT_FALSE(panel->SaveSvg(dir.filePath(QStringLiteral("no/such/folder/x.svg"))));

    QImage image;
    ASSERT_TRUE(image.load(png, "PNG"));
    EXPECT_EQ(image.size(), QSize(1000, 700));
    QFile svgFile(svg);
    ASSERT_TRUE(svgFile.open(QIODevice::ReadOnly));
    int polylines = 0;
    bool wellFormed = false;
    const std::vector<SvgMark> marks = SvgMarks(svgFile.readAll(), &polylines, &wellFormed);
    EXPECT_TRUE(wellFormed);
    EXPECT_EQ(marks.size(), 18u);  // nine points, nine residuals
    QFile pdfFile(pdf);
    ASSERT_TRUE(pdfFile.open(QIODevice::ReadOnly));
    const QByteArray bytes = pdfFile.readAll();
    EXPECT_TRUE(bytes.startsWith("%PDF-1."));
    EXPECT_TRUE(bytes.trimmed().endsWith("%%EOF"));
    EXPECT_EQ(bytes.count("/Type /Page\n") + bytes.count("/Type /Page\r") + bytes.count("/Type /Page "), 1)
        << "one page";
}

}  // namespace
}  // namespace tmcalc
