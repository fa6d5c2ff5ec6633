#include "framework/point_fit.h"

#include <Eigen/Dense>
#include <algorithm>
#include <cmath>

namespace tmcalc {

LinearLeastSquares SolveLinearLeastSquares(std::span<const double> design, std::size_t columns,
                                           std::span<const double> y)
{
    LinearLeastSquares out;
    const auto n = static_cast<Eigen::Index>(y.size());
    const auto p = static_cast<Eigen::Index>(columns);
    if (p == 0 || n < p || design.size() != y.size() * columns) return out;
    using RowMajor = Eigen::Matrix<double, Eigen::Dynamic, Eigen::Dynamic, Eigen::RowMajor>;
    const Eigen::Map<const RowMajor> x(design.data(), n, p);
    const Eigen::Map<const Eigen::VectorXd> rhs(y.data(), n);

    // Columns of very different sizes (t and t⁴ for platinum) are scaled to unit norm first, so that the
    // pivoting and the rank decision see the shape of the problem rather than its units.
    Eigen::VectorXd scale = x.colwise().norm().transpose();
    for (Eigen::Index j = 0; j < p; ++j) {
        if (!(scale(j) > 0) || !std::isfinite(scale(j))) return out;
    }
    const Eigen::MatrixXd scaled = x * scale.cwiseInverse().asDiagonal();
    const Eigen::ColPivHouseholderQR<Eigen::MatrixXd> qr(scaled);
    if (qr.rank() < p) return out;

    Eigen::VectorXd k = qr.solve(rhs).cwiseQuotient(scale);
    if (!k.allFinite()) return out;
    // Two steps of refinement on residuals formed in long double bring the solution to what the data
    // determine (with exactly as many points as columns, close to the exact solution of the rounded y).
    const auto residualsOf = [&](const Eigen::VectorXd& coefficients) {
        Eigen::VectorXd r(n);
        for (Eigen::Index i = 0; i < n; ++i) {
            long double sum = rhs(i);
            for (Eigen::Index j = 0; j < p; ++j) sum -= static_cast<long double>(x(i, j)) * coefficients(j);
            r(i) = static_cast<double>(sum);
        }
        return r;
    };
    for (int step = 0; step < 2; ++step) k += qr.solve(residualsOf(k)).cwiseQuotient(scale);
    if (!k.allFinite()) return out;
    const Eigen::VectorXd residuals = residualsOf(k);
    out.fullRank = true;
    out.coefficients.assign(k.data(), k.data() + p);
    out.residuals.assign(residuals.data(), residuals.data() + n);
    if (n == p) return out;

    // (XᵀX)⁻¹ = S⁻¹ P R⁻¹ R⁻ᵀ Pᵀ S⁻¹ for the scaled, pivoted factorisation X S⁻¹ P = Q R.
    const double s2 = residuals.squaredNorm() / static_cast<double>(n - p);
    const Eigen::MatrixXd r = qr.matrixR().topLeftCorner(p, p).triangularView<Eigen::Upper>();
    const Eigen::MatrixXd rInverse =
        r.triangularView<Eigen::Upper>().solve(Eigen::MatrixXd::Identity(p, p));
    const Eigen::MatrixXd pivoted = qr.colsPermutation() * (rInverse * rInverse.transpose()) *
                                    qr.colsPermutation().transpose();
    const Eigen::MatrixXd covariance =
        s2 * scale.cwiseInverse().asDiagonal() * pivoted * scale.cwiseInverse().asDiagonal();
    out.covariance.resize(static_cast<std::size_t>(p * p));
    for (Eigen::Index i = 0; i < p; ++i) {
        for (Eigen::Index j = 0; j < p; ++j) out.covariance[static_cast<std::size_t>(i * p + j)] = covariance(i, j);
        out.uncertainties.push_back(std::sqrt(covariance(i, i)));
    }
    return out;
}

std::size_t DistinctRows(std::span<const double> design, std::size_t columns)
{
    if (columns == 0) return 0;
    const std::size_t n = design.size() / columns;
    std::vector<std::span<const double>> rows;
    rows.reserve(n);
    for (std::size_t i = 0; i < n; ++i) rows.push_back(design.subspan(i * columns, columns));
    const auto less = [](std::span<const double> a, std::span<const double> b) {
        return std::lexicographical_compare(a.begin(), a.end(), b.begin(), b.end());
    };
    const auto equal = [](std::span<const double> a, std::span<const double> b) {
        return std::equal(a.begin(), a.end(), b.begin(), b.end());
    };
    std::sort(rows.begin(), rows.end(), less);
    return static_cast<std::size_t>(std::unique(rows.begin(), rows.end(), equal) - rows.begin());
}

PointFit FitDesign(std::span<const double> design, std::size_t columns, std::span<const double> y,
                   LinearLeastSquares* solution)
{
    PointFit fit;
    if (y.size() < columns) {
        fit.problem = PointFitProblem::TooFewPoints;
        return fit;
    }
    if (DistinctRows(design, columns) < columns) {
        fit.problem = PointFitProblem::RepeatedPoints;
        return fit;
    }
    LinearLeastSquares solved = SolveLinearLeastSquares(design, columns, y);
    if (!solved.fullRank) {
        fit.problem = PointFitProblem::Singular;
        return fit;
    }
    fit.coefficients = solved.coefficients;
    fit.uncertainties = solved.uncertainties;
    if (solution != nullptr) *solution = std::move(solved);
    return fit;
}

void FinishResiduals(PointFit& fit, std::span<const FitPoint> points,
                     const std::function<double(const FitPoint&)>& temperatureOf, std::size_t freedom)
{
    fit.residualsMk.clear();
    double sum = 0;
    for (const FitPoint& p : points) {
        const double residual = 1000.0 * (p.t - temperatureOf(p));
        fit.residualsMk.push_back(residual);
        sum += residual * residual;
    }
    fit.residualSdMk =
        freedom > 0 ? std::sqrt(sum / static_cast<double>(freedom)) : std::numeric_limits<double>::quiet_NaN();
}

}  // namespace tmcalc
