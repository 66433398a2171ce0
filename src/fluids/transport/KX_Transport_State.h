#pragma once
// The equation-of-state quantities the transport correlations are written in: SI units, molar
// basis (the correlations name which density each term takes). A state is filled from a fluid
// object at density D (kg/m3) and temperature T (°C); tests fill it directly from published
// states to check a correlation apart from the equation of state.
#include "HelmholzFluidObject.h"

namespace kxtransport {

struct TTransportState {
    double T = 0.0;        // K
    double rho = 0.0;      // molar density, mol/m3
    double rhoMass = 0.0;  // mass density, kg/m3
    // Filled by AddCaloricState only:
    double cp = 0.0;         // isobaric heat capacity, J/(mol K)
    double cv = 0.0;         // isochoric heat capacity, J/(mol K)
    double cp0 = 0.0;        // ideal-gas isobaric heat capacity, J/(mol K)
    double dpdrho = 0.0;     // (dp/drho)_T at (T, rho), Pa m3/mol
    double dpdrhoRef = 0.0;  // (dp/drho)_T at (Tref, rho), Pa m3/mol; 0 when Tref was 0
    double alphar = 0.0;     // residual reduced Helmholtz energy
    double Z = 0.0;          // compressibility factor
    double sr = 0.0;         // residual molar entropy R (tau alphar_tau - alphar), J/(mol K)
};

// Molar gas constant of the fluid's equation of state, J/(mol K).
inline double MolarGasConstant(const THelmholzFluid& fluid) {
    return fluid.R_ * fluid.MM_;
}

// Temperature and both densities at D (kg/m3) and T (°C); no equation-of-state evaluation.
TTransportState DensityState(const THelmholzFluid& fluid, double D, double T);

// Adds the caloric quantities and (dp/drho)_T from the fluid's equation of state; with
// TrefK > 0 also (dp/drho)_T at the same molar density and TrefK (the critical enhancement's
// reference temperature).
void AddCaloricState(const THelmholzFluid& fluid, double TrefK, TTransportState& state);

// Both of the above.
inline TTransportState CaloricState(const THelmholzFluid& fluid, double D, double T, double TrefK) {
    TTransportState state = DensityState(fluid, D, T);
    AddCaloricState(fluid, TrefK, state);
    return state;
}

}  // namespace kxtransport
