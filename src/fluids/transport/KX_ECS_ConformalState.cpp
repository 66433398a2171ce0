#include "KX_ECS_ConformalState.h"

#include <algorithm>
#include <cmath>
#include <limits>

#include "KX_FloatingPoint.h"

namespace kxtransport {

namespace {

// The mismatch of alpha^r and Z at one trial state, with the derivatives the Jacobian needs.
struct TMismatch {
    double f1 = 0.0;  // alpha^r_ref - alpha^r
    double f2 = 0.0;  // Z_ref - Z
    double norm = 0.0;
    THelmholzResidual r;
};

TMismatch MismatchAt(const TECSReferenceFluid& reference, double alphar, double Z, double T0,
                     double rho0) {
    TMismatch m;
    const double delta = rho0 / reference.Dred;
    reference.Residual(delta, reference.Tred / T0, m.r);
    m.f1 = m.r.Phi - alphar;
    m.f2 = 1.0 + delta * m.r.Phid - Z;
    m.norm = std::hypot(m.f1, m.f2);
    return m;
}

constexpr int MaxPasses = 50;
constexpr int MaxHalvings = 10;  // smallest step 1/1024 of the Newton step

// The density at which the reference at T0 has the residual Helmholtz energy alphar, by Newton
// iteration in ln rho0 from rho0 (which keeps it positive); the Z mismatch there. NaN when the
// iteration does not settle.
struct TIsoAlpha {
    double rho0;
    double zMismatch;
};
TIsoAlpha MatchAlpharAt(const TECSReferenceFluid& reference, double alphar, double Z, double T0,
                        double rho0) {
    const double tau = reference.Tred / T0;
    THelmholzResidual r;
    for (int pass = 0; pass < MaxPasses; ++pass) {
        const double delta = rho0 / reference.Dred;
        reference.Residual(delta, tau, r);
        const double f = r.Phi - alphar;
        if (!std::isfinite(f)) break;
        if (std::fabs(f) < 0.1 * ConformalStateTolerance) return {rho0, 1.0 + delta * r.Phid - Z};
        const double slope = delta * r.Phid;  // d alpha^r / d ln rho0
        if (slope == 0.0) break;
        // At most a factor e per pass, so a flat stretch cannot throw rho0 far away.
        rho0 *= std::exp(std::clamp(-f / slope, -1.0, 1.0));
    }
    return {rho0, std::numeric_limits<double>::quiet_NaN()};
}

// Conformal temperatures farther from the start than these factors belong to spurious roots
// (found at low density, where the equations hardly depend on T0).
constexpr double LowestT0Factor = 0.5;
constexpr double HighestT0Factor = 2.0;

// The fallback where Newton fails or ends on a spurious root. In a dilute gas alpha^r and Z - 1
// are nearly proportional, so the Jacobian is nearly singular and only the third virial
// coefficients tell T0 apart. Here rho0(T0) matches alpha^r exactly and T0 is the root of the Z
// mismatch nearest the start (in ln T0) within the factors above. Where the mismatch has no root
// there (for R32 on propane, the cold vapour: the two roots meet and vanish as the density
// rises), T0 is where the mismatch is least, which continues the vanished root smoothly.
TConformalState IsoAlphaSearch(const TECSReferenceFluid& reference, double alphar, double Z,
                               double T0start, double rho0start) {
    constexpr int GridPoints = 19;
    constexpr double GridRatio = 1.08;  // LowestT0Factor ... HighestT0Factor
    double T0[GridPoints];
    TIsoAlpha at[GridPoints];
    double rho0 = rho0start;
    for (int k = 0; k < GridPoints; ++k) {
        T0[k] = LowestT0Factor * T0start * std::pow(GridRatio, k);
        at[k] = MatchAlpharAt(reference, alphar, Z, T0[k], rho0);
        if (std::isfinite(at[k].zMismatch)) rho0 = at[k].rho0;
    }
    // The sign change nearest the start, else the least mismatch.
    int bracket = -1, best = -1;
    double bracketDistance = HUGE_VAL;
    for (int k = 0; k < GridPoints; ++k) {
        if (!std::isfinite(at[k].zMismatch)) continue;
        if (best < 0 || std::fabs(at[k].zMismatch) < std::fabs(at[best].zMismatch)) best = k;
        if (k + 1 < GridPoints && std::isfinite(at[k + 1].zMismatch) &&
            (at[k].zMismatch < 0.0) != (at[k + 1].zMismatch < 0.0)) {
            const double distance = std::fabs(std::log(T0[k] / T0start));
            if (distance < bracketDistance) bracketDistance = distance, bracket = k;
        }
    }
    TConformalState state;
    if (best < 0) return state;
    TIsoAlpha result = at[best];
    double T0result = T0[best];
    if (bracket >= 0) {
        // Bisection in ln T0: the mismatch is smooth but nearly flat, so no interpolation.
        double lo = T0[bracket], hi = T0[bracket + 1];
        result = at[bracket];
        for (int pass = 0; pass < MaxPasses && hi / lo - 1.0 > 1e-12; ++pass) {
            const double mid = std::sqrt(lo * hi);
            const TIsoAlpha m = MatchAlpharAt(reference, alphar, Z, mid, result.rho0);
            if (!std::isfinite(m.zMismatch)) break;
            if ((m.zMismatch < 0.0) == (result.zMismatch < 0.0))
                lo = mid, result = m;
            else
                hi = mid;
        }
        T0result = lo;
    } else {
        // Golden-section search for the least |mismatch| between the neighbours of the best
        // grid point, in ln T0.
        constexpr double g = 0.6180339887498949;
        double a = std::log(T0[std::max(best - 1, 0)]);
        double b = std::log(T0[std::min(best + 1, GridPoints - 1)]);
        auto mismatch = [&](double lnT0) {
            const TIsoAlpha m = MatchAlpharAt(reference, alphar, Z, std::exp(lnT0), result.rho0);
            return std::isfinite(m.zMismatch) ? std::fabs(m.zMismatch) : HUGE_VAL;
        };
        double c = b - g * (b - a), d = a + g * (b - a);
        double fc = mismatch(c), fd = mismatch(d);
        for (int pass = 0; pass < MaxPasses && b - a > 1e-10; ++pass) {
            if (fc < fd)
                b = d, d = c, fd = fc, c = b - g * (b - a), fc = mismatch(c);
            else
                a = c, c = d, fc = fd, d = a + g * (b - a), fd = mismatch(d);
        }
        const double lnT0 = 0.5 * (a + b);
        const TIsoAlpha m = MatchAlpharAt(reference, alphar, Z, std::exp(lnT0), result.rho0);
        if (std::isfinite(m.zMismatch) && std::fabs(m.zMismatch) <= std::fabs(result.zMismatch))
            result = m, T0result = std::exp(lnT0);
    }
    state.T0 = T0result;
    state.rho0 = result.rho0;
    state.residual = std::fabs(result.zMismatch);
    return state;
}

}  // namespace

TConformalState SolveConformalState(const TECSReferenceFluid& reference, double alphar, double Z,
                                    double T0start, double rho0start) {
    // Trial states far off may overflow; the solver judges its trials by their values and
    // reports failure itself, so their faults must not reach the library's entry guard.
    TFloatingPointScope scope;
    TConformalState state;
    state.T0 = T0start;
    state.rho0 = rho0start;
    TMismatch m = MismatchAt(reference, alphar, Z, state.T0, state.rho0);
    for (; state.passes < MaxPasses; ++state.passes) {
        if (!std::isfinite(m.norm) || m.norm < ConformalStateTolerance) break;
        const double delta = state.rho0 / reference.Dred;
        const double dTauDT0 = -reference.Tred / (state.T0 * state.T0);
        const double j11 = m.r.Phit * dTauDT0;
        const double j12 = m.r.Phid / reference.Dred;
        const double j21 = delta * m.r.Phidt * dTauDT0;
        const double j22 = (m.r.Phid + delta * m.r.Phidd) / reference.Dred;
        const double det = j11 * j22 - j12 * j21;
        if (det == 0.0 || !std::isfinite(det)) break;
        const double dT = -(j22 * m.f1 - j12 * m.f2) / det;
        const double dRho = -(j11 * m.f2 - j21 * m.f1) / det;

        // Full step first; halve it while it leaves the physical domain or the mismatch grows.
        // The last trial is kept even when it does not improve, so a flat stretch cannot stall.
        double scale = 1.0;
        TMismatch next;
        double T0 = state.T0, rho0 = state.rho0;
        for (int halving = 0; halving <= MaxHalvings; ++halving, scale *= 0.5) {
            T0 = state.T0 + scale * dT;
            rho0 = state.rho0 + scale * dRho;
            if (T0 <= 0.0 || rho0 <= 0.0) continue;
            next = MismatchAt(reference, alphar, Z, T0, rho0);
            if (std::isfinite(next.norm) && next.norm < m.norm) break;
        }
        if (T0 <= 0.0 || rho0 <= 0.0) break;
        state.T0 = T0;
        state.rho0 = rho0;
        m = next;
    }
    state.residual = m.norm;
    state.converged = std::isfinite(m.norm) && m.norm < ConformalStateTolerance &&
                      state.T0 >= LowestT0Factor * T0start && state.T0 <= HighestT0Factor * T0start;
    if (state.converged) return state;
    TConformalState fallback = IsoAlphaSearch(reference, alphar, Z, T0start, rho0start);
    fallback.passes = state.passes;
    fallback.converged = fallback.T0 > 0.0 && fallback.residual < ConformalStateTolerance;
    fallback.nearest = fallback.T0 > 0.0 && !fallback.converged;
    return fallback;
}

TConformalState SolveConformalState(const TECSReferenceFluid& reference, double T, double rho,
                                    double alphar, double Z, double fluidTred, double fluidDred) {
    return SolveConformalState(reference, alphar, Z, T * reference.Tred / fluidTred,
                               rho * reference.Dred / fluidDred);
}

}  // namespace kxtransport
