#pragma once

#include "framework/ui/page.h"
#include "standards/ui/standards_library.h"
#include "resources/string_table.h"
#include "rtd/sprt.h"

class QComboBox;

namespace tmcalc {

class ContainerPage;
class ProductNumberModel;
class StandardRecord;

// Fields of "T ↔ R": each edit's id is its label's string id.
enum SprtConversionField : int {
    kSprtRtp = kStrSprtLabels,
    kSprtUpper1,  // the above-zero group, up to three rows
    kSprtUpper2,
    kSprtUpper3,
    kSprtLower1,  // the below-zero group, two rows
    kSprtLower2,
    kSprtRange,
    kSprtTemperature,
    kSprtResistance,
    kSprtResistanceSlope,  // dR/dt, Ω/°C
    kSprtRatio,            // W
    kSprtRatioSlope,       // dW/dt, 1/°C
};

// "T ↔ R": temperature and resistance of one calibrated thermometer, both ways, with W and the slopes.
// The coefficient rows follow the range text; a standard chosen in the container (its list of product
// numbers here, or Choose under "Configure") writes its texts into the fields.
class SprtConversionSubPage : public Page, public StandardLoader {
    Q_OBJECT
public:
    SprtConversionSubPage(QWidget* parent, const QRect& geometry, ContainerPage& container,
                          ProductNumberModel& products);

    [[nodiscard]] QComboBox* productList() const { return m_products; }
    // The record's texts, verbatim, into Rtp, the range and the coefficient rows of the record's groups;
    // the conversion fields keep their texts and nothing is computed.
    void LoadStandard(const StandardRecord& record) override;

protected:
    void Recompute(int id) override;

private:
    // Labels the coefficient rows for the range text's groups and shows just the rows they need.
    SprtRangeCodes Relabel();
    [[nodiscard]] SprtCoefficientSet ReadSet() const;
    // Converts from the typed temperature or resistance and writes the other and the three slopes.
    void Convert(bool fromResistance);

    QComboBox* m_products = nullptr;
};

}  // namespace tmcalc
