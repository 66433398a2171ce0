// The R134a model and library: derivatives of its Helmholtz energy, its documented and
// published values, phase equilibrium, round trips of the flashes and of saturation, and the
// library sweep.
#include <gtest/gtest.h>

#include <cfenv>
#include <cmath>
#include <string>

#include "HelmholtzDerivativeCheck.h"
#include "KXSweep.h"
#include "KX_R134a_FE_Lib.h"
#include "KX_R134a_FE_Lib_Root.h"
#include "fluid_model_checks.h"

namespace {

const TR134a_FE& Fluid() {
    static const TR134a_FE fluid;
    return fluid;
}

TEST(R134aModel, HelmholtzDerivativesMatchCentralDifferences) {
    helmholtzcheck::CheckDerivatives(Fluid(), helmholtzcheck::DefaultPoints());
}

TEST(R134aModel, CombinedEvaluationsMatchSingleOperations) {
    helmholtzcheck::CheckCombinedEvaluations(Fluid(), helmholtzcheck::DefaultPoints(), 0.0);
}

TEST(R134aModel, DocumentedValues) {
    fluidchecks::CheckReferenceTable(Fluid(), "r134a_reference.tsv");
}

TEST(R134aModel, ReferenceStateOfTheIdealGasConstants) {
    fluidchecks::CheckReferenceTable(Fluid(), "r134a_published.tsv");
}

// The equation of state reproduces the critical pressure at the reducing density and temperature.
TEST(R134aModel, CriticalPointOfTheEquationMatchesTheConstants) {
    const TR134a_FE& f = Fluid();
    EXPECT_NEAR(f.PDT(f.Dcr_, f.Tcr_), f.Pcr_, 0.01);
}

TEST(R134aModel, SaturationStateHasEqualPressureAndGibbsEnergy) {
    fluidchecks::CheckPhaseEquilibrium(Fluid(), {-103.3, -50.0, 0.0, 50.0, 99.0});
}

TEST(R134aModel, FlashesReturnTheTemperature) {
    fluidchecks::CheckFlashRoundTrips(
        Fluid(), {{10.0, 0.0}, {1.0, 50.0}, {50.0, 120.0}, {300.0, -50.0}, {0.01, -90.0}});
}

TEST(R134aModel, SaturationTemperatureOfTheSaturationPressure) {
    fluidchecks::CheckSaturationRoundTrips(Fluid(), {-100.0, -26.0, 50.0, 99.0});
}


TEST(R134aLibrary, EveryFunctionKeepsTheContract) {
    kxsweep::SweepLibrary("KX_R134a_FE", KX_R134a_FE_Entries());
}

}  // namespace
