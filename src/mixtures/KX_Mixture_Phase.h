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

// The libraries' text for a two-phase verdict, with temperatures in °C (lowestC: the lowest
// temperature of the range, named where the bubble point lies below it).
std::string TwoPhaseStateText(const TPhaseDecision& decision, double lowestC);
