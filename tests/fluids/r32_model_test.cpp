// The R32 model and library: derivatives of its Helmholtz energy, its documented and
// published values, phase equilibrium, round trips of the flashes and of saturation, and the
// library sweep.
#include <gtest/gtest.h>

#include <cfenv>
#include <cmath>
#include <string>

#include "HelmholtzDerivativeCheck.h"
#include "KXSweep.h"
#include "KX_R32_FE_Lib.h"
#include "KX_R32_FE_Lib_Root.h"
#include "fluid_model_checks.h"

namespace {

const TR32_FE& Fluid() {
    static const TR32_FE fluid;
    return fluid;
}

TEST(R32Model, HelmholtzDerivativesMatchCentralDifferences) {
    helmholtzcheck::CheckDerivatives(Fluid(), helmholtzcheck::DefaultPoints());
}

TEST(R32Model, CombinedEvaluationsMatchSingleOperations) {
    helmholtzcheck::CheckCombinedEvaluations(Fluid(), helmholtzcheck::DefaultPoints(), 0.0);
}

TEST(R32Model, DocumentedValues) {
    fluidchecks::CheckReferenceTable(Fluid(), "r32_reference.tsv");
}

TEST(R32Model, ReferenceStateOfTheIdealGasConstants) {
    fluidchecks::CheckReferenceTable(Fluid(), "r32_published.tsv");
}

// The equation of state reproduces the critical pressure at the reducing density and temperature.
TEST(R32Model, CriticalPointOfTheEquationMatchesTheConstants) {
    const TR32_FE& f = Fluid();
    EXPECT_NEAR(f.PDT(f.Dcr_, f.Tcr_), f.Pcr_, 0.01);
}

TEST(R32Model, SaturationStateHasEqualPressureAndGibbsEnergy) {
    fluidchecks::CheckPhaseEquilibrium(Fluid(), {-136.81, -60.0, 0.0, 50.0, 76.0});
}

TEST(R32Model, FlashesReturnTheTemperature) {
    fluidchecks::CheckFlashRoundTrips(
        Fluid(), {{10.0, -20.0}, {1.0, 50.0}, {70.0, 100.0}, {300.0, 20.0}, {100.0, -105.0}});
}

TEST(R32Model, SaturationTemperatureOfTheSaturationPressure) {
    fluidchecks::CheckSaturationRoundTrips(Fluid(), {-130.0, -50.0, 0.0, 50.0, 75.0});
}

// At 75.73 °C all three ancillary equations are already on their straight lines.
TEST(R32Model, AncillaryBranchesSwitchAt75_73Celsius) {
    fluidchecks::CheckBranches(
        Fluid(),
        {{"Pse", 75.73, 55.0, true}, {"dsle", 75.73, 590.01, true}, {"dsve", 75.73, 269.17, true}});
}

// Below -50 °C the ancillary vapour density is the ideal-gas density at the ancillary pressure;
// from -50 °C on it is the exponential equation, which is close to it there.
TEST(R32Model, AncillaryVapourDensityIsIdealGasBelowMinus50Celsius) {
    const TR32_FE& f = Fluid();
    for (double T : {-136.81, -100.0, -50.000001}) {
        SCOPED_TRACE(T);
        EXPECT_DOUBLE_EQ(f.dsve(T), f.Pse(T) * 100.0 / (f.R_ * (T + 273.15)));
    }
    const double idealAtMinus50 = f.Pse(-50.0) * 100.0 / (f.R_ * 223.15);
    EXPECT_NE(f.dsve(-50.0), idealAtMinus50);
    EXPECT_NEAR(f.dsve(-50.0), idealAtMinus50, 0.1 * idealAtMinus50);
}

// Below -109 °C no state exists at and above the critical pressure.
TEST(R32Model, DensityBelowTheHighPressureMinimumTemperatureIsRejected) {
    std::string text;
    int32_t code = -1;
    EXPECT_EQ(Fluid().DPT(100.0, -110.0, text, code), 0.0);
    EXPECT_EQ(code, 2);
    EXPECT_EQ(text.rfind("KX_R32_FE_DPT;", 0), 0u) << text;
    EXPECT_GT(Fluid().DPT(50.0, -110.0, text, code), 0.0);
    EXPECT_EQ(code, 0) << text;
}

TEST(R32Library, EveryFunctionKeepsTheContract) {
    kxsweep::SweepLibrary("KX_R32_FE", KX_R32_FE_Entries());
}

}  // namespace
