#pragma once

#include "framework/ui/page.h"

namespace tmcalc {

// t90, t68 and t48 in °C, one field each (ids 0-2 in HistoricScale order): typing into one shows the
// other two, or the out-of-range text where that scale has no value.
class HistoricScalesPage : public Page {
    Q_OBJECT
public:
    HistoricScalesPage(QWidget* parent, const QRect& geometry);

protected:
    void Recompute(int id) override;
};

}  // namespace tmcalc
