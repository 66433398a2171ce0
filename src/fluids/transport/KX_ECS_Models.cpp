#include "KX_ECS_Models.h"

#include <cmath>
#include <limits>

#include "HelmholtzMath.h"

namespace kxtransport {

namespace {

// The reference fluid at temperature T0 and molar density rho.
TTransportState ReferenceState(const TECSReference& reference, double T0, double rho) {
    TTransportState state;
    state.T = T0;
    state.rho = rho;
    state.rhoMass = rho * reference.eos.M;
    return state;
}

// sqrt(f) h^(-2/3): the factor both models scale the reference property by, before the ratio
// of molar masses.
double ScaleFactor(const TTransportState& state, const TConformalState& conformal) {
    const double f = state.T / conformal.T0;
    const double h = conformal.rho0 / state.rho;
    return std::sqrt(f) / std::cbrt(h * h);
}

constexpr double NaN = std::numeric_limits<double>::quiet_NaN();

}  // namespace

double Evaluate(const TECSShapeFactor& psi, double rho) {
    const double x = rho / psi.rhoRed;
    double sum = 0.0;
    for (size_t i = 0; i < psi.a.size(); ++i) sum += psi.a[i] * PowerOf(x, psi.t[i]);
    return sum;
}

TConformalState ConformalState(const TECSReference& reference, const TECSFluid& fluid,
                               const TTransportState& state) {
    return SolveConformalState(reference.eos, state.T, state.rho, state.alphar, state.Z, fluid.Tred,
                               fluid.rhoRed);
}

TViscosityParts EvaluateParts(const TECSViscosity& model, const TTransportState& state,
                              const TConformalState& conformal) {
    const TViscosityDiluteNeufeldScaled dilute{
        .neufeld = {.M = model.fluid.M, .sigma = model.sigma, .epsilonOverK = model.epsilonOverK},
        .Fc = model.Fc};
    TViscosityParts parts;
    parts.dilute = Evaluate(dilute, state.T);
    if (!conformal.converged && !conformal.nearest) {
        parts.initialDensity = parts.residual = NaN;
        return parts;
    }
    const TECSReference& reference = *model.reference;
    const TTransportState refState =
        ReferenceState(reference, conformal.T0, Evaluate(model.psi, state.rho) * conformal.rho0);
    const double F = ScaleFactor(state, conformal) * std::sqrt(model.fluid.M / reference.eos.M);
    const double eta0Ref = Evaluate(reference.dilute, conformal.T0);
    parts.initialDensity = F * Evaluate(reference.initialDensity, eta0Ref, refState);
    parts.residual = F * Evaluate(reference.residual, refState);
    return parts;
}

TConductivityParts EvaluateParts(const TECSConductivity& model, const TTransportState& state,
                                 const TConformalState& conformal, double eta) {
    const TViscosityDiluteNeufeld dilute{
        .M = model.fluid.M, .sigma = model.sigma, .epsilonOverK = model.epsilonOverK};
    const double eta0 = Evaluate(dilute, state.T);
    const double Rs = model.fluid.R / model.fluid.M;  // J/(kg K)
    double fint = 0.0;
    for (size_t i = 0; i < model.fintA.size(); ++i)
        fint += model.fintA[i] * PowerOf(state.T / model.fintTred, model.fintT[i]);
    const double cp0 = state.cp0 / model.fluid.M;  // J/(kg K)

    TConductivityParts parts;
    // f_int is tabulated for eta0 in µPa s: 1000 f_int is the dimensionless Eucken factor.
    parts.dilute = 1000.0 * fint * eta0 * (cp0 - 2.5 * Rs) + 3.75 * Rs * eta0;
    parts.critical = Evaluate(model.critical, eta, state);
    if (!conformal.converged && !conformal.nearest) {
        parts.residual = NaN;
        return parts;
    }
    const TECSReference& reference = *model.reference;
    const TTransportState refState =
        ReferenceState(reference, conformal.T0, Evaluate(model.psi, state.rho) * conformal.rho0);
    const double F = ScaleFactor(state, conformal) * std::sqrt(reference.eos.M / model.fluid.M);
    parts.residual = F * Evaluate(reference.residualConductivity, refState);
    return parts;
}

}  // namespace kxtransport
