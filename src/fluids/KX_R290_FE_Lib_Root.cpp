#include "KX_R290_FE_Lib_Root.h"

#include "KX_Reduced_Ancillaries.h"

// R290 (propane) residual part, terms 1-11, n δ^d τ^t exp(−δ^l) (l = 0: polynomial):
// Lemmon, McLinden and Wagner (2009), J. Chem. Eng. Data 54, 3141, table of coefficients.
static constexpr TResidualTerm R290Residual[] = {
    {0.042910051, 1.0, 4.0, 0},   // 1
    {1.7313671, 0.33, 1.0, 0},    // 2
    {-2.4516524, 0.8, 1.0, 0},    // 3
    {0.34157466, 0.43, 2.0, 0},   // 4
    {-0.46047898, 0.9, 2.0, 0},   // 5
    {-0.66847295, 2.46, 1.0, 1},  // 6
    {0.20889705, 2.09, 3.0, 1},   // 7
    {0.19421381, 0.88, 6.0, 1},   // 8
    {-0.22917851, 1.09, 6.0, 1},  // 9
    {-0.60405866, 3.25, 2.0, 2},  // 10
    {0.066680654, 4.62, 3.0, 2},  // 11
};
static_assert(ValidResidualTable(R290Residual));

// R290 (propane) Gaussian bell-shaped terms 12-18, n δ^d τ^t exp(−α(δ−ε)² − β(τ−γ)²):
// Lemmon, McLinden and Wagner (2009), J. Chem. Eng. Data 54, 3141, table of coefficients.
static constexpr TGaussianTerm R290Gaussian[] = {
    {0.017534618, 0.76, 1.0, 0.963, 2.33, 0.684, 1.283},   // 12
    {0.33874242, 2.5, 1.0, 1.977, 3.47, 0.829, 0.6936},    // 13
    {0.22228777, 2.75, 1.0, 1.917, 3.15, 1.419, 0.788},    // 14
    {-0.23219062, 3.05, 2.0, 2.307, 3.19, 0.817, 0.473},   // 15
    {-0.09220694, 2.55, 2.0, 2.546, 0.92, 1.5, 0.8577},    // 16
    {-0.47575718, 8.4, 4.0, 3.28, 18.8, 1.426, 0.271},     // 17
    {-0.017486824, 6.75, 1.0, 14.6, 547.8, 1.093, 0.948},  // 18
};

// R290 (propane) ideal-gas part, Planck-Einstein terms m ln(1 − exp(−θ τ)):
// Lemmon, McLinden and Wagner (2009), J. Chem. Eng. Data 54, 3141; a1 and a2 give the IIR reference
// state (h = 200 kJ/kg, s = 1 kJ/(kg K) for the saturated liquid at 0 °C).
static constexpr TIdealPlanckTerm R290IdealPlanck[] = {
    {3.043, 1.0624780340101112},
    {5.874, 3.34423747600638},
    {9.337, 5.3637567925599505},
    {7.922, 11.762956554651383},
};
static constexpr TIdealGasPart R290Ideal{
    -4.97058342143591, 4.29352021662331, 3.0, {}, R290IdealPlanck};

// R290 (propane) ancillary equations (start values of the saturation solver), ϑ = 1 − T/T_red with
// each equation's own T_red (K) and reducing value: vapour pressure (bar), saturated-liquid and
// saturated-vapour density (kg/m3, the molar reducing density times the molar mass); the saturation
// temperature is the inverse of the vapour pressure; from Tc_Max_ on, straight lines continue the
// three to the critical point (KX_Reduced_Ancillaries.h).
// ln(y/y_red) = (T_red/T) Σ n ϑ^t, a fit to the saturation line of the equation.
static constexpr double R290PseN[] = {-23.998635747391152, 18.313017605233238, -0.42240851966839504,
                                      -2.7378298813798962, 0.257888414168987,  -1.3113462226130785};
static constexpr double R290PseK[] = {1.05, 1.084, 2.259, 4.287, 7.66, 18.584};
// y/y_red = 1 + Σ n ϑ^t, a fit to the saturation line of the equation.
static constexpr double R290DsleN[] = {1.82205, 0.65802, 0.21109, 0.083973};
static constexpr double R290DsleK[] = {0.345, 0.74, 2.6, 7.2};
// ln(y/y_red) = (T_red/T) Σ n ϑ^t, a fit to the saturation line of the equation.
static constexpr double R290DsveN[] = {-3.401360845132903,  -1.9443653795380451,
                                       -0.4101211459709529, -15.598374206544214,
                                       15.844867806184942,  -15.298907422332046};
static constexpr double R290DsveK[] = {0.431, 1.339, 2.091, 6.822, 8.214, 19.706};
static constexpr TReducedAncillaries R290Ancillaries{
    {42.512, R290PseN, R290PseK},
    {5000.0 * 0.04409562, R290DsleN, R290DsleK},
    {5000.0 * 0.04409562, R290DsveN, R290DsveK},
    // from Tc_Max_ on: the saturated states of the equation there, to its critical point
    StraightToCritical(96.64, 42.43430397161, 42.5116463411, 0.1),
    StraightToCritical(96.64, 243.2899131752, 220.4781, 0.1),
    StraightToCritical(96.64, 197.8449352965, 220.4781, 0.1),
    true};

TR290_FE::TR290_FE()
    : TEquationFluid(
          THelmholzConstants{
              .Code = "KX_R290_FE",
              .MM_ = 44.09562,
              .R_ = 8.314472 / 44.09562,
              .Ac_ = 0.1521,
              .Tc_ = 96.74,
              .Tcr_ = 96.74,
              .Tc_Max_ = 96.64,
              .Pc_ = 42.5116463411,  // of the equation at the critical density and temperature
              .Hc_ = 555.2354,
              .Pcr_ = 42.5116463411,
              .Dcr_ = 220.4781,
              .Tt_ = -187.625,
              .Pt_ = 1.72046181512e-09,
              .Pmin = 1.72046181512e-09,  // the triple-point pressure
              .Pmax = 10000.0,
              .Tmax = 650.0 - KelvinOffset},
          {R290Residual, R290Gaussian}, R290Ideal) {}

double TR290_FE::Pse(double t) const {
    return R290Ancillaries.Pressure(t, Tcr_, dta);
}

double TR290_FE::tse(double p) const {
    return R290Ancillaries.Temperature(p, Tcr_, dta);
}

double TR290_FE::dsle(double t) const {
    return R290Ancillaries.LiquidDensity(t, Tcr_, dta);
}

double TR290_FE::dsve(double t) const {
    return R290Ancillaries.VapourDensity(t, Tcr_, dta);
}
