#include "KX_ECS_Refrigerants.h"

#include "KX_ECS_Propane.h"
#include "KX_Fluid_Objects.h"
#include "KX_R134a_FE_Lib_Root.h"
#include "KX_R22_FE_Lib_Root.h"
#include "KX_R32_FE_Lib_Root.h"
#include "KX_Transport_Fluids.h"

namespace kxtransport {

namespace {

// The one-phase residual Helmholtz energy of the program's R134a.
void R134aResidual(double Delta, double Tau, THelmholzResidual& r) {
    R134aFluid().PhirAll(Delta, Tau, r);
}

// Constants of a fluid's equation of state in the units of the transport models.
TECSFluid FluidConstants(const THelmholzFluid& fluid) {
    return {.M = fluid.MM_ / 1000.0,
            .R = MolarGasConstant(fluid),
            .Tred = fluid.Tcr_ + fluid.dta,
            .rhoRed = 1000.0 * fluid.Dcr_ / fluid.MM_};
}

// The critical enhancement with the default parameters at the equation of state's reducing
// state (Tref = 1.5 Tc).
TConductivityCritical DefaultCritical(const THelmholzFluid& fluid) {
    const TECSFluid c = FluidConstants(fluid);
    return DefaultCriticalEnhancement(c.Tred, c.rhoRed, fluid.Pcr_ * 1e5);
}

// ---- R22: Klein et al. (1997) viscosity, McLinden et al. (2000) conductivity ----
constexpr double R22Sigma = 4.666e-10;      // m
constexpr double R22EpsilonOverK = 284.72;  // K
constexpr double R22PsiRhoRed = 6058.22;    // mol/m3, reducing density of the shape factors
constexpr double R22ViscosityPsiA[] = {1.106, -0.0491};
constexpr double R22ConductivityPsiA[] = {1.075, -0.038574};
constexpr double R22FintA[] = {0.00077817, 1.2536e-06};
constexpr double LinearT[] = {0.0, 1.0};

// ---- R32: Huber et al. (2003), viscosity and conductivity ----
constexpr double R32Sigma = 4.098e-10;      // m
constexpr double R32EpsilonOverK = 289.65;  // K
constexpr double R32PsiRhoRed = 8150.0;     // mol/m3
constexpr double R32ViscosityPsiA[] = {0.7954, 0.0542658};
constexpr double R32ConductivityPsiA[] = {1.2942, -0.0924549};
constexpr double R32FintA[] = {0.000436654, 1.78134e-06};

}  // namespace

const TECSReference& R134aReference() {
    // Its viscosity and residual conductivity are those of R134a's own correlations.
    static const TECSReference reference{
        .eos = {.Tred = R134aFluid().Tcr_ + R134aFluid().dta,
                .Dred = 1000.0 * R134aFluid().Dcr_ / R134aFluid().MM_,
                .M = R134aFluid().MM_ / 1000.0,
                .Residual = &R134aResidual},
        .dilute = *R134aViscosity.diluteFitted,
        .initialDensity = *R134aViscosity.initialDensity,
        .residual = *R134aViscosity.residualSum,
        .residualConductivity = *R134aConductivity.residualPolynomial};
    return reference;
}

const TECSViscosity& R22Viscosity() {
    static const TECSViscosity model{
        .reference = &R134aReference(),
        .fluid = FluidConstants(R22Fluid()),
        .sigma = R22Sigma,
        .epsilonOverK = R22EpsilonOverK,
        .psi = {.a = R22ViscosityPsiA, .t = LinearT, .rhoRed = R22PsiRhoRed}};
    return model;
}

const TECSConductivity& R22Conductivity() {
    static const TECSConductivity model{
        .reference = &R134aReference(),
        .fluid = FluidConstants(R22Fluid()),
        .sigma = R22Sigma,
        .epsilonOverK = R22EpsilonOverK,
        .fintA = R22FintA,
        .fintT = LinearT,
        .fintTred = 1.0,
        .psi = {.a = R22ConductivityPsiA, .t = LinearT, .rhoRed = R22PsiRhoRed},
        .critical = DefaultCritical(R22Fluid())};
    return model;
}

const TECSViscosity& R32Viscosity() {
    static const TECSViscosity model{
        .reference = &PropaneReference(),
        .fluid = FluidConstants(R32Fluid()),
        .sigma = R32Sigma,
        .epsilonOverK = R32EpsilonOverK,
        .psi = {.a = R32ViscosityPsiA, .t = LinearT, .rhoRed = R32PsiRhoRed}};
    return model;
}

const TECSConductivity& R32Conductivity() {
    static const TECSConductivity model{
        .reference = &PropaneReference(),
        .fluid = FluidConstants(R32Fluid()),
        .sigma = R32Sigma,
        .epsilonOverK = R32EpsilonOverK,
        .fintA = R32FintA,
        .fintT = LinearT,
        .fintTred = 1.0,
        .psi = {.a = R32ConductivityPsiA, .t = LinearT, .rhoRed = R32PsiRhoRed},
        .critical = DefaultCritical(R32Fluid())};
    return model;
}

double ECSViscosityDT(const TECSViscosity& model, const THelmholzFluid& fluid, double D, double T) {
    TTransportState state = DensityState(fluid, D, T);
    // The conformal state needs alphar and Z only.
    THelmholzResidual r;
    const double delta = fluid.DeltaOf(D);
    fluid.PhirAll(delta, fluid.TauOf(T), r);
    state.alphar = r.Phi;
    state.Z = 1.0 + delta * r.Phid;
    const TConformalState c = ConformalState(*model.reference, model.fluid, state);
    return EvaluateParts(model, state, c).Total();
}

namespace {

struct TViscosityAndConductivity {
    double eta;
    double lambda;
};

TViscosityAndConductivity BothAt(const TECSViscosity& viscosity,
                                 const TECSConductivity& conductivity, const THelmholzFluid& fluid,
                                 double D, double T) {
    const TTransportState state = CaloricState(fluid, D, T, conductivity.critical.Tref);
    const TConformalState c = ConformalState(*conductivity.reference, conductivity.fluid, state);
    const double eta = EvaluateParts(viscosity, state, c).Total();
    return {eta, EvaluateParts(conductivity, state, c, eta).Total()};
}

}  // namespace

double ECSConductivityDT(const TECSViscosity& viscosity, const TECSConductivity& conductivity,
                         const THelmholzFluid& fluid, double D, double T) {
    return BothAt(viscosity, conductivity, fluid, D, T).lambda;
}

double ECSPrandtlDT(const TECSViscosity& viscosity, const TECSConductivity& conductivity,
                    const THelmholzFluid& fluid, double D, double T) {
    const TViscosityAndConductivity both = BothAt(viscosity, conductivity, fluid, D, T);
    // CpDT is in kJ/(kg K).
    return 1000.0 * fluid.CpDT(D, T) * both.eta / both.lambda;
}

double R22ViscosityDT(const THelmholzFluid& fluid, double D, double T) {
    return ECSViscosityDT(R22Viscosity(), fluid, D, T);
}

double R22ConductivityDT(const THelmholzFluid& fluid, double D, double T) {
    return ECSConductivityDT(R22Viscosity(), R22Conductivity(), fluid, D, T);
}

double R32ViscosityDT(const THelmholzFluid& fluid, double D, double T) {
    return ECSViscosityDT(R32Viscosity(), fluid, D, T);
}

double R32ConductivityDT(const THelmholzFluid& fluid, double D, double T) {
    return ECSConductivityDT(R32Viscosity(), R32Conductivity(), fluid, D, T);
}

double R22PrandtlDT(const THelmholzFluid& fluid, double D, double T) {
    return ECSPrandtlDT(R22Viscosity(), R22Conductivity(), fluid, D, T);
}

double R32PrandtlDT(const THelmholzFluid& fluid, double D, double T) {
    return ECSPrandtlDT(R32Viscosity(), R32Conductivity(), fluid, D, T);
}

}  // namespace kxtransport
