#include "units/ui/unit_page.h"

#include "framework/ui/numeric_edit.h"
#include "units/unit_conversion.h"

#include <QLabel>

#include <algorithm>
#include <cstddef>

namespace tmcalc {
UnitConversionPage::UnitConversionPage(QWidget* parent, const QRect& geometry, const UnitPage& descriptor)
    : Page(parent, geometry, descriptor.titleId, true), m_descriptor(descriptor)
{
    setObjectName(QStringLiteral("UnitPage%1").arg(descriptor.pageIndex));
    const FieldPolicy policy = descriptor.policy;
    switch (descriptor.builder) {
        case UnitGridBuilder::WideFieldGrid:
            BuildWideFieldGrid(descriptor.rows, descriptor.columns, descriptor.firstLabelId,
                               descriptor.firstUnitId, policy);
            break;
        case UnitGridBuilder::FieldGrid:
            BuildFieldGrid(descriptor.rows, descriptor.columns, descriptor.firstLabelId, descriptor.firstUnitId,
                           policy);
            break;
        case UnitGridBuilder::FieldColumn:
            BuildFieldColumn(descriptor.firstLabelId, descriptor.firstUnitId, policy);
            break;
    }
    for (const UnitField& cell : descriptor.fields) {
        if (cell.dead) {
            SetFieldShown(cell.id, false);  // blank label and unit; the box is never written
        } else {
            m_liveIds.push_back(cell.id);
        }
    }
    WidenCutUnits();
}

void UnitConversionPage::WidenCutUnits() const
{
    // The builders size a unit box as a fraction of the edit box, which leaves a few compound units
    // ("kcal/cm·min·℃", "Btu(mean)") a little short. Such a box takes the room to its right, up to the
    // next edit box on its row or the page's edge, so the unit is read whole.
    const QRect client = clientRect();
    for (const Field* f : fields()) {
        if (f->unit == nullptr || !f->edit->isVisibleTo(this)) continue;
        const QRect box = f->unit->geometry();
        const int needed = f->unit->fontMetrics().horizontalAdvance(f->unit->text().trimmed());
        if (needed <= box.width()) continue;
        int limit = client.right() + 1;
        for (const Field* other : fields()) {
            const QRect edit = other->edit->geometry();
            if (other->edit->isVisibleTo(this) && edit.left() >= box.left() && edit.top() <= box.bottom() &&
                edit.bottom() >= box.top()) {
                limit = std::min(limit, edit.left());
            }
        }
        f->unit->resize(std::max(box.width(), std::min(needed, limit - box.left())), box.height());
    }
}

void UnitConversionPage::Recompute(int id)
{
    const UnitFieldTexts out = UnitTextsAfterEdit(m_descriptor, id, FieldText(edit(id)));
    if (out.cleared) {
        std::vector<int> others;
        others.reserve(m_liveIds.size());
        for (int live : m_liveIds) {
            if (live != id) others.push_back(live);
        }
        ClearFields(others);
        return;
    }
    for (std::size_t k = 0; k < m_descriptor.fields.size() && k < out.texts.size(); ++k) {
        if (out.texts[k]) edit(m_descriptor.fields[k].id)->setText(QString::fromStdString(*out.texts[k]));
    }
}

QWidget* CreateUnitPage(QWidget* parent, const QRect& geometry, int pageIndex)
{
    const UnitPage* descriptor = UnitPageAt(pageIndex);
    return descriptor != nullptr ? new UnitConversionPage(parent, geometry, *descriptor) : nullptr;
}

}  // namespace tmcalc
