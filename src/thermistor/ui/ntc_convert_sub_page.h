#pragma once

#include "framework/ui/page.h"
#include "standards/ui/standards_library.h"
#include "standards/standard_records.h"
#include "thermistor/ntc_page_layout.h"
#include "thermistor/ntc_page_math.h"

#include <QFont>
#include <QPixmap>

#include <array>

class QComboBox;
class QRadioButton;

namespace tmcalc {

class ContainerPage;
class ProductNumberModel;

// Field ids of the conversion sub-page: the three panels' fields are distinct, each with its own focus flag.
enum NtcConvertField : int {
    kNtcR25 = 1,
    kNtcBeta = 3,
    kNtcBetaResistance = 5,
    kNtcBetaTemperature = 7,
    kNtcShA = 11,  // B 13, C 15
    kNtcShResistance = 17,
    kNtcShTemperature = 19,
    kNtcExtA = 21,  // B 23, C 25, D 27
    kNtcExtResistance = 29,
    kNtcExtTemperature = 31,
};

// "T↔R": resistance and temperature of an NTC thermistor both ways in one of three forms, each form a
// panel of its own whose texts stay while another is shown. A chosen standard selects its form and fills
// in its coefficients.
class NtcConvertSubPage : public Page, public StandardLoader {
    Q_OBJECT
public:
    // The product-number list loads its pick into `container`, which hands it back through LoadStandard.
    NtcConvertSubPage(QWidget* parent, const QRect& geometry, ContainerPage& container,
                      ProductNumberModel& products);

    [[nodiscard]] NtcMode mode() const { return m_mode; }
    [[nodiscard]] QRadioButton* modeButton(NtcMode mode) const;
    [[nodiscard]] QComboBox* productList() const { return m_products; }

    // Selects the standard's form, writes its coefficients (R25 and β as seven-digit values, A to D with
    // twelve significant digits so that the page computes with the certificate's values) and empties the
    // panel's resistance and temperature. A "Method" that names no form changes nothing.
    void LoadStandard(const StandardRecord& record) override;

protected:
    void Recompute(int id) override;
    void PaintPage(QPainter& painter) override;

private:
    void ShowMode(NtcMode mode);
    [[nodiscard]] NtcPanelValues PanelValues(NtcMode mode) const;

    NtcConvertPageLayout m_layout;
    NtcMode m_mode = NtcMode::Beta;
    std::array<QRadioButton*, kNtcModeCount> m_modes{};
    QComboBox* m_products = nullptr;
    QPixmap m_picture;  // image 15 at its on-screen size, scaled once
    QFont m_equationFont;
};

}  // namespace tmcalc
