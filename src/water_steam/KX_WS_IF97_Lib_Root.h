#pragma once
// IAPWS-IF97 for water and steam: region equations 1, 2, 3 and 5 (region 5 in its 1997 form,
// valid to 10 MPa), the saturation line, the B23 and 2b/2c boundaries, region selection,
// the region-3 volume from (p,T), near-critical saturated volumes, the shared root finder and
// extremum search, and the inverse (flash) routines from (p,h), (p,s), (T,h), (T,s).
//
// Units everywhere in this header are SI base units: p in Pa, T in K, v in m3/kg,
// h in J/kg, s, cp, cv in J/(kg K), w in m/s.
//
// Failure reporting: routines that can fail take a trailing `bool* ok` (may be nullptr).
// On failure they set *ok = false and still return their marker value (documented per
// routine); on success they leave *ok untouched, so one flag can collect several calls:
//     bool ok = true;  double h = H_PT(kPhaseByRegion, p, T, &ok);  if (!ok) ...fail...
// Routines without `ok` cannot fail beyond floating-point faults, which propagate (NaN/inf)
// to the library entry point that guards them.

namespace if97 {

// ---- Constants (SI) ----
inline constexpr double R = 461.526;       // specific gas constant, J/(kg K)
inline constexpr double MM = 18.015257;    // molar mass, kg/kmol
inline constexpr double Tc = 647.096;      // critical temperature, K
inline constexpr double pc = 22064000.0;   // critical pressure, Pa
inline constexpr double rhoc = 322.0;      // critical density, kg/m3
inline constexpr double vc = 1.0 / 322.0;  // critical volume, m3/kg
inline constexpr double Tt = 273.16;       // triple-point temperature, K
// Triple-point pressure, Pa: Psat(Tt) of the saturation-pressure equation, so that the
// saturation line of the library starts at (Tt, pt).
inline constexpr double pt = 611.65700001066534;
inline constexpr double psat_273 = 611.213;   // Psat(273.15 K): lower end of the region-4 equation
inline constexpr double pt_657 = 611.657;     // Psat(273.16 K), used by the (p,h)/(p,s) decisions
inline constexpr double T0 = 273.15;          // 0 degC in K
inline constexpr double bar = 100000.0;       // Pa per bar
inline constexpr double T_623 = 623.15;       // lower temperature of region 3, K
inline constexpr double T_1073 = 1073.15;     // upper temperature of regions 1-3, K
inline constexpr double T_2273 = 2273.15;     // upper temperature of region 5, K
inline constexpr double p_100 = 100000000.0;  // upper pressure of regions 1-3, Pa
inline constexpr double p_10 = 10000000.0;    // upper pressure of region 5, Pa
inline constexpr double p_623 = 16529164.3;   // Psat(623.15 K), Pa: region-3 part of the line

// Region codes returned by RegionPT, RegionPH, RegionPS.
inline constexpr int kRegionOutside = -10;

// Phase argument of H_PT.
inline constexpr int kPhaseLiquid = 0;
inline constexpr int kPhaseVapour = 1;
inline constexpr int kPhaseByRegion = -1;

// ---- Region equations (no range checks; outside their ranges they return what the
// ---- polynomial gives) ----
double Region1_V(double p, double T);
double Region1_S(double p, double T);
double Region1_H(double p, double T);
double Region1_Cp(double p, double T);
double Region1_Cv(double p, double T);
double Region1_W(double p, double T);

double Region2_V(double p, double T);
double Region2_S(double p, double T);
double Region2_H(double p, double T);
double Region2_Cp(double p, double T);
double Region2_Cv(double p, double T);
double Region2_W(double p, double T);

double Region5_V(double p, double T);
double Region5_S(double p, double T);
double Region5_H(double p, double T);
double Region5_Cp(double p, double T);
double Region5_Cv(double p, double T);
double Region5_W(double p, double T);

// Region 3 from specific volume v and temperature T.
double Region3_P(double v, double T);
double Region3_H(double v, double T);
double Region3_S(double v, double T);
double Region3_Cp(double v, double T);
double Region3_Cv(double v, double T);
double Region3_W(double v, double T);
// Dimensionless Helmholtz function phi(delta, tau) of region 3 (delta = 1/(322 v),
// tau = Tc/T); used by the equal-area condition.
double Region3_Phi(double delta, double tau);

// ---- Numerical helpers ----
// A two-argument property function of this subsystem, e.g. Region3_P(v, T) or Region1_H(p, T).
using TPropertyFunction = double (*)(double, double);

inline constexpr double kBrentNotBracketed = -1.0;   // BrentRoot marker: no sign change
inline constexpr double kBrentNoConvergence = -2.0;  // BrentRoot marker: pass limit reached

// Root x of F = y inside [x1, x2] by Brent's method (relative accuracy 1e-8, at most 100
// passes). mode 1 solves F(x, fixed) = y, mode 2 solves F(fixed, x) = y.
// Failure: returns -1 (not bracketed, also for a NaN at an end) or -2 (no convergence, also for
// a NaN during the search, which ends it at once) and sets *ok = false.
double BrentRoot(TPropertyFunction F, int mode, double x1, double x2, double y, double fixed,
                 bool* ok = nullptr);

// The x in [x1, x2] (either order) minimising sign*F(x, fixed); sign = +1 minimum, -1 maximum.
// Parabolic and golden-section steps, relative width 1e-6, at most 40 passes.
double ExtremumSearch(TPropertyFunction F, int sign, double x1, double x2, double fixed);

// ---- Saturation line and boundaries ----
double Psat(double T);      // saturation pressure, Pa; 0 when T > Tc (no lower limit applied)
double Psat_bar(double T);  // the same in bar, without a division by 1e5 after it
double Tsat(double p);      // saturation temperature, K; 0 when p > pc (no lower limit applied)
double B23_P(double T);     // pressure on the region 2/3 boundary, Pa
double B23_T(double p);     // temperature on the region 2/3 boundary, K
double B2bc_P(double h);    // pressure on the 2b/2c boundary of the backward equations, Pa

// ---- Region decisions: 1, 2, 3, 4 (saturation / two-phase), 5, or kRegionOutside ----
int RegionPT(double p, double T);
int RegionPH(double p, double h);
int RegionPS(double p, double s);

// ---- Region 3 at (p, T) and near-critical saturation ----
// Specific volume of region 3 at (p, T). On the saturation line (p == Psat(T) exactly, T <= Tc)
// it returns the saturated-liquid volume Region3_SatVolume(T, 0).
// Failure (root search failed): returns the BrentRoot marker (-1 or -2) and sets *ok = false.
double Region3_VPT(double p, double T, bool* ok = nullptr);

// Region-3 properties at (p, T): the (v, T) functions at Region3_VPT(p, T).
// Failure as Region3_VPT (the result is then meaningless and must not be shown).
double Region3_H_PT(double p, double T, bool* ok = nullptr);
double Region3_S_PT(double p, double T, bool* ok = nullptr);

// Saturated volume for 623.15 K <= T <= Tc from the region-3 equation (equal-area condition):
// x = 0 liquid, 1 vapour, between: mixture (x clamped to [0, 1]). At T = Tc and within 1e-7 K
// below it, where double precision cannot separate the two volumes, both are 1/322.
// Failure (iteration not converged within its pass limit, non-finite value, root search
// failed): returns 0 and sets *ok = false.
double Region3_SatVolume(double T, double x, bool* ok = nullptr);

// ---- Property dispatchers by RegionPT (code 4 = on the saturation line) ----
// phase kPhaseLiquid forces the liquid side, kPhaseVapour the vapour side (both ignore the
// saturation line, and a floating-point fault inside yields 0), any other value decides by
// region. Returns 0 for kRegionOutside.
double H_PT(int phase, double p, double T, bool* ok = nullptr);
double S_PT(double p, double T, bool* ok = nullptr);
double V_PT(double p, double T, bool* ok = nullptr);
double Cp_PT(double p, double T, bool* ok = nullptr);
double Cv_PT(double p, double T, bool* ok = nullptr);
double W_PT(double p, double T, bool* ok = nullptr);  // code 4: saturated-vapour value

// ---- Two-phase mixture properties z' + x (z'' - z'), x clamped to [0, 1] ----
// By pressure: 0 outside [611.213 Pa, pc]. By temperature: 0 outside [273.15 K, Tc].
// Failure (near-critical saturated volume failed): returns 0 and sets *ok = false.
double H_PX(double p, double x, bool* ok = nullptr);
double S_PX(double p, double x, bool* ok = nullptr);
double V_PX(double p, double x, bool* ok = nullptr);
double H_TX(double T, double x, bool* ok = nullptr);
double S_TX(double T, double x, bool* ok = nullptr);
double V_TX(double T, double x, bool* ok = nullptr);

// ---- Backward equations (no failure; no range checks) ----
double Region1_T_PS(double p, double s);  // region 1 T(p,s)
double Region2_T_PH(double p, double h);  // region 2 T(p,h), kept within [Tsat(p), 1073.15 K]
// region 2 T(p,s); below 611.153 Pa a root search on Region2_S (failure: marker, *ok = false)
double Region2_T_PS(double p, double s, bool* ok = nullptr);

// ---- Inverse and flash routines ----
// Temperature and vapour fraction (0 liquid / region 1, 1 vapour / regions 2, 5 and region 3
// above Tc, between 0 and 1 inside the dome).
struct TFlashTX {
    double T;
    double x;
};

inline constexpr double kFlashFailedT = 173.15;   // temperature marker of TX_PH, TX_PS, T_PS
inline constexpr double kFlashFailedX_PH = -1.0;  // vapour-fraction marker of TX_PH

// Failure markers (with *ok = false): TX_PH {173.15, -1}; TX_PS {173.15, 0}; T_PS 173.15;
// T_PH 0 (a state outside every region, or a failed search). The derived routines (S_PH, V_PH,
// H_PS, V_PS, X_*) return 0 on failure.
// The flash temperature is consistent with RegionPT: the (p,T) functions at it give back the h or
// s the flash started from (within the tolerance of the search; on a boundary where two region
// equations differ slightly, a value between them gives the boundary temperature).
double T_PH(double p, double h, bool* ok = nullptr);
TFlashTX TX_PH(double p, double h, bool* ok = nullptr);
double S_PH(double p, double h, bool* ok = nullptr);
double V_PH(double p, double h, bool* ok = nullptr);
double X_PH(double p, double h, bool* ok = nullptr);

double T_PS(double p, double s, bool* ok = nullptr);
TFlashTX TX_PS(double p, double s, bool* ok = nullptr);
double H_PS(double p, double s, bool* ok = nullptr);
double V_PS(double p, double s, bool* ok = nullptr);
double X_PS(double p, double s, bool* ok = nullptr);

double X_TH(double T, double h, bool* ok = nullptr);
double X_TS(double T, double s, bool* ok = nullptr);

}  // namespace if97
