#include "KX_R1336mzzZ_FE_Lib_Root.h"

#include "KX_Reduced_Ancillaries.h"

// R1336mzz(Z) residual part, 5 polynomial and 5 exponential terms: McLinden and Akasaka, J. Chem.
// Eng. Data 65 (2020) 4201.
static constexpr TResidualTerm R1336mzzZResidual[] = {
    {0.036673095, 1.0, 4.0, 0},    // 1
    {1.1956619, 0.26, 1.0, 0},     // 2
    {-1.8462376, 1.0, 1.0, 0},     // 3
    {-0.60599297, 1.0, 2.0, 0},    // 4
    {0.24973833, 0.515, 3.0, 0},   // 5
    {-1.2548278, 2.6, 1.0, 2},     // 6
    {-1.4389612, 3.0, 3.0, 2},     // 7
    {0.35168887, 0.74, 2.0, 1},    // 8
    {-0.82104051, 2.68, 2.0, 2},   // 9
    {-0.031747538, 0.96, 7.0, 1},  // 10
};
static_assert(ValidResidualTable(R1336mzzZResidual));

// R1336mzz(Z) Gaussian bell-shaped terms 11-18: McLinden and Akasaka, J. Chem. Eng. Data 65 (2020)
// 4201.
static constexpr TGaussianTerm R1336mzzZGaussian[] = {
    {1.0281388, 1.06, 1.0, 0.746, 1.118, 0.962, 1.225},       // 11
    {0.21094074, 3.4, 1.0, 2.406, 3.065, 1.111, 0.161},       // 12
    {0.701701, 1.617, 3.0, 0.7804, 0.7274, 1.135, 1.231},     // 13
    {0.24638528, 1.865, 2.0, 1.25, 0.8435, 1.163, 1.395},     // 14
    {-1.5295034, 1.737, 3.0, 0.6826, 0.6754, 0.969, 0.9072},  // 15
    {0.33424978, 3.29, 2.0, 1.677, 0.436, 1.286, 0.958},      // 16
    {1.011324, 1.242, 2.0, 1.762, 3.808, 1.274, 0.412},       // 17
    {-0.023457179, 2.0, 1.0, 21.0, 1888.0, 1.056, 0.944},     // 18
};

// R1336mzz(Z) ideal-gas part, Planck-Einstein terms m ln(1 − exp(−θ τ)), θ = u/Tc: McLinden and
// Akasaka, J. Chem. Eng. Data 65 (2020) 4201.
static constexpr TIdealPlanckTerm R1336mzzZIdealPlanck[] = {
    {20.2, 1.655793025872},
    {5.275, 5.172103487064},
};
// a1 and a2 give the IIR reference state (h = 200 kJ/kg, s = 1 kJ/(kg K) for the saturated
// liquid at 0 °C).
static constexpr TIdealGasPart R1336mzzZIdeal{
    -20.21124325939, 12.00289811416, 3.0, {}, R1336mzzZIdealPlanck};

// R1336mzz(Z) ancillary equations (start values of the saturation solver, not part of the
// equation), in the reduced forms of KX_Reduced_Ancillaries.h, and their straight continuation.
static constexpr double R1336mzzZPseN[] = {-7.958, 1.9584, -2.5856, -4.0215};
static constexpr double R1336mzzZPseK[] = {1.0, 1.5, 2.37, 4.43};
static constexpr double R1336mzzZDsleN[] = {2.1782, 0.68072, -0.17224, 0.39416};
static constexpr double R1336mzzZDsleK[] = {0.35, 0.878, 1.58, 2.34};
static constexpr double R1336mzzZDsveN[] = {-2.0679, -4.8241, -12.118, -38.146, -75.603};
static constexpr double R1336mzzZDsveK[] = {0.334, 0.85, 2.18, 4.7, 9.0};
static constexpr TReducedAncillaries R1336mzzZAncillaries{
    {29.03, R1336mzzZPseN, R1336mzzZPseK},
    {499.386464, R1336mzzZDsleN, R1336mzzZDsleK},
    {499.386464, R1336mzzZDsveN, R1336mzzZDsveK},
    // from Tc_Max_ on: the saturated states of the equation there, to its critical point
    StraightToCritical(171.25, 28.98518264125, 29.0371093778, 0.1),
    StraightToCritical(171.25, 557.716410626, 499.386464, 0.1),
    StraightToCritical(171.25, 439.6059103477, 499.386464, 0.1)};

TR1336mzzZ_FE::TR1336mzzZ_FE()
    : TEquationFluid(THelmholzConstants{.Code = "KX_R1336mzzZ_FE",
                                        .MM_ = 164.056,
                                        .R_ = 0.05068063720924562,
                                        .Ac_ = 0.386,
                                        .Tc_ = 171.35,
                                        .Tcr_ = 171.35,
                                        .Tc_Max_ = 171.25,
                                        .Pc_ = 29.0371093778,
                                        .Hc_ = 461.61,
                                        .Pcr_ = 29.0371093778,
                                        .Dcr_ = 499.386464,
                                        .Tt_ = -90.5,
                                        .Pt_ = 0.0001807990933929,
                                        .Pmin = 0.0001807990933929,  // the triple-point pressure
                                        .Pmax = 460.0,
                                        .Tmax = 226.85},
                     {R1336mzzZResidual, R1336mzzZGaussian}, R1336mzzZIdeal) {}

double TR1336mzzZ_FE::Pse(double t) const {
    return R1336mzzZAncillaries.Pressure(t, Tcr_, dta);
}

double TR1336mzzZ_FE::tse(double p) const {
    return R1336mzzZAncillaries.Temperature(p, Tcr_, dta);
}

double TR1336mzzZ_FE::dsle(double t) const {
    return R1336mzzZAncillaries.LiquidDensity(t, Tcr_, dta);
}

double TR1336mzzZ_FE::dsve(double t) const {
    return R1336mzzZAncillaries.VapourDensity(t, Tcr_, dta);
}
