#pragma once
// Perfect-gas psychrometrics of the ASHRAE Handbook - Fundamentals, chapter 1: the saturation
// pressure of Hyland and Wexler over ice and liquid water, W, h, v, relative humidity and degree
// of saturation of a mixture of perfect gases, and the adiabatic-saturation (wet-bulb) balance
// with the Handbook's heat capacities. Same units and failure reporting as KX_HA_RP1485.h.
//
// Range: -100 °C to 200 °C (the saturation-pressure formulas), 0.0001 bar to 100 bar, W from 0 to
// 10 kg/kg. Saturation values exist where p_ws < p.
//
// The dew point is the exact inverse of the saturation pressure rather than the Handbook's
// fitted dew-point formula, so that W -> dew point -> W comes back unchanged; the two differ by
// less than 0.1 K between 0 and 93 °C.
#include "KX_HA_Status.h"

namespace ha::ideal {

inline constexpr double kMinT = -100.0;
inline constexpr double kMaxT = 200.0;
inline constexpr double kMinP = 0.0001;
inline constexpr double kMaxP = 100.0;
inline constexpr double kMaxW = 10.0;

THAValue Pws_T(double t);  // bar(a): over ice below 0 °C, over liquid water from 0 °C
THAValue Ws_PT(double p, double t);
THAValue Hs_PT(double p, double t);

THAValue H_PTW(double p, double t, double W);
THAValue V_PTW(double p, double t, double W);
THAValue Rho_PTW(double p, double t, double W);
THAValue Cp_PTW(double p, double t, double W);
THAValue RH_PTW(double p, double t, double W);
THAValue Mu_PTW(double p, double t, double W);
THAValue Psi_PTW(double p, double t, double W);
THAValue Tdp_PTW(double p, double t, double W);
THAValue Twb_PTW(double p, double t, double W);

THAValue Tdp_PW(double p, double W);

THAValue W_PTRH(double p, double t, double rh);
THAValue W_PTTdp(double p, double t, double tdp);
THAValue W_PTTwb(double p, double t, double twb);

THAValue T_PHW(double p, double h, double W);

}  // namespace ha::ideal

namespace ha {

// Standard atmosphere (Handbook chapter 1, the U.S. Standard Atmosphere in the troposphere):
// pressure (bar(a)) and temperature (°C) at altitude z (m), -5000 m to 11000 m.
inline constexpr double kMinAltitude = -5000.0;
inline constexpr double kMaxAltitude = 11000.0;
THAValue StandardAtmosphereP_Z(double z);
THAValue StandardAtmosphereT_Z(double z);

}  // namespace ha
