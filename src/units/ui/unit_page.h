#pragma once

#include "framework/ui/page.h"
#include "units/unit_pages.h"

#include <vector>

namespace tmcalc {

// Any of the linear unit pages, built from its descriptor: typing into one live field shows the
// same quantity in every other live field of the page. The page itself holds no unit knowledge.
class UnitConversionPage : public Page {
    Q_OBJECT
public:
    UnitConversionPage(QWidget* parent, const QRect& geometry, const UnitPage& descriptor);

    [[nodiscard]] const UnitPage& descriptor() const { return m_descriptor; }

protected:
    void Recompute(int id) override;

private:
    void WidenCutUnits() const;

    const UnitPage& m_descriptor;
    std::vector<int> m_liveIds;  // builder ids of the live cells, in cell order
};

// The unit page shown at `pageIndex` (7-9, 12-23), or nullptr when that index is not a unit page.
[[nodiscard]] QWidget* CreateUnitPage(QWidget* parent, const QRect& geometry, int pageIndex);

}  // namespace tmcalc
