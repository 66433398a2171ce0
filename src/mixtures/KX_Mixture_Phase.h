#pragma once
// Which phase a feed is in at (T, p), as its bubble and dew temperatures at p decide it: the
// liquid below the bubble temperature, the vapour above the dew temperature, two phases between
// them. Shared by the mixture libraries, which turn the verdict into their answers and texts.
#include <span>
#include <string>

#include "KX_Mixture.h"

enum class TPhaseVerdict {
    Liquid,
    Vapour,
    TwoPhase,
    NoLines,  // neither the lines at p nor those at T decide (the critical region, or above it)
};

struct TPhaseDecision {
    TPhaseVerdict Verdict = TPhaseVerdict::NoLines;
    double BubbleT = 0.0, DewT = 0.0;  // K, where found
    bool BubbleBelowRange = false;     // p below the bubble pressure at the lowest temperature
};

// At T (K), p (Pa) for the feed z; pBubbleBottom and pDewBottom (Pa) are the lines' pressures at
// the lowest temperature of the range: below the dew one the feed is vapour, below the bubble one
// its bubble temperature lies below the range.
TPhaseDecision DecidePhase(const TMixture& mixture, double T, double p, std::span<const double> z,
                           double pBubbleBottom, double pDewBottom);

// Michelsen's tangent-plane test of the feed z at (T, K; p, Pa), in the root of lower Gibbs
// energy: successive substitution from a vapour-like and a liquid-like trial phase (Wilson's
// K-factors). Unstable as soon as a trial reaches a negative tangent-plane distance (the feed
// splits; K holds the K-factors of that trial against the feed); Stable when both trials end at
// a stationary point of non-negative distance or at the feed itself; Undecided otherwise.
enum class TStability { Stable, Unstable, Undecided };
struct TStabilityResult {
    TStability Verdict = TStability::Undecided;
    TComposition K{};  // with Unstable: trial amounts over feed (vapour-like), or feed over them
};
TStabilityResult StabilityAtTP(const TMixture& mixture, double T, double p,
                               std::span<const double> z);

// The libraries' text for a two-phase verdict, with temperatures in °C (lowestC: the lowest
// temperature of the range, named where the bubble point lies below it).
std::string TwoPhaseStateText(const TPhaseDecision& decision, double lowestC);
