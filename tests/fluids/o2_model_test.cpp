// The oxygen model: documented values, the derivatives of the Helmholtz energy and of the density
// factors of its residual terms, the near-critical band of the ancillary equations, round trips.
// The checks it shares with the other gases are in gas_model_test.cpp.
#include <gtest/gtest.h>

#include "HelmholtzDerivativeCheck.h"
#include "KX_Fluid_Objects.h"
#include "KX_O2_FE_Lib_Root.h"
#include "KX_Transport_Fluids.h"
#include "KX_Transport_PT.h"
#include "gases_test_support.h"

namespace {

const TO2_FE& Oxygen() {
    return O2Fluid();
}

// The viscosity routines of oxygen, by name, for the reference tables.
std::map<std::string, gasestest::TRoutine> ViscosityRoutines() {
    return {
        {"DV0",
         [](const THelmholzFluid&, double T, double, std::string&, int32_t&) {
             return 1e6 * kxtransport::DiluteViscosity(kxtransport::O2Viscosity, T + Oxygen().dta);
         }},
        {"DVDT",
         [](const THelmholzFluid&, double D, double T, std::string&, int32_t&) {
             return kxtransport::Viscosity(kxtransport::O2Viscosity, Oxygen(), D, T);
         }},
    };
}

TEST(OxygenModel, DocumentedValues) {
    gasestest::CheckReferenceTable("o2_reference.tsv", {&Oxygen()}, ViscosityRoutines());
}

TEST(OxygenModel, PublishedViscosities) {
    gasestest::CheckReferenceTable("o2_viscosity.tsv", {&Oxygen()}, ViscosityRoutines());
}

TEST(OxygenModel, PublishedIdealGasHeatCapacity) {
    gasestest::CheckReferenceTable("o2_janaf.tsv", {&Oxygen()});
}

// One term of each kind: without exponential factor (1), with exp(−δ²) (14), with exp(−δ⁴) (25).
TEST(OxygenModel, DensityFactorsAndTheirDerivatives) {
    struct TCase {
        int k;
        int p;
    };
    for (const TCase c : {TCase{1, 0}, TCase{14, 2}, TCase{25, 4}}) {
        for (double delta : {0.0, 0.4, 1.0, 2.3}) {
            SCOPED_TRACE("term " + std::to_string(c.k) + " at delta " + std::to_string(delta));
            // exp(-delta^p) is the factor whose value at twice the density is its 2^p-th
            // power, and 1 at zero density.
            EXPECT_NEAR(Oxygen().Uk(2.0 * delta, c.k),
                        std::pow(Oxygen().Uk(delta, c.k), std::pow(2.0, c.p)), 1e-12);
            EXPECT_EQ(Oxygen().Uk(0.0, c.k), 1.0);
            const double h = 1e-6;
            const double lo = std::max(delta - h, 0.0);
            const double hi = delta + h;
            const double dU = (Oxygen().Uk(hi, c.k) - Oxygen().Uk(lo, c.k)) / (hi - lo);
            const double dUd = (Oxygen().Ukd(hi, c.k) - Oxygen().Ukd(lo, c.k)) / (hi - lo);
            EXPECT_NEAR(Oxygen().Ukd(delta, c.k), dU, 1e-5);
            EXPECT_NEAR(Oxygen().Ukdd(delta, c.k), dUd, 1e-5);
            EXPECT_TRUE(std::isfinite(Oxygen().Ukdd(delta, c.k)));
        }
    }
}

// Between the highest iterated temperature (-118.584 °C) and the critical temperature the
// saturation pressure is the ancillary one; below that band it is iterated.
TEST(OxygenModel, SaturationPressureInTheNearCriticalBand) {
    std::string text;
    int32_t code = 0;
    for (double T : {-118.583, -118.575, -118.569}) {
        SCOPED_TRACE(T);
        EXPECT_EQ(Oxygen().PsatT(T, text, code), Oxygen().Pse(T));
        EXPECT_EQ(code, 0) << text;
    }
    const double below = -118.6;
    EXPECT_NE(Oxygen().PsatT(below, text, code), Oxygen().Pse(below));
    EXPECT_EQ(code, 0) << text;
}

// The viscosity has no density limit: a compressed liquid at the triple-point temperature and
// the highest pressure has a viscosity.
TEST(OxygenModel, ViscosityOfTheDensestLiquid) {
    std::string text;
    int32_t code = 0;
    const double D = Oxygen().DPT(800.0, -218.0, text, code);
    ASSERT_EQ(code, 0) << text;
    EXPECT_GT(D, 1300.0);
    const double eta = TransportDVPT(O2Transport, Oxygen(), 800.0, -218.0, text, code);
    EXPECT_EQ(code, 0) << text;
    EXPECT_DOUBLE_EQ(eta, kxtransport::Viscosity(kxtransport::O2Viscosity, Oxygen(), D, -218.0));
}

}  // namespace
