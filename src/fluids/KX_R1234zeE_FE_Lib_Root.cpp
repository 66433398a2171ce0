#include "KX_R1234zeE_FE_Lib_Root.h"

#include "KX_Reduced_Ancillaries.h"

// R1234ze(E) (trans-1,3,3,3-tetrafluoropropene) residual part, terms 1-10, n δ^d τ^t exp(−δ^l) (l =
// 0: polynomial): Thol and Lemmon (2016), Int. J. Thermophys. 37, 28, table of coefficients.
static constexpr TResidualTerm R1234zeEResidual[] = {
    {0.03982797, 1.0, 4.0, 0},   // 1
    {1.812227, 0.223, 1.0, 0},   // 2
    {-2.537512, 0.755, 1.0, 0},  // 3
    {-0.5333254, 1.24, 2.0, 0},  // 4
    {0.1677031, 0.44, 3.0, 0},   // 5
    {-1.323801, 2.0, 1.0, 2},    // 6
    {-0.6694654, 2.2, 3.0, 2},   // 7
    {0.8072718, 1.2, 2.0, 1},    // 8
    {-0.7740229, 1.5, 2.0, 2},   // 9
    {-0.01843846, 0.9, 7.0, 1},  // 10
};
static_assert(ValidResidualTable(R1234zeEResidual));

// R1234ze(E) (trans-1,3,3,3-tetrafluoropropene) Gaussian bell-shaped terms 11-16, n δ^d τ^t
// exp(−α(δ−ε)² − β(τ−γ)²): Thol and Lemmon (2016), Int. J. Thermophys. 37, 28, table of
// coefficients.
static constexpr TGaussianTerm R1234zeEGaussian[] = {
    {1.407916, 1.33, 1.0, 1.0, 1.21, 0.943, 0.728},    // 11
    {-0.4237082, 1.75, 1.0, 1.61, 1.37, 0.642, 0.87},  // 12
    {-0.2270068, 2.11, 3.0, 1.24, 0.98, 0.59, 0.855},  // 13
    {-0.805213, 1.0, 3.0, 9.34, 171.0, 1.2, 0.79},     // 14
    {0.00994318, 1.5, 2.0, 5.78, 47.4, 1.33, 1.3},     // 15
    {-0.008798793, 1.0, 1.0, 3.08, 15.4, 0.64, 0.71},  // 16
};

// R1234ze(E) (trans-1,3,3,3-tetrafluoropropene) ideal-gas part, Planck-Einstein terms m ln(1 −
// exp(−θ τ)): Thol and Lemmon (2016), Int. J. Thermophys. 37, 28; a1 and a2 give the IIR reference
// state (h = 200 kJ/kg, s = 1 kJ/(kg K) for the saturated liquid at 0 °C).
static constexpr TIdealPlanckTerm R1234zeEIdealPlanck[] = {
    {9.3575, 1.3411308896691094},
    {10.717, 5.155380340014588},
};
static constexpr TIdealGasPart R1234zeEIdeal{
    -12.5583466710529, 8.791229309651, 3.0, {}, R1234zeEIdealPlanck};

// R1234ze(E) (trans-1,3,3,3-tetrafluoropropene) ancillary equations (start values of the saturation
// solver), ϑ = 1 − T/T_red with each equation's own T_red (K) and reducing value: vapour pressure
// (bar), saturated-liquid and saturated-vapour density (kg/m3, the molar reducing density times the
// molar mass); the saturation temperature is the inverse of the vapour pressure; from Tc_Max_ on,
// straight lines continue the three to the critical point (KX_Reduced_Ancillaries.h).
// ln(y/y_red) = (T_red/T) Σ n ϑ^t, a fit to the saturation line of the equation.
static constexpr double R1234zeEPseN[] = {-7.5888, 1.9696, -2.0827, -4.1238};
static constexpr double R1234zeEPseK[] = {1.0, 1.5, 2.2, 4.6};
// y/y_red = 1 + Σ n ϑ^t, a fit to the saturation line of the equation.
static constexpr double R1234zeEDsleN[] = {-8.42282936179494,   35.592169315198404,
                                           -27.748444759203856, 3.0869391194586315,
                                           0.49297732386262993, 2436.2254360953007};
static constexpr double R1234zeEDsleK[] = {
    0.07, 0.096, 0.10800000000000001, 0.383, 2.6666666666666665, 25.0};
// ln(y/y_red) = Σ n ϑ^t, a fit to the saturation line of the equation.
static constexpr double R1234zeEDsveN[] = {-1.0308, -5.0422, -11.5, -37.499, -77.945};
static constexpr double R1234zeEDsveK[] = {0.24, 0.72, 2.1, 4.8, 9.5};
static constexpr TReducedAncillaries R1234zeEAncillaries{
    {36.349, R1234zeEPseN, R1234zeEPseK},
    {4290.0 * 0.1140415928, R1234zeEDsleN, R1234zeEDsleK, 382.52},
    {4290.0 * 0.1140415928, R1234zeEDsveN, R1234zeEDsveK},
    // from Tc_Max_ on: the saturated states of the equation there, to its critical point
    StraightToCritical(109.263, 36.27690386074, 36.3486600476, 0.1),
    StraightToCritical(109.263, 556.5608164067, 489.238433112, 0.1),
    StraightToCritical(109.263, 419.4835847303, 489.238433112, 0.1)};

TR1234zeE_FE::TR1234zeE_FE()
    : TEquationFluid(
          THelmholzConstants{
              .Code = "KX_R1234zeE_FE",
              .MM_ = 114.0415928,
              .R_ = 8.3144621 / 114.0415928,
              .Ac_ = 0.313,
              .Tc_ = 109.363,
              .Tcr_ = 109.363,
              .Tc_Max_ = 109.263,
              .Pc_ = 36.3486600476,  // of the equation at the critical density and temperature
              .Hc_ = 395.5427,
              .Pcr_ = 36.3486600476,
              .Dcr_ = 489.238433112,
              .Tt_ = -104.53,
              .Pt_ = 0.00218654671457,
              .Pmin = 0.00218654671457,  // the triple-point pressure
              .Pmax = 1000.0,
              .Tmax = 420.0 - KelvinOffset},
          {R1234zeEResidual, R1234zeEGaussian}, R1234zeEIdeal) {}

double TR1234zeE_FE::Pse(double t) const {
    return R1234zeEAncillaries.Pressure(t, Tcr_, dta);
}

double TR1234zeE_FE::tse(double p) const {
    return R1234zeEAncillaries.Temperature(p, Tcr_, dta);
}

double TR1234zeE_FE::dsle(double t) const {
    return R1234zeEAncillaries.LiquidDensity(t, Tcr_, dta);
}

double TR1234zeE_FE::dsve(double t) const {
    return R1234zeEAncillaries.VapourDensity(t, Tcr_, dta);
}
