#include "humidity/ui/transmitter_page.h"

#include "framework/number_text.h"
#include "framework/ui/numeric_edit.h"
#include "framework/ui/text_fit.h"
#include "framework/ui/ui_context.h"
#include "humidity/transmitter.h"
#include "resources/string_table.h"

#include <QRadioButton>

#include <optional>

namespace tmcalc {
namespace {

QString Latin(std::string_view text)
{
    return QString::fromLatin1(text.data(), static_cast<qsizetype>(text.size()));
}

TransmitterRange RangeIn(const QLineEdit* edit) { return TransmitterRangeFromText(ReadRangeText(FieldText(edit))); }

}  // namespace

TransmitterPanel::TransmitterPanel(QWidget* parent, const QRect& geometry, const TransmitterPageLayout& layout)
    : Page(parent, geometry, 0, false)
{
    setObjectName(QStringLiteral("bsqWnd"));
    for (int k = 0; k < kTransmitterRangeCount; ++k) {
        QRadioButton* button = AddRadioButton(QStringLiteral("range_"), kStrTransmitterRanges + k,
                                              layout.ranges[static_cast<std::size_t>(k)]);
        connect(button, &QRadioButton::clicked, this, [this, k] { ChooseRange(k); });
        m_ranges[static_cast<std::size_t>(k)] = button;
    }
    for (int i = 0; i < kTransmitterCellCount; ++i) {
        const bool caption = i % 2 == 0;
        const QString captionText = Str(kStrTransmitterCaptions + i / 2);
        // A value cell is known by its caption; a caption cell reads out its own text.
        Field* f = AddCell({i, 0, 0, ReadRule::Typed, DisplayFormat::Show(10, 7)},
                           layout.cells[static_cast<std::size_t>(i)], EditStyle::LabelFont,
                           caption ? QString() : captionText);
        f->edit->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
        f->edit->setTextMargins(4, 0, 4, 0);
        if (caption) {
            // A caption too wide for its cell steps down (inside the frame, the margins and the
            // cursor's room).
            const QSize room(f->edit->width() - 2 - 8 - 4, f->edit->height() - 2);
            f->edit->setFont(FittedFont(f->edit->font(), room, Qt::AlignLeft | Qt::AlignVCenter, captionText));
            f->edit->setText(captionText);
            f->edit->setCursorPosition(0);
        }
    }
    m_selected = kTransmitterStartRange;
    m_ranges[static_cast<std::size_t>(m_selected)]->setChecked(true);
    edit(kTxSignalRange)->setText(Latin(kTransmitterSignalRanges[static_cast<std::size_t>(m_selected)]));
    edit(kTxConversionRange)->setText(Latin(kTransmitterStartConversionRange));
}

QRadioButton* TransmitterPanel::rangeButton(int index) const
{
    return index >= 0 && index < kTransmitterRangeCount ? m_ranges[static_cast<std::size_t>(index)] : nullptr;
}

void TransmitterPanel::ChooseRange(int index)
{
    // The chosen range again keeps a typed signal range and the values.
    if (index == m_selected) return;
    edit(kTxSignalRange)->setText(Latin(kTransmitterSignalRanges[static_cast<std::size_t>(index)]));
    m_selected = index;
    ClearFields({kTxInput, kTxOutput});
}

void TransmitterPanel::Recompute(int id)
{
    // The captions and the two ranges start nothing; a changed range counts from the next value typed.
    if (id == kTxInput) Convert(kTxInput, kTxOutput);
    if (id == kTxOutput) Convert(kTxOutput, kTxInput);
}

void TransmitterPanel::Convert(int driving, int result)
{
    const TransmitterRange signal = RangeIn(edit(kTxSignalRange));
    const TransmitterRange conversion = RangeIn(edit(kTxConversionRange));
    const CheckedValue typed = Read(driving);
    if (!typed.consumed) {
        ClearFields({result});
        return;
    }
    const std::optional<double> value = driving == kTxInput ? TransmitterSignal(signal, conversion, typed.value)
                                                            : TransmitterValue(signal, conversion, typed.value);
    if (value) Show(result, *value);
}

TransmitterPage::TransmitterPage(QWidget* parent, const QRect& geometry)
    : TitledPage(parent, geometry, kStrTitleTransmitter)
{
    setObjectName(QStringLiteral("TransmitterPage"));
    const TransmitterPageLayout layout = ComputeTransmitterPageLayout(Ui().geometry, clientArea());
    m_panel = new TransmitterPanel(this, ToQRect(layout.panel).translated(clientRect().topLeft()), layout);
}

}  // namespace tmcalc
