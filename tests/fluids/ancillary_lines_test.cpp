// The ancillary saturation equations of every fluid by their properties, not their constants:
// they end at the critical point, approach it monotonically, and above Tc_Max_ they are the
// saturation state the property functions return.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "HelmholzFluidObject.h"
#include "KX_Ar_FE_Lib_Root.h"
#include "KX_CO2_FE_Lib_Root.h"
#include "KX_Fluid_Objects.h"
#include "KX_H2_FE_Lib_Root.h"
#include "KX_N2_FE_Lib_Root.h"
#include "KX_NH3_FE_Lib_Root.h"
#include "KX_O2_FE_Lib_Root.h"
#include "KX_R123_FE_Lib_Root.h"
#include "KX_R134a_FE_Lib_Root.h"
#include "KX_R152a_FE_Lib_Root.h"
#include "KX_R22_FE_Lib_Root.h"
#include "KX_R32_FE_Lib_Root.h"

namespace {

struct TAncillaryCase {
    const THelmholzFluid* fluid;
    bool pressureEndsAtPc;  // Pse(Tc_) is the critical pressure Pc_
    bool densitiesMeet;     // dsle(Tc_) = dsve(Tc_)
};

// R152a's vapour pressure is scaled by its own 45.1681 bar, not Pc_; R123's vapour density and
// the hydrogens' quadratic branches stop short of the liquid density at Tc_.
std::vector<TAncillaryCase> Cases() {
    return {{&NH3Fluid(), true, true},   {&R22Fluid(), true, true},   {&R32Fluid(), true, true},
            {&R123Fluid(), true, false}, {&R134aFluid(), true, true}, {&R152aFluid(), false, true},
            {&N2Fluid(), true, true},    {&O2Fluid(), true, true},    {&CO2Fluid(), true, true},
            {&ArFluid(), true, true},    {&H2Fluid(), true, false},   {&H2pFluid(), true, false},
            {&H2oFluid(), true, false}};
}

class AncillaryLines : public testing::TestWithParam<TAncillaryCase> {};

TEST_P(AncillaryLines, EndAtTheCriticalPoint) {
    const THelmholzFluid& f = *GetParam().fluid;
    if (GetParam().pressureEndsAtPc) {
        EXPECT_NEAR(f.Pse(f.Tc_), f.Pc_, 1e-9 * f.Pc_);
    }
    if (GetParam().densitiesMeet) {
        EXPECT_NEAR(f.dsle(f.Tc_), f.dsve(f.Tc_), 1e-9 * f.Dcr_);
    } else {
        EXPECT_GT(f.dsle(f.Tc_), f.dsve(f.Tc_));
    }
}

// Toward the critical point the pressure rises, the liquid density falls and the vapour density
// rises, with the liquid denser than the vapour until they meet: over the last 2 K, or where the
// ancillary values are the saturation state (above Tc_Max_, which leaves out the step where
// some fluids switch to their lines).
TEST_P(AncillaryLines, ApproachTheCriticalPointMonotonically) {
    const THelmholzFluid& f = *GetParam().fluid;
    const double from = f.Tc_Max_ < f.Tc_ - 0.1 ? f.Tc_Max_ : f.Tc_ - 2.0;
    const int steps = 400;
    for (int i = 1; i < steps; ++i) {
        const double T = from + (f.Tc_ - from) * i / steps;
        const double next = from + (f.Tc_ - from) * (i + 1) / steps;
        SCOPED_TRACE(T);
        EXPECT_LT(f.Pse(T), f.Pse(next));
        EXPECT_GT(f.dsle(T), f.dsle(next));
        EXPECT_LT(f.dsve(T), f.dsve(next));
        EXPECT_GT(f.dsle(T), f.dsve(T));
    }
}

// Above Tc_Max_ the saturation state is the ancillary one, without iteration.
TEST_P(AncillaryLines, AreTheSaturationStateAboveTheIterationLimit) {
    const THelmholzFluid& f = *GetParam().fluid;
    if (f.Tc_Max_ >= f.Tc_) {  // iterated up to the critical temperature: nothing above
        EXPECT_EQ(f.Tc_Max_, f.Tc_);
        return;
    }
    for (double share : {0.25, 0.5, 1.0}) {
        const double T = f.Tc_Max_ + share * (f.Tc_ - f.Tc_Max_);
        SCOPED_TRACE(T);
        std::string text;
        int32_t code = -1;
        // At the critical temperature itself PsatT gives the critical pressure, which the
        // ancillary equation meets within rounding.
        EXPECT_DOUBLE_EQ(f.PsatT(T, text, code), f.Pse(T));
        EXPECT_DOUBLE_EQ(f.DTX(T, 0.0, text, code), f.dsle(T));
        EXPECT_DOUBLE_EQ(f.DTX(T, 1.0, text, code), f.dsve(T));
        EXPECT_EQ(code, 0) << text;
    }
}

INSTANTIATE_TEST_SUITE_P(Fluids, AncillaryLines, testing::ValuesIn(Cases()),
                         [](const auto& info) { return info.param.fluid->Code; });

}  // namespace
