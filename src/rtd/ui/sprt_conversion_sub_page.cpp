#include "rtd/ui/sprt_conversion_sub_page.h"

#include "framework/ui/container_page.h"
#include "framework/ui/numeric_edit.h"
#include "framework/ui/uncertainty_panel.h"
#include "rtd/rtd_uncertainty.h"
#include "framework/ui/ui_context.h"
#include "rtd/sprt_page_layout.h"
#include "standards/ui/standards_library.h"

#include <QComboBox>

#include <string_view>

namespace tmcalc {
namespace {

// The range the page opens with: the a7/b7/c7 and a4/b4 groups.
constexpr char16_t kOpeningRange[] = u"-189.344~660.23";

constexpr FieldPolicy kValuePolicy{ReadRule::Typed, DisplayFormat::Show(10, 7)};  // temperature and resistance
constexpr FieldPolicy kSlopePolicy{ReadRule::Typed, DisplayFormat::Show(7, 7)};   // dR/dt, W and dW/dt

}  // namespace

SprtConversionSubPage::SprtConversionSubPage(QWidget* parent, const QRect& geometry, ContainerPage& container,
                                             ProductNumberModel& products)
    : Page(parent, geometry, 0, false)
{
    setObjectName(QStringLiteral("bzrdzRtoT"));
    const SprtConversionPageLayout layout = ComputeSprtConversionPageLayout(Ui().geometry, clientArea());
    BuildFieldGridInRect(layout.grid, 2, 6, kStrSprtLabels, kStrSprtUnits);
    SetFieldPolicy({kSprtTemperature, kSprtResistance}, kValuePolicy);
    SetFieldPolicy({kSprtResistanceSlope, kSprtRatio, kSprtRatioSlope}, kSlopePolicy);

    m_products = MakeProductCombo(this, products, &container);
    m_products->setFont(Ui().labelFont);
    Place(m_products, layout.products);

    edit(kSprtRange)->setText(QString::fromUtf16(kOpeningRange));
    Recompute(kSprtRange);

    // Uncertainty: resistance and R(TPW) to temperature, W and the slopes, or temperature and R(TPW) to
    // resistance and the rest.
    const std::vector<UncertaintyOutput> rest{{kSprtRatio, 1}, {kSprtRatioSlope, 2}, {kSprtResistanceSlope, 3}};
    UncertaintySetup setup;
    for (const bool fromResistance : {true, false}) {
        const int input = fromResistance ? kSprtResistance : kSprtTemperature;
        std::vector<UncertaintyOutput> outputs{{fromResistance ? kSprtTemperature : kSprtResistance, 0}};
        outputs.insert(outputs.end(), rest.begin(), rest.end());
        setup.routes.push_back({{input}, {{input, input}, {kSprtRtp, kSprtRtp}}, outputs,
                               [this, fromResistance] { return SprtModel(ReadSet(), fromResistance); }});
    }
    EnableUncertainty(std::move(setup));
}

SprtRangeCodes SprtConversionSubPage::Relabel()
{
    const SprtRangeCodes codes = SprtRangeClasses(FieldText(edit(kSprtRange)));
    const auto relabel = [this](const SprtGroupInfo& group, int first, int rows) {
        for (int i = 0; i < rows; ++i) {
            const bool needed = i < group.coefficient_count;
            if (needed) {
                RelabelField(first + i, FromUtf8(group.names[static_cast<std::size_t>(i)]),
                             Str(kStrSprtUnits + (first - kSprtRtp) + i));
            }
            SetFieldShown(first + i, needed);
        }
    };
    relabel(SprtUpperGroup(codes.upper), kSprtUpper1, 3);
    relabel(SprtLowerGroup(codes.lower), kSprtLower1, 2);
    return codes;
}

void SprtConversionSubPage::LoadStandard(const StandardRecord& record)
{
    // Written texts start nothing (no focus flag), so the relabelling is called here.
    edit(kSprtRtp)->setText(FromUtf8(record.Value("Rtp")));
    edit(kSprtRange)->setText(FromUtf8(record.Value("TempRange")));
    const SprtRangeCodes codes = Relabel();
    const auto fill = [this, &record](const SprtGroupInfo& group, int first) {
        for (int i = 0; i < group.coefficient_count; ++i)
            edit(first + i)->setText(FromUtf8(record.Value(group.names[static_cast<std::size_t>(i)])));
    };
    fill(SprtUpperGroup(codes.upper), kSprtUpper1);
    fill(SprtLowerGroup(codes.lower), kSprtLower1);
    // The certificate's expanded uncertainty of R(TPW), over its k, is the standard uncertainty of Rtp.
    uncertainty()->SetU(kSprtRtp, CertificateStandardUncertainty(record));
}

SprtCoefficientSet SprtConversionSubPage::ReadSet() const
{
    const SprtRangeCodes codes = SprtRangeClasses(FieldText(edit(kSprtRange)));
    std::array<double, 3> upper{};
    std::array<double, 2> lower{};
    for (int i = 0; i < SprtUpperGroup(codes.upper).coefficient_count; ++i)
        upper[static_cast<std::size_t>(i)] = Read(kSprtUpper1 + i).value;
    for (int i = 0; i < SprtLowerGroup(codes.lower).coefficient_count; ++i)
        lower[static_cast<std::size_t>(i)] = Read(kSprtLower1 + i).value;
    return SprtSetFromGroups(codes, upper, lower);
}

void SprtConversionSubPage::Recompute(int id)
{
    switch (id) {
        case kSprtRange:
            Relabel();
            ClearFields({kSprtRtp, kSprtUpper1, kSprtUpper2, kSprtUpper3, kSprtLower1, kSprtLower2,
                         kSprtTemperature, kSprtResistance, kSprtResistanceSlope, kSprtRatio, kSprtRatioSlope});
            return;
        case kSprtTemperature:
        case kSprtResistance:
            Convert(id == kSprtResistance);
            return;
        default:
            return;  // Rtp and the coefficients count from the next conversion on
    }
}

void SprtConversionSubPage::Convert(bool fromResistance)
{
    const int input = fromResistance ? kSprtResistance : kSprtTemperature;
    const int output = fromResistance ? kSprtTemperature : kSprtResistance;
    const CheckedValue typed = Read(input);
    if (!typed.consumed) {
        ClearFields({output, kSprtResistanceSlope, kSprtRatio, kSprtRatioSlope});
        return;
    }
    const SprtCoefficientSet set = ReadSet();
    const double rtp = Read(kSprtRtp).value;
    const std::optional<SprtConversion> c =
        fromResistance ? SprtFromResistance(set, rtp, typed.value) : SprtFromTemperature(set, rtp, typed.value);
    if (!c) return;
    Show(output, fromResistance ? c->t : c->r);
    Show(kSprtResistanceSlope, c->dr_dt);
    Show(kSprtRatio, c->w);
    Show(kSprtRatioSlope, c->dw_dt);
}

}  // namespace tmcalc
