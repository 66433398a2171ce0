#pragma once
// The term types the published viscosity, thermal-conductivity and surface-tension correlations
// are built from. Each type is a plain parameter record (a fluid's coefficients are constexpr
// data of that type) and an evaluator. Units are SI: T in K, viscosity in Pa s, conductivity in
// W/(m K), surface tension in N/m; each term says whether it takes the molar (mol/m3) or the mass
// (kg/m3) density, and uses its own reducing constants, never the equation of state's.
#include <array>
#include <span>

#include "KX_Transport_State.h"

namespace kxtransport {

using TCoefficients = std::span<const double>;

// Physical constants as the correlations were fitted with them.
inline constexpr double AvogadroNumber = 6.02214129e23;     // 1/mol
inline constexpr double BoltzmannConstant = 1.3806488e-23;  // J/K

// ---------------------------------------------------------------------------------------------
// Viscosity terms
// ---------------------------------------------------------------------------------------------

// V1: dilute gas, Chapman-Enskog with a fitted collision integral
// S(T*) = exp(sum a_i (ln T*)^t_i), eta0 = C sqrt(1000 M T) / (sigma_nm^2 S).
struct TViscosityDiluteFitted {
    double C;             // Pa s; 2.66958e-8 for Omega(2,2)*, 2.1357e-8 for 0.8 Omega(2,2)*
    double M;             // kg/mol, the correlation's own value
    double sigma;         // Lennard-Jones diameter, m
    double epsilonOverK;  // K
    TCoefficients a, t;
};
double Evaluate(const TViscosityDiluteFitted& term, double T);

// V2: dilute gas, Chapman-Enskog with the Neufeld et al. (1972) collision integral.
struct TViscosityDiluteNeufeld {
    double M;             // kg/mol
    double sigma;         // m
    double epsilonOverK;  // K
};
double Evaluate(const TViscosityDiluteNeufeld& term, double T);

// V3: dilute gas as a sum a_i T^t_i.
struct TViscosityDilutePolynomial {
    TCoefficients a, t;  // a in Pa s
};
double Evaluate(const TViscosityDilutePolynomial& term, double T);

// V4: dilute carbon dioxide (Laesecke and Muzny 2017):
// eta0 = prefactor sqrt(T) / (a0 + a1 T^(1/6) + a2 exp(a3 T^(1/3))
//        + (a4 + a5 T^(1/3)) / exp(T^(1/3)) + a6 sqrt(T)).
struct TViscosityDiluteCO2 {
    std::array<double, 7> a;
    double prefactor;  // Pa s / sqrt(K)
};
double Evaluate(const TViscosityDiluteCO2& term, double T);

// V5: initial density dependence (Rainwater-Friend): eta1 = eta0 N_A sigma^3 B*(T*) rho,
// B* = sum b_i T*^t_i, rho molar.
struct TViscosityInitialDensity {
    TCoefficients b, t;
    double sigma;         // m
    double epsilonOverK;  // K
};
// The Rainwater-Friend coefficients b_i, t_i of B* (Vogel et al. 1998), which most correlations
// take unchanged.
inline constexpr double RainwaterFriendB[] = {-19.572881, 219.73999,  -1015.3226,
                                              2471.01251, -3375.1717, 2491.6597,
                                              -787.26086, 14.085455,  -0.34664158};
inline constexpr double RainwaterFriendT[] = {0.0,   -0.25, -0.5, -0.75, -1.0,
                                              -1.25, -1.5,  -2.5, -5.5};
// The second viscosity virial coefficient N_A sigma^3 B*, m3/mol.
double SecondViscosityVirial(const TViscosityInitialDensity& term, double T);
double Evaluate(const TViscosityInitialDensity& term, double eta0, const TTransportState& state);

// Close-packed part of V6: F (1/(delta0 - delta) - 1/delta0) with F = sum f delta^d2 tau^t2 and
// delta0 = sum g tau^h / sum p tau^q. It diverges at delta0: beyond it the result is NaN.
struct TViscosityClosePacked {
    TCoefficients f, d2, t2;  // f in Pa s
    TCoefficients g, h;
    TCoefficients p, q;
};

// V6: residual sum a_i delta^d_i tau^t_i exp(-gamma_i delta^l_i) (gamma 0 or 1) with an
// optional close-packed part; tau = Tred / T, delta = rho / rhoRed (molar).
struct TViscosityResidualSum {
    double Tred;                               // K
    double rhoRed;                             // mol/m3
    TCoefficients a, d, t, gamma, l;           // a in Pa s
    const TViscosityClosePacked* closePacked;  // nullptr: none
};
double Evaluate(const TViscosityResidualSum& term, const TTransportState& state);
// The molar density (mol/m3) of the close-packed pole at T (K); 0 without a close-packed part.
double ClosePackedDensity(const TViscosityResidualSum& term, double T);

// V7: residual hydrogen (Muzny et al. 2013): Tr = T / Tred, rho_r = rhoMass / rhoRed,
// eta = c1 rho_r^2 exp(c2 Tr + c3 / Tr + c4 rho_r^2 / (c5 + Tr) + c6 rho_r^6).
struct TViscosityResidualHydrogen {
    double c1;  // Pa s
    double c2, c3, c4, c5, c6;
    double Tred;    // K
    double rhoRed;  // kg/m3
};
double Evaluate(const TViscosityResidualHydrogen& term, const TTransportState& state);

// V8: residual carbon dioxide (Laesecke and Muzny 2017), mass density:
// eta = eta_tL (c1 Tr rho_r^3 + (rho_r^2 + rho_r^gamma) / (Tr - c2)),
// eta_tL = rho_tL^(2/3) sqrt(R T_t) / (M^(1/6) N_A^(1/3)).
struct TViscosityResidualCO2 {
    double c1, c2, gamma;
    double Tt;     // K
    double rhoTL;  // kg/m3
    double M;      // kg/mol
    double R;      // J/(mol K)
};
double TriplePointLiquidViscosity(const TViscosityResidualCO2& term);
double Evaluate(const TViscosityResidualCO2& term, const TTransportState& state);

// V11: ammonia (Fenghour et al. 1995), the whole correlation as one sum in µPa s, rho in mol/L:
// eta = eta0 + eta1 rho + sum_{i=2..4} sum_{j=0..4} d_ij rho^i / T*^j with
// eta0 = C sqrt(M T) / (sigma^2 S), ln S = sum a_i (ln T*)^i, eta1 = N_A sigma^3 eta0 B*,
// B* = sum b_i T*^(-i/2). The density terms are summed as one polynomial in rho (Horner), as
// published, so eta1 is not a separate part.
struct TViscosityAmmonia {
    double C;             // µPa s nm^2 / sqrt(g/mol K)
    double M;             // g/mol, the correlation's own value in eta0
    double sigma;         // length scaling parameter, nm
    double epsilonOverK;  // energy scaling parameter, K
    double NA;            // Avogadro's number scaled to nm^3 and mol/L
    double densityM;      // g/mol converting the mass density to mol/L (the equation of state's)
    std::array<double, 5> a;                 // collision integral, (ln T*)^0..4
    std::array<double, 13> b;                // second viscosity virial coefficient, T*^(-i/2)
    std::array<std::array<double, 5>, 3> d;  // d_ij for i = 2..4, j = 0..4
};
// Pa s.
double Evaluate(const TViscosityAmmonia& term, const TTransportState& state);

// V12: dilute nitrogen (Stephan, Krauss and Laesecke 1987) in µPa s:
// eta0 = C sqrt(m k T / pi) / (sigma^2 Omega), ln Omega = sum_{i=0..4} a_i (ln T*)^i.
struct TViscosityDiluteStephan {
    double C;             // 5/16 in µPa s per Pa s
    double mkOverPi;      // m k / pi, kg J/K
    double sigma;         // m
    double epsilonOverK;  // K
    std::array<double, 5> a;
};
// µPa s.
double Evaluate(const TViscosityDiluteStephan& term, double T);

// V13: excess viscosity of nitrogen (Stephan et al. 1987) in µPa s, rho_r = rhoMass / rhoRed:
// H (N0 / (rho_r - N1) + N0 / N1 + N2 rho_r + N3 rho_r^2 + N4 rho_r^3).
struct TViscosityExcessStephan {
    double H;       // µPa s
    double rhoRed;  // kg/m3
    std::array<double, 5> N;
};
// µPa s.
double Evaluate(const TViscosityExcessStephan& term, const TTransportState& state);

// ---------------------------------------------------------------------------------------------
// Thermal-conductivity terms
// ---------------------------------------------------------------------------------------------

// K1: dilute gas as a ratio of polynomials in Tr = T / Tred.
struct TConductivityDiluteRatio {
    double Tred;         // K
    TCoefficients A, n;  // A in W/(m K)
    TCoefficients B, m;
};
double Evaluate(const TConductivityDiluteRatio& term, double T);

// K2: dilute gas from the dilute viscosity (Lemmon and Jacobsen 2004):
// lambda0 = A0 eta0[µPa s] + sum_{i>=1} A_i tau^t_i, tau = Tred / T.
struct TConductivityDiluteFromViscosity {
    TCoefficients A, t;  // A0 in W/(m K) per µPa s, the others in W/(m K); t0 unused
    double Tred;         // K
};
double Evaluate(const TConductivityDiluteFromViscosity& term, double eta0, double T);

// K3: dilute carbon dioxide (Huber et al. 2016): lambda0 = sqrt(Tr) / sum L_k Tr^-k mW/(m K).
struct TConductivityDiluteCO2 {
    std::array<double, 4> L;
    double Tc;  // K
};
double Evaluate(const TConductivityDiluteCO2& term, double T);

// K4: residual polynomial sum B_i tau^t_i delta^d_i in the mass density, tau = Tred / T,
// delta = rhoMass / rhoRed.
struct TConductivityResidualPolynomial {
    double Tred;            // K
    double rhoRed;          // kg/m3
    TCoefficients B, t, d;  // B in W/(m K)
};
double Evaluate(const TConductivityResidualPolynomial& term, const TTransportState& state);

// K5: residual sum N_i tau^t_i delta^d_i exp(-gamma_i delta^l_i) in the molar density.
struct TConductivityResidualSum {
    double Tred;                      // K
    double rhoRed;                    // mol/m3
    TCoefficients N, t, d, gamma, l;  // N in W/(m K)
};
double Evaluate(const TConductivityResidualSum& term, const TTransportState& state);

// K6: critical enhancement, simplified Olchowy-Sengers (1989). Needs cp, cv, (dp/drho)_T at T
// and at Tref (state.dpdrhoRef) and the fluid's total viscosity eta (Pa s). Tc, rhoc and pc are
// the equation of state's reducing values the correlation was fitted with.
struct TConductivityCritical {
    double RD;
    double nu;
    double gamma;
    double Gamma;
    double xi0;   // m
    double qD;    // 1/m
    double Tref;  // K
    double Tc;    // K
    double rhoc;  // mol/m3
    double pc;    // Pa
};
// Defaults for a fluid whose correlation gives no values of its own (Tref = 1.5 Tc).
TConductivityCritical DefaultCriticalEnhancement(double Tc, double rhoc, double pc);
double Evaluate(const TConductivityCritical& term, double eta, const TTransportState& state);

// K7: R123 critical term (Laesecke et al. 1996): a13 exp(a14 (tau - 1)^4 + a15 (delta - 1)^2),
// molar density.
struct TConductivityCriticalR123 {
    double a13;  // W/(m K)
    double a14, a15;
    double Tred;    // K
    double rhoRed;  // mol/m3
};
double Evaluate(const TConductivityCriticalR123& term, const TTransportState& state);

// K8: ammonia critical term (Tufeu et al. 1984), mass density; no equation-of-state derivatives
// (it carries approximate background viscosity and (dp/dT)_rho of its own). Undefined at Tc.
struct TConductivityCriticalAmmonia {
    double Tc;    // K
    double rhoc;  // kg/m3
    double Lambda;
    double nu;
    double gamma;
    double Delta;
    double xi0;  // m
    double aXi;
    double Gamma0;  // 1/Pa
    double aChi;
    double kB;  // J/K
};
double Evaluate(const TConductivityCriticalAmmonia& term, const TTransportState& state);

// K10: dilute nitrogen (Stephan et al. 1987), modified Eucken form in mW/(m K):
// lambda0 = F eta0 ((3/2 - r) f_tr + (cv0/k + r) f_int), F = k N_A / M, with the ideal-gas
// cv0 = (cp0/R - 1) R / N_A, cp0/R = sum_{i=0..6} phi_i T^(i-3) + phiE u^2 e^u / (e^u - 1)^2,
// u = theta / T. eta0 (µPa s) is the V12 term of the same paper.
struct TConductivityDiluteStephan {
    std::array<double, 7> phi;
    double phiE;   // amplitude of the Einstein term
    double theta;  // K
    double R;      // J/(mol K)
    double k;      // Boltzmann's constant, J/K
    double NA;     // Avogadro's number, 1/kmol
    double M;      // kg/kmol
    double r;
    double fTr;
    double fInt;
};
// mW/(m K).
double Evaluate(const TConductivityDiluteStephan& term, double eta0, double T);

// K11: excess conductivity of nitrogen (Stephan et al. 1987) in mW/(m K):
// Lambda sum_{i=1..4} psi_i rho_r^i, rho_r = rhoMass / rhoRed.
struct TConductivityExcessStephan {
    double Lambda;  // mW/(m K)
    double rhoRed;  // kg/m3
    std::array<double, 4> psi;
};
// mW/(m K).
double Evaluate(const TConductivityExcessStephan& term, const TTransportState& state);

// ---------------------------------------------------------------------------------------------
// Surface tension
// ---------------------------------------------------------------------------------------------

// S1: Mulero et al. (2012): sigma = sum a_i (1 - T / Tc)^n_i with the correlation's own Tc.
struct TSurfaceTensionSum {
    double Tc;           // K
    TCoefficients a, n;  // a in N/m
};
// At or above Tc the surface tension is 0.
double Evaluate(const TSurfaceTensionSum& term, double T);

// ---------------------------------------------------------------------------------------------
// Results of a whole correlation, term by term
// ---------------------------------------------------------------------------------------------

struct TViscosityParts {
    double dilute = 0.0;
    double initialDensity = 0.0;
    double residual = 0.0;
    double Total() const { return dilute + initialDensity + residual; }
};

struct TConductivityParts {
    double dilute = 0.0;
    double residual = 0.0;
    double critical = 0.0;
    double Total() const { return dilute + residual + critical; }
};

// ---------------------------------------------------------------------------------------------
// Terms of the newer refrigerant correlations (Huber 2018, Huber and Assael 2016, Perkins and
// Huber 2020)
// ---------------------------------------------------------------------------------------------

// The Neufeld dilute gas scaled by a constant: eta0 = Fc V2. The extended-corresponding-states
// viscosities of Huber (2018, NISTIR 8209) fit Fc to the dilute-gas data; Fc = 1 is V2 itself.
struct TViscosityDiluteNeufeldScaled {
    TViscosityDiluteNeufeld neufeld;
    double Fc = 1.0;
};
double Evaluate(const TViscosityDiluteNeufeldScaled& term, double T);

// Residual viscosity as a ratio of sums (Huber and Assael 2016, R1234yf):
// sum a_i delta^d_i tau^t_i / sum b_j delta^e_j tau^u_j, tau = Tred / T, delta = rho / rhoRed
// (molar). The denominator's zero in delta is a pole like the close-packed one of V6: where the
// denominator no longer has the sign it has at zero density the result is NaN.
struct TViscosityResidualRational {
    double Tred;            // K
    double rhoRed;          // mol/m3
    TCoefficients a, d, t;  // numerator, a in Pa s
    TCoefficients b, e, u;  // denominator
};
double Evaluate(const TViscosityResidualRational& term, const TTransportState& state);

// Dilute conductivity with fractional powers (Perkins and Huber 2020, R1336mzz(Z)):
// lambda0 = unit sqrt(Tr) / sum L_k Tr^(-s_k), Tr = T / Tred.
struct TConductivityDiluteRoot {
    double Tred;         // K
    TCoefficients L, s;  // L dimensionless, per unit
    double unit;         // W/(m K)
};
double Evaluate(const TConductivityDiluteRoot& term, double T);

// ---------------------------------------------------------------------------------------------
// Dilute viscosity as a ratio of polynomials in T (Huber and Assael 2016). Written with R1234yf;
// the R1234ze(E) correlation of the same paper has the same term.
// ---------------------------------------------------------------------------------------------

// eta0 = unit sum a_i T^p_i / sum b_j T^q_j, T in K.
struct TViscosityDiluteRatio {
    TCoefficients a, p;
    TCoefficients b, q;
    double unit;  // Pa s
};
double Evaluate(const TViscosityDiluteRatio& term, double T);

}  // namespace kxtransport
