#include "thermistor/ui/ntc_fit_sub_page.h"

#include "framework/ui/fit_points_panel.h"
#include "framework/ui/numeric_edit.h"
#include "framework/ui/ui_context.h"
#include "resources/string_table.h"
#include "thermistor/ntc_fit_curves.h"
#include "thermistor/ntc_fits.h"

#include <QRadioButton>

#include <cmath>
#include <cstddef>
#include <string>
#include <vector>

namespace tmcalc {
namespace {

// The string shown by each heading and name cell (0: an input or result cell).
constexpr std::array<int, kNtcFitCellCount> CellTexts()
{
    std::array<int, kNtcFitCellCount> texts{};
    for (int first : {0, 11}) {
        texts[static_cast<std::size_t>(first)] = kStrNtcFitCorner;  // 695-697: corner, Ω and ℃ headings
        texts[static_cast<std::size_t>(first + 1)] = kStrNtcFitCorner + 1;
        texts[static_cast<std::size_t>(first + 2)] = kStrNtcFitCorner + 2;
    }
    texts[3] = kStrNtcBetaPoints;
    texts[6] = kStrNtcBetaPoints + 1;
    texts[9] = kStrNtcBetaResult;
    for (std::size_t k = 0; k < 3; ++k) {
        texts[14 + 3 * k] = kStrNtcShPoints + static_cast<int>(k);
        texts[23 + 2 * k] = kStrNtcShResults + static_cast<int>(k);
    }
    return texts;
}
constexpr std::array<int, kNtcFitCellCount> kCellTexts = CellTexts();

bool InSteinhartHartGrid(int id)
{
    return id >= 11;
}

}  // namespace

NtcFitSubPage::NtcFitSubPage(QWidget* parent, const QRect& geometry) : Page(parent, geometry, 0, false)
{
    setObjectName(QStringLiteral("rmdzCalCoffe"));
    const NtcFitPageLayout layout = ComputeNtcFitPageLayout(Ui().geometry, clientArea());
    for (int k = 0; k < kNtcFitModeCount; ++k) {
        QRadioButton* button =
            AddRadioButton(QStringLiteral("mode_"), kStrNtcModes + k, layout.modes[static_cast<std::size_t>(k)]);
        connect(button, &QRadioButton::clicked, this, [this, k] { ShowGrid(k == 1); });
        m_modes[static_cast<std::size_t>(k)] = button;
    }

    const auto text = [](int id) {
        const int stringId = kCellTexts[static_cast<std::size_t>(id)];
        return stringId != 0 ? Str(stringId) : QString();
    };
    for (int id = 0; id < kNtcFitCellCount; ++id) {
        // Screen readers know an input cell by its row and column headings ("temp pt 1 Resistance Ω"), a
        // result by its name ("β =") and a heading by its text.
        const int first = InSteinhartHartGrid(id) ? 11 : 0;
        const int resultsFrom = InSteinhartHartGrid(id) ? 23 : 9;
        QString row = text(id);
        QString column;
        if (row.trimmed().isEmpty() && id < resultsFrom) {
            const int offset = (id - first) % 3;
            row = text(id - offset);
            column = text(first + offset);
        } else if (row.trimmed().isEmpty()) {
            row = text(id - 1);
        }
        Field* f = AddCell({id, 0, 0, ReadRule::Typed, DisplayFormat::Show(15, 15)},
                           layout.cells[static_cast<std::size_t>(id)], EditStyle::LabelFont, row.trimmed(),
                           column.trimmed());
        f->edit->setAlignment(Qt::AlignCenter);
        if (kCellTexts[static_cast<std::size_t>(id)] != 0) {
            f->edit->setText(text(id));
            f->edit->setEnabled(false);
        }
    }
    // One flag over the measured points of both grids: moving from one point cell to another keeps it set,
    // and the results written meanwhile start nothing.
    ShareFocusFlag({kNtcFitBetaR1, kNtcFitBetaR1 + 1, kNtcFitBetaR2, kNtcFitBetaR2 + 1, kNtcFitShR1,
                    kNtcFitShR1 + 1, kNtcFitShR1 + 3, kNtcFitShR1 + 4, kNtcFitShR1 + 6, kNtcFitShR1 + 7});

    m_modes[0]->setChecked(true);
    ShowGrid(false);
    FitPointsPanel::Attach(*this, PointsSetup());
}

FitPointsSetup NtcFitSubPage::PointsSetup()
{
    FitPointsSetup setup;
    setup.titleId = kStrFitNtcTitle;
    setup.measuredHeadingId = kStrFitResistanceHeading;
    setup.ownPoints = [this] {
        std::vector<FitPoint> points;
        const std::vector<int> cells = m_steinhartHart ? std::vector<int>{kNtcFitShR1, kNtcFitShR1 + 3, kNtcFitShR1 + 6}
                                                       : std::vector<int>{kNtcFitBetaR1, kNtcFitBetaR2};
        for (int cell : cells) {
            const CheckedValue r = Read(cell);
            const CheckedValue t = Read(cell + 1);
            points.push_back({t.consumed ? t.value : NAN, r.consumed ? r.value : NAN});
        }
        return points;
    };
    setup.fit = [this](std::span<const FitPoint> points) {
        return m_steinhartHart ? FitNtcShPoints(points) : FitNtcBetaPoints(points);
    };
    setup.coefficientNames = [this] {
        return m_steinhartHart ? std::vector<std::string>{"A", "B", "C"} : std::vector<std::string>{"β", "R25"};
    };
    setup.plotCurve = [this](const PointFit& fit) {
        return NtcFitCurve(m_steinhartHart ? NtcFitForm::SteinhartHart : NtcFitForm::Beta, fit);
    };
    setup.apply = [this](const PointFit& fit) {
        if (m_steinhartHart) {
            for (int i = 0; i < 3; ++i) Show(kNtcFitShA + 2 * i, fit.coefficients[static_cast<std::size_t>(i)]);
        } else {
            Show(kNtcFitBeta, fit.coefficients[0]);
        }
    };
    setup.restore = [this] { Recompute(m_steinhartHart ? kNtcFitShR1 : kNtcFitBetaR1); };
    return setup;
}

QRadioButton* NtcFitSubPage::modeButton(int index) const
{
    return index >= 0 && index < kNtcFitModeCount ? m_modes[static_cast<std::size_t>(index)] : nullptr;
}

void NtcFitSubPage::ShowGrid(bool steinhartHart)
{
    m_steinhartHart = steinhartHart;
    for (int id = 0; id < kNtcFitCellCount; ++id) SetFieldShown(id, InSteinhartHartGrid(id) == steinhartHart);
    FitPointsPanel::RefreshOf(*this);
}

std::optional<FitPoint> NtcFitSubPage::Point(int resistanceCell) const
{
    const CheckedValue r = Read(resistanceCell);
    const CheckedValue t = Read(resistanceCell + 1);
    if (!r.consumed || !t.consumed) return std::nullopt;
    return FitPoint{t.value, r.value};
}

void NtcFitSubPage::Recompute(int id)
{
    // Headings, names and results start nothing.
    if (id == kNtcFitBetaR1 || id == kNtcFitBetaR1 + 1 || id == kNtcFitBetaR2 || id == kNtcFitBetaR2 + 1) {
        if (const std::optional<double> beta = FitNtcBeta(Point(kNtcFitBetaR1), Point(kNtcFitBetaR2)))
            Show(kNtcFitBeta, *beta);
    } else if (id >= kNtcFitShR1 && id <= kNtcFitShR1 + 7 && (id - kNtcFitShR1) % 3 != 2) {
        const std::optional<NtcShCoefficients> k =
            FitNtcSteinhartHart(Point(kNtcFitShR1), Point(kNtcFitShR1 + 3), Point(kNtcFitShR1 + 6));
        if (!k) return;
        Show(kNtcFitShA, k->a);
        Show(kNtcFitShA + 2, k->b);
        Show(kNtcFitShA + 4, k->c);
    }
}

}  // namespace tmcalc
