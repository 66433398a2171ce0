#pragma once
// The published transport and surface-tension correlations of the Helmholtz fluids, as data
// (one source file per fluid). Temperatures in K, densities as each term states; see
// KX_Transport_Correlation.h for their evaluation.
#include "KX_ECS_Models.h"
#include "KX_Transport_Correlation.h"
#include "KX_Transport_Terms.h"

namespace kxtransport {

// Ammonia: viscosity of Fenghour et al. (1995), V11; conductivity of Tufeu et al. (1984),
// K1 + K4 + K8; surface tension a (1 - T/Tc)^b with the reported critical temperature.
extern const TViscosityAmmonia NH3Viscosity;
extern const TConductivityCorrelation NH3Conductivity;
extern const TSurfaceTensionSum NH3SurfaceTension;

// Nitrogen: viscosity (V12 + V13) and conductivity (K10 + K11) of Stephan, Krauss and Laesecke
// (1987); surface tension of Mulero et al. (2012).
extern const TViscosityStephan N2Viscosity;
extern const TConductivityStephan N2Conductivity;
extern const TSurfaceTensionSum N2SurfaceTension;

// Oxygen (Lemmon and Jacobsen 2004): viscosity V1 + V6, conductivity K2 + K5 + K6.
extern const TViscosityCorrelation O2Viscosity;
extern const TConductivityCorrelation O2Conductivity;
extern const TSurfaceTensionSum O2SurfaceTension;

// Carbon dioxide: viscosity of Laesecke and Muzny (2017), V4 + V5 + V8; conductivity of Huber
// et al. (2016), K3 + K4 + K6.
extern const TViscosityCorrelation CO2Viscosity;
extern const TConductivityCorrelation CO2Conductivity;
extern const TSurfaceTensionSum CO2SurfaceTension;

// Argon (Lemmon and Jacobsen 2004): viscosity V1 + V6, conductivity K2 + K5 + K6.
extern const TViscosityCorrelation ArViscosity;
extern const TConductivityCorrelation ArConductivity;
extern const TSurfaceTensionSum ArSurfaceTension;

// Normal hydrogen: viscosity of Muzny et al. (2013), V1 + V5 + V7; conductivity of Assael et
// al. (2011), K1 + K4 + K6.
extern const TViscosityCorrelation H2Viscosity;
extern const TConductivityCorrelation H2Conductivity;
extern const TSurfaceTensionSum H2SurfaceTension;

// Parahydrogen: the normal-hydrogen viscosity unchanged; conductivity of Assael et al. (2011)
// with the para coefficients.
inline constexpr const TViscosityCorrelation& H2pViscosity = H2Viscosity;
extern const TConductivityCorrelation H2pConductivity;
extern const TSurfaceTensionSum H2pSurfaceTension;

// R123: viscosity of Tanaka and Sotani (1996), V3 + V6; conductivity of Laesecke et al.
// (1996), K1 + K4 + K7.
extern const TViscosityCorrelation R123Viscosity;
extern const TConductivityCorrelation R123Conductivity;
extern const TSurfaceTensionSum R123SurfaceTension;

// R134a: viscosity of Huber et al. (2003), V1 + V5 + V6; conductivity of McLinden et al.
// (2000), K1 + K4 + K6.
extern const TViscosityCorrelation R134aViscosity;
extern const TConductivityCorrelation R134aConductivity;
extern const TSurfaceTensionSum R134aSurfaceTension;

// R152a (Krauss et al. 1996): viscosity V1 + V6, conductivity K1 + K4 + K6 with that viscosity.
extern const TViscosityCorrelation R152aViscosity;
extern const TConductivityCorrelation R152aConductivity;
extern const TSurfaceTensionSum R152aSurfaceTension;

// R22 and R32: surface tension (their viscosity and conductivity are extended corresponding
// states models of their own).
extern const TSurfaceTensionSum R22SurfaceTension;
extern const TSurfaceTensionSum R32SurfaceTension;

// R1234yf: viscosity of Huber and Assael (2016), dilute ratio of polynomials + V5 + V6 + residual
// ratio of sums; conductivity of Perkins and Huber (2011), K1 + K4 + K6 with that viscosity.
extern const TConductivityCorrelation R1234yfConductivity;
extern const TViscosityCorrelation R1234yfViscosity;
extern const TSurfaceTensionSum R1234yfSurfaceTension;

// R1233zd(E), R143a and R1336mzz(Z): extended-corresponding-states viscosity on R134a with the
// scaled dilute gas (Huber 2018; its reference is bound in KX_New_Refrigerant_Transport.h) and
// conductivity K1 (R1336mzz(Z): fractional powers) + K4 + K6, whose critical enhancement takes
// that viscosity (evaluate with the overload that is given eta).
extern const TECSViscosity R1233zdEViscosity;
extern const TConductivityCorrelation R1233zdEConductivity;
extern const TSurfaceTensionSum R1233zdESurfaceTension;
extern const TECSViscosity R143aViscosity;
extern const TConductivityCorrelation R143aConductivity;
extern const TSurfaceTensionSum R143aSurfaceTension;
extern const TECSViscosity R1336mzzZViscosity;
extern const TConductivityCorrelation R1336mzzZConductivity;
extern const TSurfaceTensionSum R1336mzzZSurfaceTension;

// R290 (propane): viscosity of Vogel et al. (1998), V1 + V5 + V6 with a close-packed part;
// conductivity of Marsh et al. (2002), K1 + K4 + K6 with that viscosity.
extern const TViscosityCorrelation R290Viscosity;
extern const TConductivityCorrelation R290Conductivity;
extern const TSurfaceTensionSum R290SurfaceTension;

// R600a (isobutane): viscosity of Vogel et al. (2000), V1 + V5 + V6 with a close-packed part;
// conductivity of Perkins (2002), K1 + K4 + K6 with that viscosity.
extern const TViscosityCorrelation R600aViscosity;
extern const TConductivityCorrelation R600aConductivity;
extern const TSurfaceTensionSum R600aSurfaceTension;

// R1234ze(E): viscosity of Huber and Assael (2016), dilute ratio of polynomials + V5 + V6;
// conductivity of Perkins and Huber (2011), K1 + K4 + K6 with that viscosity; surface tension
// of Mulero and Cachadiña (2014).
extern const TViscosityCorrelation R1234zeEViscosity;
extern const TConductivityCorrelation R1234zeEConductivity;
extern const TSurfaceTensionSum R1234zeESurfaceTension;

// R245fa (Perkins et al. 2016): viscosity V1 + V5 + V6, conductivity K1 + K4 + K6 with that
// viscosity.
extern const TViscosityCorrelation R245faViscosity;
extern const TConductivityCorrelation R245faConductivity;
extern const TSurfaceTensionSum R245faSurfaceTension;

// R125 (pentafluoroethane): viscosity of Huber and Laesecke (2006), V2 + V5 + V6 with a
// close-packed part; conductivity of Perkins and Huber (2006), K1 + K4 + K6 with that viscosity;
// surface tension of Mulero et al. (2012).
extern const TViscosityCorrelation R125Viscosity;
extern const TConductivityCorrelation R125Conductivity;
extern const TSurfaceTensionSum R125SurfaceTension;

// The pseudo-pure blends R-410A, R-404A, R-407C and R-507A: viscosity of Geller et al. (2000),
// V3 (Σ a T^t) + V6 (Σ a δ^d); conductivity of Geller et al. (2001), K1 (A0 + A1 T) + K4
// (Σ B δ^d in the mass density); no critical enhancement in either. Both hold within the
// blend equations' range (200 K to 500 K, 50 MPa) and have no pole; the surface tension of
// Okada et al. (1999) from 200 K to its own critical temperature (not the equation's), where it
// is 0.
extern const TViscosityCorrelation R410AViscosity;
extern const TConductivityCorrelation R410AConductivity;
extern const TSurfaceTensionSum R410ASurfaceTension;
extern const TViscosityCorrelation R404AViscosity;
extern const TConductivityCorrelation R404AConductivity;
extern const TSurfaceTensionSum R404ASurfaceTension;
extern const TViscosityCorrelation R407CViscosity;
extern const TConductivityCorrelation R407CConductivity;
extern const TSurfaceTensionSum R407CSurfaceTension;
extern const TViscosityCorrelation R507AViscosity;
extern const TConductivityCorrelation R507AConductivity;
extern const TSurfaceTensionSum R507ASurfaceTension;

}  // namespace kxtransport
