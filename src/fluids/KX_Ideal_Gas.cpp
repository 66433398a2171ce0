#include "KX_Ideal_Gas.h"

#include <cmath>

#include "HelmholtzMath.h"

double IdealPhio(const TIdealGasPart& part, double Delta, double Tau) {
    double phi = std::log(Delta) + part.a1 + part.a2 * Tau + part.c * std::log(Tau);
    for (const TIdealPowerTerm& term : part.powers) phi += term.b * FluidPower(Tau, term.e);
    for (const TIdealPlanckTerm& term : part.planck)
        phi += term.m * std::log(1.0 - std::exp(-term.theta * Tau));
    return phi;
}

double IdealPhiot(const TIdealGasPart& part, double Tau) {
    double phit = part.a2 + part.c / Tau;
    for (const TIdealPowerTerm& term : part.powers)
        phit += term.e * term.b * FluidPower(Tau, term.e - 1.0);
    for (const TIdealPlanckTerm& term : part.planck)
        phit += term.m * term.theta / (std::exp(term.theta * Tau) - 1.0);
    return phit;
}

double IdealPhiott(const TIdealGasPart& part, double Tau) {
    double phitt = -part.c / (Tau * Tau);
    for (const TIdealPowerTerm& term : part.powers)
        phitt += term.e * (term.e - 1.0) * term.b * FluidPower(Tau, term.e - 2.0);
    for (const TIdealPlanckTerm& term : part.planck) {
        const double e = std::exp(term.theta * Tau);
        phitt -= term.m * term.theta * term.theta * e / ((e - 1.0) * (e - 1.0));
    }
    return phitt;
}
