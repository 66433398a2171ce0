#pragma once
// The one data-driven form of the ideal-gas part: φo = ln δ + a1 + a2 τ + c ln τ + Σ b τ^e
// + Σ m ln(1 + c exp(−θ τ)); a fluid gives only its coefficients. Every fluid of this folder
// uses it.
#include <cmath>
#include <span>

#include "HelmholtzMath.h"

// Ideal-gas part φo = ln δ + a1 + a2 τ + c ln τ + Σ b τ^e + Σ m ln(1 + c exp(−θ τ)); c is −1 in
// a Planck-Einstein term, other values give its generalised form.
struct TIdealPowerTerm {
    double b;
    double e;
};
struct TIdealPlanckTerm {
    double m;
    double theta;
    double c = -1.0;
};
struct TIdealGasPart {
    double a1;
    double a2;
    double c;  // coefficient of ln τ
    std::span<const TIdealPowerTerm> powers;
    std::span<const TIdealPlanckTerm> planck;
};

// Above this θτ, exp(θτ) would come near overflow (hydrogen reaches θτ ≈ 740), so the
// τ-derivatives of a Planck-Einstein term are formed from exp(−θτ) instead.
inline constexpr double PlanckLargeArgument = 50.0;

// ∂/∂τ of m ln(1 + c exp(−θτ)): −c m θ / (exp(θτ) + c).
inline double PlanckSlope(const TIdealPlanckTerm& term, double Tau) {
    const double x = term.theta * Tau;
    if (x > PlanckLargeArgument) {
        const double e = std::exp(-x);
        return -term.c * term.m * term.theta * e / (1.0 + term.c * e);
    }
    return -term.c * term.m * term.theta / (std::exp(x) + term.c);
}

// ∂²/∂τ² of m ln(1 + c exp(−θτ)): c m θ² exp(θτ) / (exp(θτ) + c)².
inline double PlanckCurvature(const TIdealPlanckTerm& term, double Tau) {
    const double x = term.theta * Tau;
    if (x > PlanckLargeArgument) {
        const double e = std::exp(-x);
        return term.c * term.m * term.theta * term.theta * e /
               ((1.0 + term.c * e) * (1.0 + term.c * e));
    }
    const double e = std::exp(x);
    return -(-term.c * term.m * term.theta * term.theta * e / ((e + term.c) * (e + term.c)));
}

// Inline: the single-derivative slots of a fluid call them in the solvers' inner loops.
inline double IdealPhio(const TIdealGasPart& part, double Delta, double Tau) {
    double phi = std::log(Delta) + part.a1 + part.a2 * Tau + part.c * std::log(Tau);
    for (const TIdealPowerTerm& term : part.powers) phi += term.b * FluidPower(Tau, term.e);
    for (const TIdealPlanckTerm& term : part.planck)
        phi += term.m * std::log(1.0 + term.c * std::exp(-term.theta * Tau));
    return phi;
}

inline double IdealPhiot(const TIdealGasPart& part, double Tau) {
    double phit = part.a2 + part.c / Tau;
    for (const TIdealPowerTerm& term : part.powers)
        phit += term.e * term.b * FluidPower(Tau, term.e - 1.0);
    for (const TIdealPlanckTerm& term : part.planck) phit += PlanckSlope(term, Tau);
    return phit;
}

inline double IdealPhiott(const TIdealGasPart& part, double Tau) {
    double phitt = -part.c / (Tau * Tau);
    for (const TIdealPowerTerm& term : part.powers)
        phitt += term.e * (term.e - 1.0) * term.b * FluidPower(Tau, term.e - 2.0);
    for (const TIdealPlanckTerm& term : part.planck) phitt += PlanckCurvature(term, Tau);
    return phitt;
}
