#pragma once

#include "framework/ui/page.h"
#include "humidity/humidity_pages.h"

#include <array>

class QRadioButton;

namespace tmcalc {

// Cells of the transmitter panel, row by row: a caption (which nothing reads) and its value.
enum TransmitterCell : int {
    kTxSignalCaption = 0,
    kTxSignalRange = 1,  // "low~high"
    kTxConversionCaption = 2,
    kTxConversionRange = 3,  // "low~high"
    kTxInputCaption = 4,
    kTxInput = 5,
    kTxOutputCaption = 6,
    kTxOutput = 7,
};

// The panel under the transmitter page's title band: five standard signal ranges to pick, the two ranges
// as typed, and the input value and output signal, each converted into the other.
class TransmitterPanel : public Page {
    Q_OBJECT
public:
    // `geometry` in the parent; the buttons and cells where `layout` puts them.
    TransmitterPanel(QWidget* parent, const QRect& geometry, const TransmitterPageLayout& layout);

    [[nodiscard]] QRadioButton* rangeButton(int index) const;  // 0-4
    [[nodiscard]] int selectedRange() const { return m_selected; }

protected:
    void Recompute(int id) override;

private:
    void ChooseRange(int index);
    // Converts the driving field (input or output) into the other one.
    void Convert(int driving, int result);

    std::array<QRadioButton*, kTransmitterRangeCount> m_ranges{};
    int m_selected = 0;
};

// Page 10: the title band over a TransmitterPanel ("bsqWnd").
class TransmitterPage : public TitledPage {
    Q_OBJECT
public:
    TransmitterPage(QWidget* parent, const QRect& geometry);

    [[nodiscard]] TransmitterPanel* panel() const { return m_panel; }

private:
    TransmitterPanel* m_panel = nullptr;
};

}  // namespace tmcalc
