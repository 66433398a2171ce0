// The nitrogen model: documented values of the equation of state, the ancillary equations and the
// transport correlations, the derivatives of the Helmholtz energy, and round trips.
// The checks it shares with the other gases are in gas_model_test.cpp.
#include <gtest/gtest.h>

#include "HelmholtzDerivativeCheck.h"
#include "KX_Fluid_Objects.h"
#include "KX_N2_FE_Lib_Root.h"
#include "KX_Transport_Fluids.h"
#include "KX_Transport_PT.h"
#include "gases_test_support.h"

namespace {

const TN2_FE& Nitrogen() {
    return N2Fluid();
}

// The transport routines of nitrogen, by name, for the reference table.
std::map<std::string, gasestest::TRoutine> TransportRoutines() {
    return {
        {"DV0",
         [](const THelmholzFluid&, double T, double, std::string&, int32_t&) {
             return kxtransport::Evaluate(*kxtransport::N2Viscosity.dilute, T + Nitrogen().dta);
         }},
        {"DVDT",
         [](const THelmholzFluid&, double D, double T, std::string&, int32_t&) {
             return kxtransport::Viscosity(kxtransport::N2Viscosity, Nitrogen(), D, T);
         }},
        {"TCDT",
         [](const THelmholzFluid&, double D, double T, std::string&, int32_t&) {
             return kxtransport::Conductivity(kxtransport::N2Conductivity, Nitrogen(), D, T);
         }},
        {"DVPT",
         [](const THelmholzFluid&, double P, double T, std::string& text, int32_t& code) {
             return TransportDVPT(N2Transport, Nitrogen(), P, T, text, code);
         }},
        {"KVPT",
         [](const THelmholzFluid&, double P, double T, std::string& text, int32_t& code) {
             return TransportKVPT(N2Transport, Nitrogen(), P, T, text, code);
         }},
        {"TCPT",
         [](const THelmholzFluid&, double P, double T, std::string& text, int32_t& code) {
             return TransportTCPT(N2Transport, Nitrogen(), P, T, text, code);
         }},
    };
}

TEST(NitrogenModel, DocumentedValues) {
    gasestest::CheckReferenceTable("n2_reference.tsv", {&Nitrogen()}, TransportRoutines());
}

TEST(NitrogenModel, PublishedIdealGasHeatCapacity) {
    gasestest::CheckReferenceTable("n2_janaf.tsv", {&Nitrogen()});
}

// The saturation state is iterated right up to the critical temperature.
TEST(NitrogenModel, SaturationIteratedUpToTheCriticalTemperature) {
    EXPECT_EQ(Nitrogen().Tc_Max_, Nitrogen().Tc_);
    std::string text;
    int32_t code = 0;
    const double T = Nitrogen().Tc_ - 0.01;
    const double ps = Nitrogen().PsatT(T, text, code);
    ASSERT_EQ(code, 0) << text;
    EXPECT_NE(ps, Nitrogen().Pse(T));
    EXPECT_LT(ps, Nitrogen().Pc_);
}

}  // namespace
