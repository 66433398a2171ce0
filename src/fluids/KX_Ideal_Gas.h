#pragma once
// The one data-driven form of the ideal-gas part: φo = ln δ + a1 + a2 τ + c ln τ + Σ b τ^e
// + Σ m ln(1 + c exp(−θ τ)); a fluid gives only its coefficients. Every fluid of this folder
// uses it.
#include <cmath>
#include <span>

#include "HelmholtzMath.h"
#include "HelmholzFluidObject.h"

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

// φo and its τ-derivatives in one pass: ln τ once, one exponential per non-integral power
// and one per Planck-Einstein term, taken as exp(−θτ) so that no argument overflows (hydrogen
// reaches θτ ≈ 740). The derivatives of a power are e/τ and e (e − 1)/τ² times it; those of
// m ln(1 + c E), E = exp(−θτ), are −m c θ E/(1 + c E) and m c θ² E/(1 + c E)².
inline void IdealAll(const TIdealGasPart& part, double Delta, double Tau, THelmholzIdeal& o) {
    const double lnTau = std::log(Tau);
    const double inverse = 1.0 / Tau;
    double phi = std::log(Delta) + part.a1 + part.a2 * Tau + part.c * lnTau;
    double phit = part.a2 + part.c * inverse;
    double phitt = -part.c * inverse * inverse;
    for (const TIdealPowerTerm& term : part.powers) {
        const double v = term.b * FluidPower(Tau, term.e, lnTau);
        phi += v;
        phit += term.e * v * inverse;
        phitt += term.e * (term.e - 1.0) * v * inverse * inverse;
    }
    for (const TIdealPlanckTerm& term : part.planck) {
        const double E = std::exp(-term.theta * Tau);
        const double q = 1.0 + term.c * E;
        const double mcE = term.m * term.c * E;
        phi += term.m * std::log(q);
        phit -= mcE * term.theta / q;
        phitt += mcE * term.theta * term.theta / (q * q);
    }
    o.Phi = phi;
    o.Phit = phit;
    o.Phitt = phitt;
}
