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


// Below -50 °C the ancillary vapour density is the ideal-gas density at the ancillary pressure:
// it differs from the saturated vapour of the equation of state by the vapour's departure from
// the ideal gas, 1 - Z, and by the ancillary pressure's departure from the equation's.
TEST(R32Model, AncillaryVapourDensityBelowMinus50CelsiusIsTheIdealGasOne) {
    const TR32_FE& f = Fluid();
    for (double T : {-136.81, -100.0, -50.000001}) {
        SCOPED_TRACE(T);
        std::string text;
        int32_t code = -1;
        double Ps = 0, DL = 0, DV = 0;
        f.Maxwell_Criterion_Ps(T, Ps, DL, DV, text, code);
        ASSERT_EQ(code, 0) << text;
        const double Z = 100.0 * Ps / (DV * f.R_ * (T + f.dta));
        const double pressureError = std::fabs(f.Pse(T) / Ps - 1.0);
        EXPECT_NEAR(f.dsve(T) / DV, 1.0, (1.0 - Z + pressureError) * (1.0 + 1e-9));
    }
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
