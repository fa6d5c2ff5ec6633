#include "framework/ui/uncertainty_panel.h"

#include "framework/number_text.h"
#include "framework/ui/numeric_edit.h"
#include "framework/ui/page.h"
#include "framework/ui/text_fit.h"
#include "framework/ui/ui_context.h"
#include "resources/string_table.h"

#include <QLabel>
#include <QPushButton>

#include <algorithm>
#include <cmath>
#include <string>

namespace tmcalc {
namespace {

// The U boxes show on a pale tint, so that a reader tells them from the u boxes they are typed into.
constexpr QColor kResultTint(240, 246, 252);

NumericEdit* MakeBox(Page& page, const NumericEdit* like, const QString& objectName, bool readOnly)
{
    auto* box = new NumericEdit(&page);
    box->setObjectName(objectName);
    box->setFont(like->font());
    box->setAlignment(Qt::AlignHCenter | Qt::AlignVCenter);
    box->setReadOnly(readOnly);
    if (readOnly) {
        QPalette colours = box->palette();
        colours.setColor(QPalette::Base, kResultTint);
        box->setPalette(colours);
    }
    box->hide();
    return box;
}

Rect ToRect(const QRect& r) { return {r.x(), r.y(), r.width(), r.height()}; }

// An expanded uncertainty that cannot be had: no text, and no budget behind it.
void ClearExpanded(QLineEdit* box)
{
    box->clear();
    box->setToolTip({});
}

}  // namespace

std::vector<UncertaintyOutput> StripOutputs(const std::array<int, 5>& strip, int output, int except)
{
    std::vector<UncertaintyOutput> out;
    for (std::size_t i = 0; i < strip.size(); ++i)
        if (strip[i] != except) out.push_back({strip[i], output, kStripScaleFactors[i]});
    return out;
}

std::vector<UncertaintyRoute> StripRoutes(const std::array<int, 5>& strip,
                                          const std::vector<UncertaintyInput>& parameters,
                                          const std::vector<UncertaintyOutput>& others,
                                          const std::function<UncertaintyModel()>& model)
{
    std::vector<UncertaintyRoute> routes;
    for (std::size_t i = 0; i < strip.size(); ++i) {
        UncertaintyRoute r;
        r.drivers = {strip[i]};
        r.inputs = {{strip[0], strip[i], 1.0 / kStripScaleFactors[i]}};
        r.inputs.insert(r.inputs.end(), parameters.begin(), parameters.end());
        r.outputs = others;
        r.model = model;
        routes.push_back(std::move(r));
    }
    return routes;
}

UncertaintyPanel::UncertaintyPanel(Page& page, UncertaintySetup setup) : QObject(&page), m_page(page), m_setup(std::move(setup))
{
    // A slot for every field that is an input or an output of some route, in the page's field order.
    const auto used = [this](int id) {
        for (const UncertaintyRoute& r : m_setup.routes) {
            for (const UncertaintyInput& in : r.inputs)
                if (in.u == id) return true;
            for (const UncertaintyOutput& out : r.outputs)
                if (out.field == id) return true;
        }
        return false;
    };
    for (const Field* f : m_page.fields()) {
        if (!used(f->id)) continue;
        Slot slot;
        slot.field = f->id;
        slot.whole = f->edit->geometry();
        slot.u = MakeBox(m_page, f->edit, QStringLiteral("u_%1").arg(f->id), false);
        slot.U = MakeBox(m_page, f->edit, QStringLiteral("U_%1").arg(f->id), true);
        // In the tab order each box follows its field.
        QWidget::setTabOrder(f->edit, slot.u);
        QWidget::setTabOrder(slot.u, slot.U);
        connect(slot.u, &QLineEdit::textEdited, this, [this] { Update(); });
        m_slots.push_back(slot);
    }

    const UiContext& ui = Ui();
    m_button = new QPushButton(Str(kStrUncertaintyButton), &m_page);
    m_button->setObjectName(QStringLiteral("UncertaintyButton"));
    m_button->setCheckable(true);
    m_button->setAccessibleName(m_button->text());
    m_kLabel = new QLabel(QStringLiteral("k"), &m_page);
    m_kLabel->setObjectName(QStringLiteral("UncertaintyKLabel"));
    m_kLabel->setFont(ui.labelFont);
    m_kLabel->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    m_kLabel->hide();
    m_k = new NumericEdit(&m_page);
    m_k->setObjectName(QStringLiteral("UncertaintyK"));
    m_k->setAccessibleName(QStringLiteral("k"));
    m_k->setAlignment(Qt::AlignHCenter | Qt::AlignVCenter);
    m_k->setText(QStringLiteral("2"));
    m_k->hide();
    Place();
    FitButton(m_button, ui.labelFont);
    m_k->setFont(LineFittedFont(ui.labelFont, m_k->height() - 2));
    connect(m_k, &QLineEdit::textEdited, this, [this] { Update(); });
    connect(m_button, &QPushButton::toggled, this, [this](bool on) { SetOn(on); });
}

void UncertaintyPanel::Place()
{
    // Clear of every widget the page holds (shown or not: a hidden row may show later; a label by the
    // extent of its text, since a right-aligned label's box reaches far to the left of it), of its title
    // band and of what it paints.
    const QRect client = m_page.clientRect();
    std::vector<Rect> taken = m_setup.reserved;
    if (m_page.titleId() != 0) taken.push_back({0, 0, client.width(), static_cast<int>(TitleBandHeight(client.width()))});
    for (const QObject* child : m_page.children()) {
        const auto* w = qobject_cast<const QWidget*>(child);
        if (w == nullptr || w == m_button || w == m_kLabel || w == m_k) continue;
        if (std::any_of(m_slots.begin(), m_slots.end(), [w](const Slot& s) { return w == s.u || w == s.U; })) continue;
        QRect r = w->geometry();
        if (const auto* label = qobject_cast<const QLabel*>(w)) {
            const int text = std::min(r.width(), label->fontMetrics().horizontalAdvance(label->text()) + 2);
            if (label->alignment() & Qt::AlignRight) r.setLeft(r.right() - text + 1);
            else if (label->alignment() & Qt::AlignHCenter) r = QRect(r.center().x() - text / 2, r.y(), text, r.height());
            else r.setWidth(text);
        }
        taken.push_back(ToRect(r.translated(-client.topLeft())));
    }
    // A sub-page may reach below its container; only what the container shows counts.
    Rect area = m_page.clientArea();
    if (const QWidget* parent = m_page.parentWidget()) {
        const QRect shown = QRect(QPoint(0, 0), parent->size()).translated(-m_page.pos() - client.topLeft());
        area.height = std::min(area.height, shown.bottom() + 1);
        area.width = std::min(area.width, shown.right() + 1);
    }
    const ScreenGeometry& g = Ui().geometry;
    const int margin = ScaledPixels(g, 4);
    Rect at = FindFreeRect(area, taken, UncertaintyStripWidth(g), UncertaintyStripHeight(g), margin);
    if (at.width == 0) at = {margin, margin, 0, 0};  // no free place: the top-left corner
    const UncertaintyStrip strip = UncertaintyStripAt(g, at.x, at.y);
    const auto place = [client](QWidget* w, const Rect& r) { w->setGeometry(ToQRect(r).translated(client.topLeft())); };
    place(m_button, strip.button);
    place(m_kLabel, strip.kLabel);
    place(m_k, strip.kBox);
}

NumericEdit* UncertaintyPanel::uBox(int field) const
{
    const Slot* s = SlotOf(field);
    return s != nullptr ? s->u : nullptr;
}

NumericEdit* UncertaintyPanel::UBox(int field) const
{
    const Slot* s = SlotOf(field);
    return s != nullptr ? s->U : nullptr;
}

UncertaintyPanel::Slot* UncertaintyPanel::SlotOf(int field)
{
    const auto it = std::find_if(m_slots.begin(), m_slots.end(), [field](const Slot& s) { return s.field == field; });
    return it == m_slots.end() ? nullptr : &*it;
}

const UncertaintyPanel::Slot* UncertaintyPanel::SlotOf(int field) const
{
    return const_cast<UncertaintyPanel*>(this)->SlotOf(field);
}

bool UncertaintyPanel::isOn() const { return m_button->isChecked(); }

void UncertaintyPanel::SetOn(bool on)
{
    if (m_button->isChecked() != on) {
        m_button->setChecked(on);  // comes back here through toggled
        return;
    }
    m_kLabel->setVisible(on);
    m_k->setVisible(on);
    for (Slot& s : m_slots) {
        NumericEdit* edit = m_page.edit(s.field);
        if (!on) {
            edit->setGeometry(s.whole);
            s.u->hide();
            s.U->hide();
            continue;
        }
        const EditSplit split = SplitEditForUncertainty(ToRect(s.whole));
        edit->setGeometry(ToQRect(split.edit));
        s.u->setGeometry(ToQRect(split.box));
        s.U->setGeometry(ToQRect(split.box));
    }
    if (on) {
        ShowRoles();
        Update();
    }
}

const UncertaintyRoute& UncertaintyPanel::Current() const { return m_setup.routes.at(m_current); }

void UncertaintyPanel::ShowRoles()
{
    if (!isOn()) return;
    const UncertaintyRoute& route = Current();
    for (Slot& s : m_slots) {
        const bool input = std::any_of(route.inputs.begin(), route.inputs.end(),
                                       [&s](const UncertaintyInput& in) { return in.u == s.field; });
        const bool output = !input && std::any_of(route.outputs.begin(), route.outputs.end(),
                                                  [&s](const UncertaintyOutput& o) { return o.field == s.field; });
        // Screen readers find the boxes by their field: "u Resistance Ω", "U ℃".
        const QString name = m_page.edit(s.field)->accessibleName();
        s.u->setAccessibleName(QStringLiteral("u ") + name);
        s.U->setAccessibleName(QStringLiteral("U ") + name);
        // Fields the page hides (another form's) show no boxes.
        const bool shown = !m_page.edit(s.field)->isHidden();
        s.u->setVisible(input && shown);
        s.U->setVisible(output && shown);
    }
}

void UncertaintyPanel::AfterRecompute(int id)
{
    for (std::size_t r = 0; r < m_setup.routes.size(); ++r) {
        const auto& drivers = m_setup.routes[r].drivers;
        if (std::find(drivers.begin(), drivers.end(), id) != drivers.end()) {
            m_current = r;
            ShowRoles();
            break;
        }
    }
    Update();
}

void UncertaintyPanel::SetU(int field, std::optional<double> u)
{
    if (Slot* s = SlotOf(field)) s->u->setText(u ? QString::fromStdString(FormatValueG(*u, 15)) : QString());
    Update();
}

void UncertaintyPanel::Update()
{
    if (!isOn()) return;
    const UncertaintyRoute& route = Current();
    const auto clear = [this, &route] {
        for (const UncertaintyOutput& o : route.outputs) {
            if (Slot* s = SlotOf(o.field)) ClearExpanded(s->U);
        }
    };
    std::vector<double> x, u;
    std::vector<std::string> names;
    for (const UncertaintyInput& in : route.inputs) {
        const CheckedValue value = m_page.Read(in.value);
        const Slot* s = SlotOf(in.u);
        // An empty u box is an exactly known input.
        const std::u16string text = s != nullptr ? FieldText(s->u) : std::u16string();
        const CheckedValue ui = text.empty() ? CheckedValue{0.0, true} : ReadFieldValueChecked(text);
        if (!value.consumed || !std::isfinite(value.value) || !ui.consumed || !std::isfinite(ui.value) ||
            ui.value < 0.0) {
            clear();
            return;
        }
        x.push_back(value.value);
        u.push_back(ui.value * in.factor);
        names.push_back(m_page.edit(in.u)->accessibleName().toStdString());
    }
    const CheckedValue k = ReadFieldValueChecked(FieldText(m_k));
    if (!k.consumed || !std::isfinite(k.value) || k.value <= 0.0) {
        clear();
        return;
    }
    const std::vector<Budget> budgets = Propagate(route.model(), x, u, k.value);
    for (const UncertaintyOutput& o : route.outputs) {
        Slot* s = SlotOf(o.field);
        if (s == nullptr) continue;
        const CheckedValue shown = m_page.Read(o.field);
        const Budget b = ScaledBudget(budgets.at(static_cast<std::size_t>(o.output)), o.factor);
        if (!shown.consumed || !std::isfinite(shown.value) || !std::isfinite(b.U)) {
            ClearExpanded(s->U);
            continue;
        }
        s->U->setText(QString::fromStdString(FormatSignificant(b.U)));
        s->U->setToolTip(QString::fromStdString(BudgetText(b, names)));
    }
}

}  // namespace tmcalc
