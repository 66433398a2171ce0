#include "KX_ECS_ConformalState.h"

#include <cmath>

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

}  // namespace

TConformalState SolveConformalState(const TECSReferenceFluid& reference, double alphar, double Z,
                                    double T0start, double rho0start) {
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
    state.converged = std::isfinite(m.norm) && m.norm < ConformalStateTolerance;
    return state;
}

TConformalState SolveConformalState(const TECSReferenceFluid& reference, double T, double rho,
                                    double alphar, double Z, double fluidTred, double fluidDred) {
    return SolveConformalState(reference, alphar, Z, T * reference.Tred / fluidTred,
                               rho * reference.Dred / fluidDred);
}

}  // namespace kxtransport
