#pragma once
// The validity of the transport correlations of R290, R600a, R1234ze(E) and R245fa
// (transport/KX_Transport_<fluid>.cpp) in the form their library files give it, beside the
// equation of state's own limits. Each conductivity's critical term needs its fluid's viscosity,
// so a conductivity range never reaches beyond the viscosity's pole.
#include "KX_Transport_PT.h"
#include "transport/KX_Transport_Fluids.h"

namespace kxtransport {

// The close-packed pole of a viscosity's residual term at T (°C) in kg/m3: compressed liquid
// reaches it, so there is no value at or above it (code 107).
template <const TViscosityCorrelation* Model>
double ViscosityPoleDensity(const THelmholzFluid& fluid, double T) {
    return ClosePackedDensity(*Model->residualSum, T + fluid.dta) * fluid.MM_ / 1000.0;
}

// R290: Vogel et al. (1998) from the triple point to 625 K and up to 100 MPa; Marsh et al. (2002)
// from 86 K to 600 K and up to 70 MPa.
inline constexpr TTransportRange R290ViscosityRange{
    .PmaxBar = 1000.0, .TmaxC = 625.0 - 273.15, .DmaxOfT = &ViscosityPoleDensity<&R290Viscosity>};
inline constexpr TTransportRange R290ConductivityRange{
    .PmaxBar = 700.0,
    .TminC = 86.0 - 273.15,
    .TmaxC = 600.0 - 273.15,
    .DmaxOfT = &ViscosityPoleDensity<&R290Viscosity>};

// R600a: the viscosity within the equation of state's range (113.73 K to 575 K, 35 MPa) below
// its pole; the conductivity of Perkins (2002) from 114 K to 600 K and up to 70 MPa.
inline constexpr TTransportRange R600aViscosityRange{.DmaxOfT =
                                                         &ViscosityPoleDensity<&R600aViscosity>};
inline constexpr TTransportRange R600aConductivityRange{
    .PmaxBar = 700.0,
    .TminC = 114.0 - 273.15,
    .TmaxC = 600.0 - 273.15,
    .DmaxOfT = &ViscosityPoleDensity<&R600aViscosity>};

// R1234ze(E): Huber and Assael (2016) from the triple point (169 K) to 420 K and up to 100 MPa;
// the conductivity (Perkins and Huber 2011) within the same range, which its critical term's
// viscosity needs.
inline constexpr TTransportRange R1234zeEViscosityRange{
    .PmaxBar = 1000.0, .TminC = 169.0 - 273.15, .TmaxC = 420.0 - 273.15};
inline constexpr TTransportRange R1234zeEConductivityRange = R1234zeEViscosityRange;

// R245fa (Perkins et al. 2016): both within the equation of state's range (171.05 K to 440 K,
// 200 MPa); neither has a pole.
inline constexpr TTransportRange R245faViscosityRange{};
inline constexpr TTransportRange R245faConductivityRange{};

}  // namespace kxtransport
