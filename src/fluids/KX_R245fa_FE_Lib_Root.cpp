#include "KX_R245fa_FE_Lib_Root.h"

#include "KX_Reduced_Ancillaries.h"

// R245fa (1,1,1,3,3-pentafluoropropane) residual part, terms 1-10, n δ^d τ^t exp(−δ^l) (l = 0:
// polynomial): Akasaka, Zhou and Lemmon (2015), J. Phys. Chem. Ref. Data 44, 013104, table of
// coefficients.
static constexpr TResidualTerm R245faResidual[] = {
    {0.057506623, 1.0, 4.0, 0},    // 1
    {1.5615975, 0.27, 1.0, 0},     // 2
    {-2.3614485, 0.9, 1.0, 0},     // 3
    {-0.51773521, 1.09, 2.0, 0},   // 4
    {0.18509788, 0.4, 3.0, 0},     // 5
    {-0.87405626, 2.9, 1.0, 2},    // 6
    {-0.27530955, 1.7, 3.0, 2},    // 7
    {0.57971151, 0.8, 2.0, 1},     // 8
    {-0.39934306, 3.6, 2.0, 2},    // 9
    {-0.033230277, 1.05, 7.0, 1},  // 10
};
static_assert(ValidResidualTable(R245faResidual));

// R245fa (1,1,1,3,3-pentafluoropropane) Gaussian bell-shaped terms 11-14, n δ^d τ^t exp(−α(δ−ε)² −
// β(τ−γ)²): Akasaka, Zhou and Lemmon (2015), J. Phys. Chem. Ref. Data 44, 013104, table of
// coefficients.
static constexpr TGaussianTerm R245faGaussian[] = {
    {0.83210508, 1.8, 1.0, 1.011, 1.879, 1.081, 0.709},   // 11
    {-0.335443, 4.0, 1.0, 1.447, 2.454, 0.651, 0.939},    // 12
    {-0.10117801, 4.5, 3.0, 1.079, 1.256, 0.468, 0.703},  // 13
    {-0.0091495867, 2.0, 3.0, 7.86, 21.1, 1.293, 0.777},  // 14
};

// R245fa (1,1,1,3,3-pentafluoropropane) ideal-gas part, Planck-Einstein terms m ln(1 − exp(−θ τ)):
// Akasaka, Zhou and Lemmon (2015), J. Phys. Chem. Ref. Data 44, 013104; a1 and a2 give the IIR
// reference state (h = 200 kJ/kg, s = 1 kJ/(kg K) for the saturated liquid at 0 °C).
static constexpr TIdealPlanckTerm R245faIdealPlanck[] = {
    {5.5728, 0.5198941476780403},
    {10.385, 2.3652841853820754},
    {12.554, 5.737570548699094},
};
static constexpr TIdealGasPart R245faIdeal{
    -13.3856088253526, 9.84537437112305, 3.0, {}, R245faIdealPlanck};

// R245fa (1,1,1,3,3-pentafluoropropane) ancillary equations (start values of the saturation
// solver), ϑ = 1 − T/T_red with each equation's own T_red (K) and reducing value: vapour pressure
// (bar), saturated-liquid and saturated-vapour density (kg/m3, the molar reducing density times the
// molar mass); the saturation temperature is the inverse of the vapour pressure; from Tc_Max_ on,
// straight lines continue the three to the critical point (KX_Reduced_Ancillaries.h).
// ln(y/y_red) = (T_red/T) Σ n ϑ^t, a fit to the saturation line of the equation.
static constexpr double R245faPseN[] = {-0.9670903356725931, -11.756404923945222, 5.087651519671258,
                                        -2.835805078027625,  -2.217939014066299,  28.8905424182831};
static constexpr double R245faPseK[] = {7.194, 1.03, 1.145, 2.84, 4.613, 18.798};
// y/y_red = 1 + Σ n ϑ^t, a fit to the saturation line of the equation.
static constexpr double R245faDsleN[] = {-0.645916749226158, 1.2435143264412414,
                                         2.1374254146018647, -1.4105539340976712,
                                         2.697825229930464,  -1.236775453941409};
static constexpr double R245faDsleK[] = {0.144, 0.165, 0.53, 1.993, 2.646, 3.593};
// ln(y/y_red) = (T_red/T) Σ n ϑ^t, a fit to the saturation line of the equation.
static constexpr double R245faDsveN[] = {-0.12316786769188867, -3.5467162730203325,
                                         -2.100626576983384,   -3.02259697521286,
                                         -10.604906302496444,  12.900898794193413};
static constexpr double R245faDsveK[] = {0.075, 0.466, 1.018, 2.817, 6.14, 8.5};
static constexpr TReducedAncillaries R245faAncillaries{
    {36.51, R245faPseN, R245faPseK},
    {3875.0 * 0.13404794, R245faDsleN, R245faDsleK},
    {3875.0 * 0.13404794, R245faDsveN, R245faDsveK},
    // from Tc_Max_ on: the saturated states of the equation there, to its critical point
    StraightToCritical(153.76, 36.44323905129, 36.5099571401, 0.1),
    StraightToCritical(153.76, 596.4529507065, 519.4357675, 0.1),
    StraightToCritical(153.76, 445.7309483732, 519.4357675, 0.1),
    true};

TR245fa_FE::TR245fa_FE()
    : TEquationFluid(
          THelmholzConstants{
              .Code = "KX_R245fa_FE",
              .MM_ = 134.04794,
              .R_ = 8.3144621 / 134.04794,
              .Ac_ = 0.3776,
              .Tc_ = 153.86,
              .Tcr_ = 153.86,
              .Tc_Max_ = 153.76,
              .Pc_ = 36.5099571401,  // of the equation at the critical density and temperature
              .Hc_ = 458.9988,
              .Pcr_ = 36.5099571401,
              .Dcr_ = 519.4357675,
              .Tt_ = -102.1,
              .Pt_ = 0.000137574328456000000002,
              .Pmin = 0.000137574328456000000002,  // the triple-point pressure
              .Pmax = 2000.0,
              .Tmax = 440.0 - KelvinOffset},
          {R245faResidual, R245faGaussian}, R245faIdeal) {}

double TR245fa_FE::Pse(double t) const {
    return R245faAncillaries.Pressure(t, Tcr_, dta);
}

double TR245fa_FE::tse(double p) const {
    return R245faAncillaries.Temperature(p, Tcr_, dta);
}

double TR245fa_FE::dsle(double t) const {
    return R245faAncillaries.LiquidDensity(t, Tcr_, dta);
}

double TR245fa_FE::dsve(double t) const {
    return R245faAncillaries.VapourDensity(t, Tcr_, dta);
}
