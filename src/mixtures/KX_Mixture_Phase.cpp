#include "KX_Mixture_Phase.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

#include "KX_FloatingPoint.h"
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
    // pressure, where the stability test agrees that the feed is one phase (a dew line at T can
    // have a second, retrograde pressure, between which the feed splits).
    TPhaseVerdict atT = TPhaseVerdict::NoLines;
    const TEquilibrium bubbleAtT = SaturationAtT(mixture, TSaturationKind::Bubble, T, z);
    if (bubbleAtT.Ok() && p > bubbleAtT.P) {
        atT = TPhaseVerdict::Liquid;
    } else {
        const TEquilibrium dewAtT = SaturationAtT(mixture, TSaturationKind::Dew, T, z);
        if (dewAtT.Ok() && p < dewAtT.P) atT = TPhaseVerdict::Vapour;
    }
    if (atT != TPhaseVerdict::NoLines &&
        StabilityAtTP(mixture, T, p, z).Verdict == TStability::Stable)
        d.Verdict = atT;
    return d;
}

namespace {

TStabilityResult Stability(const TMixture& mixture, double T, double p, std::span<const double> z) {
    const std::size_t n = mixture.Size();
    TStabilityResult result;
    const double rhoZ = mixture.StableDensity(T, p, z);
    if (!(rhoZ > 0.0)) return result;
    TComposition d{}, lnPhi{};
    mixture.LnFugacityCoefficients(T, rhoZ, z, {lnPhi.data(), n}, p);
    for (std::size_t i = 0; i < n; ++i) d[i] = std::log(z[i]) + lnPhi[i];
    bool undecided = false;
    for (const bool vapourLike : {true, false}) {
        TComposition W{}, w{};
        for (std::size_t i = 0; i < n; ++i) {
            const TMixtureComponent& c = mixture.Component(i);
            const double K = c.Pc / p * std::exp(5.373 * (1.0 + c.Omega) * (1.0 - c.Tc / T));
            W[i] = vapourLike ? z[i] * K : z[i] / K;
        }
        bool decided = false;
        for (int step = 0; step < 300 && !decided; ++step) {
            double sum = 0.0;
            for (std::size_t i = 0; i < n; ++i) sum += W[i];
            if (!(sum > 0.0) || !std::isfinite(sum)) break;
            double distance2 = 0.0;
            for (std::size_t i = 0; i < n; ++i) {
                w[i] = W[i] / sum;
                distance2 += (w[i] - z[i]) * (w[i] - z[i]);
            }
            if (distance2 < 1e-12) {  // back at the feed: this trial finds nothing
                decided = true;
                break;
            }
            const std::span<const double> trial(w.data(), n);
            const TMixturePhase phase = vapourLike ? TMixturePhase::Vapour : TMixturePhase::Liquid;
            double rho = mixture.Density(T, p, trial, phase);
            if (!(rho > 0.0))
                rho = mixture.Density(T, p, trial,
                                      vapourLike ? TMixturePhase::Liquid : TMixturePhase::Vapour);
            if (!(rho > 0.0)) break;
            mixture.LnFugacityCoefficients(T, rho, trial, {lnPhi.data(), n}, p);
            // The modified tangent-plane distance at W: below zero, the feed is unstable.
            double tm = 1.0, change = 0.0;
            for (std::size_t i = 0; i < n; ++i) {
                tm += W[i] * (std::log(W[i]) + lnPhi[i] - d[i] - 1.0);
                const double lnW = d[i] - lnPhi[i];
                change = std::max(change, std::fabs(lnW - std::log(W[i])));
                W[i] = std::exp(lnW);
            }
            if (tm < -1e-10) {
                result.Verdict = TStability::Unstable;
                // The K-factors of the next trial amounts (not normalised: their sum above one
                // is what lets the Rachford-Rice split find both phases).
                for (std::size_t i = 0; i < n; ++i)
                    result.K[i] = vapourLike ? W[i] / z[i] : z[i] / W[i];
                return result;
            }
            if (change < 1e-10) decided = true;  // a stationary point of non-negative distance
        }
        if (!decided) undecided = true;
    }
    result.Verdict = undecided ? TStability::Undecided : TStability::Stable;
    return result;
}

}  // namespace

TStabilityResult StabilityAtTP(const TMixture& mixture, double T, double p,
                               std::span<const double> z) {
    // Trial phases far from the feed can overflow (Wilson's K-factors at a low temperature) or
    // find no density: such a fault ends that trial here and never reaches the caller's guard.
    const TFloatingPointScope scope;
    const TStabilityResult result = Stability(mixture, T, p, z);
    if (scope.Raised()) return {};
    return result;
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
