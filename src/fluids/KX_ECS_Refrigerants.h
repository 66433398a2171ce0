#pragma once
// The extended-corresponding-states transport models of R22 and R32: R22 viscosity after Klein,
// McLinden & Laesecke (1997) and conductivity after McLinden, Klein & Perkins (2000), both with
// R134a as reference fluid (the program's own R134a equation of state); R32 viscosity and
// conductivity after Huber, Laesecke & Perkins (2003) with propane as reference fluid.
#include "HelmholzFluidObject.h"
#include "KX_ECS_Models.h"

namespace kxtransport {

// R134a as reference fluid: the program's R134a equation of state, evaluated as one phase,
// its viscosity (Huber, Laesecke & Perkins 2003) and residual conductivity (McLinden et al.
// 2000).
const TECSReference& R134aReference();

const TECSViscosity& R22Viscosity();
const TECSConductivity& R22Conductivity();
const TECSViscosity& R32Viscosity();
const TECSConductivity& R32Conductivity();

// A model at density D (kg/m3) and temperature T (°C) of `fluid`, in Pa s and W/(m K). The
// conformal state is solved once and shared by the conductivity and the viscosity of its critical
// enhancement. NaN where the conformal state is not found.
double ECSViscosityDT(const TECSViscosity& model, const THelmholzFluid& fluid, double D, double T);
double ECSConductivityDT(const TECSViscosity& viscosity, const TECSConductivity& conductivity,
                         const THelmholzFluid& fluid, double D, double T);
// The Prandtl number cp eta / lambda with cp from CpDT, from one conformal state for both.
double ECSPrandtlDT(const TECSViscosity& viscosity, const TECSConductivity& conductivity,
                    const THelmholzFluid& fluid, double D, double T);

// Highest density of the R22 viscosity (kg/m3): the saturated liquid at the triple point. Beyond
// it the conformal state of the compressed cold liquid nears the close-packed pole of the R134a
// viscosity (reached at about 1773 kg/m3 of R22), where the viscosity grows without bound.
inline constexpr double R22ViscosityDensityLimit = 1720.0;

// The four models bound to plain functions of (fluid, D, T) for the library path.
double R22ViscosityDT(const THelmholzFluid& fluid, double D, double T);
double R22ConductivityDT(const THelmholzFluid& fluid, double D, double T);
double R32ViscosityDT(const THelmholzFluid& fluid, double D, double T);
double R32ConductivityDT(const THelmholzFluid& fluid, double D, double T);
double R22PrandtlDT(const THelmholzFluid& fluid, double D, double T);
double R32PrandtlDT(const THelmholzFluid& fluid, double D, double T);

}  // namespace kxtransport
