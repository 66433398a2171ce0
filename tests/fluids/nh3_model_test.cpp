// The ammonia model: derivatives of its Helmholtz energy, its documented example values, the
// ancillary equations with their straight continuation to the reported critical point, the
// Dmax isochore temperature and the transport functions.
#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "HelmholtzDerivativeCheck.h"
#include "KX_Function_Types.h"
#include "KX_NH3_FE_Lib_Root.h"
#include "KX_Transport_Fluids.h"
#include "KX_Transport_PT.h"
#include "fluid_test_support.h"

namespace {

const TNH3_FE& Fluid() {
    static const TNH3_FE fluid;
    return fluid;
}

TEST(Nh3Model, HelmholtzDerivativesMatchCentralDifferences) {
    helmholtzcheck::CheckDerivatives(Fluid(), helmholtzcheck::DefaultPoints());
}

TEST(Nh3Model, CombinedEvaluationsMatchSingleOperations) {
    helmholtzcheck::CheckCombinedEvaluations(Fluid(), helmholtzcheck::DefaultPoints());
}

// The routines of the reference table that only ammonia has.
fluidtest::TRoutines AmmoniaRoutines() {
    return {
        {"DVDT",
         [](const THelmholzFluid&, double D, double T, std::string&, int32_t&) {
             return kxtransport::Viscosity(kxtransport::NH3Viscosity, Fluid(), D, T);
         }},
        {"STT", [](const THelmholzFluid&, double T, double, std::string& text,
                   int32_t& code) { return TransportSTT(NH3Transport, Fluid(), T, text, code); }},
    };
}

TEST(Nh3Model, DocumentedExampleValues) {
    fluidtest::CheckReferenceTable(
        "nh3_reference.tsv",
        [](const fluidtest::TRow&) -> const THelmholzFluid* { return &Fluid(); },
        AmmoniaRoutines());
}

// The equation's reference state (IIR convention): h = 200 kJ/kg and s = 1 kJ/(kg K) for the
// saturated liquid at 0 °C; it fixes the two integration constants of the ideal-gas part.
TEST(Nh3Model, SaturatedLiquidAtZeroCelsiusIsTheReferenceState) {
    std::string text;
    int32_t code = -1;
    EXPECT_NEAR(Fluid().HTX(0.0, 0.0, text, code), 200.0, 1e-3);
    EXPECT_EQ(code, 0);
    EXPECT_NEAR(Fluid().STX(0.0, 0.0, text, code), 1.0, 1e-5);
    EXPECT_EQ(code, 0);
}

// From 132.2 °C the ancillary vapour pressure is a straight line to the reported critical point
// (its end checked with every fluid's in ancillary_lines_test): just below the branch point the
// curved equation meets it within the ancillary's accuracy.
TEST(Nh3Model, AncillaryVapourPressureMeetsItsStraightLine) {
    const TNH3_FE& f = Fluid();
    EXPECT_NEAR(f.Pse(f.Tc_Max_ - 1e-9), f.Pse(f.Tc_Max_), 2e-3);
}

TEST(Nh3Model, SaturationStateHasEqualPressureAndGibbsEnergy) {
    const TNH3_FE& f = Fluid();
    for (double T : {-77.65, -50.0, 0.0, 50.0, 100.0, 130.0, 132.2}) {
        SCOPED_TRACE(T);
        std::string text;
        int32_t code = -1;
        double Ps = 0, DL = 0, DV = 0;
        f.Maxwell_Criterion_Ps(T, Ps, DL, DV, text, code);
        ASSERT_EQ(code, 0) << text;
        EXPECT_NEAR(f.PDT(DL, T), Ps, 1e-8 * Ps);
        EXPECT_NEAR(f.PDT(DV, T), Ps, 1e-8 * Ps);
        const double gL = f.HDT(DL, T) - (T + 273.15) * f.SDT(DL, T);
        const double gV = f.HDT(DV, T) - (T + 273.15) * f.SDT(DV, T);
        EXPECT_NEAR(gL, gV, 1e-7 * std::fabs(f.HDT(DV, T)));
        EXPECT_GT(DL, DV);
    }
}

TEST(Nh3Model, DmaxIsochoreTemperatureReproducesThePressure) {
    const TNH3_FE& f = Fluid();
    for (double P : {2830.89, 3000.0, 4000.0, 5000.0, 8000.0, 10000.0}) {
        SCOPED_TRACE(P);
        const double T = f.Tmin_Dmax(P, 0);
        ASSERT_NE(T, 0.0);
        EXPECT_NEAR(f.PDT(f.Dmax, T), P, 1e-6 * P);
    }
    // Not a number: no temperature, reported as 0.
    EXPECT_EQ(f.Tmin_Dmax(std::nan(""), 0), 0.0);
}

// The compressibility factor from the solved density, with its own name in its texts.
TEST(Nh3Model, CompressibilityFactorFromTheSolvedDensity) {
    const TNH3_FE& f = Fluid();
    struct TState {
        double P, T;
    };
    for (TState s :
         {TState{0.1, 300.0}, TState{10.0, 50.0}, TState{50.0, 20.0}, TState{1000.0, 0.0}}) {
        SCOPED_TRACE(std::to_string(s.P) + " bar, " + std::to_string(s.T) + " °C");
        std::string text;
        int32_t code = -1;
        const double D = f.DPT(s.P, s.T, text, code);
        ASSERT_EQ(code, 0);
        const double Z = f.ZPT(s.P, s.T, text, code);
        EXPECT_EQ(code, 0);
        EXPECT_TRUE(text.empty());
        EXPECT_NEAR(Z, 100.0 * s.P / (D * f.R_ * (s.T + 273.15)), 1e-14);
    }
    // A dilute gas is nearly ideal, a liquid far from it.
    std::string text;
    int32_t code = -1;
    EXPECT_NEAR(f.ZPT(0.07, 400.0, text, code), 1.0, 1e-3);
    EXPECT_LT(f.ZPT(50.0, 20.0, text, code), 0.1);
    EXPECT_EQ(f.ZPT(10001.0, 50.0, text, code), 0.0);
    EXPECT_EQ(code, 5);
    EXPECT_EQ(text, "KX_NH3_FE_ZPT; Pressure higher than maximum value of 10000.000 bar(a).");
}

TEST(Nh3Model, SurfaceTensionVanishesAtTheReportedCriticalTemperature) {
    std::string text;
    int32_t code = -1;
    EXPECT_EQ(TransportSTT(NH3Transport, Fluid(), Fluid().Tc_, text, code), 0.0);
    EXPECT_EQ(code, 0);
    EXPECT_TRUE(text.empty());
    EXPECT_GT(TransportSTT(NH3Transport, Fluid(), Fluid().Tt_, text, code),
              TransportSTT(NH3Transport, Fluid(), 0.0, text, code));
}

TEST(Nh3Model, ViscosityFromPressureAndTemperatureUsesTheSolvedDensity) {
    const TNH3_FE& f = Fluid();
    struct TState {
        double P, T;
    };
    for (TState s :
         {TState{1.01325, 0.0}, TState{50.0, 20.0}, TState{300.0, 200.0}, TState{1.0, 400.0}}) {
        SCOPED_TRACE(std::to_string(s.P) + " bar " + std::to_string(s.T) + " °C");
        std::string text;
        int32_t code = -1;
        const double D = f.DPT(s.P, s.T, text, code);
        ASSERT_EQ(code, 0);
        const double eta = TransportDVPT(NH3Transport, f, s.P, s.T, text, code);
        EXPECT_EQ(code, 0);
        EXPECT_DOUBLE_EQ(eta, kxtransport::Viscosity(kxtransport::NH3Viscosity, f, D, s.T));
        EXPECT_DOUBLE_EQ(TransportKVPT(NH3Transport, f, s.P, s.T, text, code),
                         kxtransport::Viscosity(kxtransport::NH3Viscosity, f, D, s.T) / D);
        EXPECT_EQ(code, 0);
    }
}

}  // namespace
