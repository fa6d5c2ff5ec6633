#include "thermocouple/ui/std_s_sub_page.h"

#include "framework/ui/uncertainty_panel.h"
#include "thermocouple/tc_uncertainty.h"

#include "framework/ui/container_page.h"
#include "framework/ui/field.h"
#include "framework/ui/numeric_edit.h"
#include "framework/ui/text_fit.h"
#include "framework/ui/ui_context.h"
#include "resources/string_table.h"
#include "standards/manager_columns.h"
#include "standards/ui/standards_library.h"

#include <QComboBox>
#include <QLabel>
#include <QPainter>

#include <optional>
#include <string>

namespace tmcalc {
namespace {

constexpr int kFieldRows = 7;

}  // namespace

StdSSubPage::StdSSubPage(QWidget* parent, const QRect& geometry, ContainerPage& container,
                         ProductNumberModel& products)
    : Page(parent, geometry, 0, false), m_layout(ComputeStdSPageLayout(Ui().geometry, clientArea()))
{
    setObjectName(QStringLiteral("bzrdoS"));
    // Written rule: a temperature or emf that shows the out-of-range text stays out of range when the
    // cold junction changes, rather than reading as 0.
    BuildFieldGridInRect(m_layout.fields, 1, kFieldRows, kStrStdSFieldLabels, kStrStdSFieldUnits,
                         {ReadRule::Written, DisplayFormat::Show(11, 7)});
    // Moving between the fixed points keeps the flag: each of them updates the deviation.
    ShareFocusFlag({kStdSZinc, kStdSAluminium, kStdSCopper});
    edit(kStdSColdJunction)->setPlaceholderText(Str(kStrColdJunctionHint));

    // The product numbers of the stored standards: a pick loads that standard as Choose does.
    const QString heading = Str(StandardListColumns(StandardKind::Thermocouple)[0].headingId);
    auto* label = new QLabel(heading, this);
    label->setObjectName(QStringLiteral("label_products"));
    label->setFont(Ui().labelFont);
    label->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    Place(label, m_layout.productHeading);
    m_products = MakeProductCombo(this, products, &container);
    m_products->setFont(Ui().labelFont);
    m_products->setAccessibleName(heading);
    m_products->setCurrentIndex(-1);
    Place(m_products, m_layout.productList);

    // Uncertainty: emf and cold junction to temperature, or temperature and cold junction (whose edit
    // converts the temperature) to emf, each with the Seebeck coefficient; the button keeps off the panel.
    UncertaintySetup setup;
    setup.routes.push_back({{kStdSEmf},
                           {{kStdSEmf, kStdSEmf}, {kStdSColdJunction, kStdSColdJunction}},
                           {{kStdSTemperature, 0}, {kStdSSlope, 1}},
                           [this] { return StdSModel(ReadFixedPoints(), true); }});
    setup.routes.push_back({{kStdSTemperature, kStdSColdJunction},
                           {{kStdSTemperature, kStdSTemperature}, {kStdSColdJunction, kStdSColdJunction}},
                           {{kStdSEmf, 0}, {kStdSSlope, 1}},
                           [this] { return StdSModel(ReadFixedPoints(), false); }});
    setup.reserved.push_back(m_layout.panel);
    EnableUncertainty(std::move(setup));
}

void StdSSubPage::LoadStandard(const StandardRecord& record)
{
    edit(kStdSZinc)->setText(QString::fromStdString(record.Value("Zn")));
    edit(kStdSAluminium)->setText(QString::fromStdString(record.Value("Al")));
    edit(kStdSCopper)->setText(QString::fromStdString(record.Value("Cu")));
    ClearFields({kStdSEmf, kStdSSlope, kStdSColdJunction, kStdSTemperature});
    FixedPointUpdate();
}

QString StdSSubPage::tableText() const
{
    if (m_deviation.a == 0.0) return Str(kStrStdSTable);
    QString text = Str(kStrStdSTableFormat);
    // Each arg fills the lowest marker left, so the texts go in marker order; they hold no markers.
    for (const std::string& value : HundredDegreeTableTexts(m_table, m_deviation))
        text = text.arg(QString::fromStdString(value));
    return text;
}

void StdSSubPage::Recompute(int id)
{
    switch (id) {
        case kStdSZinc:
        case kStdSAluminium:
        case kStdSCopper:
            FixedPointUpdate();
            break;
        case kStdSEmf:
            EmfToTemperature();
            break;
        case kStdSTemperature:
        case kStdSColdJunction:
            TemperatureToEmf();
            break;
        default:
            break;
    }
}

StdSFixedPoints StdSSubPage::ReadFixedPoints() const
{
    return {Read(kStdSZinc).value, Read(kStdSAluminium).value, Read(kStdSCopper).value};
}

void StdSSubPage::FixedPointUpdate()
{
    for (int id : {kStdSZinc, kStdSAluminium, kStdSCopper})
        if (FieldText(edit(id)).empty()) return;
    const StdSFixedPoints p = ReadFixedPoints();
    m_deviation = SDeviationFromFixedPoints(p.zinc, p.aluminium, p.copper, SDeviationVariant::Rounded);
    m_table = HundredDegreeTable(m_deviation);
    update(ToQRect(m_layout.panel).translated(clientRect().topLeft()));
}

void StdSSubPage::TemperatureToEmf()
{
    const bool noTemperature = FieldText(edit(kStdSTemperature)).empty();
    const bool noColdJunction = FieldText(edit(kStdSColdJunction)).empty();
    const std::optional<StdSPageEmf> out = StdSPageTemperatureToEmf(
        ReadFixedPoints(), noTemperature ? 0.0 : Read(kStdSTemperature).value, Read(kStdSColdJunction).value);
    // Fixed points not filled in stop everything; only with them does an empty temperature empty the outputs.
    if (!out) return;
    m_deviation = out->deviation;
    if (noTemperature) {
        ClearFields({kStdSEmf, kStdSSlope});
        return;
    }
    if (noColdJunction) return;
    Show(kStdSEmf, out->result.emf);
    Show(kStdSSlope, out->result.slope);
}

void StdSSubPage::EmfToTemperature()
{
    const bool noEmf = FieldText(edit(kStdSEmf)).empty();
    const bool noColdJunction = FieldText(edit(kStdSColdJunction)).empty();
    // Without an emf or a cold junction nothing is shown, so the iteration is not run on the typed text.
    const bool convert = !noEmf && !noColdJunction;
    const std::optional<StdSTemperatureResult> out =
        StdSPageEmfToTemperature(ReadFixedPoints(), convert ? Read(kStdSEmf).value : 0.0,
                                 convert ? Read(kStdSColdJunction).value : 0.0);
    if (!out) return;
    if (noEmf) {
        ClearFields({kStdSTemperature, kStdSSlope});
        return;
    }
    if (noColdJunction) return;
    Show(kStdSTemperature, out->t);
    Show(kStdSSlope, out->slope);
}

void StdSSubPage::PaintPage(QPainter& painter)
{
    const Rect& panel = m_layout.panel;
    const int h = m_layout.rowHeight;
    const QStringList lines = tableText().split(QLatin1Char('\n'));
    painter.save();
    painter.setFont(Ui().labelFont);
    for (int row = 0; row < kHundredDegreePanelLines; ++row) {
        const QRect line(panel.x, panel.y + row * h, panel.width, h);
        if (row % 2 == 0) painter.fillRect(line, QColor(220, 220, 220));
        if (row >= lines.size()) continue;
        const QStringList cells = lines[row].split(QLatin1Char('\t'));
        painter.setPen(QColor(50, 50, 50, 240));
        const int textLeft = panel.x + 10;
        DrawFittedText(painter, QRect(textLeft, line.y(), m_layout.valueColumn - textLeft, h),
                       Qt::AlignLeft | Qt::AlignVCenter, cells[0]);
        if (cells.size() > 1)
            DrawFittedText(painter, QRect(m_layout.valueColumn, line.y(), panel.right() - m_layout.valueColumn, h),
                           Qt::AlignLeft | Qt::AlignVCenter, cells[1]);
    }
    painter.setPen(QColor(0, 0, 0, 50));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(QRect(panel.x, panel.y, panel.width - 1, panel.height - 1));
    painter.restore();
}

}  // namespace tmcalc
