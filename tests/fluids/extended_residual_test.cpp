// Every fluid's residual part in long double agrees with its double evaluation to rounding, and
// every fluid says it has one: the saturation-curve generator relies on both near the critical
// point.
#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "HelmholzFluidObject.h"
#include "KX_Library_Descriptions.h"

namespace {

const THelmholzFluid& Fluid(int i) {
    return *KXHelmholtzFluids()[static_cast<std::size_t>(i)];
}

class ExtendedResidual : public ::testing::TestWithParam<int> {};

TEST_P(ExtendedResidual, AgreesWithTheDoubleEvaluation) {
    const THelmholzFluid& fluid = Fluid(GetParam());
    ASSERT_TRUE(fluid.ResidualInExtendedPrecision()) << fluid.Code;
    for (double delta : {0.02, 0.4, 0.97, 1.6, 2.6}) {
        for (double tau : {0.55, 0.99, 1.3, 2.1}) {
            THelmholzResidual d;
            THelmholzResidualExtended x;
            fluid.PhirAll(delta, tau, d);
            fluid.PhirAllExtended(delta, tau, x);
            const double pairs[][2] = {
                {d.Phi, static_cast<double>(x.Phi)},     {d.Phid, static_cast<double>(x.Phid)},
                {d.Phidd, static_cast<double>(x.Phidd)}, {d.Phit, static_cast<double>(x.Phit)},
                {d.Phitt, static_cast<double>(x.Phitt)}, {d.Phidt, static_cast<double>(x.Phidt)}};
            for (int k = 0; k < 6; ++k)
                EXPECT_NEAR(pairs[k][0], pairs[k][1], 1e-12 * (std::fabs(pairs[k][1]) + 1.0))
                    << fluid.Code << " delta " << delta << " tau " << tau << " sum " << k;
        }
    }
}

INSTANTIATE_TEST_SUITE_P(EveryFluid, ExtendedResidual,
                         ::testing::Range(0, static_cast<int>(KXHelmholtzFluids().size())));

}  // namespace
