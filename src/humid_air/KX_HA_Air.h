#pragma once
// Dry air as one pseudo-pure fluid for the transport properties of humid air: the equation of
// state of Lemmon et al. (2000) at finite density (the humid-air model needs only its virial
// limits) and the viscosity and thermal conductivity of Lemmon & Jacobsen (2004). SI units, molar
// density in mol/m3.
#include "KX_Transport_Correlation.h"

namespace ha::air {

inline constexpr double R = 8.31451;     // J/(mol K) of the air equation
inline constexpr double M = 0.02896546;  // kg/mol of the air equation
inline constexpr double Tj = 132.6312;   // reducing temperature (maxcondentherm), K
inline constexpr double RhoJ = 10447.7;  // reducing density, mol/m3
inline constexpr double Pj = 3785020.0;  // reducing pressure, Pa

// Pressure and the caloric quantities the thermal conductivity needs at (T, rho).
struct TAirState {
    double p;       // Pa
    double dpdrho;  // (dp/drho)_T, Pa m3/mol
    double cp, cv;  // J/(mol K)
};
TAirState StateRhoT(double T, double rho);

// Molar density at (T, p) of the stable phase, evaluated as one homogeneous phase: Newton from
// the ideal gas and, below the maxcondentherm, from a liquid-like density too. 0 when neither
// converges.
double Density(double T, double p);

// The correlations as data of the program's transport term types.
extern const kxtransport::TViscosityCorrelation Viscosity;
extern const kxtransport::TConductivityCorrelation Conductivity;

// The state the correlations take at (T, rho), with the caloric part for the critical term.
kxtransport::TTransportState TransportState(double T, double rho);

// Viscosity (Pa s) and thermal conductivity (W/(m K)) at (T, rho).
double ViscosityRhoT(double T, double rho);
double ConductivityRhoT(double T, double rho);

}  // namespace ha::air
