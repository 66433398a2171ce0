#include "KX_R1234yf_FE_Lib_Root.h"

#include "KX_Reduced_Ancillaries.h"

// R1234yf residual part, 5 polynomial and 5 exponential terms: Lemmon and Akasaka, Int. J.
// Thermophys. 43 (2022) 119.
static constexpr TResidualTerm R1234yfResidual[] = {
    {0.0340387, 1.0, 4.0, 0},           // 1
    {1.912859, 0.222, 1.0, 0},          // 2
    {-2.198471988162, 0.61, 1.0, 0},    // 3
    {-0.8147645305033, 1.122, 2.0, 0},  // 4
    {0.2288282, 0.5, 3.0, 0},           // 5
    {-1.65436, 2.14, 1.0, 2},           // 6
    {-1.446628, 2.284, 3.0, 2},         // 7
    {0.5961722, 1.05, 2.0, 1},          // 8
    {-0.6148209, 2.33, 2.0, 2},         // 9
    {-0.0180069, 0.778, 7.0, 1},        // 10
};
static_assert(ValidResidualTable(R1234yfResidual));

// R1234yf Gaussian bell-shaped terms 11-17: Lemmon and Akasaka, Int. J. Thermophys. 43 (2022) 119.
static constexpr TGaussianTerm R1234yfGaussian[] = {
    {0.2845275, 1.0, 1.0, 28.1, 1016.0, 1.061, 0.96},   // 11
    {-0.3050809, 2.0, 1.0, 28.0, 1000.0, 1.062, 0.96},  // 12
    {2.198935, 1.236, 1.0, 1.307, 1.16, 1.3, 0.853},    // 13
    {-0.4270329, 1.6, 1.0, 1.96, 1.2, 1.04, 1.15},      // 14
    {-0.4015581, 1.85, 1.0, 1.25, 1.26, 1.0, 1.3},      // 15
    {0.1179587, 0.7, 1.0, 1.0, 1.6, 1.14, 1.5},         // 16
    {-0.3141002, 1.75, 1.0, 2.2, 0.87, 1.1, 0.762},     // 17
};

// R1234yf ideal-gas part, Planck-Einstein terms m ln(1 − exp(−θ τ)), θ = u/Tc: Lemmon and Akasaka,
// Int. J. Thermophys. 43 (2022) 119.
static constexpr TIdealPlanckTerm R1234yfIdealPlanck[] = {
    {8.65, 1.391871686829},
    {9.75, 4.26804403969},
    {2.11, 12.23324724752},
};
// a1 and a2 give the IIR reference state (h = 200 kJ/kg, s = 1 kJ/(kg K) for the saturated
// liquid at 0 °C).
static constexpr TIdealGasPart R1234yfIdeal{
    -12.08152554319, 8.52896238365, 3.0, {}, R1234yfIdealPlanck};

// R1234yf ancillary equations (start values of the saturation solver, not part of the
// equation), in the reduced forms of KX_Reduced_Ancillaries.h, and their straight continuation.
static constexpr double R1234yfPseN[] = {-7.4507, 2.164, -1.674, -3.318, -1.617};
static constexpr double R1234yfPseK[] = {1.0, 1.5, 2.0, 4.0, 9.0};
static constexpr double R1234yfDsleN[] = {3.392, -4.119, 8.932, -8.525, 3.384};
static constexpr double R1234yfDsleK[] = {0.4, 0.7, 1.1, 1.5, 2.1};
static constexpr double R1234yfDsveN[] = {-3.616, -74.91, 197.7, -152.76, -61.062, -115.53};
static constexpr double R1234yfDsveK[] = {0.426, 2.0, 2.4, 2.7, 7.5, 15.0};
static constexpr TReducedAncillaries R1234yfAncillaries{
    {33.844, R1234yfPseN, R1234yfPseK},
    {476.693888, R1234yfDsleN, R1234yfDsleK},
    {476.693888, R1234yfDsveN, R1234yfDsveK},
    // from Tc_Max_ on: the saturated states of the equation there, to its critical point
    StraightToCritical(94.6, 33.77512525978, 33.8437369557, 0.1),
    StraightToCritical(94.6, 520.8769403612, 476.693888, 0.1),
    StraightToCritical(94.6, 435.4696549557, 476.693888, 0.1)};

TR1234yf_FE::TR1234yf_FE()
    : TEquationFluid(THelmholzConstants{.Code = "KX_R1234yf_FE",
                                        .MM_ = 114.0416,
                                        .R_ = 0.072907277852994,
                                        .Ac_ = 0.276,
                                        .Tc_ = 94.7,
                                        .Tcr_ = 94.7,
                                        .Tc_Max_ = 94.6,
                                        .Pc_ = 33.8437369557,
                                        .Hc_ = 369.93,
                                        .Pcr_ = 33.8437369557,
                                        .Dcr_ = 476.693888,
                                        .Tt_ = -151.55,
                                        .Pt_ = 4.126835476252e-06,
                                        .Pmin = 4.126835476252e-06,  // the triple-point pressure
                                        .Pmax = 1000.0,
                                        .Tmax = 136.85},
                     {R1234yfResidual, R1234yfGaussian}, R1234yfIdeal) {}

double TR1234yf_FE::Pse(double t) const {
    return R1234yfAncillaries.Pressure(t, Tcr_, dta);
}

double TR1234yf_FE::tse(double p) const {
    return R1234yfAncillaries.Temperature(p, Tcr_, dta);
}

double TR1234yf_FE::dsle(double t) const {
    return R1234yfAncillaries.LiquidDensity(t, Tcr_, dta);
}

double TR1234yf_FE::dsve(double t) const {
    return R1234yfAncillaries.VapourDensity(t, Tcr_, dta);
}
