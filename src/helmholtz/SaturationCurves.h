#pragma once
// Saturation curves of a fluid fitted to its own equation of state: piecewise Chebyshev
// expansions of ln psat, ln rho' and ln rho'' in u = sqrt((Tc - T) / Tc) (T and Tc, the critical
// temperature of the equation, in K). In u the square-root shape of the coexistence curve at the
// critical point becomes close to a straight line; towards the hot end, 1e-6 K below the critical
// temperature, the pieces narrow geometrically in u, so that they also follow equations whose
// non-analytic terms leave a different power. The logarithms turn the relative accuracy wanted
// into an absolute one and keep the many decades of the vapour pressure and vapour density in
// range.
//
// The tables are generated from the equation (tools/saturation_curves, target
// generate_saturation_curves) and looked up by the fluid's Code. Outside [UMin, UMax] the
// curves do not answer and the callers fall back to solving the phase equilibrium.
#include <string_view>

struct TSaturationCurve {
    const char* Code;  // the fluid's library name, as THelmholzFluid::Code
    double TcrC;       // critical temperature of the equation (°C), which forms u
    double TcrK;       // the same in K
    double UMin;       // u at the hot end (T below Tcr) and at the triple point
    double UMax;
    int Intervals;            // pieces between the breaks
    int Terms;                // Chebyshev terms per piece and function
    const double* Breaks;     // Intervals + 1 values of u, ascending
    const double* LnPBreaks;  // ln psat (bar) at the breaks, descending
    const double* LnP;        // Intervals x Terms coefficients of ln psat (bar)
    const double* LnDL;       // ln rho' (kg/m3)
    const double* LnDV;       // ln rho'' (kg/m3)
    int InverseTerms;         // Chebyshev terms per piece of the inverse of ln psat
    const double* InverseX;   // Intervals x InverseTerms: u^2, mapped from [a^2, b^2] of the
                              // piece to [-1, 1], as a series in ln psat mapped from
                              // [LnPBreaks[i], LnPBreaks[i + 1]] to [-1, 1]
};

// The curves of the fluid with this Code, or nullptr.
const TSaturationCurve* FindSaturationCurve(std::string_view code);

// u of a temperature T (°C); NaN above the reducing temperature.
double SaturationCurveU(const TSaturationCurve& curve, double T);

// Saturation pressure (bar) at T (°C). False where the curves do not reach.
bool CurvePsatT(const TSaturationCurve& curve, double T, double& Ps);
// Saturation pressure and densities at T.
bool CurveSaturationT(const TSaturationCurve& curve, double T, double& Ps, double& DL, double& DV);
// Saturation temperature (°C) at P (bar) from the same expansion of ln psat, and the densities
// there. False where the curves do not reach.
bool CurveTsatP(const TSaturationCurve& curve, double P, double& Ts);
bool CurveSaturationP(const TSaturationCurve& curve, double P, double& Ts, double& DL, double& DV);

// Generated: every fluid's curves, ended by nullptr.
extern const TSaturationCurve* const SaturationCurveTable[];
