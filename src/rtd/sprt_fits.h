#pragma once

#include <span>
#include <vector>

#include "framework/fit_point.h"
#include "framework/point_fit.h"
#include "rtd/sprt.h"

namespace tmcalc {

// SPRT deviation coefficients by least squares on ΔW = W - Wr(t), W = R/Rtp, over any number of points
// (t in °C, r in Ω), for the groups a range selects. The coefficients are the upper group's, then the
// lower group's, in the order of their names (a8, b8, a4, b4); the residuals are the upper points', then
// the lower points', each inverted with its own group's deviation (whatever the group's usual range).
// The degrees of freedom are the groups' points less their coefficients, summed. Each group needs at
// least as many points as it has coefficients; Rtp not positive, or a point not finite or with a
// resistance of 0 or less, is a BadPoint (upper points counted first).
[[nodiscard]] PointFit FitSprtPoints(SprtRangeCodes codes, double rtp, std::span<const FitPoint> upper,
                                     std::span<const FitPoint> lower);

// Which group a point serves, for points given in one list. The upper group takes the points from 0 °C
// to its top fixed point, a4/b4 those from the argon point up to 0 °C, a5/b5 those from the mercury to
// the gallium point, each with 0.1 °C to spare. The stretch from 0 °C to gallium goes to a5/b5 when that
// group is chosen, and to the upper group too only when that is a11, whose span it is. A point that no
// chosen group takes is in `outside` (its index in the list).
struct SprtPointSplit {
    std::vector<FitPoint> upper;
    std::vector<FitPoint> lower;
    std::vector<std::size_t> upperIndex;  // each upper point's index in the list
    std::vector<std::size_t> lowerIndex;
    std::vector<std::size_t> outside;
};
[[nodiscard]] SprtPointSplit SprtSplitPoints(SprtRangeCodes codes, std::span<const FitPoint> points);

}  // namespace tmcalc
