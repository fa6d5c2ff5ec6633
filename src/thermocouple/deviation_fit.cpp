#include "thermocouple/deviation_fit.h"

#include <Eigen/Dense>

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

PointFit FitStdSDeviationPoints(std::span<const FitPoint>) { return {PointFitProblem::Singular}; }

}  // namespace tmcalc
