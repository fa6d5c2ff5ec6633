#include "rtd/fits.h"

#include <gtest/gtest.h>

#include <cmath>

#include "rtd/copper.h"
#include "rtd/platinum.h"

namespace tmcalc {
namespace {

TEST(PlatinumFit, DefaultGridWithPt100TableResistances)
{
    // The page's default temperatures with the Pt100 values as shown (four decimals). 138.5055 and
    // 212.0515 are exact, so A and B come back to about 12 digits; 84.2707 is 84.27065203 rounded, which
    // is all C has to go on.
    const PtFit fit = FitPtCoefficients(100, {-40, 84.2707}, {100, 138.5055}, {300, 212.0515});
    ASSERT_EQ(fit.status, FitStatus::Fitted);
    EXPECT_NEAR(fit.coefficients.a, 3.9083e-3, 3.9083e-3 * 1e-12);
    EXPECT_NEAR(fit.coefficients.b, -5.775e-7, 5.775e-7 * 1e-12);
    EXPECT_NEAR(fit.coefficients.c, -4.1294642857e-12, 1e-21);
}

struct PtFitRow {
    const char* name;
    double r0;
    PtCoefficients k;
    double tn, t1, t2;
};

class PlatinumFitRecovers : public testing::TestWithParam<PtFitRow> {};

TEST_P(PlatinumFitRecovers, CoefficientsFromGeneratedPoints)
{
    const PtFitRow& row = GetParam();
    const PtModel model = PtFitted(row.k);
    const PtFit fit = FitPtCoefficients(row.r0, {row.tn, PtResistance(row.tn, row.r0, model)},
                                        {row.t1, PtResistance(row.t1, row.r0, model)},
                                        {row.t2, PtResistance(row.t2, row.r0, model)});
    ASSERT_EQ(fit.status, FitStatus::Fitted);
    // Relative 1e-9 for A and B; C rests on a tiny difference (its term is about 4e-5 of W at -40 °C),
    // so it keeps about 7 digits.
    EXPECT_NEAR(fit.coefficients.a, row.k.a, std::abs(row.k.a) * 1e-9);
    EXPECT_NEAR(fit.coefficients.b, row.k.b, std::abs(row.k.b) * 1e-9);
    EXPECT_NEAR(fit.coefficients.c, row.k.c, std::abs(row.k.c) * 1e-6);
}

INSTANTIATE_TEST_SUITE_P(
    Rows, PlatinumFitRecovers,
    testing::Values(PtFitRow{"StandardDefaults", 100, {3.9083e-3, -5.775e-7, -4.183e-12}, -40, 100, 300},
                    PtFitRow{"Pt1000Deep", 1000, {3.9083e-3, -5.775e-7, -4.183e-12}, -196, 231.928, 419.527},
                    PtFitRow{"OffStandard", 25, {3.92e-3, -5.9e-7, -4.5e-12}, -100, 50, 600},
                    PtFitRow{"PointsInAnyOrder", 100, {3.85e-3, -5.8e-7, -3.9e-12}, -150, 700, 120}),
    [](const testing::TestParamInfo<PtFitRow>& param_info) { return std::string(param_info.param.name); });

TEST(PlatinumFit, CoincidingUpperTemperaturesGiveThreeNaNs)
{
    const PtFit fit = FitPtCoefficients(100, {-40, 84.2707}, {200, 175.856}, {200, 212.0515});
    EXPECT_EQ(fit.status, FitStatus::Fitted);
    EXPECT_TRUE(std::isnan(fit.coefficients.a));
    EXPECT_TRUE(std::isnan(fit.coefficients.b));
    EXPECT_TRUE(std::isnan(fit.coefficients.c));
    // Opposite temperatures are not degenerate for this system.
    EXPECT_FALSE(std::isnan(FitPtCoefficients(100, {-40, 84.27}, {-100, 60.26}, {100, 138.5}).coefficients.a));
}

TEST(PlatinumFit, AnyZeroInputMeansNotEntered)
{
    const double in[7] = {100, -40, 84.2707, 100, 138.5055, 300, 212.0515};
    for (int zero = 0; zero < 7; ++zero) {
        double v[7];
        for (int i = 0; i < 7; ++i) v[i] = i == zero ? 0.0 : in[i];
        const PtFit fit = FitPtCoefficients(v[0], {v[1], v[2]}, {v[3], v[4]}, {v[5], v[6]});
        EXPECT_EQ(fit.status, FitStatus::Incomplete) << zero;
    }
}

TEST(CopperFit, RecoversTheStandardFromItsOwnPoints)
{
    const FitPoint a{100, CuResistance(100, 50)};
    const FitPoint b{150, CuResistance(150, 50)};
    const FitPoint c{-10, CuResistance(-10, 50)};
    const CuFit fit = FitCuCoefficients(50, a, b, c);
    ASSERT_EQ(fit.status, FitStatus::Fitted);
    EXPECT_NEAR(fit.coefficients.alpha, 4.28e-3, 4.28e-3 * 1e-12);
    EXPECT_NEAR(fit.coefficients.beta, -9.31e-8, 9.31e-8 * 1e-9);
    EXPECT_NEAR(fit.coefficients.gamma, 1.23e-9, 1.23e-9 * 1e-9);
}

TEST(CopperFit, RecoversArbitraryCoefficients)
{
    const CuCoefficients k{4.25e-3, -2.0e-7, 3.1e-9};
    const CuModel model = CuFitted(k);
    const auto point = [&](double t) { return FitPoint{t, CuResistance(t, 100, model)}; };
    const CuFit fit = FitCuCoefficients(100, point(-45), point(60), point(140));
    ASSERT_EQ(fit.status, FitStatus::Fitted);
    EXPECT_NEAR(fit.coefficients.alpha, k.alpha, std::abs(k.alpha) * 1e-10);
    EXPECT_NEAR(fit.coefficients.beta, k.beta, std::abs(k.beta) * 1e-7);
    EXPECT_NEAR(fit.coefficients.gamma, k.gamma, std::abs(k.gamma) * 1e-7);
}

TEST(CopperFit, SingularSystemProducesNoCoefficients)
{
    // Two points at 100 °C: both rows are (100, 0, 0), so the determinant is exactly zero.
    const CuFit fit = FitCuCoefficients(50, {100, 71.4}, {100, 71.5}, {150, 82.1343});
    EXPECT_EQ(fit.status, FitStatus::Singular);
}

TEST(CopperFit, AnyZeroInputMeansNotEntered)
{
    const double in[7] = {50, 100, 71.4, 150, 82.1343, -10, 47.8577};
    for (int zero = 0; zero < 7; ++zero) {
        double v[7];
        for (int i = 0; i < 7; ++i) v[i] = i == zero ? 0.0 : in[i];
        const CuFit fit = FitCuCoefficients(v[0], {v[1], v[2]}, {v[3], v[4]}, {v[5], v[6]});
        EXPECT_EQ(fit.status, FitStatus::Incomplete) << zero;
    }
}

TEST(Fits, NonFiniteInputsPropagateWithoutTrapping)
{
    const double nan = std::nan("");
    const PtFit pt = FitPtCoefficients(100, {-40, nan}, {100, 138.5}, {300, 212.05});
    EXPECT_EQ(pt.status, FitStatus::Fitted);
    EXPECT_TRUE(std::isnan(pt.coefficients.c));
    const CuFit cu = FitCuCoefficients(50, {100, 71.4}, {150, INFINITY}, {-10, 47.9});
    EXPECT_EQ(cu.status, FitStatus::Fitted);
    EXPECT_FALSE(std::isfinite(cu.coefficients.alpha));
}

}  // namespace
}  // namespace tmcalc
