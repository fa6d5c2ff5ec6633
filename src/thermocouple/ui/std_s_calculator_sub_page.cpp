#include "thermocouple/ui/std_s_calculator_sub_page.h"

#include "framework/ui/field.h"
#include "framework/ui/fit_points_panel.h"
#include "framework/ui/numeric_edit.h"
#include "framework/ui/ui_context.h"
#include "resources/string_table.h"
#include "thermocouple/deviation_fit.h"
#include "thermocouple/std_page_layout.h"
#include "thermocouple/std_s_fit_curve.h"
#include "thermocouple/std_type_s.h"

#include <array>
#include <cmath>
#include <string>
#include <vector>

namespace tmcalc {

StdSCalculatorSubPage::StdSCalculatorSubPage(QWidget* parent, const QRect& geometry)
    : Page(parent, geometry, 0, false)
{
    setObjectName(QStringLiteral("bzrdoSCoffe"));
    const StdSCalculatorLayout layout = ComputeStdSCalculatorLayout(Ui().geometry, clientArea());
    // The coefficient names are symbols, the same in every language.
    const std::array<QString, 6> names = {Str(kStrStdSFieldLabels), Str(kStrStdSFieldLabels + 1),
                                          Str(kStrStdSFieldLabels + 2), QStringLiteral("a"),
                                          QStringLiteral("b"), QStringLiteral("c")};
    for (int id = 0; id < kStdSCalculatorCellCount; ++id) {
        const QString& name = names[static_cast<std::size_t>(id / 2)];
        const bool value = id % 2 == 1;
        // Name cells are in the label font; a value cell is known to screen readers by its name.
        Field* f = AddCell({id, 0, 0, ReadRule::Typed, DisplayFormat::Show(15, 15)},
                           layout.cells[static_cast<std::size_t>(id)], value ? EditStyle::Centred : EditStyle::LabelFont,
                           value ? name : QString());
        if (!value) {
            f->edit->setText(name);
            f->edit->setCursorPosition(0);
        }
        f->edit->setAlignment(Qt::AlignCenter);
    }
    RaiseEditBoxes();
    ShareFocusFlag({kCalcZinc, kCalcAluminium, kCalcCopper});

    FitPointsSetup setup;
    setup.titleId = kStrFirstStdThermocoupleTab + 2;
    setup.measuredHeadingId = kStrFitEmfHeading;
    setup.ownPoints = [this] {
        std::vector<FitPoint> points;
        // An emf of 0 is a cell not filled in, as for the page's own fit.
        for (const auto& [t, cell] : {std::pair{kZincPoint, kCalcZinc}, std::pair{kAluminiumPoint, kCalcAluminium},
                                      std::pair{kCopperPoint, kCalcCopper}}) {
            const double e = Read(cell).value;
            points.push_back({t, e != 0.0 ? e : NAN});
        }
        return points;
    };
    setup.fit = [](std::span<const FitPoint> points) { return FitStdSDeviationPoints(points); };
    setup.coefficientNames = [] { return std::vector<std::string>{"a", "b", "c"}; };
    setup.plotCurve = [](const PointFit& fit) { return StdSFitCurve(fit); };
    setup.apply = [this](const PointFit& fit) {
        Show(kCalcA, fit.coefficients[0]);
        Show(kCalcB, fit.coefficients[1]);
        Show(kCalcC, fit.coefficients[2]);
    };
    setup.restore = [this] { Recompute(kCalcZinc); };
    FitPointsPanel::Attach(*this, std::move(setup));
}

void StdSCalculatorSubPage::Recompute(int id)
{
    if (id != kCalcZinc && id != kCalcAluminium && id != kCalcCopper) return;
    // Text without a number reads as 0, which is a point not filled in: nothing changes until all three are.
    const double zinc = Read(kCalcZinc).value;
    const double aluminium = Read(kCalcAluminium).value;
    const double copper = Read(kCalcCopper).value;
    if (zinc == 0.0 || aluminium == 0.0 || copper == 0.0) return;
    const SDeviation d = SDeviationFromFixedPoints(zinc, aluminium, copper, SDeviationVariant::Rounded);
    Show(kCalcA, d.a);
    Show(kCalcB, d.b);
    Show(kCalcC, d.c);
}

}  // namespace tmcalc
