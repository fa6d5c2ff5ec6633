#include "thermistor/ui/ntc_convert_sub_page.h"

#include "framework/ui/uncertainty_panel.h"
#include "thermistor/ntc_uncertainty.h"

#include "framework/number_text.h"
#include "framework/ui/container_page.h"
#include "framework/ui/numeric_edit.h"
#include "framework/ui/text_fit.h"
#include "framework/ui/ui_context.h"
#include "resources/string_table.h"
#include "resources/ui/artwork/images.h"
#include "standards/ui/standards_library.h"

#include <QComboBox>
#include <QFontMetrics>
#include <QImage>
#include <QPainter>
#include <QRadioButton>

#include <cstddef>
#include <optional>

namespace tmcalc {
namespace {

struct PanelTable {
    int rows;
    std::array<int, kNtcPanelRows> ids;
    std::array<int, kNtcPanelRows> labels;  // the labels carry the units
    int resistance;
    int temperature;
    int resistanceDigits;  // the extended form shows its resistance with four significant digits
};

constexpr std::array<PanelTable, kNtcModeCount> kPanels{{
    {4,
     {kNtcR25, kNtcBeta, kNtcBetaResistance, kNtcBetaTemperature},
     {kStrNtcR25, kStrNtcR25 + 1, kStrNtcR25 + 2, kStrNtcR25 + 3},
     kNtcBetaResistance,
     kNtcBetaTemperature,
     7},
    {5,
     {kNtcShA, kNtcShA + 2, kNtcShA + 4, kNtcShResistance, kNtcShTemperature},
     {kStrNtcA, kStrNtcA + 1, kStrNtcA + 2, kStrNtcResistance, kStrNtcTemperature},
     kNtcShResistance,
     kNtcShTemperature,
     7},
    {6,
     {kNtcExtA, kNtcExtA + 2, kNtcExtA + 4, kNtcExtA + 6, kNtcExtResistance, kNtcExtTemperature},
     {kStrNtcA, kStrNtcA + 1, kStrNtcA + 2, kStrNtcD, kStrNtcResistance, kStrNtcTemperature},
     kNtcExtResistance,
     kNtcExtTemperature,
     4},
}};

const PanelTable& PanelOf(NtcMode mode)
{
    return kPanels[static_cast<std::size_t>(mode)];
}

// Painted over the picture rather than drawn into it, so that the artwork made at build time holds no text
// and does not depend on the fonts of the machine that built it.
const std::array<QString, kNtcModeCount> kEquations{
    QStringLiteral("R = R25·exp(β(1/T − 1/298.15))"),
    QStringLiteral("1/T = A + B·ln R + C·(ln R)³"),
    QStringLiteral("1/T = A + B·ln R + C·(ln R)² + D·(ln R)³"),
};

}  // namespace

NtcConvertSubPage::NtcConvertSubPage(QWidget* parent, const QRect& geometry, ContainerPage& container,
                                     ProductNumberModel& products)
    : Page(parent, geometry, 0, false), m_layout(ComputeNtcConvertPageLayout(Ui().geometry, clientArea()))
{
    setObjectName(QStringLiteral("rmdzRtoT"));
    for (int k = 0; k < kNtcModeCount; ++k) {
        QRadioButton* button =
            AddRadioButton(QStringLiteral("mode_"), kStrNtcModes + k, m_layout.modes[static_cast<std::size_t>(k)]);
        connect(button, &QRadioButton::clicked, this, [this, k] { ShowMode(static_cast<NtcMode>(k)); });
        m_modes[static_cast<std::size_t>(k)] = button;
    }

    m_products = MakeProductCombo(this, products, &container);
    m_products->setFont(Ui().labelFont);
    Place(m_products, m_layout.products);

    for (const PanelTable& panel : kPanels) {
        for (int r = 0; r < panel.rows; ++r) {
            const int id = panel.ids[static_cast<std::size_t>(r)];
            const int digits = id == panel.resistance ? panel.resistanceDigits : 7;
            AddField({id, panel.labels[static_cast<std::size_t>(r)], 0, ReadRule::Typed,
                      DisplayFormat::Show(digits, 7)},
                     m_layout.rows[static_cast<std::size_t>(r)], EditStyle::Centred);
        }
    }
    RaiseEditBoxes();

    const QImage& image = ArtworkImage(15);
    if (!image.isNull()) {
        m_picture = QPixmap::fromImage(image.scaled(m_layout.picture.width, m_layout.picture.height,
                                                    Qt::IgnoreAspectRatio, Qt::SmoothTransformation));
    }
    // The longest equation fits the picture's width with a margin on either side.
    m_equationFont = Ui().labelFont;
    const int room = m_layout.picture.width - m_layout.picture.width / 15;
    for (int px = QFontMetrics(m_equationFont).height(); px > 6; --px) {
        m_equationFont.setPixelSize(px);
        QFont bold = m_equationFont;
        bold.setBold(true);
        if (QFontMetrics(bold).horizontalAdvance(kEquations[2]) <= room) break;
    }

    m_modes[0]->setChecked(true);

    // Uncertainty: each form both ways; in the β form R25 and β are inputs as well.
    UncertaintySetup setup;
    for (int k = 0; k < kNtcModeCount; ++k) {
        const PanelTable& panel = kPanels[static_cast<std::size_t>(k)];
        const auto mode = static_cast<NtcMode>(k);
        for (const bool fromTemperature : {false, true}) {
            const int input = fromTemperature ? panel.temperature : panel.resistance;
            std::vector<UncertaintyInput> inputs{{input, input}};
            if (mode == NtcMode::Beta) inputs.insert(inputs.end(), {{kNtcR25, kNtcR25}, {kNtcBeta, kNtcBeta}});
            setup.routes.push_back({{input}, inputs, {{fromTemperature ? panel.resistance : panel.temperature, 0}},
                                   [this, mode, fromTemperature] {
                                       return NtcModel(mode, PanelValues(mode), fromTemperature);
                                   }});
        }
    }
    setup.reserved.push_back(m_layout.picture);
    EnableUncertainty(std::move(setup));
    ShowMode(NtcMode::Beta);
}

QRadioButton* NtcConvertSubPage::modeButton(NtcMode mode) const
{
    return m_modes[static_cast<std::size_t>(mode)];
}

void NtcConvertSubPage::ShowMode(NtcMode mode)
{
    m_mode = mode;
    for (int k = 0; k < kNtcModeCount; ++k) {
        const PanelTable& panel = kPanels[static_cast<std::size_t>(k)];
        for (int r = 0; r < panel.rows; ++r)
            SetFieldShown(panel.ids[static_cast<std::size_t>(r)], k == static_cast<int>(mode));
    }
    // The uncertainty boxes follow the form shown.
    if (uncertainty() != nullptr) uncertainty()->AfterRecompute(PanelOf(mode).resistance);
    update();
}

NtcPanelValues NtcConvertSubPage::PanelValues(NtcMode mode) const
{
    const auto value = [this](int id) { return Read(id).value; };
    switch (mode) {
        case NtcMode::Beta:
            return {value(kNtcR25), value(kNtcBeta)};
        case NtcMode::SteinhartHart:
            return {0.0, 0.0, value(kNtcShA), value(kNtcShA + 2), value(kNtcShA + 4)};
        case NtcMode::Extended:
            return {0.0, 0.0, value(kNtcExtA), value(kNtcExtA + 2), value(kNtcExtA + 4), value(kNtcExtA + 6)};
    }
    return {};
}

void NtcConvertSubPage::Recompute(int id)
{
    // Coefficient fields start nothing: a new one counts from the next edit of the resistance or temperature.
    for (int k = 0; k < kNtcModeCount; ++k) {
        const PanelTable& panel = kPanels[static_cast<std::size_t>(k)];
        if (id != panel.resistance && id != panel.temperature) continue;
        const bool fromResistance = id == panel.resistance;
        const int target = fromResistance ? panel.temperature : panel.resistance;
        const CheckedValue typed = Read(id);
        if (!typed.consumed) {
            ClearFields({target});
            return;
        }
        const auto mode = static_cast<NtcMode>(k);
        const NtcPanelValues values = PanelValues(mode);
        const std::optional<double> result = fromResistance ? NtcPanelTemperature(mode, values, typed.value)
                                                            : NtcPanelResistance(mode, values, typed.value);
        if (result) Show(target, *result);
        return;
    }
}

void NtcConvertSubPage::LoadStandard(const StandardRecord& record)
{
    const std::optional<NtcStandardLoad> load = NtcLoadFromStandard(record);
    if (!load) {
        update();
        return;
    }
    m_modes[static_cast<std::size_t>(load->mode)]->setChecked(true);
    ShowMode(load->mode);
    const PanelTable& panel = PanelOf(load->mode);
    if (load->fill) {
        const NtcPanelValues& v = load->values;
        if (load->mode == NtcMode::Beta) {
            Show(kNtcR25, v.r25);
            Show(kNtcBeta, v.beta);
        } else {
            const double coefficients[] = {v.a, v.b, v.c, v.d};
            const int count = load->mode == NtcMode::Extended ? 4 : 3;
            for (int i = 0; i < count; ++i) {
                if (const std::optional<std::string> text = FormatGeneral(coefficients[i], 12))
                    edit(panel.ids[static_cast<std::size_t>(i)])->setText(QString::fromStdString(*text));
            }
        }
    }
    ClearFields({panel.resistance, panel.temperature});
    // The certificate's expanded uncertainty of R25, over its k, is the standard uncertainty of R25.
    if (load->mode == NtcMode::Beta) uncertainty()->SetU(kNtcR25, CertificateStandardUncertainty(record));
}

void NtcConvertSubPage::PaintPage(QPainter& painter)
{
    const QRect picture = ToQRect(m_layout.picture);
    if (!m_picture.isNull()) painter.drawPixmap(picture.topLeft(), m_picture);
    // The equations on a light band over the leads, the one of the selected form emphasised.
    painter.save();
    const QFontMetrics metrics(m_equationFont);
    const int line = metrics.height() + 2;
    const QRect band(picture.x(), picture.bottom() + 1 - 3 * line - line / 2, picture.width(),
                     3 * line + line / 2);
    painter.fillRect(band, QColor(255, 255, 255, 200));
    for (int k = 0; k < kNtcModeCount; ++k) {
        QFont font = m_equationFont;
        font.setBold(k == static_cast<int>(m_mode));
        painter.setFont(font);
        painter.setPen(k == static_cast<int>(m_mode) ? QColor(11, 75, 136) : QColor(70, 70, 70));
        const QRect row(band.x(), band.y() + line / 4 + k * line, band.width(), line);
        DrawFittedText(painter, row, Qt::AlignCenter | Qt::TextSingleLine,
                       kEquations[static_cast<std::size_t>(k)]);
    }
    painter.restore();
}

}  // namespace tmcalc
