#pragma once
// Propane as the reference fluid of the R32 extended-corresponding-states transport models. It
// is not one of the program's fluids: only what the models need is here, its residual Helmholtz
// energy (Lemmon, McLinden & Wagner, J. Chem. Eng. Data 54 (2009) 3141) with its reducing
// constants, and the parts of its viscosity and thermal conductivity the models scale.
#include "HelmholzFluidObject.h"
#include "KX_ECS_ConformalState.h"
#include "KX_ECS_Models.h"

namespace kxtransport {

inline constexpr double PropaneTred = 369.89;   // K
inline constexpr double PropaneDred = 5000.0;   // mol/m3
inline constexpr double PropaneM = 0.04409562;  // kg/mol

// Residual Helmholtz energy alpha^r(delta, tau) and all its first and second derivatives, for
// delta > 0 and tau > 0 (delta = rho / PropaneDred, tau = PropaneTred / T).
void PropaneResidual(double Delta, double Tau, THelmholzResidual& r);

// Propane as the reference fluid of an ECS model: its equation of state (above), viscosity
// (Vogel et al. 1998) and residual thermal conductivity (Marsh, Perkins & Ramires 2002).
const TECSReference& PropaneReference();

}  // namespace kxtransport
