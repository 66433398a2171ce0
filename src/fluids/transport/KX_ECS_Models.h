#pragma once
// Extended-corresponding-states (ECS) transport models: the viscosity of Klein, McLinden and
// Laesecke (1997) and the thermal conductivity of McLinden, Klein and Perkins (2000), in the form
// Huber, Laesecke and Perkins (2003) also use. The fluid at (T, rho) is mapped on a reference
// fluid at its conformal state (T0, rho0); the reference's density-dependent viscosity and its
// residual conductivity, taken at (T0, psi rho0) with the fluid's shape factor psi, are scaled by
// f = T / T0 and h = rho0 / rho and added to the fluid's own dilute-gas terms.
//
// Units: SI, molar density (mol/m3) unless a member says otherwise.
#include "KX_ECS_ConformalState.h"
#include "KX_Transport_State.h"
#include "KX_Transport_Terms.h"

namespace kxtransport {

// What the models take from the reference fluid: its equation of state for the conformal state,
// the dilute viscosity that its initial-density term needs, the initial-density and residual
// viscosity terms, and its residual thermal conductivity.
struct TECSReference {
    TECSReferenceFluid eos;
    TViscosityDiluteFitted dilute;
    TViscosityInitialDensity initialDensity;
    TViscosityResidualSum residual;
    TConductivityResidualPolynomial residualConductivity;
};

// Constants of the fluid's own equation of state the models use.
struct TECSFluid {
    double M;       // molar mass, kg/mol
    double R;       // molar gas constant, J/(mol K)
    double Tred;    // reducing temperature, K (start of the conformal-state solve)
    double rhoRed;  // reducing molar density, mol/m3 (same)
};

// Shape factor psi = sum a_i (rho / rhoRed)^t_i of the fluid's molar density.
struct TECSShapeFactor {
    TCoefficients a, t;
    double rhoRed;  // mol/m3, the correlation's own value
};
double Evaluate(const TECSShapeFactor& psi, double rho);

// V10: ECS viscosity. eta = eta0 + F_eta [eta1_ref + d_eta_ref](T0, psi rho0), eta0 from the
// Neufeld collision integral with the fluid's Lennard-Jones parameters,
// F_eta = sqrt(f) h^(-2/3) sqrt(M / M_ref).
struct TECSViscosity {
    const TECSReference* reference;
    TECSFluid fluid;
    double sigma;         // Lennard-Jones diameter, m
    double epsilonOverK;  // K
    TECSShapeFactor psi;
    double Fc = 1.0;  // factor of eta0 (Huber 2018); 1 in the older models
};

// K9: ECS thermal conductivity. lambda = lambda_int + lambda_trans + F_lambda d_lambda_ref(T0,
// psi rho0) + lambda_c with lambda_trans = 15/4 (R/M) eta0, lambda_int = f_int eta0 [µPa s]
// (cp0 - 5/2 R) / M / 1000 (per kg), F_lambda = sqrt(f) h^(-2/3) sqrt(M_ref / M), and lambda_c
// the critical enhancement with the fluid's total viscosity.
struct TECSConductivity {
    const TECSReference* reference;
    TECSFluid fluid;
    double sigma;                // Lennard-Jones diameter of eta0, m
    double epsilonOverK;         // K
    TCoefficients fintA, fintT;  // f_int = sum a_i (T / fintTred)^t_i
    double fintTred;             // K
    TECSShapeFactor psi;
    TConductivityCritical critical;
};

// The conformal state of the fluid at `state` (needs state.alphar and state.Z).
TConformalState ConformalState(const TECSReference& reference, const TECSFluid& fluid,
                               const TTransportState& state);

// The model at a conformal state found before (so viscosity and conductivity can share it).
// A nearest state (see TConformalState) is used as found: in the dilute gas where it occurs the
// reference's density-dependent part is a few per cent of the total at most. Where no state was
// found at all the parts that need it are NaN.
TViscosityParts EvaluateParts(const TECSViscosity& model, const TTransportState& state,
                              const TConformalState& conformal);
TConductivityParts EvaluateParts(const TECSConductivity& model, const TTransportState& state,
                                 const TConformalState& conformal, double eta);

}  // namespace kxtransport
