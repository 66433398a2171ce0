#pragma once
// The validity of the transport correlations of R125 (transport/KX_Transport_R125.cpp) in the
// form its library file gives it, beside the equation of state's own limits (172.52 K to 500 K,
// 60 MPa). The conductivity's critical term needs the viscosity, so its range never reaches
// beyond the viscosity's pole.
#include "KX_Transport_Ranges_R290_R600a_R1234zeE_R245fa.h"

namespace kxtransport {

// Huber and Laesecke (2006): the triple point to 500 K, up to 60 MPa, below the close-packed
// pole; Perkins and Huber (2006): 190 K to 512 K, up to 70 MPa.
inline constexpr TTransportRange R125ViscosityRange{.DmaxOfT =
                                                        &ViscosityPoleDensity<&R125Viscosity>};
inline constexpr TTransportRange R125ConductivityRange{
    .TminC = 190.0 - 273.15, .DmaxOfT = &ViscosityPoleDensity<&R125Viscosity>};

}  // namespace kxtransport
