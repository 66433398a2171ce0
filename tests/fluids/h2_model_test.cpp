// The three forms of hydrogen: published values, the derivatives of the Helmholtz
// energy, the ancillary equations at their ends and branch points, compressibility, round trips.
// The checks it shares with the other gases are in gas_model_test.cpp.
#include <gtest/gtest.h>

#include "HelmholtzDerivativeCheck.h"
#include "KX_Fluid_Objects.h"
#include "KX_H2_FE_Lib_Root.h"
#include "gases_test_support.h"

namespace {

std::vector<const THelmholzFluid*> Forms() {
    return {&H2Fluid(), &H2pFluid(), &H2oFluid()};
}

TEST(HydrogenModel, PublishedNormalBoilingPoints) {
    gasestest::CheckReferenceTable("h2_published.tsv", Forms());
}

TEST(HydrogenModel, PublishedIdealGasHeatCapacity) {
    gasestest::CheckReferenceTable("h2_janaf.tsv", Forms());
}

// Normal hydrogen is the frozen mixture of three parts orthohydrogen and one part parahydrogen,
// so its ideal-gas heat capacity is the weighted mean of theirs, although para and ortho differ
// by several J/(mol K) between 50 and 300 K. The tolerance allows for the three separate fits.
TEST(HydrogenModel, NormalIsTheThreeToOneMixtureOfOrthoAndPara) {
    for (double TK : {20.0, 50.0, 100.0, 150.0, 200.0, 298.15, 500.0, 1000.0}) {
        SCOPED_TRACE(TK);
        const double T = TK - 273.15;
        const double normal = gasestest::IdealGasMolarHeatCapacity(H2Fluid(), T);
        const double para = gasestest::IdealGasMolarHeatCapacity(H2pFluid(), T);
        const double ortho = gasestest::IdealGasMolarHeatCapacity(H2oFluid(), T);
        EXPECT_NEAR(normal, 0.75 * ortho + 0.25 * para, 0.015);
    }
}

// The forms are distinct objects with their own constants.
TEST(HydrogenModel, ThreeDistinctForms) {
    EXPECT_EQ(H2Fluid().Code, "KX_H2_FE");
    EXPECT_EQ(H2pFluid().Code, "KX_H2p_FE");
    EXPECT_EQ(H2oFluid().Code, "KX_H2o_FE");
    EXPECT_NE(H2Fluid().Tcr_, H2pFluid().Tcr_);
    EXPECT_NE(H2Fluid().Tcr_, H2oFluid().Tcr_);
    EXPECT_NE(H2pFluid().Tcr_, H2oFluid().Tcr_);
}

// ϑ is exactly 0 at the critical temperature, so the vapour pressure is exactly the critical one.
TEST(HydrogenModel, AncillaryVapourPressureAtTheCriticalTemperature) {
    for (const THelmholzFluid* form : Forms()) {
        SCOPED_TRACE(form->Code);
        EXPECT_EQ(form->Pse(form->Tcr_), form->Pcr_);
    }
}

// At the threshold temperature the ϑ-forms apply (continuous from below), just above it the
// quadratics (a jump: the two branches do not meet).
TEST(HydrogenModel, AncillaryDensityBranchesSwitchAboveTheThreshold) {
    struct TCase {
        const THelmholzFluid* form;
        double thresholdK;
    };
    for (const TCase c :
         {TCase{&H2Fluid(), 31.0}, TCase{&H2pFluid(), 30.0}, TCase{&H2oFluid(), 31.0}}) {
        SCOPED_TRACE(c.form->Code);
        const double at = c.thresholdK - c.form->dta;
        for (auto density : {&THelmholzFluid::dsle, &THelmholzFluid::dsve}) {
            const double value = (c.form->*density)(at);
            EXPECT_NEAR(value, (c.form->*density)(at - 1e-9), 1e-6);
            EXPECT_GT(std::fabs(value - (c.form->*density)(at + 1e-9)), 1e-2);
        }
    }
}

// The compressibility factor of a dilute hot gas is 1, and grows with pressure at room
// temperature (repulsive regime of hydrogen).
TEST(HydrogenModel, CompressibilityFactor) {
    for (const THelmholzFluid* form : Forms()) {
        SCOPED_TRACE(form->Code);
        std::string text;
        int32_t code = 0;
        EXPECT_NEAR(form->ZPT(0.1, 500.0, text, code), 1.0, 1e-4);
        EXPECT_EQ(code, 0) << text;
        const double z100 = form->ZPT(100.0, 20.0, text, code);
        const double z1000 = form->ZPT(1000.0, 20.0, text, code);
        EXPECT_GT(z100, 1.0);
        EXPECT_GT(z1000, z100);
        EXPECT_EQ(code, 0) << text;
    }
}

}  // namespace
