#include "rtd/sprt_fits.h"

namespace tmcalc {

PointFit FitSprtPoints(SprtRangeCodes, double, std::span<const FitPoint>, std::span<const FitPoint>)
{
    return {PointFitProblem::Singular};
}

SprtPointSplit SprtSplitPoints(SprtRangeCodes, std::span<const FitPoint>) { return {}; }

}  // namespace tmcalc
