#include "KX_R600a_FE_Lib_Root.h"

#include "KX_Reduced_Ancillaries.h"

// R600a (isobutane) residual part, terms 1-23, n δ^d τ^t exp(−δ^l) (l = 0: polynomial):
// Buecker and Wagner (2006), J. Phys. Chem. Ref. Data 35, 929, table of coefficients.
static constexpr TResidualTerm R600aResidual[] = {
    {2.0686820727966, 0.5, 1.0, 0},       // 1
    {-3.6400098615204, 1.0, 1.0, 0},      // 2
    {0.51968754427244, 1.5, 1.0, 0},      // 3
    {0.17745845870123, 0.0, 2.0, 0},      // 4
    {-0.12361807851599, 0.5, 3.0, 0},     // 5
    {0.045145314010528, 0.5, 4.0, 0},     // 6
    {0.03047647996598, 0.75, 4.0, 0},     // 7
    {0.75508387706302, 2.0, 1.0, 1},      // 8
    {-0.85885381015629, 2.5, 1.0, 1},     // 9
    {0.036324009830684, 2.5, 2.0, 1},     // 10
    {-0.01954879945055, 1.5, 7.0, 1},     // 11
    {-0.004445239290496, 1.0, 8.0, 1},    // 12
    {0.004641076366646, 1.5, 8.0, 1},     // 13
    {-0.071444097992825, 4.0, 1.0, 2},    // 14
    {-0.080765060030713, 7.0, 2.0, 2},    // 15
    {0.15560460945053, 3.0, 3.0, 2},      // 16
    {0.0020318752160332, 7.0, 3.0, 2},    // 17
    {-0.10624883571689, 3.0, 4.0, 2},     // 18
    {0.039807690546305, 1.0, 5.0, 2},     // 19
    {0.016371431292386, 6.0, 5.0, 2},     // 20
    {0.00053212200682628, 0.0, 10.0, 2},  // 21
    {-0.0078681561156387, 6.0, 2.0, 3},   // 22
    {-0.0030981191888963, 13.0, 6.0, 3},  // 23
};
static_assert(ValidResidualTable(R600aResidual));

// R600a (isobutane) Gaussian bell-shaped terms 24-25, n δ^d τ^t exp(−α(δ−ε)² − β(τ−γ)²):
// Buecker and Wagner (2006), J. Phys. Chem. Ref. Data 35, 929, table of coefficients.
static constexpr TGaussianTerm R600aGaussian[] = {
    {-0.042276036810382, 2.0, 1.0, 10.0, 150.0, 1.16, 0.85},  // 24
    {-0.0053001044558079, 0.0, 2.0, 10.0, 200.0, 1.13, 1.0},  // 25
};

// R600a (isobutane) ideal-gas part, Planck-Einstein terms m ln(1 − exp(−θ τ)):
// Buecker and Wagner (2006), J. Phys. Chem. Ref. Data 35, 929; a1 and a2 give the IIR reference
// state (h = 200 kJ/kg, s = 1 kJ/(kg K) for the saturated liquid at 0 °C).
static constexpr TIdealPlanckTerm R600aIdealPlanck[] = {
    {4.94641014, 0.9512779015},
    {4.09475197, 2.3878958853},
    {15.6632824, 4.3469042691},
    {9.73918122, 10.3688586351},
};
static constexpr TIdealGasPart R600aIdeal{
    -5.99950938671467, 5.0189458098645, 3.05956619, {}, R600aIdealPlanck};

// R600a (isobutane) ancillary equations (start values of the saturation solver), ϑ = 1 − T/T_red
// with each equation's own T_red (K) and reducing value: vapour pressure (bar), saturated-liquid
// and saturated-vapour density (kg/m3, the molar reducing density times the molar mass); the
// saturation temperature is the inverse of the vapour pressure; from Tc_Max_ on, straight lines
// continue the three to the critical point (KX_Reduced_Ancillaries.h).
// ln(y/y_red) = (T_red/T) Σ n ϑ^t, a fit to the saturation line of the equation.
static constexpr double R600aPseN[] = {-48.02915589537987,  43.34653680580028, -1.4421317283854331,
                                       -3.1322275225078413, 5.203481182010376, -6.173022897817098};
static constexpr double R600aPseK[] = {1.082, 1.108, 1.463, 4.045, 13.157, 14.042};
// y/y_red = 1 + Σ n ϑ^t, a fit to the saturation line of the equation.
static constexpr double R600aDsleN[] = {2.04025104, 0.850874089, -0.479052281, 0.348201252};
static constexpr double R600aDsleK[] = {0.355, 1.0, 1.3333333333333333, 2.3333333333333335};
// ln(y/y_red) = (T_red/T) Σ n ϑ^t, a fit to the saturation line of the equation.
static constexpr double R600aDsveN[] = {-2.8656855559386294, 0.7330458189287201,
                                        -4.254613288675131,  2.9956235180226516,
                                        -5.671641417558254,  0.14361022568133902};
static constexpr double R600aDsveK[] = {0.37, 0.502, 1.021, 2.003, 3.403, 10.717};
static constexpr TReducedAncillaries R600aAncillaries{
    {36.29, R600aPseN, R600aPseK, 407.817},
    {3879.75678828 * 0.0581222, R600aDsleN, R600aDsleK},
    {3879.75678828 * 0.0581222, R600aDsveN, R600aDsveK, 407.817},
    // from Tc_Max_ on: the saturated states of the equation there, to its critical point
    StraightToCritical(134.56, 36.2289018167, 36.2900001665, 0.1),
    StraightToCritical(134.56, 249.7844484877, 225.4999999997678, 0.1),
    StraightToCritical(134.56, 199.5832533429, 225.4999999997678, 0.1),
    true};

TR600a_FE::TR600a_FE()
    : TEquationFluid(
          THelmholzConstants{
              .Code = "KX_R600a_FE",
              .MM_ = 58.1222,
              .R_ = 8.314472 / 58.1222,
              .Ac_ = 0.184,
              .Tc_ = 134.66,
              .Tcr_ = 134.66,
              .Tc_Max_ = 134.56,
              .Pc_ = 36.2900001665,  // of the equation at the critical density and temperature
              .Hc_ = 633.9373,
              .Pcr_ = 36.2900001665,
              .Dcr_ = 225.4999999997678,
              .Tt_ = -159.42,
              .Pt_ = 2.28906605319e-07,
              .Pmin = 2.28906605319e-07,  // the triple-point pressure
              .Pmax = 350.0,
              .Tmax = 575.0 - KelvinOffset},
          {R600aResidual, R600aGaussian}, R600aIdeal) {}

double TR600a_FE::Pse(double t) const {
    return R600aAncillaries.Pressure(t, Tcr_, dta);
}

double TR600a_FE::tse(double p) const {
    return R600aAncillaries.Temperature(p, Tcr_, dta);
}

double TR600a_FE::dsle(double t) const {
    return R600aAncillaries.LiquidDensity(t, Tcr_, dta);
}

double TR600a_FE::dsve(double t) const {
    return R600aAncillaries.VapourDensity(t, Tcr_, dta);
}
