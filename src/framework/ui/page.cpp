#include "framework/ui/page.h"

#include "framework/ui/numeric_edit.h"
#include "framework/ui/painters.h"
#include "framework/ui/ui_context.h"

#include <QEvent>
#include <QLabel>
#include <QPainter>

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

Field* Page::AddField(const FieldDesc& desc, const FieldRects& rects, EditStyle style)
{
    const UiContext& ui = Ui();
    auto f = std::make_unique<Field>();
    f->id = desc.id;

    f->label = new QLabel(Str(desc.labelId), this);
    f->label->setObjectName(QStringLiteral("label_%1").arg(desc.id));
    f->label->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    f->label->setFont(style == EditStyle::LabelFont ? ui.navigationFont : ui.labelFont);
    Place(f->label, rects.label);

    f->edit = new NumericEdit(this);
    f->edit->setObjectName(QStringLiteral("edit_%1").arg(desc.id));
    f->edit->setFont(style == EditStyle::LabelFont ? ui.labelFont : ui.editFont);
    f->edit->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    if (style == EditStyle::Centred) f->edit->setTextMargins(0, EditTextTopOffset(rects.edit.height), 0, 0);
    Place(f->edit, rects.edit);

    f->unit = new QLabel(Str(desc.unitId), this);
    f->unit->setObjectName(QStringLiteral("unit_%1").arg(desc.id));
    f->unit->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    f->unit->setFont(ui.labelFont);
    Place(f->unit, rects.unit);

    // Screen readers and UI automation find a field by its label and unit ("Resistance Ω", "℃").
    f->edit->setAccessibleName((f->label->text() + QLatin1Char(' ') + f->unit->text()).trimmed());

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

std::vector<Field*> Page::BuildFieldColumn(int labelBase, int unitBase)
{
    std::vector<Field*> out;
    out.reserve(32);
    const auto rects = FieldColumnLayout(Ui().geometry, clientArea().width);
    for (int i = 0; i < static_cast<int>(rects.size()); ++i)
        out.push_back(AddField({i, labelBase + i, unitBase + i}, rects[i], EditStyle::Centred));
    RaiseEditBoxes();
    return out;
}

std::vector<Field*> Page::BuildFieldGrid(int rows, int cols, int labelBase, int unitBase)
{
    std::vector<Field*> out;
    out.reserve(32);
    const auto rects = FieldGridLayout(Ui().geometry, clientArea().width, rows, cols);
    for (int k = 0; k < static_cast<int>(rects.size()); ++k) {
        const int id = 10 * (k / rows) + k % rows;
        out.push_back(AddField({id, labelBase + k, unitBase + k}, rects[k], EditStyle::Centred));
    }
    RaiseEditBoxes();
    return out;
}

std::vector<Field*> Page::BuildWideFieldGrid(int rows, int cols, int labelBase, int unitBase)
{
    std::vector<Field*> out;
    out.reserve(32);
    const Rect c = clientArea();
    const auto rects = WideFieldGridLayout(Ui().geometry, c.width, c.height, rows, cols);
    for (int k = 0; k < static_cast<int>(rects.size()); ++k) {
        const int id = 10 * (k / rows) + k % rows;
        out.push_back(AddField({id, labelBase + k, unitBase + k}, rects[k], EditStyle::Centred));
    }
    RaiseEditBoxes();
    return out;
}

std::vector<Field*> Page::BuildFieldGridInRect(Rect rect, int cols, int rows, int labelBase, int unitBase)
{
    std::vector<Field*> out;
    out.reserve(32);
    const auto rects = FieldGridInRectLayout(Ui().geometry, rect, cols, rows);
    for (int k = 0; k < static_cast<int>(rects.size()); ++k) {
        const int unitId = unitBase == 0 ? 0 : unitBase + k;
        out.push_back(AddField({labelBase + k, labelBase + k, unitId}, rects[k], EditStyle::Centred));
    }
    RaiseEditBoxes();
    return out;
}

std::vector<Field*> Page::BuildFixedPointGrid(Rect rect)
{
    std::vector<Field*> out;
    out.reserve(32);
    const auto rects = FixedPointGridLayout(Ui().geometry, rect);
    for (int k = 0; k < static_cast<int>(rects.size()); ++k) {
        const int column = k / 9;
        const int row = k % 9;
        const int labelId = (column == 0 ? 781 : 790) + row;
        const int unitId = (column == 0 ? 794 : 803) + row;
        out.push_back(AddField({labelId, labelId, unitId}, rects[k], EditStyle::LabelFont));
    }
    RaiseEditBoxes();
    return out;
}

std::vector<Field*> Page::BuildInputOutputRows(int labelBase, int unitBase)
{
    std::vector<Field*> out;
    out.reserve(32);
    const auto rects = InputOutputRowsLayout(Ui().geometry, clientArea());
    for (int k = 0; k < static_cast<int>(rects.size()); ++k) {
        const int id = k < 5 ? k : 10 + (k - 5);
        out.push_back(AddField({id, labelBase + k, unitBase + k}, rects[k], EditStyle::Plain));
    }
    RaiseEditBoxes();
    return out;
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
    if (HasFocusFlag(id)) Recompute(id);
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
