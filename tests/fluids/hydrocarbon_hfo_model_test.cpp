// The equations of state of propane, isobutane, R1234ze(E) and R245fa, one parameterised suite:
// the published check values and worked examples (tests/data/<fluid>_published.tsv) through the
// model's own routines, phase equilibrium along the saturation line, and the saturation line's
// start at the triple point.
#include <gtest/gtest.h>

#include <cctype>
#include <string>

#include "KX_R1234zeE_FE_Lib_Root.h"
#include "KX_R245fa_FE_Lib_Root.h"
#include "KX_R290_FE_Lib_Root.h"
#include "KX_R600a_FE_Lib_Root.h"
#include "fluid_model_checks.h"

namespace {

template <class T>
const THelmholzFluid& Own() {
    static const T fluid;
    return fluid;
}

struct TFluidCase {
    const char* Name;  // as in the data file name ("R290": r290_published.tsv)
    const THelmholzFluid& (*Fluid)();
};

const TFluidCase Fluids[] = {
    {"R290", Own<TR290_FE>},
    {"R600a", Own<TR600a_FE>},
    {"R1234zeE", Own<TR1234zeE_FE>},
    {"R245fa", Own<TR245fa_FE>},
};

using F = const THelmholzFluid&;

// A property of density and temperature (kg/m3, °C) as a table routine.
fluidtest::TRoutine OfDensity(double (THelmholzFluid::*property)(double, double) const) {
    return
        [property](F f, double D, double T, std::string&, int32_t&) { return (f.*property)(D, T); };
}

// The same property of the saturated liquid (X = 0) or vapour (X = 1) at T.
fluidtest::TRoutine OfSaturated(double (THelmholzFluid::*property)(double, double) const) {
    return [property](F f, double T, double X, std::string& text, int32_t& code) {
        const double D = f.DTX(T, X, text, code);
        return (f.*property)(D, T);
    };
}

// A reduced Helmholtz-energy slot at (δ, τ).
fluidtest::TRoutine OfReduced(double (THelmholzFluid::*slot)(double, double) const) {
    return [slot](F f, double delta, double tau, std::string&, int32_t&) {
        return (f.*slot)(delta, tau);
    };
}

using TPair = double (THelmholzFluid::*)(double, double, std::string&, int32_t&) const;
fluidtest::TRoutine Pair(TPair routine) {
    return [routine](F f, double x1, double x2, std::string& text, int32_t& code) {
        return (f.*routine)(x1, x2, text, code);
    };
}

// The routines of the published tables beyond the shared ones.
fluidtest::TRoutines PublishedRoutines() {
    return {
        {"HDT", OfDensity(&THelmholzFluid::HDT)},
        {"SDT", OfDensity(&THelmholzFluid::SDT)},
        {"CvDT", OfDensity(&THelmholzFluid::CvDT)},
        {"CpDT", OfDensity(&THelmholzFluid::CpDT)},
        {"WDT", OfDensity(&THelmholzFluid::WDT)},
        {"DTX", Pair(&THelmholzFluid::DTX)},
        {"CvTX", OfSaturated(&THelmholzFluid::CvDT)},
        {"CpTX", OfSaturated(&THelmholzFluid::CpDT)},
        {"WTX", OfSaturated(&THelmholzFluid::WDT)},
        {"HPT", Pair(&THelmholzFluid::HPT)},
        {"SPT", Pair(&THelmholzFluid::SPT)},
        {"CvPT", Pair(&THelmholzFluid::CvPT)},
        {"CpPT", Pair(&THelmholzFluid::CpPT)},
        {"WPT", Pair(&THelmholzFluid::WPT)},
        // Internal energy h − p/ρ (bar·100 = kPa, kPa/(kg/m3) = kJ/kg).
        {"UPT",
         [](F f, double P, double T, std::string& text, int32_t& code) {
             const double D = f.DPT(P, T, text, code);
             return f.HPT(P, T, text, code) - 100.0 * P / D;
         }},
        {"Phir", OfReduced(&THelmholzFluid::Phir)},
        {"Phird", OfReduced(&THelmholzFluid::Phird)},
        {"Phirdd", OfReduced(&THelmholzFluid::Phirdd)},
        {"Phirt", OfReduced(&THelmholzFluid::Phirt)},
        {"Phirtt", OfReduced(&THelmholzFluid::Phirtt)},
        {"Phirdt", OfReduced(&THelmholzFluid::Phirdt)},
        {"Phio", OfReduced(&THelmholzFluid::Phio)},
        {"Phiot", OfReduced(&THelmholzFluid::Phiot)},
        {"Phiott", OfReduced(&THelmholzFluid::Phiott)},
    };
}

class HydrocarbonHfoModel : public ::testing::TestWithParam<TFluidCase> {
  protected:
    const THelmholzFluid& Fluid() const { return GetParam().Fluid(); }
};

TEST_P(HydrocarbonHfoModel, PublishedValuesAndWorkedExamples) {
    std::string file = GetParam().Name;
    for (char& c : file) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    fluidchecks::CheckReferenceTable(Fluid(), file + "_published.tsv", PublishedRoutines());
}

// From just above the triple point to 0.2 K below the critical point.
TEST_P(HydrocarbonHfoModel, SaturationStateHasEqualPressureAndGibbsEnergy) {
    const THelmholzFluid& f = Fluid();
    std::vector<double> temperatures;
    for (double fraction : {0.02, 0.3, 0.6, 0.9})
        temperatures.push_back(f.Tt_ + fraction * (f.Tc_ - f.Tt_));
    temperatures.push_back(f.Tc_ - 0.2);
    fluidchecks::CheckPhaseEquilibrium(f, temperatures);
}

// TsatP(PsatT(T)) from the triple point to the critical point: the saturation temperature
// equation gives start values along the whole line.
TEST_P(HydrocarbonHfoModel, SaturationTemperatureOfTheSaturationPressure) {
    const THelmholzFluid& f = Fluid();
    std::vector<double> temperatures;
    for (double fraction : {0.0, 0.01, 0.1, 0.25, 0.5, 0.75, 0.95, 0.99})
        temperatures.push_back(f.Tt_ + fraction * (f.Tc_ - f.Tt_));
    temperatures.push_back(f.Tc_Max_);
    fluidchecks::CheckSaturationRoundTrips(f, temperatures);
}

// TPH and TPS give the temperature back in liquid, vapour and supercritical states.
TEST_P(HydrocarbonHfoModel, FlashesReturnTheTemperature) {
    const THelmholzFluid& f = Fluid();
    std::string text;
    int32_t code = -1;
    const double tMid = 0.5 * (f.Tt_ + f.Tc_);
    const double pMid = f.PsatT(tMid, text, code);
    ASSERT_EQ(code, 0) << text;
    fluidchecks::CheckFlashRoundTrips(f, {{2.0 * pMid, tMid},
                                          {0.5 * pMid, tMid},
                                          {0.5 * f.Pc_, 0.5 * (f.Tc_ + f.Tmax)},
                                          {2.0 * f.Pc_, f.Tc_ + 5.0},
                                          {0.9 * f.Pmax, f.Tmax - 1.0}});
}

// The saturation line starts at the triple-point pressure and ends at the critical point.
TEST_P(HydrocarbonHfoModel, SaturationLineEndsAtTheTripleAndCriticalPoints) {
    const THelmholzFluid& f = Fluid();
    std::string text;
    int32_t code = -1;
    // The equation's own phase equilibrium at Tt_ (PsatT itself stops at Pt_ there).
    double Ps = 0, DL = 0, DV = 0;
    f.Maxwell_Criterion_Ps(f.Tt_, Ps, DL, DV, text, code);
    ASSERT_EQ(code, 0) << text;
    EXPECT_NEAR(Ps / f.Pt_, 1.0, 1e-8);
    EXPECT_NEAR(f.PsatT(f.Tc_, text, code), f.Pc_, 1e-4);
    EXPECT_EQ(code, 0) << text;
    EXPECT_NEAR(f.PDT(f.Dcr_, f.Tcr_), f.Pcr_, 1e-8);
}

INSTANTIATE_TEST_SUITE_P(Fluids, HydrocarbonHfoModel, ::testing::ValuesIn(Fluids),
                         [](const auto& info) { return std::string(info.param.Name); });

}  // namespace
