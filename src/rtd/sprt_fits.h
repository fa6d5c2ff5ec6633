#pragma once

#include <span>
#include <vector>

#include "framework/fit_point.h"
#include "framework/point_fit.h"
#include "rtd/sprt.h"

namespace tmcalc {

// SPRT deviation coefficients by least squares on ΔW = W - Wr(t), W = R/Rtp, over any number of points
// (t in °C, r in Ω), for the groups a range selects. The coefficients are the upper group's, then the
// lower group's, in the order of their names (a8, b8, a4, b4); so are the uncertainties, NaN for a group
// with exactly as many points as coefficients (and none at all when that holds for every group). The
// residuals are the upper points', then the lower points', each inverted with its own group's deviation
// whatever the group's usual range; the degrees of freedom of their standard deviation are the groups'
// points less their coefficients, summed. Each chosen group needs at least as many points as it has
// coefficients; Rtp not positive, or a point not finite or with a resistance of 0 or less, is a BadPoint
// (its index counting the upper points first).
[[nodiscard]] PointFit FitSprtPoints(SprtRangeCodes codes, double rtp, std::span<const FitPoint> upper,
                                     std::span<const FitPoint> lower);

// Which group a point serves, for points given in one list. A point at the gallium point (within
// 0.01 °C) serves a5/b5 when that group is chosen, and the upper group too only when that is a11, whose
// fixed point it is. Otherwise a point from 0 °C to the upper group's top fixed point serves the upper
// group, and one below 0 °C (or up to 0.1 °C when no upper group is chosen) the lower group: a4/b4 from
// the argon point, a5/b5 from the mercury point up to the gallium point, each with 0.1 °C to spare. A
// point that no chosen group takes is in `outside` (its index in the list).
struct SprtPointSplit {
    std::vector<FitPoint> upper;
    std::vector<FitPoint> lower;
    std::vector<std::size_t> upperIndex;  // each upper point's index in the list
    std::vector<std::size_t> lowerIndex;
    std::vector<std::size_t> outside;
};
[[nodiscard]] SprtPointSplit SprtSplitPoints(SprtRangeCodes codes, std::span<const FitPoint> points);

}  // namespace tmcalc
