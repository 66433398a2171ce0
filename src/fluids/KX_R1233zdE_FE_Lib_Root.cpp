#include "KX_R1233zdE_FE_Lib_Root.h"

#include "KX_Reduced_Ancillaries.h"

// R1233zd(E) residual part, 5 polynomial and 5 exponential terms: Akasaka and Lemmon, J. Phys.
// Chem. Ref. Data 51 (2022) 023101.
static constexpr TResidualTerm R1233zdEResidual[] = {
    {0.04394257, 1.0, 4.0, 0},           // 1
    {1.062919, 0.182, 1.0, 0},           // 2
    {-1.287914037497, 0.865, 1.0, 0},    // 3
    {-0.8088618920845, 1.0924, 2.0, 0},  // 4
    {0.2372427, 0.49, 3.0, 0},           // 5
    {-1.9403, 1.958, 1.0, 2},            // 6
    {-2.831967, 2.05, 3.0, 2},           // 7
    {0.373421, 0.658, 2.0, 1},           // 8
    {-1.515798, 2.051, 2.0, 2},          // 9
    {-0.02755627, 0.862, 7.0, 1},        // 10
};
static_assert(ValidResidualTable(R1233zdEResidual));

// R1233zd(E) Gaussian bell-shaped terms 11-18: Akasaka and Lemmon, J. Phys. Chem. Ref. Data 51
// (2022) 023101.
static constexpr TGaussianTerm R1233zdEGaussian[] = {
    {4.24023, 1.852, 1.0, 1.532, 0.2912, 1.7171, 0.8834},    // 11
    {-0.03152671, 1.92, 2.0, 0.635, 0.6245, 0.63, 1.386},    // 12
    {-1.366494, 1.936, 3.0, 1.4056, 0.669, 0.7852, 0.5196},  // 13
    {2.647143, 1.515, 1.0, 1.451, 0.5798, 2.251, 1.133},     // 14
    {-2.325463, 2.668, 1.0, 1.395, 0.4643, 1.821, 0.9788},   // 15
    {-0.2541521, 1.755, 1.0, 2.259, 2.449, 2.074, 1.166},    // 16
    {0.1330834, 0.526, 1.0, 24.3, 1061.4, 1.0797, 0.9244},   // 17
    {-0.1569217, 2.98, 1.0, 23.6, 917.8, 1.084, 0.9372},     // 18
};

// R1233zd(E) ideal-gas part, Planck-Einstein terms m ln(1 − exp(−θ τ)), θ = u/Tc: Akasaka and
// Lemmon, J. Phys. Chem. Ref. Data 51 (2022) 023101.
static constexpr TIdealPlanckTerm R1233zdEIdealPlanck[] = {
    {13.7, 1.734038189856},
    {7.0974, 6.539670965684},
};
// a1 and a2 give the IIR reference state (h = 200 kJ/kg, s = 1 kJ/(kg K) for the saturated
// liquid at 0 °C).
static constexpr TIdealGasPart R1233zdEIdeal{
    -17.29122993189, 10.40494744688, 3.0, {}, R1233zdEIdealPlanck};

// R1233zd(E) ancillary equations (start values of the saturation solver, not part of the
// equation), in the reduced forms of KX_Reduced_Ancillaries.h, and their straight continuation.
static constexpr double R1233zdEPseN[] = {-7.4798, 1.5791, -1.7959, -3.6716};
static constexpr double R1233zdEPseK[] = {1.0, 1.5, 2.39, 4.53};
static constexpr double R1233zdEDsleN[] = {0.61448, 2.6345, -1.316, 0.86885, 0.34071};
static constexpr double R1233zdEDsleK[] = {0.22, 0.55, 0.94, 1.4, 6.8};
static constexpr double R1233zdEDsveN[] = {-0.80785, -3.2355, -2.7567, -10.863, -33.456, -69.31};
static constexpr double R1233zdEDsveK[] = {0.24, 0.59, 1.0, 2.2, 4.7, 9.0};
static constexpr TReducedAncillaries R1233zdEAncillaries{
    {35.828, R1233zdEPseN, R1233zdEPseK},
    {483.3579248, R1233zdEDsleN, R1233zdEDsleK},
    {483.3579248, R1233zdEDsveN, R1233zdEDsveK},
    // from Tc_Max_ on: the saturated states of the equation there, to its critical point
    StraightToCritical(165.61, 35.76658625132, 35.82752889647, 0.1),
    StraightToCritical(165.61, 542.4743783728, 483.3579248, 0.1),
    StraightToCritical(165.61, 424.4093634168, 483.3579248, 0.1)};

TR1233zdE_FE::TR1233zdE_FE()
    : TEquationFluid(THelmholzConstants{.Code = "KX_R1233zdE_FE",
                                        .MM_ = 130.4962,
                                        .R_ = 0.06371421250580477,
                                        .Ac_ = 0.304,
                                        .Tc_ = 165.71,
                                        .Tcr_ = 165.71,
                                        .Tc_Max_ = 165.61,
                                        .Pc_ = 35.82752889647,
                                        .Hc_ = 453.99,
                                        .Pcr_ = 35.82752889647,
                                        .Dcr_ = 483.3579248,
                                        .Tt_ = -107.4,
                                        .Pt_ = 8.627970426903e-05,
                                        .Pmin = 8.627970426903e-05,  // the triple-point pressure
                                        .Pmax = 1000.0,
                                        .Tmax = 176.85},
                     {R1233zdEResidual, R1233zdEGaussian}, R1233zdEIdeal) {}

double TR1233zdE_FE::Pse(double t) const {
    return R1233zdEAncillaries.Pressure(t, Tcr_, dta);
}

double TR1233zdE_FE::tse(double p) const {
    return R1233zdEAncillaries.Temperature(p, Tcr_, dta);
}

double TR1233zdE_FE::dsle(double t) const {
    return R1233zdEAncillaries.LiquidDensity(t, Tcr_, dta);
}

double TR1233zdE_FE::dsve(double t) const {
    return R1233zdEAncillaries.VapourDensity(t, Tcr_, dta);
}
