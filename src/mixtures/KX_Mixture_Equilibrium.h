#pragma once
// Bubble and dew points of a mixture at given temperature or pressure: the saturation pressure
// (temperature) and the composition and density of the incipient phase. Successive
// substitution from Wilson's K-factors, then Newton iteration in (ln Kᵢ, ln p or ln T) where
// substitution slows down (every third substitution step extrapolated). A solution whose two
// phases are one (densities within 2 %: the trivial solution K → 1, and near-critical states off
// the saturation line) or an iteration that does not converge is reported as a failure, never
// as a result. Reaches from 200 K to within a few kelvin of a blend's critical point.
#include <cstdint>
#include <span>

#include "KX_Mixture.h"

enum class TSaturationKind { Bubble, Dew };

enum class TEquilibriumStatus {
    Converged,
    NoConvergence,    // the iteration did not converge within its step limit
    TrivialSolution,  // the two phases became one: no saturation state here
    NoDensity,        // a phase has no density root at the iterated state
};

struct TEquilibrium {
    TEquilibriumStatus Status = TEquilibriumStatus::NoConvergence;
    double T = 0.0, P = 0.0;                  // K, Pa
    double RhoLiquid = 0.0, RhoVapour = 0.0;  // mol/m3
    TComposition X{}, Y{};                    // liquid and vapour mole fractions
    int Iterations = 0;                       // substitution steps + Newton steps
    bool Ok() const { return Status == TEquilibriumStatus::Converged; }
};

// Bubble (feed z is the liquid) or dew point (z is the vapour) at T (K); z defaults to the
// mixture's composition.
TEquilibrium SaturationAtT(const TMixture& mixture, TSaturationKind kind, double T,
                           std::span<const double> z = {});
// The same at p (Pa).
TEquilibrium SaturationAtP(const TMixture& mixture, TSaturationKind kind, double p,
                           std::span<const double> z = {});

// Error code of a library function for a status: 0 when converged, otherwise 26 (no
// convergence).
int32_t ErrorCodeOf(TEquilibriumStatus status);
