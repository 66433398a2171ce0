#pragma once
// Two-phase states of a mixture of fixed feed composition at a vapour fraction: at given pressure
// (the temperature between the bubble and the dew temperature) or at given temperature (the
// pressure between the dew and the bubble pressure), split into a liquid and a vapour of their
// own compositions in phase equilibrium. The vapour fraction is by mass, as everywhere in the
// program.
//
// Each trial temperature (pressure) is a (T, p) flash: successive substitution of the K-factors
// with the Rachford-Rice split, started from the K-factors of the bubble and dew points
// interpolated in ln K. The outer search keeps the vapour fraction bracketed between the bubble
// (0) and the dew point (1) (regula falsi, Illinois variant). Vapour fractions 0 and 1 are the
// bubble and dew points themselves. A split that does not converge, or whose phases become one,
// is a failure, never a result.
#include "KX_Mixture.h"
#include "KX_Mixture_Equilibrium.h"

struct TTwoPhaseState {
    TEquilibriumStatus Status = TEquilibriumStatus::NoConvergence;
    double T = 0.0, P = 0.0;                  // K, Pa
    double Beta = 0.0;                        // molar vapour fraction
    double Quality = 0.0;                     // mass vapour fraction
    double RhoLiquid = 0.0, RhoVapour = 0.0;  // mol/m3
    TComposition X{}, Y{};                    // liquid and vapour mole fractions
    bool Ok() const { return Status == TEquilibriumStatus::Converged; }
};

// The state at p (Pa) with mass vapour fraction q (0 to 1) of the mixture's own composition.
TTwoPhaseState TwoPhaseAtP(const TMixture& mixture, double p, double q);
// The same at T (K).
TTwoPhaseState TwoPhaseAtT(const TMixture& mixture, double T, double q);

// The split of the feed at (T, p) (K, Pa) between the bubble and the dew temperature at p (the
// solver's results, passed in): successive substitution from K interpolated between the two
// points. Not Converged where T lies outside (bubble.T, dew.T) or the split fails; within
// rounding of an end the feed may come out as one phase (vapour fraction 0 or 1, no phases'
// compositions).
TTwoPhaseState TwoPhaseAtTP(const TMixture& mixture, double T, double p, const TEquilibrium& bubble,
                            const TEquilibrium& dew);

// The split of the feed at (T, p) by successive substitution from the K-factors K (as a stability
// test's trial phase gives them). Converged with 0 < Beta < 1 only for a split into two phases.
TTwoPhaseState TwoPhaseAtTPFrom(const TMixture& mixture, double T, double p, TComposition K);

// The two-phase state at p (Pa) whose molar enthalpy (J/mol; enthalpy false: molar entropy,
// J/(mol K)) of both phases together is target, between the bubble and the dew point at p (the
// solver's results, passed in as the caller has them already). The target must lie strictly
// between the feed's values at the two points; otherwise, or where a split fails, the status is
// not Converged.
TTwoPhaseState TwoPhaseAtPCaloric(const TMixture& mixture, double p, double target, bool enthalpy,
                                  const TEquilibrium& bubble, const TEquilibrium& dew);
