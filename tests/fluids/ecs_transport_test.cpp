// The extended-corresponding-states transport models of R22 (reference R134a) and R32
// (reference propane): the propane reference equation, the conformal-state solve, and the
// viscosity and conductivity at the pack's worked states, evaluated on the equation-of-state
// inputs printed there so the correlations are checked apart from the equation of state.
#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "HelmholtzDerivativeCheck.h"
#include "KX_ECS_Propane.h"
#include "KX_ECS_Refrigerants.h"
#include "KX_Fluid_Objects.h"
#include "KX_Function_Types.h"
#include "KX_R22_FE_Lib.h"
#include "KX_R22_FE_Lib_Root.h"
#include "KX_R32_FE_Lib.h"
#include "KX_R32_FE_Lib_Root.h"
#include "fluid_test_support.h"

namespace {

using namespace kxtransport;
using fluidtest::Number;
using fluidtest::TRow;

// Each analytic derivative of the propane residual against a central difference of the sum it
// is the derivative of.
TEST(ECSPropane, ResidualDerivativesMatchCentralDifferences) {
    auto at = [](double delta, double tau) {
        THelmholzResidual r;
        PropaneResidual(delta, tau, r);
        return r;
    };
    struct TPair {
        const char* name;
        double THelmholzResidual::*analytic;
        double THelmholzResidual::*lower;
        bool byDelta;
    };
    const TPair pairs[] = {
        {"Phid", &THelmholzResidual::Phid, &THelmholzResidual::Phi, true},
        {"Phidd", &THelmholzResidual::Phidd, &THelmholzResidual::Phid, true},
        {"Phit", &THelmholzResidual::Phit, &THelmholzResidual::Phi, false},
        {"Phitt", &THelmholzResidual::Phitt, &THelmholzResidual::Phit, false},
        {"Phidt by tau", &THelmholzResidual::Phidt, &THelmholzResidual::Phid, false},
        {"Phidt by delta", &THelmholzResidual::Phidt, &THelmholzResidual::Phit, true},
    };
    for (const helmholtzcheck::TPoint& p : helmholtzcheck::DefaultPoints()) {
        const THelmholzResidual r = at(p.Delta, p.Tau);
        for (const TPair& pair : pairs) {
            SCOPED_TRACE(std::string(pair.name) + " at delta " + std::to_string(p.Delta) +
                         ", tau " + std::to_string(p.Tau));
            const double x = pair.byDelta ? p.Delta : p.Tau;
            const double h = 1e-5 * x;
            auto lower = [&](double v) {
                return pair.byDelta ? at(v, p.Tau).*pair.lower : at(p.Delta, v).*pair.lower;
            };
            const double numeric = (lower(x + h) - lower(x - h)) / (2.0 * h);
            const double scale =
                std::max(std::fabs(r.*pair.analytic), std::fabs(r.*pair.lower) / x);
            EXPECT_NEAR(r.*pair.analytic, numeric, 1e-7 * scale);
        }
    }
}

// ---- Worked states ----

struct TCase {
    const TECSViscosity* viscosity;
    const TECSConductivity* conductivity;
};

TCase ModelsOf(const std::string& fluid) {
    if (fluid == "R22") return {&R22Viscosity(), &R22Conductivity()};
    return {&R32Viscosity(), &R32Conductivity()};
}

// The state exactly as the pack gives it.
TTransportState StateOf(const TRow& row) {
    TTransportState s;
    s.T = Number(row, "T_K");
    s.rho = Number(row, "rho_mol_m3");
    s.rhoMass = s.rho * Number(row, "M_kg_mol");
    s.alphar = Number(row, "alphar");
    s.Z = Number(row, "Z");
    s.cp = Number(row, "cp_J_molK");
    s.cv = Number(row, "cv_J_molK");
    s.cp0 = Number(row, "cp0_J_molK");
    s.dpdrho = Number(row, "dpdrho_T");
    s.dpdrhoRef = Number(row, "dpdrho_Tref");
    return s;
}

// The pack's values were computed with its equation-of-state constants (for R22 those of another
// equation of state than the program's): the models take them here, the correlation's own
// coefficients stay as shipped.
TECSFluid PackConstants(const TECSFluid& shipped, const TRow& row) {
    TECSFluid f = shipped;
    f.M = Number(row, "M_kg_mol");
    f.R = Number(row, "R_J_molK");
    return f;
}

class ECSWorkedStates : public ::testing::TestWithParam<TRow> {};

TEST_P(ECSWorkedStates, ConformalStateMatchesAlpharAndZOfTheFluid) {
    const TRow& row = GetParam();
    const TCase models = ModelsOf(row.at("fluid"));
    const TECSReference& reference = *models.viscosity->reference;
    const TConformalState c = ConformalState(reference, models.viscosity->fluid, StateOf(row));
    ASSERT_TRUE(c.converged);
    // The reference equation at the result, evaluated here rather than trusted from the solver.
    THelmholzResidual r;
    const double delta0 = c.rho0 / reference.eos.Dred;
    reference.eos.Residual(delta0, reference.eos.Tred / c.T0, r);
    EXPECT_NEAR(r.Phi, Number(row, "alphar"), 1e-9);
    EXPECT_NEAR(1.0 + delta0 * r.Phid, Number(row, "Z"), 1e-9);
    EXPECT_NEAR(c.T0 / Number(row, "T0_K"), 1.0, 1e-9);
    EXPECT_NEAR(c.rho0 / Number(row, "rho0_mol_m3"), 1.0, 1e-9);
}

TEST_P(ECSWorkedStates, ViscosityAndConductivityMatchThePublishedModels) {
    const TRow& row = GetParam();
    const TCase models = ModelsOf(row.at("fluid"));
    const TTransportState state = StateOf(row);
    TECSViscosity viscosity = *models.viscosity;
    viscosity.fluid = PackConstants(viscosity.fluid, row);
    TECSConductivity conductivity = *models.conductivity;
    conductivity.fluid = PackConstants(conductivity.fluid, row);
    conductivity.critical = DefaultCriticalEnhancement(
        Number(row, "Tc_K"), Number(row, "rhoc_mol_m3"), Number(row, "pc_Pa"));

    const TConformalState c = ConformalState(*viscosity.reference, viscosity.fluid, state);
    const TViscosityParts eta = EvaluateParts(viscosity, state, c);
    EXPECT_NEAR(eta.dilute / Number(row, "eta0_Pa_s"), 1.0, 1e-12);
    EXPECT_NEAR(eta.Total() / Number(row, "eta_Pa_s"), 1.0, 1e-9);
    const TConductivityParts lambda = EvaluateParts(conductivity, state, c, eta.Total());
    // Printed to 10 digits.
    EXPECT_NEAR(lambda.Total() / Number(row, "lambda_W_mK"), 1.0, 1e-9);
}

// ---- Through the library functions, at the pressure and temperature of each state ----

struct TLibrary {
    TBinaryFunction DPT, CpPT, DVPT, KVPT, TCPT, PrPT;
};

TLibrary LibraryOf(const std::string& fluid) {
    if (fluid == "R22")
        return {KX_R22_FE_DPT,  KX_R22_FE_CpPT, KX_R22_FE_DVPT,
                KX_R22_FE_KVPT, KX_R22_FE_TCPT, KX_R22_FE_PrPT};
    return {KX_R32_FE_DPT,  KX_R32_FE_CpPT, KX_R32_FE_DVPT,
            KX_R32_FE_KVPT, KX_R32_FE_TCPT, KX_R32_FE_PrPT};
}

double Call(TBinaryFunction f, double P, double T) {
    char text[256] = "";
    int32_t code = -1;
    const double value = f(P, T, text, 255, &code);
    EXPECT_EQ(code, 0) << text;
    return value;
}

// KVPT = DVPT / DPT and PrPT = CpPT DVPT / TCPT; the values themselves against the pack's, to
// the equation of state's share: R32's is the pack's (a density solve apart), R22's is another
// equation than the pack's, whose densities differ by up to about a tenth of a per cent.
TEST_P(ECSWorkedStates, LibraryFunctionsAtThePressureAndTemperatureOfTheState) {
    const TRow& row = GetParam();
    const TLibrary lib = LibraryOf(row.at("fluid"));
    const double P = Number(row, "input_p_Pa") / 1e5;
    const double T = Number(row, "T_K") - 273.15;
    const double D = Call(lib.DPT, P, T);
    const double eta = Call(lib.DVPT, P, T);
    const double lambda = Call(lib.TCPT, P, T);
    EXPECT_NEAR(Call(lib.KVPT, P, T) / (eta / D), 1.0, 1e-12);
    EXPECT_NEAR(Call(lib.PrPT, P, T) / (1000.0 * Call(lib.CpPT, P, T) * eta / lambda), 1.0, 1e-12);
    const double tolerance = row.at("fluid") == "R32" ? 1e-7 : 0.01;
    EXPECT_NEAR(eta / Number(row, "eta_Pa_s"), 1.0, tolerance);
    EXPECT_NEAR(lambda / Number(row, "lambda_W_mK"), 1.0, tolerance);
}

INSTANTIATE_TEST_SUITE_P(FromThePack, ECSWorkedStates,
                         ::testing::ValuesIn(fluidtest::ReadTable("ecs_worked_examples.tsv")),
                         [](const auto& info) {
                             return info.param.at("fluid") + "_" + info.param.at("state") + "_" +
                                    std::to_string(static_cast<int>(Number(info.param, "T_K")));
                         });

// ---- Over the whole range of the equation of state ----

struct TFluidModels {
    const char* name;
    const THelmholzFluid& fluid;
    const TECSViscosity& viscosity;
    const TECSConductivity& conductivity;
};

// On a grid of (P, T) over the whole range, vapour to compressed liquid and supercritical: the
// conformal state matches alpha^r and Z, except in the dilute gas (Z > 0.9), where it may only be
// the nearest state; the viscosity and conductivity are finite and positive.
TEST(ECSRange, ConformalStateAndPropertiesOverTheWholeRange) {
    const TFluidModels fluids[] = {
        {"R22", R22Fluid(), R22Viscosity(), R22Conductivity()},
        {"R32", R32Fluid(), R32Viscosity(), R32Conductivity()},
    };
    for (const TFluidModels& m : fluids) {
        const THelmholzFluid& f = m.fluid;
        for (double T = f.Tt_ + 0.01; T <= f.Tmax; T += (f.Tmax - f.Tt_) / 40.0) {
            for (double P = 1e-3; P <= f.Pmax; P *= 2.0) {
                std::string text;
                int32_t code = 0;
                const double D = f.DPT(P, T, text, code);
                if (code != 0) continue;
                SCOPED_TRACE(std::string(m.name) + " at " + std::to_string(P) + " bar, " +
                             std::to_string(T) + " C");
                const TTransportState state = CaloricState(f, D, T, m.conductivity.critical.Tref);
                const TConformalState c =
                    ConformalState(*m.viscosity.reference, m.viscosity.fluid, state);
                ASSERT_TRUE(c.converged || (c.nearest && state.Z > 0.9));
                THelmholzResidual r;
                const TECSReferenceFluid& ref = m.viscosity.reference->eos;
                ref.Residual(c.rho0 / ref.Dred, ref.Tred / c.T0, r);
                EXPECT_NEAR(r.Phi, state.alphar, 1e-9);
                if (m.name == std::string("R22") && D > R22ViscosityDensityLimit) continue;
                const double eta = EvaluateParts(m.viscosity, state, c).Total();
                const double lambda = EvaluateParts(m.conductivity, state, c, eta).Total();
                EXPECT_GT(eta, 0.0);
                EXPECT_LT(eta, 1.0);
                EXPECT_GT(lambda, 0.0);
                EXPECT_LT(lambda, 10.0);
            }
        }
    }
}

// The critical enhancement is negligible far from the critical point (twice its temperature, or
// the highest temperature of the equation, at a hundredth of the critical density) and large
// beside it.
TEST(ECSRange, CriticalEnhancementVanishesFarFromTheCriticalPoint) {
    const TFluidModels fluids[] = {
        {"R22", R22Fluid(), R22Viscosity(), R22Conductivity()},
        {"R32", R32Fluid(), R32Viscosity(), R32Conductivity()},
    };
    for (const TFluidModels& m : fluids) {
        SCOPED_TRACE(m.name);
        const THelmholzFluid& f = m.fluid;
        auto parts = [&](double T, double D) {
            const TTransportState s = CaloricState(f, D, T, m.conductivity.critical.Tref);
            const TConformalState c = ConformalState(*m.viscosity.reference, m.viscosity.fluid, s);
            return EvaluateParts(m.conductivity, s, c, EvaluateParts(m.viscosity, s, c).Total());
        };
        const double Tc = f.Tcr_ + f.dta;
        const TConductivityParts far =
            parts(std::min(2.0 * Tc, f.Tmax + f.dta) - f.dta, 0.01 * f.Dcr_);
        EXPECT_LT(std::fabs(far.critical), 1e-3 * far.Total());
        const TConductivityParts close = parts(1.02 * Tc - f.dta, f.Dcr_);
        EXPECT_GT(close.critical, 0.05 * close.Total());
    }
}

}  // namespace
