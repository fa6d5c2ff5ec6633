#include "thermocouple/ui/std_b_sub_page.h"

#include "framework/ui/uncertainty_panel.h"
#include "thermocouple/tc_uncertainty.h"

#include "framework/ui/field.h"
#include "framework/ui/numeric_edit.h"
#include "framework/ui/ui_context.h"
#include "resources/string_table.h"
#include "thermocouple/std_page_layout.h"

#include <QRadioButton>

namespace tmcalc {
namespace {

constexpr int kValueRows = 9;
constexpr int kFirstHiddenRow = 794;  // the second column's five rows below the differential emf
constexpr int kHiddenRows = 5;

constexpr std::array<StdBMode, 3> kModes = {StdBMode::LowRange, StdBMode::HighRange, StdBMode::FixedPoints};

std::size_t ModeIndex(StdBMode mode) { return static_cast<std::size_t>(mode) - 1; }

}  // namespace

StdBSubPage::StdBSubPage(QWidget* parent, const QRect& geometry) : Page(parent, geometry, 0, false)
{
    setObjectName(QStringLiteral("bzrdoB"));
    const StdBPageLayout layout = ComputeStdBPageLayout(Ui().geometry, clientArea());
    for (std::size_t k = 0; k < kModes.size(); ++k) {
        const int id = kStrStdBModes + static_cast<int>(k);
        QRadioButton* button = AddRadioButton(QStringLiteral("mode_"), id, layout.modes[k]);
        // The widest mode text needs a few pixels more than the given width in some fonts; the button
        // grows to the right, over the blank left part of the first label box.
        if (button->sizeHint().width() > button->width()) button->resize(button->sizeHint().width(), button->height());
        const StdBMode mode = kModes[k];
        connect(button, &QRadioButton::clicked, this, [this, mode] { ApplyMode(mode); });
        m_modes[k] = button;
    }
    BuildFixedPointGrid(layout.fields, {ReadRule::Typed, DisplayFormat::Show(11, 7)});
    for (int id = kFirstHiddenRow; id < kFirstHiddenRow + kHiddenRows; ++id) SetFieldShown(id, false);
    edit(kStdBColdJunction)->setPlaceholderText(Str(kStrColdJunctionHint));
    // The radio buttons were placed first and the fields overlap their row: keep the buttons clickable.
    for (QRadioButton* button : m_modes) button->raise();

    m_modes[0]->setChecked(true);
    ApplyMode(StdBMode::LowRange);

    // Uncertainty: emf and cold junction (whose edit converts the emf) to temperature, or temperature and
    // cold junction to emf, each with the Seebeck coefficient.
    const auto model = [this](bool fromEmf) {
        return [this, fromEmf] { return StdBModel(ReadCalibration().value_or(StdBCalibration{}), fromEmf); };
    };
    UncertaintySetup setup;
    setup.routes.push_back({{kStdBEmf, kStdBColdJunction},
                           {{kStdBEmf, kStdBEmf}, {kStdBColdJunction, kStdBColdJunction}},
                           {{kStdBTemperature, 0}, {kStdBSlope, 1}},
                           model(true)});
    setup.routes.push_back({{kStdBTemperature},
                           {{kStdBTemperature, kStdBTemperature}, {kStdBColdJunction, kStdBColdJunction}},
                           {{kStdBEmf, 0}, {kStdBSlope, 1}},
                           model(false)});
    EnableUncertainty(std::move(setup));
}

QRadioButton* StdBSubPage::modeButton(StdBMode mode) const { return m_modes[ModeIndex(mode)]; }

void StdBSubPage::ApplyMode(StdBMode mode)
{
    if (m_modeApplied && mode == m_mode) return;
    m_mode = mode;
    m_modeApplied = true;
    const int shown = StdBValueCount(mode);
    for (int row = 0; row < kValueRows; ++row) {
        const int id = kStdBFirstValue + row;
        if (row >= shown) {
            RelabelField(id, QString(), QString());
        } else if (mode == StdBMode::FixedPoints) {
            // Temperatures and the unit are the same texts in every language.
            const auto t = static_cast<int>(kStdBFixedPointTemperatures[static_cast<std::size_t>(row)]);
            RelabelField(id, QString::number(t) + QStringLiteral("℃"), QStringLiteral("mV"));
        } else {
            // The low range has no constant term: its rows are a1..a6.
            const int first = mode == StdBMode::LowRange ? kStrFixedPointLabels + 1 : kStrFixedPointLabels;
            RelabelField(id, Str(first + row), QString());
        }
        ClearFields({id});
        SetFieldShown(id, row < shown);
    }
}

std::optional<StdBCalibration> StdBSubPage::ReadCalibration() const
{
    StdBCalibration calibration;
    calibration.mode = m_mode;
    for (int row = 0; row < StdBValueCount(m_mode); ++row) {
        const CheckedValue v = Read(kStdBFirstValue + row);
        if (!v.consumed) return std::nullopt;
        calibration.p[static_cast<std::size_t>(row)] = v.value;
    }
    return calibration;
}

void StdBSubPage::Recompute(int id)
{
    if (id == kStdBTemperature) {
        Convert(kStdBTemperature, kStdBEmf, StdBPageTemperatureToEmf);
    } else if (id == kStdBColdJunction || id == kStdBEmf) {
        Convert(kStdBEmf, kStdBTemperature, StdBPageEmfToTemperature);
    }
}

void StdBSubPage::Convert(int input, int output,
                          StdBReading (*convert)(const StdBCalibration&, double, double))
{
    const CheckedValue tc = Read(kStdBColdJunction);
    if (!tc.consumed) return;
    const CheckedValue in = Read(input);
    if (!in.consumed) {
        ClearFields({output, kStdBSlope});
        return;
    }
    const std::optional<StdBCalibration> calibration = ReadCalibration();
    if (!calibration) return;
    const StdBReading out = convert(*calibration, in.value, tc.value);
    Show(output, out.value);
    Show(kStdBSlope, out.slope);
}

}  // namespace tmcalc
