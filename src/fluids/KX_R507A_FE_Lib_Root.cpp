#include "KX_R507A_FE_Lib_Root.h"

// R-507A residual part, 22 terms n δ^d τ^t exp(−δ^l) (l = 0: no exponential): Lemmon, Int. J.
// Thermophys. 24 (2003) 991.
static constexpr TResidualTerm R507AResidual[] = {
    {6.24982, 0.692, 1.0, 0},     // 1
    {-8.07855, 0.943, 1.0, 0},    // 2
    {0.0264843, 5.8, 1.0, 0},     // 3
    {0.286215, 0.77, 2.0, 0},     // 4
    {-0.00507076, 5.84, 2.0, 0},  // 5
    {0.0109552, 0.24, 4.0, 0},    // 6
    {0.00116124, 0.69, 6.0, 0},   // 7
    {1.38469, 2.0, 1.0, 1},       // 8
    {-0.922473, 3.0, 1.0, 1},     // 9
    {-0.0503562, 7.0, 1.0, 1},    // 10
    {0.822098, 2.2, 2.0, 1},      // 11
    {-0.277727, 4.3, 2.0, 1},     // 12
    {0.358172, 2.7, 3.0, 1},      // 13
    {-0.0126426, 1.2, 4.0, 1},    // 14
    {-0.0060701, 1.23, 7.0, 1},   // 15
    {-0.0815653, 12.0, 2.0, 2},   // 16
    {-0.0233323, 6.0, 3.0, 2},    // 17
    {0.0352952, 8.5, 4.0, 2},     // 18
    {0.0159566, 11.5, 4.0, 2},    // 19
    {0.0755927, 13.0, 2.0, 3},    // 20
    {-0.0542007, 17.0, 3.0, 3},   // 21
    {0.0170451, 16.2, 5.0, 3},    // 22
};
static_assert(ValidResidualTable(R507AResidual));

// R-507A ideal-gas part, power terms b τ^e: Lemmon, Int. J. Thermophys. 24 (2003) 991.
static constexpr TIdealPowerTerm R507AIdealPowers[] = {
    {-21.6054, -0.25},
};
// R-507A ideal-gas part, Planck-Einstein terms m ln(1 − exp(−θ τ)), θ = θ[K] / T_red: Lemmon, Int.
// J. Thermophys. 24 (2003) 991.
static constexpr TIdealPlanckTerm R507AIdealPlanck[] = {
    {0.95006, 364.0 / 343.765},
    {4.1887, 815.0 / 343.765},
    {5.5184, 1768.0 / 343.765},
};
// a1 and a2 as published give the IIR reference state (h = 200 kJ/kg, s = 1 kJ/(kg K) for the
// saturated liquid at the bubble point at 0 °C) to 4e-4 kJ/kg; no further offset.
static constexpr TIdealGasPart R507AIdeal{9.93541, 7.9985, -1.0, R507AIdealPowers,
                                          R507AIdealPlanck};

// R-507A bubble- and dew-pressure ancillaries, ln(p/p_red) = (T_red/T) Σ N θ^t: Lemmon, Int. J.
// Thermophys. 24 (2003) 991.
static constexpr double R507ABubbleN[] = {-7.4853, 2.0115, -2.0141, -3.7763};
static constexpr double R507ABubbleT[] = {1.0, 1.5, 2.2, 4.6};
static constexpr double R507ADewN[] = {-7.5459, 2.338, -2.237, -4.1535};
static constexpr double R507ADewT[] = {1.0, 1.5, 2.1, 4.7};
// R-507A start values of the saturated densities (not published: fits to the equation's
// saturated densities, within 0.019 % for the liquid and 0.12 % for the vapour).
static constexpr double R507ALiquidStartN[] = {-1.19092728372129, 2.43018882242011,
                                               3.51217152108057,  -3.70137271372586,
                                               2.35842643685571,  -3.94697181325223};
static constexpr double R507ALiquidStartT[] = {0.093, 0.162, 0.914, 1.425, 2.269, 7.339};
static constexpr double R507AVapourStartN[] = {3.97531780042767, -74.1368924572824,
                                               75.9872615805195, -11.5673344760471,
                                               3.08450006487859, -6.7226280412953};
static constexpr double R507AVapourStartT[] = {0.11, 0.26, 0.286, 0.563, 2.03, 2.811};

// R-507A constants (molar mass, gas constant, reducing temperature, density and pressure,
// acentric factor): Lemmon, Int. J. Thermophys. 24 (2003) 991.
static constexpr TPseudoPureBlendData R507AData{
    .code = "KX_R507A_FE",
    .M = 98.8592,
    .R = 8.314472,
    .Tred = 343.765,
    .rhoRed = 4964.0,
    .pRed = 3704900.0,
    .acentric = 0.286,
    .bubble = {R507ABubbleN, R507ABubbleT},
    .dew = {R507ADewN, R507ADewT},
    .liquidStart = {R507ALiquidStartN, R507ALiquidStartT},
    .vapourStart = {R507AVapourStartN, R507AVapourStartT}};

TR507A_FE::TR507A_FE() : TPseudoPureBlend(R507AData, {R507AResidual}, R507AIdeal) {}
