#pragma once

#include "framework/ui/page.h"
#include "framework/ui/scale_strip.h"

namespace tmcalc {

// Page 0: five temperature scales; typing into one shows the other four.
class TemperaturePage : public Page {
    Q_OBJECT
public:
    TemperaturePage(QWidget* parent, const QRect& geometry);

protected:
    void Recompute(int id) override;

private:
    ScaleStrip m_strip;
};

}  // namespace tmcalc
