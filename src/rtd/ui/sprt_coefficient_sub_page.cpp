#include "rtd/ui/sprt_coefficient_sub_page.h"

#include "framework/ui/fit_points_panel.h"
#include "framework/ui/numeric_edit.h"
#include "framework/ui/ui_context.h"
#include "rtd/fit_curves.h"
#include "rtd/sprt_fits.h"
#include "rtd/sprt_page_layout.h"

#include <QLabel>

#include <array>
#include <cmath>
#include <string>
#include <optional>
#include <span>
#include <vector>

namespace tmcalc {
namespace {

constexpr char16_t kDefaultRange[] = u"-200~660";
// The triple point row: its number, its temperature and a typical Rtp.
constexpr std::array<const char16_t*, kSprtGridColumns> kTriplePointRow{u"0", u"0.01", u"25.12461"};
constexpr DisplayFormat kResultFormat = DisplayFormat::Show(15, 15);

void Freeze(NumericEdit* cell)
{
    cell->setReadOnly(true);
    cell->setEnabled(false);
}

}  // namespace

SprtCoefficientSubPage::SprtCoefficientSubPage(QWidget* parent, const QRect& geometry)
    : Page(parent, geometry, 0, false)
{
    setObjectName(QStringLiteral("bzrdzCalCoffe"));
    const SprtCoefficientPageLayout layout = ComputeSprtCoefficientPageLayout(Ui().geometry, clientArea());
    const QString temperature = Str(kSprtTemperatureLabel);
    const QString resistance = Str(kSprtResistanceLabel);

    for (int r = 0; r < kSprtGridRows; ++r) {
        for (int c = 0; c < kSprtGridColumns; ++c) {
            // Screen readers know a cell by its column heading, and the triple point's resistance as Rtp.
            const QString row = r == 1 && c == 2 ? Str(kStrSprtLabels) : QString();
            const QString column = r == 0 ? QString() : c == 1 ? temperature : c == 2 ? resistance : QString();
            const Rect& cell = layout.cells[static_cast<std::size_t>(r)][static_cast<std::size_t>(c)];
            Field* f = AddCell({SprtGridCell(r, c)}, cell, EditStyle::LabelFont, row, column);
            f->edit->setAlignment(Qt::AlignCenter);
            // Only Rtp and the fixed points' resistances take input.
            if (c != 2 || r == 0) Freeze(f->edit);
        }
    }
    edit(SprtGridCell(0, 1))->setText(temperature);
    edit(SprtGridCell(0, 2))->setText(resistance);

    Field* range = AddField({kSprtFitRange, kSprtFitRange, 0}, layout.range, EditStyle::Plain);
    range->edit->setAlignment(Qt::AlignCenter);
    for (int k = 0; k < kSprtResultPairs; ++k) {
        const auto& pair = layout.results[static_cast<std::size_t>(k)];
        Freeze(AddCell({SprtResultName(k)}, pair[0], EditStyle::LabelFont)->edit);
        AddCell({SprtResultValue(k), 0, 0, ReadRule::Typed, kResultFormat}, pair[1], EditStyle::LabelFont)->edit->setAlignment(Qt::AlignCenter);
        edit(SprtResultName(k))->setAlignment(Qt::AlignCenter);
    }
    RaiseEditBoxes();

    std::vector<int> resistances{kSprtFitRtp};
    for (int r = kSprtFirstPointRow; r < kSprtGridRows; ++r) resistances.push_back(SprtGridCell(r, 2));
    ShareFocusFlag(resistances);

    // Every change of the range rebuilds the grid, typed or written.
    connect(range->edit, &QLineEdit::textChanged, this, [this] { Rebuild(); });
    range->edit->setText(QString::fromUtf16(kDefaultRange));
    FitPointsPanel::Attach(*this, PointsSetup());
}

FitPointsSetup SprtCoefficientSubPage::PointsSetup()
{
    FitPointsSetup setup;
    setup.titleId = kStrFitSprtTitle;
    setup.measuredHeadingId = kStrFitResistanceHeading;
    setup.ownPoints = [this] {
        const SprtFixedPointRows rows = SprtFixedPoints(m_codes);
        std::vector<FitPoint> points;
        for (int i = 0; i < rows.upper_count + rows.lower_count; ++i) {
            const CheckedValue r = Read(SprtGridCell(kSprtFirstPointRow + i, 2));
            points.push_back({rows.points[static_cast<std::size_t>(i)].t, r.consumed ? r.value : NAN});
        }
        return points;
    };
    // Each point serves the group its temperature belongs to; the residuals come back in the table's order
    // (none for a point that no chosen group takes).
    setup.fit = [this](std::span<const FitPoint> points) {
        const SprtPointSplit split = SprtSplitPoints(m_codes, points);
        PointFit fit = FitSprtPoints(m_codes, Read(kSprtFitRtp).value, split.upper, split.lower);
        if (!fit.Ok()) return fit;
        std::vector<double> residuals(points.size(), NAN);
        for (std::size_t i = 0; i < split.upperIndex.size(); ++i) residuals[split.upperIndex[i]] = fit.residualsMk[i];
        for (std::size_t i = 0; i < split.lowerIndex.size(); ++i)
            residuals[split.lowerIndex[i]] = fit.residualsMk[split.upperIndex.size() + i];
        fit.residualsMk = std::move(residuals);
        return fit;
    };
    setup.coefficientNames = [this] {
        const SprtCoefficientGridTexts grid = SprtCoefficientGrid(m_codes);
        std::vector<std::string> names;
        for (int k = 0; k < grid.results; ++k) names.emplace_back(grid.names[static_cast<std::size_t>(k)]);
        return names;
    };
    setup.given = [this] {
        return QStringList{Str(kStrSprtLabels) + QStringLiteral(" = ") + edit(kSprtFitRtp)->text() + QStringLiteral(" Ω"),
                           Str(kSprtFitRange) + QLatin1Char(' ') + edit(kSprtFitRange)->text()};
    };
    setup.plotCurve = [this](const PointFit& fit) { return SprtFitCurve(m_codes, Read(kSprtFitRtp).value, fit); };
    setup.apply = [this](const PointFit& fit) {
        SprtFit upper;
        SprtFit lower;
        for (std::size_t i = 0; i < fit.coefficients.size(); ++i) {
            const auto k = static_cast<int>(i);
            SprtFit& group = k < m_upperResults ? upper : lower;
            if (group.count < 3) group.coefficients[static_cast<std::size_t>(group.count++)] = fit.coefficients[i];
        }
        ShowResults(0, m_upperResults, &upper);
        ShowResults(m_upperResults, lower.count, &lower);
    };
    setup.restore = [this] { Fit(); };
    return setup;
}

void SprtCoefficientSubPage::Rebuild()
{
    m_codes = SprtRangeClasses(FieldText(edit(kSprtFitRange)));
    const SprtCoefficientGridTexts grid = SprtCoefficientGrid(m_codes);
    m_upperRows = grid.upperRows;
    m_lowerRows = grid.rows - grid.upperRows;
    m_upperResults = grid.upperResults;

    for (int c = 0; c < kSprtGridColumns; ++c)
        edit(SprtGridCell(1, c))->setText(QString::fromUtf16(kTriplePointRow[static_cast<std::size_t>(c)]));
    const QString resistance = Str(kSprtResistanceLabel);
    for (int i = 0; i + kSprtFirstPointRow < kSprtGridRows; ++i) {
        const int row = kSprtFirstPointRow + i;
        const bool shown = i < grid.rows;
        const auto k = static_cast<std::size_t>(i);
        edit(SprtGridCell(row, 0))->setText(shown ? FromUtf8(grid.numbers[k]) : QString());
        edit(SprtGridCell(row, 1))->setText(shown ? FromUtf8(grid.temperatures[k]) : QString());
        edit(SprtGridCell(row, 2))->clear();
        // Screen readers name a resistance cell by its fixed point.
        edit(SprtGridCell(row, 2))
            ->setAccessibleName(shown ? FromUtf8(grid.temperatures[k]) + QLatin1Char(' ') + resistance
                                      : QString());
        for (int c = 0; c < kSprtGridColumns; ++c) SetFieldShown(SprtGridCell(row, c), shown);
    }
    for (int k = 0; k < kSprtResultPairs; ++k) {
        const bool shown = k < grid.results;
        const QString name = shown ? FromUtf8(grid.names[static_cast<std::size_t>(k)]) : QString();
        edit(SprtResultName(k))->setText(name);
        edit(SprtResultValue(k))->clear();
        edit(SprtResultValue(k))->setAccessibleName(name);
        SetFieldShown(SprtResultName(k), shown);
        SetFieldShown(SprtResultValue(k), shown);
    }
}

void SprtCoefficientSubPage::Recompute(int id)
{
    // Only the fixed points' resistances fit: Rtp alone starts nothing, the range has its own connection.
    const bool pointResistance = id >= SprtGridCell(kSprtFirstPointRow, 0) && id < SprtGridCell(kSprtGridRows, 0);
    if (pointResistance && id % kSprtGridColumns == 2) Fit();
}

void SprtCoefficientSubPage::Fit()
{
    const CheckedValue rtp = Read(kSprtFitRtp);
    // The resistances of `count` rows from `first`, or nothing when one of them (or Rtp) holds no number.
    const auto resistances = [this, &rtp](int first, int count) -> std::optional<std::array<double, 3>> {
        if (!rtp.consumed || count == 0) return std::nullopt;
        std::array<double, 3> r{};
        for (int i = 0; i < count; ++i) {
            const CheckedValue v = Read(SprtGridCell(first + i, 2));
            if (!v.consumed) return std::nullopt;
            r[static_cast<std::size_t>(i)] = v.value;
        }
        return r;
    };

    if (const auto r = resistances(kSprtFirstPointRow, m_upperRows)) {
        const SprtFit fit = FitSprtUpper(
            m_codes.upper, rtp.value, std::span<const double>(r->data(), static_cast<std::size_t>(m_upperRows)));
        ShowResults(0, m_upperResults, &fit);
    } else {
        ShowResults(0, m_upperResults, nullptr);
    }
    const int lowerCount = SprtLowerGroup(m_codes.lower).coefficient_count;
    if (const auto r = resistances(kSprtFirstPointRow + m_upperRows, m_lowerRows)) {
        const SprtFit fit = FitSprtLower(m_codes.lower, rtp.value, (*r)[0], (*r)[1]);
        ShowResults(m_upperResults, lowerCount, &fit);
    } else {
        ShowResults(m_upperResults, lowerCount, nullptr);
    }
}

void SprtCoefficientSubPage::ShowResults(int first, int count, const SprtFit* fit)
{
    for (int i = 0; i < count && first + i < kSprtResultPairs; ++i) {
        const int id = SprtResultValue(first + i);
        if (fit == nullptr || fit->count == 0) {
            edit(id)->clear();
        } else {
            Show(id, fit->coefficients[static_cast<std::size_t>(i)]);
        }
    }
}

}  // namespace tmcalc
