#pragma once
// Viscosity and thermal conductivity of R1234yf, R1233zd(E), R143a and R1336mzz(Z) from density
// and temperature, and the ranges of their correlations. The extended-corresponding-states
// viscosities of the last three are bound here to R134a as reference fluid (the program's own
// R134a equation of state, which lives in this layer); their conductivities take that viscosity
// in the critical enhancement.
#include "HelmholzFluidObject.h"
#include "KX_ECS_Models.h"
#include "KX_Transport_PT.h"

namespace kxtransport {

// The viscosity models of transport/KX_Transport_<fluid>.cpp with the R134a reference.
const TECSViscosity& R1233zdEECSViscosity();
const TECSViscosity& R143aECSViscosity();
const TECSViscosity& R1336mzzZECSViscosity();

// Pa s and W/(m K) at density D (kg/m3) and temperature T (°C) of `fluid`, the fluid's own
// equation of state. The extended-corresponding-states ones are NaN where no conformal state is
// found.
double R1234yfViscosityDT(const THelmholzFluid& fluid, double D, double T);
double R1234yfConductivityDT(const THelmholzFluid& fluid, double D, double T);
double R1233zdEViscosityDT(const THelmholzFluid& fluid, double D, double T);
double R1233zdEConductivityDT(const THelmholzFluid& fluid, double D, double T);
double R143aViscosityDT(const THelmholzFluid& fluid, double D, double T);
double R143aConductivityDT(const THelmholzFluid& fluid, double D, double T);
double R1336mzzZViscosityDT(const THelmholzFluid& fluid, double D, double T);
double R1336mzzZConductivityDT(const THelmholzFluid& fluid, double D, double T);

}  // namespace kxtransport

// ---- Ranges (program units: bar, °C) ----

// R1234yf viscosity (Huber and Assael 2016): 220 K to 410 K, up to 30 MPa. The conductivity
// (Perkins and Huber 2011) was fitted with the equation of state of Richter et al. (2011), whose
// range is the same.
inline constexpr TTransportRange R1234yfViscosityRange{
    .PmaxBar = 300.0, .TminC = 220.0 - 273.15, .TmaxC = 410.0 - 273.15};
inline constexpr TTransportRange R1234yfConductivityRange = R1234yfViscosityRange;

// R1233zd(E) (Huber 2018; Perkins and Huber 2017): the range of the equation of state both were
// built on (Mondejar et al. 2015), 195.15 K to 550 K, up to 100 MPa.
inline constexpr TTransportRange R1233zdEViscosityRange{
    .PmaxBar = 1000.0, .TminC = 195.15 - 273.15, .TmaxC = 550.0 - 273.15};
inline constexpr TTransportRange R1233zdEConductivityRange = R1233zdEViscosityRange;

// R143a (Huber 2018): the range of the equation of state of Lemmon and Jacobsen (2000), 161.34 K
// to 450 K, up to 50 MPa.
inline constexpr TTransportRange R143aViscosityRange{
    .PmaxBar = 500.0, .TminC = 161.34 - 273.15, .TmaxC = 450.0 - 273.15};
inline constexpr TTransportRange R143aConductivityRange = R143aViscosityRange;

// R1336mzz(Z) (Huber 2018; Perkins and Huber 2020): the range of the equation of state of
// McLinden and Akasaka (2020), 182.65 K to 500 K, up to 46 MPa.
inline constexpr TTransportRange R1336mzzZViscosityRange{
    .PmaxBar = 460.0, .TminC = 182.65 - 273.15, .TmaxC = 500.0 - 273.15};
inline constexpr TTransportRange R1336mzzZConductivityRange = R1336mzzZViscosityRange;
