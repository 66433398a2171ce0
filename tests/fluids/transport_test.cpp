// Transport and surface-tension correlations of the Helmholtz fluids, one parameterised suite
// over the fluids: the published check values at the paper's (T, rho), the term-by-term worked
// examples on the peer library's equation-of-state quantities, the identities that tie the
// library functions together, the critical enhancement far from and near the critical point,
// and the surface tension at and below its critical temperature.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <map>
#include <string>
#include <vector>

#include "KX_Ar_FE_Lib.h"
#include "KX_Ar_FE_Lib_Root.h"
#include "KX_CO2_FE_Lib.h"
#include "KX_CO2_FE_Lib_Root.h"
#include "KX_Fluid_Objects.h"
#include "KX_H2_FE_Lib.h"
#include "KX_H2_FE_Lib_Root.h"
#include "KX_N2_FE_Lib.h"
#include "KX_N2_FE_Lib_Root.h"
#include "KX_NH3_FE_Lib.h"
#include "KX_NH3_FE_Lib_Root.h"
#include "KX_O2_FE_Lib.h"
#include "KX_O2_FE_Lib_Root.h"
#include "KX_R123_FE_Lib.h"
#include "KX_R123_FE_Lib_Root.h"
#include "KX_R134a_FE_Lib.h"
#include "KX_R134a_FE_Lib_Root.h"
#include "KX_R152a_FE_Lib.h"
#include "KX_R152a_FE_Lib_Root.h"
#include "KX_R22_FE_Lib.h"
#include "KX_R22_FE_Lib_Root.h"
#include "KX_R32_FE_Lib.h"
#include "KX_R32_FE_Lib_Root.h"
#include "KX_Transport_PT.h"
#include "fluid_test_support.h"
#include "gases_test_support.h"
#include "transport/KX_Transport_Fluids.h"

namespace {

using namespace kxtransport;

using TBinary = double (*)(double, double, char*, int32_t, int32_t*);
using TUnary = double (*)(double, char*, int32_t, int32_t*);

// A fluid with the correlations it has (nullptr: none) and its library functions.
struct TTransportFluid {
    const char* Name;
    const THelmholzFluid& (*Fluid)();
    const TViscosityCorrelation* Viscosity;
    const TConductivityCorrelation* Conductivity;
    const TSurfaceTensionSum* SurfaceTension;
    TBinary DPT, CpPT, DVPT, KVPT, TCPT, PrPT;
    TUnary STT;
    const TFluidTransport* Model;  // the one model its library functions reach
};

template <class T, const T& (*Accessor)()>
const THelmholzFluid& Base() {
    return Accessor();
}

#define KX_TRANSPORT_LIBRARY(LIB) \
    LIB##_DPT, LIB##_CpPT, LIB##_DVPT, LIB##_KVPT, LIB##_TCPT, LIB##_PrPT

const TTransportFluid Fluids[] = {
    {"NH3", Base<TNH3_FE, NH3Fluid>, nullptr, &NH3Conductivity, &NH3SurfaceTension,
     KX_TRANSPORT_LIBRARY(KX_NH3_FE), KX_NH3_FE_STT, &NH3Transport},
    {"N2", Base<TN2_FE, N2Fluid>, nullptr, nullptr, &N2SurfaceTension,
     KX_TRANSPORT_LIBRARY(KX_N2_FE), KX_N2_FE_STT, &N2Transport},
    {"O2", Base<TO2_FE, O2Fluid>, &O2Viscosity, &O2Conductivity, &O2SurfaceTension,
     KX_TRANSPORT_LIBRARY(KX_O2_FE), KX_O2_FE_STT, &O2Transport},
    {"CO2", Base<TCO2_FE, CO2Fluid>, &CO2Viscosity, &CO2Conductivity, &CO2SurfaceTension,
     KX_TRANSPORT_LIBRARY(KX_CO2_FE), KX_CO2_FE_STT, &CO2Transport},
    {"Ar", Base<TAr_FE, ArFluid>, &ArViscosity, &ArConductivity, &ArSurfaceTension,
     KX_TRANSPORT_LIBRARY(KX_Ar_FE), KX_Ar_FE_STT, &ArTransport},
    {"H2", Base<TH2_FE, H2Fluid>, &H2Viscosity, &H2Conductivity, &H2SurfaceTension,
     KX_TRANSPORT_LIBRARY(KX_H2_FE), KX_H2_FE_STT, &H2Transport},
    {"H2p", Base<TH2p_FE, H2pFluid>, &H2pViscosity, &H2pConductivity, &H2pSurfaceTension,
     KX_TRANSPORT_LIBRARY(KX_H2p_FE), KX_H2p_FE_STT, &H2pTransport},
    {"R123", Base<TR123_FE, R123Fluid>, &R123Viscosity, &R123Conductivity, &R123SurfaceTension,
     KX_TRANSPORT_LIBRARY(KX_R123_FE), KX_R123_FE_STT, &R123Transport},
    {"R134a", Base<TR134a_FE, R134aFluid>, &R134aViscosity, &R134aConductivity,
     &R134aSurfaceTension, KX_TRANSPORT_LIBRARY(KX_R134a_FE), KX_R134a_FE_STT, &R134aTransport},
    {"R152a", Base<TR152a_FE, R152aFluid>, &R152aViscosity, &R152aConductivity,
     &R152aSurfaceTension, KX_TRANSPORT_LIBRARY(KX_R152a_FE), KX_R152a_FE_STT, &R152aTransport},
    // Extended corresponding states models (tested in ecs_transport_test.cpp): library only.
    {"R22", Base<TR22_FE, R22Fluid>, nullptr, nullptr, &R22SurfaceTension,
     KX_TRANSPORT_LIBRARY(KX_R22_FE), KX_R22_FE_STT, &R22Transport},
    {"R32", Base<TR32_FE, R32Fluid>, nullptr, nullptr, &R32SurfaceTension,
     KX_TRANSPORT_LIBRARY(KX_R32_FE), KX_R32_FE_STT, &R32Transport},
};

std::vector<fluidtest::TRow> RowsOf(const std::string& table, const std::string& fluid) {
    static std::map<std::string, std::vector<fluidtest::TRow>> cache;
    if (!cache.count(table)) cache[table] = fluidtest::ReadTable(table);
    std::vector<fluidtest::TRow> rows;
    for (const auto& row : cache[table])
        if (row.at("fluid") == fluid) rows.push_back(row);
    return rows;
}

struct TCall {
    double Value;
    int32_t Code;
};
TCall Call(TBinary f, double P, double T) {
    char text[256] = "";
    int32_t code = -1;
    const double value = f(P, T, text, 255, &code);
    EXPECT_EQ(code, 0) << text;
    return {value, code};
}

class TransportTest : public ::testing::TestWithParam<TTransportFluid> {
  protected:
    const THelmholzFluid& Fluid() const { return GetParam().Fluid(); }
    // Equation-of-state state of this fluid at T (K) and mass density rho (kg/m3).
    TTransportState StateAt(double T, double rho) const {
        const double Tref =
            GetParam().Conductivity ? CriticalReferenceTemperature(*GetParam().Conductivity) : 0.0;
        return CaloricState(Fluid(), rho, T - Fluid().dta, Tref);
    }
};

// Each suite runs over the fluids that have what it tests, so no case is skipped.
class PublishedTransportTest : public TransportTest {};
class WorkedExampleTransportTest : public TransportTest {};
class ConductivityTransportTest : public TransportTest {};
class SurfaceTensionTransportTest : public TransportTest {};

// Each published value at the paper's temperature and density, to its printed digits.
TEST_P(PublishedTransportTest, ReproducesThePublishedCheckValues) {
    const TTransportFluid& f = GetParam();
    const auto rows = RowsOf("transport_published.tsv", f.Name);
    ASSERT_FALSE(rows.empty());
    for (const auto& row : rows) {
        SCOPED_TRACE(fluidtest::Describe(row));
        const double T = fluidtest::Number(row, "T_K");
        double rho = fluidtest::Number(row, "rho");
        if (row.at("rho_unit") == "mol/m3") rho *= Fluid().MM_ / 1000.0;
        const TTransportState state = StateAt(T, rho);
        const std::string property = row.at("property");
        double value = 0.0;
        if (property == "eta") value = Evaluate(*f.Viscosity, state).Total();
        if (property == "eta0") value = DiluteViscosity(*f.Viscosity, T);
        if (property == "lambda") value = Evaluate(*f.Conductivity, state).Total();
        EXPECT_NEAR(value, fluidtest::Number(row, "value"), fluidtest::Number(row, "tol"));
    }
}

// The terms one by one on the peer library's equation-of-state quantities: this separates the
// correlation from any difference between the equations of state.
TEST_P(WorkedExampleTransportTest, ReproducesTheWorkedExamplesTermByTerm) {
    const TTransportFluid& f = GetParam();
    // Each term to 1e-9 of itself, or to 1e-12 of its property's total where the term is a
    // cancelling sum (the initial-density term of a liquid is 1e-6 of its coefficients).
    const auto near = [](double actual, const std::string& expected, double total) {
        if (expected == "-") return;
        const double e = std::stod(expected);
        EXPECT_NEAR(actual, e, 1e-9 * std::fabs(e) + 1e-12 * total) << "expected " << expected;
    };
    const auto rows = RowsOf("transport_worked_examples.tsv", f.Name);
    ASSERT_FALSE(rows.empty());
    for (const auto& row : rows) {
        SCOPED_TRACE(row.at("label"));
        TTransportState s;
        s.T = fluidtest::Number(row, "T_K");
        s.rho = fluidtest::Number(row, "rho_mol");
        s.rhoMass = fluidtest::Number(row, "rho_kg");
        s.cp = fluidtest::Number(row, "cp");
        s.cv = fluidtest::Number(row, "cv");
        s.dpdrho = fluidtest::Number(row, "dpdrho");
        if (row.at("dpdrho_ref") != "-") s.dpdrhoRef = fluidtest::Number(row, "dpdrho_ref");
        if (f.Viscosity) {
            const TViscosityParts eta = Evaluate(*f.Viscosity, s);
            near(eta.dilute, row.at("eta0"), eta.Total());
            near(eta.initialDensity, row.at("eta1"), eta.Total());
            near(eta.residual, row.at("eta_r"), eta.Total());
        }
        const TConductivityParts lambda = Evaluate(*f.Conductivity, s);
        near(lambda.dilute, row.at("lambda0"), 0.0);
        near(lambda.residual, row.at("lambda_r"), 0.0);
        if (f.Conductivity->critical)
            // With the viscosity that state's enhancement was given.
            near(Evaluate(*f.Conductivity->critical, fluidtest::Number(row, "eta_K6"), s),
                 row.at("lambda_c"), lambda.Total());
        else
            near(lambda.critical, row.at("lambda_c"), lambda.Total());
    }
}

// The library functions agree with one another at the same state: KVPT = DVPT / DPT and
// PrPT = CpPT DVPT / TCPT; and the oxygen correlation data equal the oxygen object's viscosity.
TEST_P(TransportTest, LibraryFunctionsAreConsistent) {
    const TTransportFluid& f = GetParam();
    ASSERT_NE(f.DVPT, nullptr);
    const THelmholzFluid& fluid = Fluid();
    const double states[][2] = {
        {0.5 * fluid.Pc_, fluid.Tc_ + 30.0},                               // gas
        {0.5 * fluid.Pc_, fluid.Tt_ + 0.6 * (fluid.Tc_ - fluid.Tt_)},      // liquid
        {2.0 * fluid.Pc_, std::min(fluid.Tc_ + 20.0, fluid.Tmax - 1.0)}};  // supercritical
    for (const auto& [P, T] : states) {
        SCOPED_TRACE("P " + std::to_string(P) + " T " + std::to_string(T));
        const double D = Call(f.DPT, P, T).Value;
        const double eta = Call(f.DVPT, P, T).Value;
        EXPECT_GT(eta, 0.0);
        EXPECT_NEAR(Call(f.KVPT, P, T).Value, eta / D, 1e-12 * eta / D);
        if (!f.TCPT) continue;
        const double lambda = Call(f.TCPT, P, T).Value;
        EXPECT_GT(lambda, 0.0);
        // CpPT is in kJ/(kg K).
        const double Pr = 1000.0 * Call(f.CpPT, P, T).Value * eta / lambda;
        EXPECT_NEAR(Call(f.PrPT, P, T).Value, Pr, 1e-12 * Pr);
        if (f.Viscosity == &O2Viscosity) {
            EXPECT_NEAR(Viscosity(O2Viscosity, fluid, D, T), eta, 1e-12 * eta);
        }
    }
}

// Every transport function of a library is its fluid's one model through the shared path, to
// the last bit, in the liquid, the gas and the supercritical fluid.
TEST_P(TransportTest, LibraryFunctionsTakeTheFluidsModel) {
    const TTransportFluid& f = GetParam();
    ASSERT_NE(f.Model, nullptr);
    const THelmholzFluid& fluid = Fluid();
    using TPath = double (*)(const TFluidTransport&, const THelmholzFluid&, double, double,
                             std::string&, int32_t&);
    const std::pair<TBinary, TPath> functions[] = {{f.DVPT, TransportDVPT},
                                                   {f.KVPT, TransportKVPT},
                                                   {f.TCPT, TransportTCPT},
                                                   {f.PrPT, TransportPrPT}};
    const double Tlow = std::max(fluid.Tt_, f.Model->viscosity.range.TminC);
    const double Thigh = std::min(fluid.Tmax, f.Model->viscosity.range.TmaxC);
    for (const auto& [P, T] : {std::pair{0.5 * fluid.Pc_, Tlow + 0.6 * (fluid.Tc_ - Tlow)},
                               std::pair{0.1 * fluid.Pc_, std::min(fluid.Tc_ + 30.0, Thigh)},
                               std::pair{1.5 * fluid.Pc_, std::min(fluid.Tc_ + 10.0, Thigh)}}) {
        SCOPED_TRACE("P " + std::to_string(P) + " T " + std::to_string(T));
        for (const auto& [library, path] : functions) {
            std::string text;
            int32_t code = -1;
            const double expected = path(*f.Model, fluid, P, T, text, code);
            ASSERT_EQ(code, 0) << text;
            EXPECT_EQ(Call(library, P, T).Value, expected);
        }
        std::string text;
        int32_t code = -1;
        char buffer[256] = "";
        int32_t libraryCode = -1;
        EXPECT_EQ(f.STT(T - 10.0, buffer, 255, &libraryCode),
                  TransportSTT(*f.Model, fluid, T - 10.0, text, code));
        EXPECT_EQ(libraryCode, code);
    }
}

// The critical term is negligible far from the critical point (twice its temperature, or the
// highest temperature of the equation, at a hundredth of the critical density) and large beside it.
TEST_P(ConductivityTransportTest, CriticalEnhancementVanishesFarFromTheCriticalPoint) {
    const TTransportFluid& f = GetParam();
    ASSERT_NE(f.Conductivity, nullptr);
    const THelmholzFluid& fluid = Fluid();
    const double Tc = fluid.Tcr_ + fluid.dta;
    const double farT = std::min(2.0 * Tc, fluid.Tmax + fluid.dta);
    const TConductivityParts far = Evaluate(*f.Conductivity, StateAt(farT, 0.01 * fluid.Dcr_));
    EXPECT_LT(std::fabs(far.critical), 1e-3 * far.Total());
    const TConductivityParts close = Evaluate(*f.Conductivity, StateAt(1.02 * Tc, fluid.Dcr_));
    EXPECT_GT(close.critical, 0.05 * close.Total());
}

// Zero at the correlation's critical temperature, positive just below it, out of range above;
// and the published coefficients at saturation temperatures.
TEST_P(SurfaceTensionTransportTest, SurfaceTensionEndsAtItsCriticalTemperature) {
    const TTransportFluid& f = GetParam();
    ASSERT_NE(f.SurfaceTension, nullptr);
    const double Tc = f.SurfaceTension->Tc - Fluid().dta;
    char text[256] = "";
    int32_t code = -1;
    EXPECT_EQ(f.STT(Tc, text, 255, &code), 0.0);
    EXPECT_EQ(code, 0) << text;
    EXPECT_GT(f.STT(Tc - 0.5, text, 255, &code), 0.0);
    EXPECT_EQ(code, 0) << text;
    EXPECT_EQ(f.STT(Tc + 0.01, text, 255, &code), 0.0);
    EXPECT_EQ(code, 3);
    for (const auto& row : RowsOf("transport_surface_tension.tsv", f.Name)) {
        const double sigma = fluidtest::Number(row, "sigma");
        EXPECT_NEAR(Evaluate(*f.SurfaceTension, fluidtest::Number(row, "T_K")), sigma,
                    1e-12 * sigma);
    }
}

// The correlations' own limits (pressure, temperature, the R134a pole density) with the library's
// range texts.
TEST(TransportLibraries, CheckTheCorrelationRanges) {
    gasestest::CheckLibraryTable("transport_library_checks.tsv",
                                 {{"KX_R134a_FE", KX_R134a_FE_Entries()},
                                  {"KX_R152a_FE", KX_R152a_FE_Entries()},
                                  {"KX_H2_FE", KX_H2_FE_Entries()},
                                  {"KX_H2p_FE", KX_H2p_FE_Entries()},
                                  {"KX_O2_FE", KX_O2_FE_Entries()},
                                  {"KX_R22_FE", KX_R22_FE_Entries()},
                                  {"KX_Ar_FE", KX_Ar_FE_Entries()},
                                  {"KX_R123_FE", KX_R123_FE_Entries()}});
}

void PrintTo(const TTransportFluid& fluid, std::ostream* out) {
    *out << fluid.Name;
}

// The fluids for which Has(fluid) holds.
template <class Has>
std::vector<TTransportFluid> FluidsWith(Has has) {
    std::vector<TTransportFluid> chosen;
    for (const TTransportFluid& fluid : Fluids)
        if (has(fluid)) chosen.push_back(fluid);
    return chosen;
}

std::string FluidName(const ::testing::TestParamInfo<TTransportFluid>& info) {
    return info.param.Name;
}

INSTANTIATE_TEST_SUITE_P(Fluids, TransportTest,
                         ::testing::ValuesIn(FluidsWith([](const TTransportFluid& f) {
                             return f.DVPT != nullptr;
                         })),
                         FluidName);
INSTANTIATE_TEST_SUITE_P(Fluids, PublishedTransportTest,
                         ::testing::ValuesIn(FluidsWith([](const TTransportFluid& f) {
                             return !RowsOf("transport_published.tsv", f.Name).empty();
                         })),
                         FluidName);
INSTANTIATE_TEST_SUITE_P(Fluids, WorkedExampleTransportTest,
                         ::testing::ValuesIn(FluidsWith([](const TTransportFluid& f) {
                             return !RowsOf("transport_worked_examples.tsv", f.Name).empty();
                         })),
                         FluidName);
INSTANTIATE_TEST_SUITE_P(Fluids, ConductivityTransportTest,
                         ::testing::ValuesIn(FluidsWith([](const TTransportFluid& f) {
                             return f.Conductivity != nullptr;
                         })),
                         FluidName);
INSTANTIATE_TEST_SUITE_P(Fluids, SurfaceTensionTransportTest,
                         ::testing::ValuesIn(FluidsWith([](const TTransportFluid& f) {
                             return f.SurfaceTension != nullptr;
                         })),
                         FluidName);

}  // namespace
