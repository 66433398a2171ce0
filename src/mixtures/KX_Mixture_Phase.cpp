#include "KX_Mixture_Phase.h"

#include <cstdio>

#include "KX_Mixture_Equilibrium.h"

TPhaseDecision DecidePhase(const TMixture& mixture, double T, double p, std::span<const double> z,
                           double pBubbleBottom, double pDewBottom) {
    TPhaseDecision d;
    if (p < pDewBottom) {
        d.Verdict = TPhaseVerdict::Vapour;
        return d;
    }
    const TEquilibrium dew = SaturationAtP(mixture, TSaturationKind::Dew, p, z);
    if (dew.Ok()) d.DewT = dew.T;
    if (dew.Ok() && T > dew.T) {
        d.Verdict = TPhaseVerdict::Vapour;
        return d;
    }
    d.BubbleBelowRange = p < pBubbleBottom;
    const TEquilibrium bubble =
        d.BubbleBelowRange ? TEquilibrium{} : SaturationAtP(mixture, TSaturationKind::Bubble, p, z);
    if (bubble.Ok()) d.BubbleT = bubble.T;
    if (bubble.Ok() && T < bubble.T)
        d.Verdict = TPhaseVerdict::Liquid;
    else if ((bubble.Ok() || d.BubbleBelowRange) && dew.Ok())
        d.Verdict = TPhaseVerdict::TwoPhase;
    else
        d.Verdict = TPhaseVerdict::NoLines;
    if (d.Verdict != TPhaseVerdict::NoLines) return d;
    // Neither line at p (near the critical pressure, or above a bubble line's pressure maximum):
    // the lines at T still tell a liquid above its bubble pressure and a vapour below its dew
    // pressure.
    const TEquilibrium bubbleAtT = SaturationAtT(mixture, TSaturationKind::Bubble, T, z);
    if (bubbleAtT.Ok() && p > bubbleAtT.P) {
        d.Verdict = TPhaseVerdict::Liquid;
        return d;
    }
    const TEquilibrium dewAtT = SaturationAtT(mixture, TSaturationKind::Dew, T, z);
    if (dewAtT.Ok() && p < dewAtT.P) d.Verdict = TPhaseVerdict::Vapour;
    return d;
}

std::string TwoPhaseStateText(const TPhaseDecision& decision, double lowestC) {
    constexpr double Kelvin = 273.15;
    char why[192];
    std::snprintf(why, sizeof why,
                  "Two-phase state: the temperature lies between the bubble (%s%.3f °C) and the "
                  "dew temperature (%.3f °C) at this pressure.",
                  decision.BubbleBelowRange ? "below " : "",
                  decision.BubbleBelowRange ? lowestC : decision.BubbleT - Kelvin,
                  decision.DewT - Kelvin);
    return why;
}
