#include "framework/ui/page.h"

#include "framework/ui/numeric_edit.h"
#include "framework/ui/painters.h"
#include "framework/ui/text_fit.h"
#include "framework/ui/uncertainty_panel.h"
#include "framework/ui/ui_context.h"
#include "resources/string_table.h"

#include <QDialog>
#include <QEvent>
#include <QLabel>
#include <QPainter>
#include <QRadioButton>

#include <algorithm>

namespace tmcalc {

Page::Page(QWidget* parent, const QRect& geometry, int titleId, bool bordered)
    : QWidget(parent), m_titleId(titleId), m_bordered(bordered)
{
    setGeometry(geometry);
    setAutoFillBackground(false);
    setAttribute(Qt::WA_OpaquePaintEvent);
    // Labels and units are black on the page's white (they paint no background of their own).
    QPalette colours = palette();
    colours.setColor(QPalette::WindowText, Qt::black);
    setPalette(colours);
}

Page::~Page()
{
    // Windows the page owns (a points table) go first, while the fields they read are still there.
    qDeleteAll(findChildren<QDialog*>(Qt::FindDirectChildrenOnly));
}

QRect Page::clientRect() const
{
    return m_bordered ? rect().adjusted(1, 1, -1, -1) : rect();
}

Rect Page::clientArea() const
{
    const QRect c = clientRect();
    return {0, 0, c.width(), c.height()};
}

Field* Page::field(int id) const
{
    const auto it = m_byId.find(id);
    return it == m_byId.end() ? nullptr : it->second;
}

NumericEdit* Page::edit(int id) const
{
    Field* f = field(id);
    return f != nullptr ? f->edit : nullptr;
}

void Page::PaintPage(QPainter& /*painter*/) {}

void Page::Place(QWidget* child, const Rect& rect) const
{
    child->setGeometry(ToQRect(rect).translated(clientRect().topLeft()));
}

Field* Page::AddEdit(const FieldDesc& desc, const Rect& rect, EditStyle style)
{
    const UiContext& ui = Ui();
    auto f = std::make_unique<Field>();
    f->id = desc.id;
    f->read = desc.read;
    f->display = desc.display;

    f->edit = new NumericEdit(this);
    f->edit->setObjectName(QStringLiteral("edit_%1").arg(desc.id));
    // The frame takes a pixel at the top and at the bottom; the face's ascent and descent fit between.
    f->edit->setFont(LineFittedFont(style == EditStyle::LabelFont ? ui.labelFont : ui.editFont, rect.height - 2));
    f->edit->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    if (style == EditStyle::Centred) {
        // The offset places the line as the design face does; a taller fallback face still shows whole
        // (2: the frame's pixel above and below).
        const int room = std::max(0, rect.height - 2 - f->edit->fontMetrics().height());
        f->edit->setTextMargins(0, std::min(EditTextTopOffset(rect.height), room), 0, 0);
    }
    Place(f->edit, rect);

    const int id = desc.id;
    f->edit->installEventFilter(this);
    connect(f->edit, &QLineEdit::textChanged, this, [this, id] { OnTextChanged(id); });

    m_flagSlot[id] = static_cast<int>(m_flags.size());
    m_flags.push_back(0);

    Field* raw = f.get();
    m_byId[id] = raw;
    m_order.push_back(raw);
    m_fields.push_back(std::move(f));
    return raw;
}

Field* Page::AddField(const FieldDesc& desc, const FieldRects& rects, EditStyle style)
{
    const UiContext& ui = Ui();
    Field* f = AddEdit(desc, rects.edit, style);

    f->label = new QLabel(this);
    f->label->setObjectName(QStringLiteral("label_%1").arg(desc.id));
    f->label->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    f->labelFont = style == EditStyle::LabelFont ? ui.navigationFont : ui.labelFont;
    f->label->setFont(f->labelFont);
    Place(f->label, rects.label);

    f->unit = new QLabel(this);
    f->unit->setObjectName(QStringLiteral("unit_%1").arg(desc.id));
    f->unit->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    f->unitFont = ui.labelFont;
    f->unit->setFont(f->unitFont);
    Place(f->unit, rects.unit);

    RelabelField(desc.id, desc.labelId, desc.unitId);
    return f;
}

Field* Page::AddCell(const FieldDesc& desc, const Rect& rect, EditStyle style, const QString& rowHeading,
                     const QString& columnHeading)
{
    Field* f = AddEdit(desc, rect, style);
    f->edit->setAccessibleName((rowHeading + QLatin1Char(' ') + columnHeading).trimmed());
    return f;
}

void Page::RelabelField(int id, const QString& label, const QString& unit)
{
    Field* f = field(id);
    if (f == nullptr || f->label == nullptr) return;
    f->label->setText(label);
    f->unit->setText(unit);
    FitLabel(f->label, f->labelFont);
    FitLabel(f->unit, f->unitFont);
    // Screen readers and UI automation find a field by its label and unit ("Resistance Ω", "℃").
    f->edit->setAccessibleName((label + QLatin1Char(' ') + unit).trimmed());
}

void Page::RelabelField(int id, int labelId, int unitId) { RelabelField(id, Str(labelId), Str(unitId)); }

void Page::SetFieldShown(int id, bool shown)
{
    Field* f = field(id);
    if (f == nullptr) return;
    for (QWidget* w : {static_cast<QWidget*>(f->label), static_cast<QWidget*>(f->edit), static_cast<QWidget*>(f->unit)})
        if (w != nullptr) w->setVisible(shown);
}

CheckedValue Page::Read(int id) const
{
    const Field* f = field(id);
    return f != nullptr ? ReadField(f->edit, f->read) : CheckedValue{};
}

bool Page::Show(int id, double value) const
{
    const Field* f = field(id);
    return f != nullptr && WriteField(f->edit, f->display, value);
}

void Page::SetFieldPolicy(std::initializer_list<int> ids, FieldPolicy policy)
{
    for (const int id : ids) {
        if (Field* f = field(id)) {
            f->read = policy.read;
            f->display = policy.display;
        }
    }
}

std::vector<Field*> Page::AddFields(const std::vector<FieldRects>& rects, EditStyle style, FieldPolicy policy,
                                    const std::function<FieldDesc(int k)>& desc)
{
    std::vector<Field*> out;
    out.reserve(rects.size());
    const std::vector<FieldRects> shown = ShareStackedFrames(rects);
    for (int k = 0; k < static_cast<int>(shown.size()); ++k) {
        FieldDesc s = desc(k);
        s.read = policy.read;
        s.display = policy.display;
        out.push_back(AddField(s, shown[static_cast<std::size_t>(k)], style));
    }
    RaiseEditBoxes();
    return out;
}

std::vector<Field*> Page::BuildFieldColumn(int labelBase, int unitBase, FieldPolicy policy)
{
    return AddFields(FieldColumnLayout(Ui().geometry, clientArea().width), EditStyle::Centred, policy,
                     [=](int k) { return FieldDesc{k, labelBase + k, unitBase + k}; });
}

std::vector<Field*> Page::BuildFieldGrid(int rows, int cols, int labelBase, int unitBase, FieldPolicy policy)
{
    return AddFields(FieldGridLayout(Ui().geometry, clientArea().width, rows, cols), EditStyle::Centred, policy,
                     [=](int k) { return FieldDesc{10 * (k / rows) + k % rows, labelBase + k, unitBase + k}; });
}

std::vector<Field*> Page::BuildWideFieldGrid(int rows, int cols, int labelBase, int unitBase, FieldPolicy policy)
{
    const Rect c = clientArea();
    return AddFields(WideFieldGridLayout(Ui().geometry, c.width, c.height, rows, cols), EditStyle::Centred, policy,
                     [=](int k) { return FieldDesc{10 * (k / rows) + k % rows, labelBase + k, unitBase + k}; });
}

std::vector<Field*> Page::BuildFieldGridInRect(Rect rect, int cols, int rows, int labelBase, int unitBase,
                                               FieldPolicy policy)
{
    return AddFields(FieldGridInRectLayout(Ui().geometry, rect, cols, rows), EditStyle::Centred, policy, [=](int k) {
        return FieldDesc{labelBase + k, labelBase + k, unitBase == 0 ? 0 : unitBase + k};
    });
}

std::vector<Field*> Page::BuildFixedPointGrid(Rect rect, FieldPolicy policy)
{
    return AddFields(FixedPointGridLayout(Ui().geometry, rect), EditStyle::LabelFont, policy, [](int k) {
        const int row = k % 9;
        const int labelId = (k < 9 ? kStrFixedPointLabels : kStrFixedPointLabels2) + row;
        // The first column's units, 794-802, have no texts in the tables; they follow label 793.
        const int unitId = (k < 9 ? kStrFixedPointLabels2 + 4 : kStrFixedPointUnits2) + row;
        return FieldDesc{labelId, labelId, unitId};
    });
}

std::vector<Field*> Page::BuildInputOutputRows(int labelBase, int unitBase, FieldPolicy policy)
{
    return AddFields(InputOutputRowsLayout(Ui().geometry, clientArea()), EditStyle::Plain, policy,
                     [=](int k) { return FieldDesc{k < 5 ? k : 10 + (k - 5), labelBase + k, unitBase + k}; });
}

QRadioButton* Page::AddRadioButton(const QString& namePrefix, int stringId, const Rect& rect)
{
    auto* button = new QRadioButton(Str(stringId), this);
    button->setObjectName(namePrefix + QString::number(stringId));
    Place(button, rect);
    FitButton(button, Ui().labelFont);
    return button;
}

void Page::RaiseEditBoxes() const
{
    for (Field* f : m_order) f->edit->raise();
}

void Page::ShareFocusFlag(const std::vector<int>& ids)
{
    if (ids.empty()) return;
    const int slot = m_flagSlot.at(ids.front());
    for (int id : ids) m_flagSlot[id] = slot;
}

bool Page::HasFocusFlag(int id) const
{
    const auto it = m_flagSlot.find(id);
    return it != m_flagSlot.end() && m_flags[static_cast<std::size_t>(it->second)] != 0;
}

void Page::ClearFields(const std::vector<int>& ids) const
{
    for (int id : ids) {
        if (NumericEdit* e = edit(id)) e->clear();
    }
}

void Page::OnTextChanged(int id)
{
    if (!HasFocusFlag(id)) return;
    Recompute(id);
    if (m_uncertainty != nullptr) m_uncertainty->AfterRecompute(id);
}

UncertaintyPanel* Page::EnableUncertainty(UncertaintySetup setup)
{
    m_uncertainty = new UncertaintyPanel(*this, std::move(setup));
    return m_uncertainty;
}

bool Page::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::FocusIn || event->type() == QEvent::FocusOut) {
        for (const auto& f : m_fields) {
            if (f->edit == watched) {
                m_flags[static_cast<std::size_t>(m_flagSlot.at(f->id))] = event->type() == QEvent::FocusIn ? 1 : 0;
                break;
            }
        }
    }
    return QWidget::eventFilter(watched, event);
}

void Page::paintEvent(QPaintEvent* /*event*/)
{
    QPainter painter(this);
    painter.fillRect(rect(), Qt::white);
    if (m_bordered) {
        painter.setPen(QColor(100, 100, 100));
        painter.drawRect(rect().adjusted(0, 0, -1, -1));
    }
    painter.translate(clientRect().topLeft());
    painter.setClipRect(QRect(QPoint(0, 0), clientRect().size()));
    if (m_titleId != 0) DrawPageHeader(painter, clientArea(), m_titleId);
    PaintPage(painter);
}

}  // namespace tmcalc
