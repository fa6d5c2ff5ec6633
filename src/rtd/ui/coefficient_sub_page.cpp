#include "rtd/ui/coefficient_sub_page.h"

#include "framework/number_text.h"
#include "framework/ui/field.h"
#include "framework/ui/fit_points_panel.h"
#include "framework/ui/numeric_edit.h"
#include "framework/ui/ui_context.h"
#include "rtd/copper.h"
#include "rtd/fit_curves.h"
#include "rtd/fits.h"
#include "rtd/platinum.h"
#include "rtd/rtd_page_layout.h"
#include "resources/string_table.h"

#include <QLabel>

#include <cmath>
#include <optional>
#include <string>
#include <vector>

namespace tmcalc {
namespace {

// A default cell text: a string id, or a literal number where the id is 0.
struct CellText {
    int stringId = 0;
    const char* literal = "";
};

struct CoefficientPageTable {
    const char* objectName;
    std::array<CellText, kCoefficientCellCount> cells;
    int checkTemperatureLabel;  // the edit and unit ids follow as label + 4
    int checkResistanceLabel;
    DisplayFormat check;  // of the check row
};

// Headings, point names (platinum: one point below 0 °C, two above), coefficient names (A, B, C; α, β, γ).
// clang-format off
constexpr CoefficientPageTable kPlatinumPage{
    "gyrdzPtCalCoffe",
    {{{0, ""},                    {kStrGridTemperature, ""}, {kStrGridResistance, ""},
      {kStrGridR0, ""},           {0, "0"},                  {0, "100"},
      {kStrPtPointBelowZero, ""}, {0, "-40"},                {0, ""},
      {kStrPtPointAboveZero, ""}, {0, "100"},                {0, ""},
      {kStrPtPointAboveZero2, ""},{0, "300"},                {0, ""},
      {kStrPtA, ""}, {0, ""},
      {kStrPtB, ""}, {0, ""},
      {kStrPtC, ""}, {0, ""}}},
    kStrPtCheckTemperature,
    kStrPtCheckResistance,
    DisplayFormat::Show(12, 7),
};

constexpr CoefficientPageTable kCopperPage{
    "gyrdzCuCalCoffe",
    {{{0, ""},                    {kStrGridTemperature, ""}, {kStrGridResistance, ""},
      {kStrGridR0, ""},           {0, "0"},                  {0, "50"},
      {kStrCuPoint, ""},          {0, "100"},                {0, ""},
      {kStrCuPoint, ""},          {0, "150"},                {0, ""},
      {kStrCuPoint, ""},          {0, "-10"},                {0, ""},
      {kStrCuAlpha, ""}, {0, ""},
      {kStrCuBeta, ""},  {0, ""},
      {kStrCuGamma, ""}, {0, ""}}},
    kStrCuCheckTemperature,
    kStrCuCheckResistance,
    DisplayFormat::Show(12, 12),
};
// clang-format on

const CoefficientPageTable& PageTableOf(RtdMetal metal)
{
    return metal == RtdMetal::Platinum ? kPlatinumPage : kCopperPage;
}

// The label and the unit of the check row are framed like the cells.
const QString kFramedLabel = QStringLiteral("QLabel { border: 1px solid rgb(200,200,200); padding: 0px 4px; }");

}  // namespace

RtdCoefficientSubPage::RtdCoefficientSubPage(QWidget* parent, const QRect& geometry, RtdMetal metal)
    : Page(parent, geometry, 0, false), m_metal(metal)
{
    const CoefficientPageTable& page = PageTableOf(metal);
    setObjectName(QString::fromLatin1(page.objectName));
    const CoefficientPageLayout layout = ComputeCoefficientPageLayout(Ui().geometry, clientArea());

    const auto cellText = [&page](int i) {
        const CellText& text = page.cells[static_cast<std::size_t>(i)];
        return text.stringId != 0 ? Str(text.stringId) : QString::fromLatin1(text.literal);
    };
    // Cells have no label of their own: screen readers and UI automation find an input cell by its row
    // and column headings ("neg temp pt Resistance Ω") and a result by its name ("A").
    for (int i = 0; i < kCoefficientCellCount; ++i) {
        QString row;
        QString column;
        const bool result = i >= kCellFirstResult && (i - kCellFirstResult) % 2 == 0;
        if (i >= 4 && i < 15 && i % 3 != 0) {
            row = cellText(i - i % 3);
            column = cellText(i % 3);
        } else if (result) {
            row = cellText(i - 1);
        }
        // The coefficients show fifteen digits.
        const FieldDesc desc{i, 0, 0, ReadRule::Typed, result ? DisplayFormat::Show(15, 15) : DisplayFormat::G7()};
        Field* f = AddCell(desc, layout.cells[static_cast<std::size_t>(i)], EditStyle::LabelFont, row, column);
        f->edit->setAlignment(Qt::AlignCenter);
        f->edit->setText(cellText(i));
        f->edit->setCursorPosition(0);
    }
    for (int line = 0; line < 2; ++line) {
        const int labelId = (line == 0 ? page.checkTemperatureLabel : page.checkResistanceLabel);
        Field* f = AddField({labelId + 4, labelId, labelId + 4, ReadRule::Typed, page.check},
                            layout.checkRows[static_cast<std::size_t>(line)],
                            EditStyle::LabelFont);
        f->edit->setAlignment(Qt::AlignCenter);
        f->label->setStyleSheet(kFramedLabel);
        f->unit->setStyleSheet(kFramedLabel);
    }
    RaiseEditBoxes();
    // One flag for the R0 and the three points: moving from one of them to another keeps it set.
    ShareFocusFlag({kCellR0Temperature, kCellR0, kCellPoint1T, kCellPoint1R, kCellPoint2T, kCellPoint2R,
                    kCellPoint3T, kCellPoint3R});
    FitPointsPanel::Attach(*this, PointsSetup());
}

FitPointsSetup RtdCoefficientSubPage::PointsSetup()
{
    const bool platinum = m_metal == RtdMetal::Platinum;
    FitPointsSetup setup;
    setup.titleId = kStrFirstRtdTab + (platinum ? 6 : 7);
    setup.measuredHeadingId = kStrFitResistanceHeading;
    setup.ownPoints = [this] {
        std::vector<FitPoint> points;
        for (int cell : {kCellPoint1T, kCellPoint2T, kCellPoint3T}) {
            const CheckedValue t = Read(cell);
            const CheckedValue r = Read(cell + 1);
            points.push_back({t.consumed ? t.value : NAN, r.consumed ? r.value : NAN});
        }
        return points;
    };
    setup.fit = [this, platinum](std::span<const FitPoint> points) {
        const double r0 = Read(kCellR0).value;
        return platinum ? FitPtPoints(r0, points) : FitCuPoints(r0, points);
    };
    setup.coefficientNames = [platinum] {
        std::vector<std::string> names;
        for (int id : platinum ? std::array{kStrPtA, kStrPtB, kStrPtC} : std::array{kStrCuAlpha, kStrCuBeta, kStrCuGamma})
            names.push_back(Str(id).toStdString());
        return names;
    };
    setup.given = [this] {
        return QStringList{Str(kStrGridR0) + QStringLiteral(" = ") + edit(kCellR0)->text() + QStringLiteral(" Ω")};
    };
    setup.plotCurve = [this, platinum](const PointFit& fit) {
        const double r0 = Read(kCellR0).value;
        return platinum ? PtFitCurve(r0, fit) : CuFitCurve(r0, fit);
    };
    setup.apply = [this](const PointFit& fit) {
        m_fitted = {fit.coefficients[0], fit.coefficients[1], fit.coefficients[2]};
        ShowFitted();
    };
    setup.restore = [this] { Fit(); };
    return setup;
}

int RtdCoefficientSubPage::checkTemperatureId() const
{
    return PageTableOf(m_metal).checkTemperatureLabel + 4;
}

int RtdCoefficientSubPage::checkResistanceId() const
{
    return PageTableOf(m_metal).checkResistanceLabel + 4;
}

void RtdCoefficientSubPage::Recompute(int id)
{
    switch (id) {
        case kCellR0Temperature:
        case kCellR0:
        case kCellPoint1T:
        case kCellPoint1R:
        case kCellPoint2T:
        case kCellPoint2R:
        case kCellPoint3T:
        case kCellPoint3R:
            Fit();
            return;
        default:
            break;
    }
    // Headings, names and results are editable but start nothing.
    if (id == checkTemperatureId()) {
        CheckTemperatureToResistance();
    } else if (id == checkResistanceId()) {
        CheckResistanceToTemperature();
    }
}

void RtdCoefficientSubPage::Fit()
{
    // The temperature of R0 (cell 4) is not read: R0 is the ice-point resistance.
    const double r0 = Read(kCellR0).value;
    const FitPoint p1{Read(kCellPoint1T).value, Read(kCellPoint1R).value};
    const FitPoint p2{Read(kCellPoint2T).value, Read(kCellPoint2R).value};
    const FitPoint p3{Read(kCellPoint3T).value, Read(kCellPoint3R).value};
    if (m_metal == RtdMetal::Platinum) {
        const PtFit fit = FitPtCoefficients(r0, p1, p2, p3);
        if (fit.status != FitStatus::Fitted) return;
        m_fitted = {fit.coefficients.a, fit.coefficients.b, fit.coefficients.c};
    } else {
        const CuFit fit = FitCuCoefficients(r0, p1, p2, p3);
        if (fit.status == FitStatus::Incomplete) return;
        // A singular system keeps the previous coefficients and shows them again.
        if (fit.status == FitStatus::Fitted)
            m_fitted = {fit.coefficients.alpha, fit.coefficients.beta, fit.coefficients.gamma};
    }
    ShowFitted();
}

void RtdCoefficientSubPage::ShowFitted()
{
    for (int i = 0; i < 3; ++i)
        Show(kCellFirstResult + 2 * i, m_fitted[static_cast<std::size_t>(i)]);
}

void RtdCoefficientSubPage::CheckTemperatureToResistance()
{
    const CheckedValue r0 = Read(kCellR0);
    const CheckedValue t = Read(checkTemperatureId());
    if (!r0.consumed || !t.consumed) return;
    const double r = m_metal == RtdMetal::Platinum
                         ? PtResistance(t.value, r0.value, PtFitted({m_fitted[0], m_fitted[1], m_fitted[2]}))
                         : CuResistance(t.value, r0.value, CuFitted({m_fitted[0], m_fitted[1], m_fitted[2]}));
    Show(checkResistanceId(), r);
}

void RtdCoefficientSubPage::CheckResistanceToTemperature()
{
    const CheckedValue r0 = Read(kCellR0);
    const CheckedValue r = Read(checkResistanceId());
    if (!r0.consumed || !r.consumed) return;
    // No range applies here: the check shows what the fitted equation gives.
    const double t = m_metal == RtdMetal::Platinum
                         ? PtTemperature(r.value, r0.value, PtFitted({m_fitted[0], m_fitted[1], m_fitted[2]}))
                         : CuTemperature(r.value, r0.value, CuFitted({m_fitted[0], m_fitted[1], m_fitted[2]}));
    Show(checkTemperatureId(), t);
}

}  // namespace tmcalc
