#pragma once
// Transport and related properties of water and steam: dynamic viscosity and thermal
// conductivity of the IAPS Formulation 1985 (thermal conductivity with its critical enhancement,
// whose thermodynamic derivatives are taken numerically from the IF97 region equations), the
// isentropic exponent, and the surface tension of ordinary water substance.
//
// SI base units as in KX_WS_IF97_Lib_Root.h, except that viscosities are in micro-Pa s.
// Routines with a trailing `bool* ok` set *ok = false on failure (a failed volume or root
// search) and leave it untouched on success; the value is then meaningless.

namespace if97 {

// Dynamic viscosity in micro-Pa s from specific volume and temperature; 0 when v = 0.
double Viscosity_RhoT(double v, double T);

// Dynamic viscosity in micro-Pa s at (p, T); 0 outside every region. On the saturation line
// the saturated-liquid volume is used.
double Viscosity_PT(double p, double T, bool* ok = nullptr);

// Background part lambda0 * lambda1 * 0.4945 of the thermal conductivity, W/(m K).
double ThermalConductivity_Background(double v, double T);

// Critical-enhancement part lambda2 * 0.4945 of the thermal conductivity, W/(m K), from the
// isochoric pressure derivative (dp/dT)_v in Pa/K and the isothermal (dv/dp)_T in m3/(kg Pa).
double ThermalConductivity_Critical(double v, double T, double dpdT_v, double dvdp_T);

// Numerical derivatives (dp/dT)_v and (dv/dp)_T at the state (p, T) of volume v, step 0.1
// (K, Pa; 10 Pa in region 3). Returns false when a root search or a volume solution fails.
bool ThermalConductivity_Derivatives(double p, double T, double v, double& dpdT_v, double& dvdp_T);

// Thermal conductivity in W/(m K) at (p, T); 0 when the volume is 0 (outside every region).
double ThermalConductivity_PT(double p, double T, bool* ok = nullptr);

// Isentropic exponent w^2 / (p v) at (p, T); 0 on the saturation line and outside every region.
double IsentropicExponent_PT(double p, double T, bool* ok = nullptr);

// Surface tension in N/m of water against its vapour at the saturation temperature T.
double SurfaceTension_T(double T);

}  // namespace if97
