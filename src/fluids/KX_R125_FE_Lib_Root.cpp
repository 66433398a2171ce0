#include "KX_R125_FE_Lib_Root.h"

#include "KX_Reduced_Ancillaries.h"

// R125 residual part, 5 polynomial and 10 exponential terms: Lemmon and Jacobsen, J. Phys. Chem.
// Ref. Data 34 (2005) 69.
static constexpr TResidualTerm R125Residual[] = {
    {5.28076, 0.669, 1.0, 0},     // 1
    {-8.67658, 1.05, 1.0, 0},     // 2
    {0.7501127, 2.75, 1.0, 0},    // 3
    {0.7590023, 0.956, 2.0, 0},   // 4
    {0.01451899, 1.0, 4.0, 0},    // 5
    {4.777189, 2.0, 1.0, 1},      // 6
    {-3.330988, 2.75, 1.0, 1},    // 7
    {3.775673, 2.38, 2.0, 1},     // 8
    {-2.290919, 3.37, 2.0, 1},    // 9
    {0.8888268, 3.47, 3.0, 1},    // 10
    {-0.6234864, 2.63, 4.0, 1},   // 11
    {-0.04127263, 3.45, 5.0, 1},  // 12
    {-0.08455389, 0.72, 1.0, 2},  // 13
    {-0.1308752, 4.23, 5.0, 2},   // 14
    {0.008344962, 0.2, 1.0, 3},   // 15
};
static_assert(ValidResidualTable(R125Residual));

// R125 residual part, the 3 double-exponential terms n δ^d τ^t exp(−δ^l − τ^m) of the same
// equation.
static constexpr TDoubleExponentialTerm R125DoubleExponentials[] = {
    {-1.532005, 4.5, 2.0, 2, 1.7},     // 16
    {-0.05883649, 29.0, 3.0, 3, 7.0},  // 17
    {0.02296658, 24.0, 5.0, 3, 6.0},   // 18
};

// R125 ideal-gas part from the heat capacity the paper's tables were computed with,
// cp0/R = 3.063 (T/K)^0.1 + Σ m (u/T)² exp(u/T)/(exp(u/T) − 1)²: the power term integrates to
// b τ^−0.1 with b = −3.063 Tc^0.1/(0.1 × 1.1) (the paper's printed −49.8651 rounds it and misses
// table values in the last digit). Lemmon and Jacobsen, J. Phys. Chem. Ref. Data 34 (2005) 69.
static constexpr TIdealPowerTerm R125IdealPowers[] = {
    {-49.865070676498284, -0.1},
};
// R125 ideal-gas part, Planck-Einstein terms m ln(1 − exp(−θ τ)), θ = u/Tc with u = 314, 756 and
// 1707 K: Lemmon and Jacobsen, J. Phys. Chem. Ref. Data 34 (2005) 69.
static constexpr TIdealPlanckTerm R125IdealPlanck[] = {
    {2.303, 0.9257812384830161},
    {5.086, 2.2289510073030576},
    {7.3, 5.032829853791428},
};
// a1 and a2 give the IIR reference state (h = 200 kJ/kg, s = 1 kJ/(kg K) for the saturated
// liquid at 0 °C).
static constexpr TIdealGasPart R125Ideal{37.2674161211586, 8.88404059221028, -1.0, R125IdealPowers,
                                         R125IdealPlanck};

// R125 ancillary equations (start values of the saturation solver, not part of the equation),
// in the reduced forms of KX_Reduced_Ancillaries.h, and their straight continuation.
static constexpr double R125PseN[] = {6.579940225415354,  -13.12524401279829, -10.469172276861269,
                                      13.618968108873503, -8.0692357647322,   55.965891794172045};
static constexpr double R125PseK[] = {0.885, 0.925, 3.474, 3.812, 4.411, 15.538};
static constexpr double R125DsleN[] = {2.2016016101218163, 9.66884730895765,   -38.74092529625786,
                                       45.90185095955414,  -68.77471029167359, 3782.012676140688};
static constexpr double R125DsleK[] = {0.356, 2.347, 3.224, 4.03, 7.525, 16.03};
static constexpr double R125DsveN[] = {-2.8403, -7.2738, -21.89, -58.825};
static constexpr double R125DsveK[] = {0.38, 1.22, 3.3, 6.9};
static constexpr TReducedAncillaries R125Ancillaries{
    {36.177, R125PseN, R125PseK},
    {573.5822706, R125DsleN, R125DsleK},
    {573.5822706, R125DsveN, R125DsveK},
    // from Tc_Max_ on: the saturated states of the equation there, to its critical point
    StraightToCritical(65.923, 36.0986741535784, 36.1792956587, 0.1),
    StraightToCritical(65.923, 643.6664079708703, 573.5822706, 0.1),
    StraightToCritical(65.923, 504.8347293749803, 573.5822706, 0.1)};

TR125_FE::TR125_FE()
    : TEquationFluid(THelmholzConstants{.Code = "KX_R125_FE",
                                        .MM_ = 120.0214,
                                        .R_ = 0.0692749126405791,
                                        .Ac_ = 0.30252,
                                        .Tc_ = 66.023,
                                        .Tcr_ = 66.023,
                                        .Tc_Max_ = 65.923,
                                        .Pc_ = 36.1792956587,
                                        .Hc_ = 318.06,
                                        .Pcr_ = 36.1792956587,
                                        .Dcr_ = 573.5822706,
                                        .Tt_ = -100.63,
                                        .Pt_ = 0.02914046009031,
                                        .Pmin = 0.02914046009031,  // the triple-point pressure
                                        .Pmax = 600.0,
                                        .Tmax = 226.85},
                     {.terms = R125Residual, .doubleExponentials = R125DoubleExponentials},
                     R125Ideal) {}

double TR125_FE::Pse(double t) const {
    return R125Ancillaries.Pressure(t, Tcr_, dta);
}

double TR125_FE::tse(double p) const {
    return R125Ancillaries.Temperature(p, Tcr_, dta);
}

double TR125_FE::dsle(double t) const {
    return R125Ancillaries.LiquidDensity(t, Tcr_, dta);
}

double TR125_FE::dsve(double t) const {
    return R125Ancillaries.VapourDensity(t, Tcr_, dta);
}
