#include "KX_Mixture_Flash.h"

#include <algorithm>
#include <cmath>

namespace {

constexpr int MaxSubstitutionSteps = 500;
constexpr int MaxOuterSteps = 100;
constexpr double LnKTolerance = 1e-12;
constexpr double QualityTolerance = 1e-12;
// Phases this close in density are one (as in the bubble and dew solver).
constexpr double TrivialDensityGap = 0.02;

// The molar vapour fraction β of the Rachford-Rice equation Σ zᵢ(Kᵢ − 1)/(1 + β(Kᵢ − 1)) = 0,
// limited to [0, 1] (0: the feed is all liquid at these K, 1: all vapour).
double RachfordRice(std::span<const double> z, const TComposition& K) {
    auto f = [&](double beta, double& slope) {
        double sum = 0.0;
        slope = 0.0;
        for (std::size_t i = 0; i < z.size(); ++i) {
            const double d = 1.0 + beta * (K[i] - 1.0);
            sum += z[i] * (K[i] - 1.0) / d;
            slope -= z[i] * (K[i] - 1.0) * (K[i] - 1.0) / (d * d);
        }
        return sum;
    };
    double slope = 0.0;
    if (f(0.0, slope) <= 0.0) return 0.0;
    if (f(1.0, slope) >= 0.0) return 1.0;
    double lo = 0.0, hi = 1.0, beta = 0.5;
    for (int k = 0; k < 100; ++k) {
        const double g = f(beta, slope);
        if (g > 0.0)
            lo = beta;
        else
            hi = beta;
        double next = beta - g / slope;
        if (!(next > lo && next < hi)) next = 0.5 * (lo + hi);
        if (std::fabs(next - beta) < 1e-15) return next;
        beta = next;
    }
    return beta;
}

class TFlash {
  public:
    explicit TFlash(const TMixture& m) : m_(m), n_(m.Size()), z_(m.Composition()) {
        for (std::size_t i = 0; i < n_; ++i) massZ_ += z_[i] * m_.Component(i).M;
    }

    // The split at (T, p) by successive substitution from K (updated to the converged values).
    // The state's quality is 0 or 1 where the feed is one phase at the iterated K.
    TTwoPhaseState AtTP(double T, double p, TComposition& K) const {
        TTwoPhaseState s;
        s.T = T;
        s.P = p;
        TComposition lnPhiL{}, lnPhiV{};
        for (int step = 0; step < MaxSubstitutionSteps; ++step) {
            s.Beta = RachfordRice(z_, K);
            double sx = 0.0, sy = 0.0;
            for (std::size_t i = 0; i < n_; ++i) {
                s.X[i] = z_[i] / (1.0 + s.Beta * (K[i] - 1.0));
                s.Y[i] = K[i] * s.X[i];
                sx += s.X[i];
                sy += s.Y[i];
            }
            for (std::size_t i = 0; i < n_; ++i) {
                s.X[i] /= sx;
                s.Y[i] /= sy;
            }
            if (s.Beta <= 0.0 || s.Beta >= 1.0) {
                s.Quality = s.Beta;
                s.Status = TEquilibriumStatus::Converged;
                return s;
            }
            const std::span<const double> x(s.X.data(), n_), y(s.Y.data(), n_);
            s.RhoLiquid = m_.Density(T, p, x, TMixturePhase::Liquid, s.RhoLiquid);
            s.RhoVapour = m_.Density(T, p, y, TMixturePhase::Vapour, s.RhoVapour);
            if (!(s.RhoLiquid > 0.0) || !(s.RhoVapour > 0.0)) {
                s.Status = TEquilibriumStatus::NoDensity;
                return s;
            }
            if (s.RhoLiquid - s.RhoVapour < TrivialDensityGap * s.RhoVapour) {
                s.Status = TEquilibriumStatus::TrivialSolution;
                return s;
            }
            m_.LnFugacityCoefficients(T, s.RhoLiquid, x, {lnPhiL.data(), n_}, p);
            m_.LnFugacityCoefficients(T, s.RhoVapour, y, {lnPhiV.data(), n_}, p);
            double change = 0.0;
            for (std::size_t i = 0; i < n_; ++i) {
                const double lnK = lnPhiL[i] - lnPhiV[i];
                change = std::max(change, std::fabs(lnK - std::log(K[i])));
                K[i] = std::exp(lnK);
            }
            if (change < LnKTolerance) {
                // The split of the final K, so that the phases give back the feed exactly.
                s.Beta = RachfordRice(z_, K);
                for (std::size_t i = 0; i < n_; ++i) {
                    s.X[i] = z_[i] / (1.0 + s.Beta * (K[i] - 1.0));
                    s.Y[i] = K[i] * s.X[i];
                }
                s.RhoLiquid = m_.Density(T, p, x, TMixturePhase::Liquid, s.RhoLiquid);
                s.RhoVapour = m_.Density(T, p, y, TMixturePhase::Vapour, s.RhoVapour);
                if (!(s.RhoLiquid > 0.0) || !(s.RhoVapour > 0.0)) {
                    s.Status = TEquilibriumStatus::NoDensity;
                    return s;
                }
                s.Quality = Quality(s);
                s.Status = TEquilibriumStatus::Converged;
                return s;
            }
        }
        s.Status = TEquilibriumStatus::NoConvergence;
        return s;
    }

    // Regula falsi on u (T or ln p) between the bubble end and the dew end for a root of
    // measure(state), which is gBubble at the bubble end and gDew at the dew end (of opposite
    // signs); at(u, K) is the flash at u.
    template <class Measure, class AtU>
    TTwoPhaseState Search(double uBubble, double uDew, const TEquilibrium& bubble,
                          const TEquilibrium& dew, double gBubble, double gDew, double tolerance,
                          Measure measure, AtU at) const {
        // Start values of ln K at each end: the incipient phase against the feed.
        TComposition lnKb{}, lnKd{};
        for (std::size_t i = 0; i < n_; ++i) {
            lnKb[i] = std::log(bubble.Y[i] / z_[i]);
            lnKd[i] = std::log(z_[i] / dew.X[i]);
        }
        double a = uBubble, b = uDew, ga = gBubble, gb = gDew;
        int side = 0;
        TTwoPhaseState best;
        for (int step = 0; step < MaxOuterSteps; ++step) {
            const double u = (a * gb - b * ga) / (gb - ga);
            // ln K interpolated between the bracket's ends, whose K are the converged ones of
            // the last flashes there: the closer the bracket, the fewer substitution steps.
            const double w = b != a ? std::clamp((u - a) / (b - a), 0.0, 1.0) : 0.5;
            TComposition K{};
            for (std::size_t i = 0; i < n_; ++i) K[i] = std::exp((1.0 - w) * lnKb[i] + w * lnKd[i]);
            TTwoPhaseState s = at(u, K);
            if (!s.Ok()) return s;
            const double g = measure(s);
            if (s.Beta > 0.0 && s.Beta < 1.0 &&
                (std::fabs(g) < tolerance || std::fabs(b - a) < 4e-16 * std::fabs(u))) {
                return s;
            }
            best = s;
            // A split inside (0, 1) converged its K; at an end the K are the start values.
            const bool split = s.Beta > 0.0 && s.Beta < 1.0;
            if ((g > 0.0) == (gb > 0.0)) {
                b = u;
                gb = g;
                if (split)
                    for (std::size_t i = 0; i < n_; ++i) lnKd[i] = std::log(K[i]);
                if (side == -1) ga *= 0.5;
                side = -1;
            } else {
                a = u;
                ga = g;
                if (split)
                    for (std::size_t i = 0; i < n_; ++i) lnKb[i] = std::log(K[i]);
                if (side == 1) gb *= 0.5;
                side = 1;
            }
        }
        best.Status = TEquilibriumStatus::NoConvergence;
        return best;
    }

    // Molar enthalpy or entropy of the two phases together.
    double Caloric(const TTwoPhaseState& s, bool enthalpy) const {
        const TMixtureState l = m_.State(s.T, s.RhoLiquid, {s.X.data(), n_});
        const TMixtureState v = m_.State(s.T, s.RhoVapour, {s.Y.data(), n_});
        return enthalpy ? (1.0 - s.Beta) * l.H + s.Beta * v.H : (1.0 - s.Beta) * l.S + s.Beta * v.S;
    }

  private:
    double Quality(const TTwoPhaseState& s) const {
        double massV = 0.0;
        for (std::size_t i = 0; i < n_; ++i) massV += s.Y[i] * m_.Component(i).M;
        return s.Beta * massV / massZ_;
    }

    const TMixture& m_;
    std::size_t n_;
    std::span<const double> z_;
    double massZ_ = 0.0;
};

// A vapour fraction 0 or 1: the bubble or dew point as a two-phase state.
TTwoPhaseState FromSaturation(const TEquilibrium& e, double q) {
    TTwoPhaseState s;
    s.Status = e.Status;
    s.T = e.T;
    s.P = e.P;
    s.Beta = q;
    s.Quality = q;
    s.RhoLiquid = e.RhoLiquid;
    s.RhoVapour = e.RhoVapour;
    s.X = e.X;
    s.Y = e.Y;
    return s;
}

bool ValidQuality(double q) {
    return q >= 0.0 && q <= 1.0;
}

}  // namespace

TTwoPhaseState TwoPhaseAtP(const TMixture& mixture, double p, double q) {
    if (!ValidQuality(q) || !(p > 0.0)) return {};
    const TEquilibrium bubble = SaturationAtP(mixture, TSaturationKind::Bubble, p);
    if (!bubble.Ok() || q == 0.0) return FromSaturation(bubble, 0.0);
    const TEquilibrium dew = SaturationAtP(mixture, TSaturationKind::Dew, p);
    if (!dew.Ok() || q == 1.0) return FromSaturation(dew, 1.0);
    const TFlash flash(mixture);
    return flash.Search(
        bubble.T, dew.T, bubble, dew, -q, 1.0 - q, QualityTolerance,
        [q](const TTwoPhaseState& s) { return s.Quality - q; },
        [&](double T, TComposition& K) { return flash.AtTP(T, p, K); });
}

TTwoPhaseState TwoPhaseAtT(const TMixture& mixture, double T, double q) {
    if (!ValidQuality(q) || !(T > 0.0)) return {};
    const TEquilibrium bubble = SaturationAtT(mixture, TSaturationKind::Bubble, T);
    if (!bubble.Ok() || q == 0.0) return FromSaturation(bubble, 0.0);
    const TEquilibrium dew = SaturationAtT(mixture, TSaturationKind::Dew, T);
    if (!dew.Ok() || q == 1.0) return FromSaturation(dew, 1.0);
    const TFlash flash(mixture);
    // In ln p: the vapour fraction rises from the bubble pressure down to the dew pressure.
    return flash.Search(
        std::log(bubble.P), std::log(dew.P), bubble, dew, -q, 1.0 - q, QualityTolerance,
        [q](const TTwoPhaseState& s) { return s.Quality - q; },
        [&](double lnP, TComposition& K) { return flash.AtTP(T, std::exp(lnP), K); });
}

TTwoPhaseState TwoPhaseAtTP(const TMixture& mixture, double T, double p, const TEquilibrium& bubble,
                            const TEquilibrium& dew) {
    if (!bubble.Ok() || !dew.Ok() || !(T > bubble.T && T < dew.T) || !(p > 0.0)) return {};
    const std::span<const double> z = mixture.Composition();
    const double w = (T - bubble.T) / (dew.T - bubble.T);
    TComposition K{};
    for (std::size_t i = 0; i < mixture.Size(); ++i)
        K[i] = std::exp((1.0 - w) * std::log(bubble.Y[i] / z[i]) + w * std::log(z[i] / dew.X[i]));
    return TFlash(mixture).AtTP(T, p, K);
}

TTwoPhaseState TwoPhaseAtTPFrom(const TMixture& mixture, double T, double p, TComposition K) {
    if (!(T > 0.0) || !(p > 0.0)) return {};
    return TFlash(mixture).AtTP(T, p, K);
}

TTwoPhaseState TwoPhaseAtPCaloric(const TMixture& mixture, double p, double target, bool enthalpy,
                                  const TEquilibrium& bubble, const TEquilibrium& dew) {
    if (!bubble.Ok() || !dew.Ok() || !(p > 0.0)) return {};
    const TFlash flash(mixture);
    const std::span<const double> z = mixture.Composition();
    const TMixtureState l = mixture.State(bubble.T, bubble.RhoLiquid, z);
    const TMixtureState v = mixture.State(dew.T, dew.RhoVapour, z);
    const double gBubble = (enthalpy ? l.H : l.S) - target;
    const double gDew = (enthalpy ? v.H : v.S) - target;
    if (!(gBubble < 0.0 && gDew > 0.0)) return {};
    // 1e-12 of the enthalpy (entropy) of vaporisation: below what any shown digit carries.
    const double tolerance = 1e-12 * (gDew - gBubble);
    return flash.Search(
        bubble.T, dew.T, bubble, dew, gBubble, gDew, tolerance,
        [&](const TTwoPhaseState& s) { return flash.Caloric(s, enthalpy) - target; },
        [&](double T, TComposition& K) { return flash.AtTP(T, p, K); });
}
