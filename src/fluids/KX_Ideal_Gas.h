#pragma once
// The one data-driven form of the ideal-gas part: φo = ln δ + a1 + a2 τ + c ln τ + Σ b τ^e
// + Σ m ln(1 − exp(−θ τ)); a fluid gives only its coefficients. The refrigerants, carbon dioxide
// and argon use it.
#include <cmath>
#include <span>

#include "HelmholtzMath.h"

// Ideal-gas part φo = ln δ + a1 + a2 τ + c ln τ + Σ b τ^e + Σ m ln(1 − exp(−θ τ)).
struct TIdealPowerTerm {
    double b;
    double e;
};
struct TIdealPlanckTerm {
    double m;
    double theta;
};
struct TIdealGasPart {
    double a1;
    double a2;
    double c;  // coefficient of ln τ
    std::span<const TIdealPowerTerm> powers;
    std::span<const TIdealPlanckTerm> planck;
};

// Inline: the single-derivative slots of a fluid call them in the solvers' inner loops.
inline double IdealPhio(const TIdealGasPart& part, double Delta, double Tau) {
    double phi = std::log(Delta) + part.a1 + part.a2 * Tau + part.c * std::log(Tau);
    for (const TIdealPowerTerm& term : part.powers) phi += term.b * FluidPower(Tau, term.e);
    for (const TIdealPlanckTerm& term : part.planck)
        phi += term.m * std::log(1.0 - std::exp(-term.theta * Tau));
    return phi;
}

inline double IdealPhiot(const TIdealGasPart& part, double Tau) {
    double phit = part.a2 + part.c / Tau;
    for (const TIdealPowerTerm& term : part.powers)
        phit += term.e * term.b * FluidPower(Tau, term.e - 1.0);
    for (const TIdealPlanckTerm& term : part.planck)
        phit += term.m * term.theta / (std::exp(term.theta * Tau) - 1.0);
    return phit;
}

inline double IdealPhiott(const TIdealGasPart& part, double Tau) {
    double phitt = -part.c / (Tau * Tau);
    for (const TIdealPowerTerm& term : part.powers)
        phitt += term.e * (term.e - 1.0) * term.b * FluidPower(Tau, term.e - 2.0);
    for (const TIdealPlanckTerm& term : part.planck) {
        const double e = std::exp(term.theta * Tau);
        phitt -= term.m * term.theta * term.theta * e / ((e - 1.0) * (e - 1.0));
    }
    return phitt;
}
