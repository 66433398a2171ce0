#pragma once
// The conformal state of the extended-corresponding-states transport models: the temperature T0
// and molar density rho0 at which a reference fluid has the same residual Helmholtz energy and
// compressibility factor as the fluid at (T, rho). The reference equation of state is evaluated
// as one homogeneous phase wherever (T0, rho0) falls, inside its two-phase region too.
//
// Units: kelvin, mol/m3, kg/mol.
#include "HelmholzFluidObject.h"

namespace kxtransport {

// A reference fluid: its reducing state, molar mass and residual Helmholtz energy with all
// derivatives at (delta, tau).
struct TECSReferenceFluid {
    double Tred;  // reducing temperature of its equation of state (K)
    double Dred;  // reducing molar density of its equation of state (mol/m3)
    double M;     // molar mass (kg/mol)
    void (*Residual)(double Delta, double Tau, THelmholzResidual& r);
};

struct TConformalState {
    double T0 = 0.0;
    double rho0 = 0.0;
    double residual = 0.0;  // Euclidean norm of (alpha^r mismatch, Z mismatch) at the result
    int passes = 0;         // Newton passes
    bool converged = false;
    // No conformal state exists (a dilute gas whose third virial coefficient the reference
    // cannot match): alpha^r matched, T0 that of the least Z mismatch, kept in residual.
    bool nearest = false;
};

// Residual norm below which the conformal state counts as found.
inline constexpr double ConformalStateTolerance = 1e-9;

// Newton iteration on alpha^r and Z from (T0start, rho0start), full steps halved while the
// mismatch grows (down to 1/1024 of a step), until the mismatch norm is below the tolerance.
// alphar and Z are the fluid's at (T, rho). Where Newton does not converge within its pass
// limit, or ends with T0 outside T0start / 2 ... 2 T0start (a spurious root of the dilute gas),
// a search along T0 with alpha^r matched exactly takes over: converged when it finds the root,
// nearest when there is none, neither when nothing could be evaluated.
TConformalState SolveConformalState(const TECSReferenceFluid& reference, double alphar, double Z,
                                    double T0start, double rho0start);

// The start the models use: both temperatures and both densities scaled by the reducing values
// of the two equations of state (fluidTred in K, fluidDred in mol/m3).
TConformalState SolveConformalState(const TECSReferenceFluid& reference, double T, double rho,
                                    double alphar, double Z, double fluidTred, double fluidDred);

}  // namespace kxtransport
