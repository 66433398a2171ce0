// The R22 model and library: derivatives of its Helmholtz energy, its documented and
// published values, phase equilibrium, round trips of the flashes and of saturation, and the
// library sweep.
#include <gtest/gtest.h>

#include <cfenv>
#include <cmath>
#include <string>

#include "HelmholtzDerivativeCheck.h"
#include "KXSweep.h"
#include "KX_R22_FE_Lib.h"
#include "KX_R22_FE_Lib_Root.h"
#include "fluid_model_checks.h"

namespace {

const TR22_FE& Fluid() {
    static const TR22_FE fluid;
    return fluid;
}

TEST(R22Model, HelmholtzDerivativesMatchCentralDifferences) {
    helmholtzcheck::CheckDerivatives(Fluid(), helmholtzcheck::DefaultPoints());
}

TEST(R22Model, CombinedEvaluationsMatchSingleOperations) {
    helmholtzcheck::CheckCombinedEvaluations(Fluid(), helmholtzcheck::DefaultPoints(), 0.0);
}

TEST(R22Model, DocumentedValues) {
    fluidchecks::CheckReferenceTable(Fluid(), "r22_reference.tsv");
}

TEST(R22Model, ReferenceStateOfTheIdealGasConstants) {
    fluidchecks::CheckReferenceTable(Fluid(), "r22_published.tsv");
}

// The equation of state reproduces the critical pressure at the reducing density and temperature.
TEST(R22Model, CriticalPointOfTheEquationMatchesTheConstants) {
    const TR22_FE& f = Fluid();
    EXPECT_NEAR(f.PDT(f.Dcr_, f.Tcr_), f.Pcr_, 0.01);
}

TEST(R22Model, SaturationStateHasEqualPressureAndGibbsEnergy) {
    fluidchecks::CheckPhaseEquilibrium(Fluid(), {-157.42, -100.0, 0.0, 50.0, 95.0});
}

TEST(R22Model, FlashesReturnTheTemperature) {
    fluidchecks::CheckFlashRoundTrips(
        Fluid(), {{10.0, -20.0}, {1.0, 50.0}, {60.0, 120.0}, {200.0, 0.0}, {0.01, -100.0}});
}

TEST(R22Model, SaturationTemperatureOfTheSaturationPressure) {
    fluidchecks::CheckSaturationRoundTrips(Fluid(), {-150.0, -50.0, 0.0, 50.0, 95.0});
}


TEST(R22Library, EveryFunctionKeepsTheContract) {
    kxsweep::SweepLibrary("KX_R22_FE", KX_R22_FE_Entries());
}

}  // namespace
