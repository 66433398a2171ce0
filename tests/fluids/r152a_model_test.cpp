// The R152a model and library: derivatives of its Helmholtz energy, its documented and
// published values, phase equilibrium, round trips of the flashes and of saturation, and the
// library sweep.
#include <gtest/gtest.h>

#include <cfenv>
#include <cmath>
#include <string>

#include "HelmholtzDerivativeCheck.h"
#include "KXSweep.h"
#include "KX_R152a_FE_Lib.h"
#include "KX_R152a_FE_Lib_Root.h"
#include "fluid_model_checks.h"

namespace {

const TR152a_FE& Fluid() {
    static const TR152a_FE fluid;
    return fluid;
}

TEST(R152aModel, HelmholtzDerivativesMatchCentralDifferences) {
    helmholtzcheck::CheckDerivatives(Fluid(), helmholtzcheck::DefaultPoints());
}

TEST(R152aModel, CombinedEvaluationsMatchSingleOperations) {
    helmholtzcheck::CheckCombinedEvaluations(Fluid(), helmholtzcheck::DefaultPoints(), 0.0);
}

TEST(R152aModel, DocumentedValues) {
    fluidchecks::CheckReferenceTable(Fluid(), "r152a_reference.tsv");
}

TEST(R152aModel, ReferenceStateOfTheIdealGasConstants) {
    fluidchecks::CheckReferenceTable(Fluid(), "r152a_published.tsv");
}

// The equation of state reproduces the critical pressure at the reducing density and temperature.
TEST(R152aModel, CriticalPointOfTheEquationMatchesTheConstants) {
    const TR152a_FE& f = Fluid();
    EXPECT_NEAR(f.PDT(f.Dcr_, f.Tcr_), f.Pcr_, 0.01);
}

TEST(R152aModel, SaturationStateHasEqualPressureAndGibbsEnergy) {
    fluidchecks::CheckPhaseEquilibrium(Fluid(), {-118.5, -50.0, 0.0, 100.0, 113.0});
}

TEST(R152aModel, FlashesReturnTheTemperature) {
    fluidchecks::CheckFlashRoundTrips(
        Fluid(), {{10.0, 0.0}, {1.0, 50.0}, {60.0, 130.0}, {200.0, -50.0}, {0.01, -100.0}});
}

TEST(R152aModel, SaturationTemperatureOfTheSaturationPressure) {
    fluidchecks::CheckSaturationRoundTrips(Fluid(), {-110.0, 0.0, 100.0, 113.0});
}


// The saturation temperature uses the logarithmic equation up to 44 bar and a quadratic above:
// both are near the saturation temperature of the equation of state there, and they meet with a
// visible step.
TEST(R152aModel, AncillaryTemperatureSwitchesAbove44Bar) {
    const TR152a_FE& f = Fluid();
    std::string text;
    int32_t code = -1;
    const double Ts = f.TsatP(44.0, text, code);
    ASSERT_EQ(code, 0) << text;
    EXPECT_NEAR(f.tse(44.0), Ts, 1.0);
    EXPECT_NEAR(f.tse(44.0 + 1e-9), Ts, 1.0);
    EXPECT_GT(std::fabs(f.tse(44.0) - f.tse(44.0 + 1e-9)), 1e-3);
}

TEST(R152aLibrary, EveryFunctionKeepsTheContract) {
    kxsweep::SweepLibrary("KX_R152a_FE", KX_R152a_FE_Entries());
}

}  // namespace
