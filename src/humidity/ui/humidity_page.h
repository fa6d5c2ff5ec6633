#pragma once

#include "framework/ui/page.h"

namespace tmcalc {

// Page 6: ten humidity quantities of an air sample at a given air temperature and total pressure. The
// field ids are the label string ids, 241 + k for field k (k the humidity kind, 0 and 1 the air).
class HumidityPage : public Page {
    Q_OBJECT
public:
    HumidityPage(QWidget* parent, const QRect& geometry);

    // The id of field k (0-11).
    [[nodiscard]] static int FieldId(int k);

protected:
    void Recompute(int id) override;

private:
    void ClearQuantitiesExcept(int k) const;
};

}  // namespace tmcalc
