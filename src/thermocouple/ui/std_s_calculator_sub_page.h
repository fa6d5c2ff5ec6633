#pragma once

#include "framework/ui/page.h"

namespace tmcalc {

// Cells of the type S coefficient calculator (each cell is an edit box whose id is its number).
enum StdSCalculatorCell : int {
    kCalcZinc = 1,  // inputs: the standard's emfs in mV at the zinc, aluminium and copper points
    kCalcAluminium = 3,
    kCalcCopper = 5,
    kCalcA = 7,  // outputs: the rounded deviation a (mV), b (mV/°C), c (mV/°C²)
    kCalcB = 9,
    kCalcC = 11,
};

// The deviation coefficients of a type S standard from its three fixed-point emfs.
class StdSCalculatorSubPage : public Page {
    Q_OBJECT
public:
    StdSCalculatorSubPage(QWidget* parent, const QRect& geometry);

protected:
    void Recompute(int id) override;
};

}  // namespace tmcalc
