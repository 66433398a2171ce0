// The argon model: documented values of its ancillary equations, published values of its
// equation of state, the derivatives of the Helmholtz energy, the low-pressure end, round trips.
// The checks it shares with the other gases are in gas_model_test.cpp.
#include <gtest/gtest.h>

#include "HelmholtzDerivativeCheck.h"
#include "KX_Ar_FE_Lib_Root.h"
#include "KX_Fluid_Objects.h"
#include "gases_test_support.h"

namespace {

const TAr_FE& Argon() {
    return ArFluid();
}

TEST(ArgonModel, DocumentedAncillaryValues) {
    gasestest::CheckReferenceTable("ar_reference.tsv", {&Argon()});
}

TEST(ArgonModel, PublishedTriplePointAndNormalBoilingPoint) {
    gasestest::CheckReferenceTable("ar_published.tsv", {&Argon()});
}

TEST(ArgonModel, PublishedIdealGasHeatCapacity) {
    gasestest::CheckReferenceTable("ar_janaf.tsv", {&Argon()});
}

// Dense points along the liquid side, where the exponential terms with the highest powers of δ
// dominate, and points around δ = 1, τ = 1.1 where the narrow Gaussian terms do (a smaller step
// keeps the truncation error of the central difference below the tolerance there).
TEST(ArgonModel, DerivativesOfTheDenseLiquid) {
    std::vector<helmholtzcheck::TPoint> points;
    for (double delta : {1.0, 1.3, 1.7, 2.1, 2.65})
        for (double tau : {1.02, 1.1, 1.4, 1.79}) points.push_back({delta, tau});
    helmholtzcheck::CheckDerivatives(Argon(), points, 1e-7, 1e-6);
}

// The lowest pressure is 0 bar: far below the triple-point pressure the gas is ideal.
TEST(ArgonModel, DilutGasDownToTheLowestPressure) {
    EXPECT_EQ(Argon().Pmin, 1e-100);
    for (double P : {1e-100, 1e-4, 1e-2}) {
        SCOPED_TRACE(P);
        std::string text;
        int32_t code = 0;
        const double T = 20.0;
        const double D = Argon().DPT(P, T, text, code);
        ASSERT_EQ(code, 0) << text;
        const double ideal = 100.0 * P / (Argon().R_ * (T + Argon().dta));
        EXPECT_NEAR(D / ideal, 1.0, 1e-5);
    }
}

}  // namespace
