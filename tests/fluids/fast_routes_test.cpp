// The faster density and saturation routes against the plain iterations they stand in for, for
// carbon dioxide and the five refrigerants (ammonia, nitrogen, oxygen, argon and the hydrogens
// are checked with their models).
#include <gtest/gtest.h>

#include "KX_CO2_FE_Lib_Root.h"
#include "KX_Fluid_Objects.h"
#include "KX_R123_FE_Lib_Root.h"
#include "KX_R134a_FE_Lib_Root.h"
#include "KX_R152a_FE_Lib_Root.h"
#include "KX_R22_FE_Lib_Root.h"
#include "KX_R32_FE_Lib_Root.h"
#include "gases_test_support.h"

namespace {

class FastRoutes : public testing::TestWithParam<const THelmholzFluid*> {};

TEST_P(FastRoutes, AgreeWithThePlainIterations) {
    gasestest::CheckFastRoutesAgree(*GetParam());
}

INSTANTIATE_TEST_SUITE_P(Fluids, FastRoutes,
                         testing::Values(&CO2Fluid(), &R22Fluid(), &R32Fluid(), &R123Fluid(),
                                         &R134aFluid(), &R152aFluid()),
                         [](const auto& info) { return info.param->Code; });

}  // namespace
