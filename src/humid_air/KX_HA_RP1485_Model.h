#pragma once
// Real moist air after Herrmann, Kretzschmar & Gatley (2009), ASHRAE RP-1485: the virial
// equation of state of dry air and water vapour with the enhancement factor of saturated air.
// SI units throughout (K, Pa, mol, m3, J); molar quantities per mole of humid air; psi is the
// mole fraction of water. No range checks here: KX_HA_RP1485.h checks and converts.
//
// Sources: dry air, Lemmon et al. (2000); water vapour, IAPWS-95 (virial limits and ideal part);
// liquid water, IAPWS-IF97 (saturation pressure, region 1); ice, IAPWS-06; sublimation
// pressure, IAPWS 2008; cross virials, Harvey & Huang (2007), Hyland & Wexler (1983), Nelson &
// Sauer (2002); Henry's law, Fernandez-Prini et al. (2003).

namespace ha::rp1485 {

inline constexpr double R = 8.314472;       // virial equation and water ideal-gas enthalpy
inline constexpr double Ma = 0.028966;      // dry air, kg/mol
inline constexpr double Mw = 0.018015268;   // water, kg/mol
inline constexpr double Epsilon = Mw / Ma;  // 0.621945
inline constexpr double Tt = 273.16;        // triple point of water, K
inline constexpr double T0 = 273.15;        // 0 °C
inline constexpr double P0 = 101325.0;      // reference pressure of h and s, Pa

// Saturation over liquid water from the triple point up, over ice below. 0.01 °C in kelvin is
// 273.15999999999997, a rounding below T_t: the liquid side starts that much lower, so the
// triple point given in °C is on the liquid side as it is in kelvin.
inline bool OverLiquid(double T) {
    return T >= Tt - 1e-9;
}

// Pure and cross second and third virial coefficients (m3/mol, m6/mol2) and their temperature
// derivatives.
struct TVirials {
    double Baa, Bww, Baw, Caaa, Caaw, Caww, Cwww;
    double dBaa, dBww, dBaw, dCaaa, dCaaw, dCaww, dCwww;
};
TVirials Virials(double T);

// Mixture coefficients B_m, C_m and dB_m/dT, dC_m/dT at mole fraction psi.
struct TMixVirials {
    double B, C, dB, dC;
};
TMixVirials MixVirials(const TVirials& v, double psi);

// Saturation pressure of pure water, Pa: IF97 over liquid water from 273.16 K up, the IAPWS 2008
// sublimation equation over ice below.
double SaturationPressure(double T);
double SublimationPressure(double T);
// Inverse of SaturationPressure (ice below the triple-point pressure), K.
double SaturationTemperature(double pws);
// Inverse of SublimationPressure alone, K.
double SublimationTemperature(double pws);

// Ice Ih (IAPWS-06) at (T, p): specific volume (m3/kg), isothermal compressibility (1/Pa) and
// specific enthalpy (J/kg, reference of IAPWS-95: liquid at the triple point u = s = 0).
double IceVolume(double T, double p);
double IceCompressibility(double T, double p);
double IceEnthalpy(double T, double p);

// Henry's-law constant of air in water, beta_H in 1/Pa (0 below the triple point).
double HenryBeta(double T);

// Enhancement factor f(T, p) >= 1 of saturated air; converged false when the fixed-point
// iteration did not settle.
double EnhancementFactor(double T, double p, bool* converged = nullptr);
// The same with the virial coefficients at T already at hand.
double EnhancementFactor(const TVirials& v, double T, double p, bool* converged = nullptr);
// Mole fraction of water at saturation, f p_ws / p (may exceed 1 where no saturation exists).
double SaturationMoleFraction(double T, double p, bool* converged = nullptr);

// Molar volume of humid air from the virial equation, m3/mol.
double MolarVolume(const TMixVirials& m, double T, double p);

// Ideal-gas molar enthalpy (J/mol) of dry air and of water vapour on the scale of the humid-air
// tables: dry air h = 0 at 0 °C, 101.325 kPa; water u = s = 0 of the liquid at the triple point.
double IdealEnthalpyAir(double T);
double IdealEnthalpyWater(double T);

// The state at (T, p, psi): molar volume (m3/mol humid air), molar enthalpy (J/mol) and entropy
// (J/(mol K)) of humid air, entropy only when asked (it costs two logarithms more).
struct TMolarState {
    double V, H, S;
};
TMolarState MolarState(const TVirials& v, double T, double p, double psi, bool withEntropy);

// Conversions between the humidity ratio W (kg water/kg dry air) and psi.
inline double PsiFromW(double W) {
    return W / (Epsilon + W);
}
inline double WFromPsi(double psi) {
    return Epsilon * psi / (1.0 - psi);
}
// Per mole of humid air to per kg of dry air.
inline double PerKgDryAir(double molar, double psi) {
    return molar / ((1.0 - psi) * Ma);
}

}  // namespace ha::rp1485
