#pragma once
// Real moist air (ASHRAE RP-1485) in the program's units: pressure in bar(a), temperatures in
// °C, humidity ratio W in kg water/kg dry air, relative humidity as a fraction, enthalpy in
// kJ/kg dry air, entropy and heat capacity in kJ/(kg dry air K), specific volume in m3/kg dry air,
// density in kg humid air/m3. Every function checks its arguments in order and returns either a
// value or the reason for its failure (KX_HA_Status.h); W above saturation is a range failure
// (no fog states).
//
// Range: -143.15 °C to 350 °C, 0.0001 bar to 100 bar, W from 0 to 10 kg/kg. Relative humidity,
// saturation and wet-bulb values exist only below the temperature at which saturated air would
// be pure water vapour (f p_ws = p, about the boiling point at p).
#include "KX_HA_Status.h"

namespace ha::rp1485 {

inline constexpr double kMinT = -143.15;
inline constexpr double kMaxT = 350.0;
inline constexpr double kMinP = 0.0001;
inline constexpr double kMaxP = 100.0;
inline constexpr double kMaxW = 10.0;

// Saturation pressure of water over liquid water (from 0.01 °C) or ice (below), bar(a).
THAValue Pws_T(double t);
// Enhancement factor f of saturated air.
THAValue F_PT(double p, double t);
// Saturation humidity ratio and the enthalpy of saturated air.
THAValue Ws_PT(double p, double t);
THAValue Hs_PT(double p, double t);

// Properties at (p, T, W).
THAValue H_PTW(double p, double t, double W);
THAValue S_PTW(double p, double t, double W);
THAValue V_PTW(double p, double t, double W);
THAValue Rho_PTW(double p, double t, double W);
THAValue Cp_PTW(double p, double t, double W);
THAValue RH_PTW(double p, double t, double W);   // psi / psi_s
THAValue Mu_PTW(double p, double t, double W);   // degree of saturation W / W_s
THAValue Psi_PTW(double p, double t, double W);  // mole fraction of water
THAValue Tdp_PTW(double p, double t, double W);  // dew (frost) point
THAValue Twb_PTW(double p, double t, double W);  // thermodynamic wet-bulb (ice below 0.01 °C)

// Transport properties: viscosity (Pa s) and thermal conductivity (W/(m K)) by the mixing rule
// of Tsilingiris (2008) from dry air at (T, p) (Lemmon & Jacobsen 2004) and water vapour at T and
// its partial pressure (IAPS 1985 formulations of the IF97 library, conductivity without its
// critical enhancement, which vanishes in the dilute vapour).
THAValue Eta_PTW(double p, double t, double W);
THAValue Lambda_PTW(double p, double t, double W);

// Dew (frost) point from (p, W); W must be above 0.
THAValue Tdp_PW(double p, double W);

// Humidity ratio from relative humidity, dew point or wet-bulb temperature.
THAValue W_PTRH(double p, double t, double rh);
THAValue W_PTTdp(double p, double t, double tdp);
THAValue W_PTTwb(double p, double t, double twb);

// Dry-bulb temperature from (p, h, W).
THAValue T_PHW(double p, double h, double W);

}  // namespace ha::rp1485
