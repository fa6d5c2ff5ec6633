#include "thermocouple/deviation_fit.h"

#include <Eigen/Dense>
#include <cmath>
#include <limits>
#include <vector>

#include "thermocouple/reference_functions.h"
#include "thermocouple/std_reference.h"
#include "thermocouple/thermocouple_type.h"

namespace tmcalc {

std::optional<DeviationQuadratic> FitDeviationQuadratic(std::span<const double> temperatures,
                                                        std::span<const double> emfs)
{
    if (temperatures.size() < 2 || temperatures.size() != emfs.size()) return std::nullopt;
    const auto n = static_cast<Eigen::Index>(temperatures.size());

    Eigen::MatrixXf design(n, 3);
    Eigen::VectorXf residuals(n);
    for (Eigen::Index i = 0; i < n; ++i) {
        const double x = temperatures[static_cast<std::size_t>(i)];
        design(i, 0) = 1.0F;
        design(i, 1) = static_cast<float>(x);
        design(i, 2) = static_cast<float>(x * x);
        // The difference is formed in double, then stored as a float like everything else here.
        residuals(i) = static_cast<float>(emfs[static_cast<std::size_t>(i)] - StdRefEmf(ThermocoupleType::B, x));
    }

    const Eigen::MatrixXf normal = design.transpose() * design;
    const Eigen::MatrixXf inverse = normal.partialPivLu().inverse();
    const Eigen::MatrixXf pseudoInverse = inverse * design.transpose();
    const Eigen::VectorXf coefficients = pseudoInverse * residuals;
    return DeviationQuadratic{coefficients(0), coefficients(1), coefficients(2)};
}

}  // namespace tmcalc

namespace tmcalc {
namespace {

constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();

// t with E_ref(t) + a + b t + c t² = emf, by Newton from the measured t; the slope of the working
// reference set only steers the steps. NaN when it does not meet 1e-12 mV (0.1 µK) in 50 steps.
double SDeviationTemperature(const std::vector<double>& k, double emf, double start)
{
    double t = start;
    for (int step = 0; step < 50; ++step) {
        const double residual = StdRefEmf(ThermocoupleType::S, t) + k[0] + (k[1] + k[2] * t) * t - emf;
        if (std::isnan(residual)) return kNaN;
        if (std::fabs(residual) < 1e-12) return t;
        t -= residual / (TcSlope(ThermocoupleType::S, t) / 1000.0 + k[1] + 2 * k[2] * t);
    }
    return kNaN;
}

}  // namespace

PointFit FitStdSDeviationPoints(std::span<const FitPoint> points)
{
    std::vector<double> design;
    std::vector<double> y;
    for (std::size_t i = 0; i < points.size(); ++i) {
        const FitPoint p = points[i];
        const double reference = StdRefEmf(ThermocoupleType::S, p.t);
        if (!std::isfinite(p.r) || !std::isfinite(reference))
            return PointFit{PointFitProblem::BadPoint, static_cast<int>(i)};
        design.insert(design.end(), {1.0, p.t, p.t * p.t});
        y.push_back(p.r - reference);
    }
    PointFit fit = FitDesign(design, 3, y);
    if (!fit.Ok()) return fit;
    const std::vector<double> k = fit.coefficients;
    // The temperature is searched from the point's own, which is where the fitted curve nearly is.
    FinishResiduals(fit, points, [&](const FitPoint& p) { return SDeviationTemperature(k, p.r, p.t); },
                    points.size() - 3);
    return fit;
}

}  // namespace tmcalc
