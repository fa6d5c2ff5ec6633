#pragma once

#include "framework/ui/page.h"
#include "standards/ui/standards_library.h"
#include "standards/standard_records.h"
#include "thermocouple/std_page_layout.h"
#include "thermocouple/std_type_s.h"

class QComboBox;

namespace tmcalc {

class ContainerPage;
class ProductNumberModel;

// Field ids of the type S sub-page, equal to their label string ids.
enum StdSField : int {
    kStdSZinc = 221,  // 221-223 the standard's emfs at the zinc, aluminium and copper points, mV
    kStdSAluminium = 222,
    kStdSCopper = 223,
    kStdSEmf = 224,          // mV, input and output
    kStdSSlope = 225,        // µV/°C, output
    kStdSTemperature = 226,  // °C, input and output
    kStdSColdJunction = 227,
};

// The type S standard: its deviation from the three fixed points, conversions both ways, and the emfs
// at every hundred degrees in a painted panel. A standard chosen in the container fills the fixed points.
class StdSSubPage : public Page, public StandardLoader {
    Q_OBJECT
public:
    StdSSubPage(QWidget* parent, const QRect& geometry, ContainerPage& container, ProductNumberModel& products);

    // Writes the record's zinc, aluminium and copper texts as they are, empties the conversion fields
    // and updates the deviation and the table; the product-number list shows the standard.
    void LoadStandard(const StandardRecord& record) override;

    // The kept (rounded) deviation, zero until the first fixed-point update.
    [[nodiscard]] const SDeviation& deviation() const { return m_deviation; }
    // The panel's text: the values filled in once a deviation is known, the bare rows before.
    [[nodiscard]] QString tableText() const;
    [[nodiscard]] QComboBox* productList() const { return m_products; }
    [[nodiscard]] const StdSPageLayout& layout() const { return m_layout; }

protected:
    void Recompute(int id) override;
    void PaintPage(QPainter& painter) override;

private:
    [[nodiscard]] StdSFixedPoints ReadFixedPoints() const;
    void FixedPointUpdate();
    void TemperatureToEmf();
    void EmfToTemperature();

    StdSPageLayout m_layout;
    SDeviation m_deviation;
    HundredDegreeValues m_table{};
    QComboBox* m_products = nullptr;
};

}  // namespace tmcalc
