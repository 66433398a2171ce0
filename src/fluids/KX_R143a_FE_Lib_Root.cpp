#include "KX_R143a_FE_Lib_Root.h"

#include "KX_Reduced_Ancillaries.h"

// R143a residual part, 5 polynomial and 12 exponential terms: Lemmon and Jacobsen, J. Phys. Chem.
// Ref. Data 29 (2000) 521.
static constexpr TResidualTerm R143aResidual[] = {
    {7.7736443, 0.67, 1.0, 0},     // 1
    {-8.70185, 0.833, 1.0, 0},     // 2
    {-0.27779799, 1.7, 1.0, 0},    // 3
    {0.1460922, 1.82, 2.0, 0},     // 4
    {0.0089581616, 0.35, 5.0, 0},  // 5
    {-0.20552116, 3.9, 1.0, 1},    // 6
    {0.10653258, 0.95, 3.0, 1},    // 7
    {0.023270816, 0.0, 5.0, 1},    // 8
    {-0.013247542, 1.19, 7.0, 1},  // 9
    {-0.04279387, 7.2, 1.0, 2},    // 10
    {0.36221685, 5.9, 2.0, 2},     // 11
    {-0.25671899, 7.65, 2.0, 2},   // 12
    {-0.092326113, 7.5, 3.0, 2},   // 13
    {0.083774837, 7.45, 4.0, 2},   // 14
    {0.017128445, 15.5, 2.0, 3},   // 15
    {-0.01725611, 22.0, 3.0, 3},   // 16
    {0.0049080492, 19.0, 5.0, 3},  // 17
};
static_assert(ValidResidualTable(R143aResidual));

// R143a ideal-gas part, power terms b τ^e: Lemmon and Jacobsen, J. Phys. Chem. Ref. Data 29 (2000)
// 521.
static constexpr TIdealPowerTerm R143aIdealPowers[] = {
    {-16.59105, -0.33},
};
// R143a ideal-gas part, Planck-Einstein terms m ln(1 − exp(−θ τ)), θ = u/Tc: Lemmon and Jacobsen,
// J. Phys. Chem. Ref. Data 29 (2000) 521.
static constexpr TIdealPlanckTerm R143aIdealPlanck[] = {
    {4.4402, 5.178440800678},
    {3.7515, 2.37959619149},
};
// a1 and a2 give the IIR reference state (h = 200 kJ/kg, s = 1 kJ/(kg K) for the saturated
// liquid at 0 °C).
static constexpr TIdealGasPart R143aIdeal{5.90304916267, 7.307250417059, -1.0, R143aIdealPowers,
                                          R143aIdealPlanck};

// R143a ancillary equations (start values of the saturation solver, not part of the
// equation), in the reduced forms of KX_Reduced_Ancillaries.h, and their straight continuation.
static constexpr double R143aPseN[] = {-7.3938, 1.9948, -1.8487, -4.1927, 1.4862};
static constexpr double R143aPseK[] = {1.0, 1.5, 2.2, 4.8, 6.2};
static constexpr double R143aDsleN[] = {2.1135, 10.2, -30.836, 39.909, -18.557};
static constexpr double R143aDsleK[] = {0.348, 1.6, 2.0, 2.4, 2.7};
static constexpr double R143aDsveN[] = {-2.8673, -6.3818, -16.314, -45.947, -1.3956, -246.71};
static constexpr double R143aDsveK[] = {0.384, 1.17, 3.0, 6.2, 7.0, 15.0};
static constexpr TReducedAncillaries R143aAncillaries{
    {37.61, R143aPseN, R143aPseK},
    {431.00006645, R143aDsleN, R143aDsleK},
    {431.00006645, R143aDsveN, R143aDsveK},
    // from Tc_Max_ on: the saturated states of the equation there, to its critical point
    StraightToCritical(72.607, 37.53773085449, 37.6181820139, 0.1),
    StraightToCritical(72.607, 479.9762255291, 431.00006645, 0.1),
    StraightToCritical(72.607, 383.1600942297, 431.00006645, 0.1)};

TR143a_FE::TR143a_FE()
    : TEquationFluid(THelmholzConstants{.Code = "KX_R143a_FE",
                                        .MM_ = 84.041,
                                        .R_ = 0.09893352054354423,
                                        .Ac_ = 0.2615,
                                        .Tc_ = 72.707,
                                        .Tcr_ = 72.707,
                                        .Tc_Max_ = 72.607,
                                        .Pc_ = 37.6181820139,
                                        .Hc_ = 358.91,
                                        .Pcr_ = 37.6181820139,
                                        .Dcr_ = 431.00006645,
                                        .Tt_ = -111.81,
                                        .Pt_ = 0.01074945443138,
                                        .Pmin = 0.01074945443138,  // the triple-point pressure
                                        .Pmax = 500.0,
                                        .Tmax = 176.85},
                     {R143aResidual}, R143aIdeal) {}

double TR143a_FE::Pse(double t) const {
    return R143aAncillaries.Pressure(t, Tcr_, dta);
}

double TR143a_FE::tse(double p) const {
    return R143aAncillaries.Temperature(p, Tcr_, dta);
}

double TR143a_FE::dsle(double t) const {
    return R143aAncillaries.LiquidDensity(t, Tcr_, dta);
}

double TR143a_FE::dsve(double t) const {
    return R143aAncillaries.VapourDensity(t, Tcr_, dta);
}
