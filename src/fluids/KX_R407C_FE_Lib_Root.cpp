#include "KX_R407C_FE_Lib_Root.h"

// R-407C residual part, 21 terms n δ^d τ^t exp(−δ^l) (l = 0: no exponential): Lemmon, Int. J.
// Thermophys. 24 (2003) 991.
static constexpr TResidualTerm R407CResidual[] = {
    {1.0588, 0.241, 1.0, 0},      // 1
    {-1.12018, 0.69, 1.0, 0},     // 2
    {0.629064, 2.58, 1.0, 0},     // 3
    {-0.351953, 1.15, 2.0, 0},    // 4
    {0.00455978, 0.248, 5.0, 0},  // 5
    {-1.75725, 2.15, 1.0, 1},     // 6
    {-1.12009, 2.43, 2.0, 1},     // 7
    {0.0277353, 5.3, 2.0, 1},     // 8
    {0.898881, 0.76, 3.0, 1},     // 9
    {-1.17591, 1.48, 3.0, 1},     // 10
    {0.0818591, 0.24, 5.0, 1},    // 11
    {-0.0794097, 2.86, 5.0, 1},   // 12
    {-1.04047e-05, 8.0, 5.0, 1},  // 13
    {0.233779, 3.3, 1.0, 2},      // 14
    {-0.29179, 4.7, 1.0, 2},      // 15
    {0.0154776, 0.45, 4.0, 2},    // 16
    {-0.0314579, 8.4, 4.0, 2},    // 17
    {-0.00442552, 16.2, 2.0, 3},  // 18
    {-0.0101254, 26.0, 4.0, 3},   // 19
    {0.00915953, 16.0, 5.0, 3},   // 20
    {-0.00361575, 8.7, 6.0, 3},   // 21
};
static_assert(ValidResidualTable(R407CResidual));

// R-407C ideal-gas part, power terms b τ^e: Lemmon, Int. J. Thermophys. 24 (2003) 991.
static constexpr TIdealPowerTerm R407CIdealPowers[] = {
    {-14.3914, -0.4},
};
// R-407C ideal-gas part, Planck-Einstein terms m ln(1 − exp(−θ τ)), θ = θ[K] / T_red: Lemmon, Int.
// J. Thermophys. 24 (2003) 991.
static constexpr TIdealPlanckTerm R407CIdealPlanck[] = {
    {1.4245, 864.0 / 359.345},
    {3.9419, 1887.0 / 359.345},
    {3.1209, 4802.0 / 359.345},
};
// a1 and a2 as published give the IIR reference state (h = 200 kJ/kg, s = 1 kJ/(kg K) for the
// saturated liquid at the bubble point at 0 °C) to 4e-4 kJ/kg; no further offset.
static constexpr TIdealGasPart R407CIdeal{2.13194, 8.05008, -1.0, R407CIdealPowers,
                                          R407CIdealPlanck};

// R-407C bubble- and dew-pressure ancillaries, ln(p/p_red) = (T_red/T) Σ N θ^t: Lemmon, Int. J.
// Thermophys. 24 (2003) 991.
static constexpr double R407CBubbleN[] = {0.48722, -6.6959, -1.4165, -2.5109};
static constexpr double R407CBubbleT[] = {0.54, 0.925, 2.7, 4.7};
static constexpr double R407CDewN[] = {-0.086077, -6.6364, -2.4648, -3.4776};
static constexpr double R407CDewT[] = {0.4, 0.965, 3.1, 5.0};
// R-407C start values of the saturated densities (not published: fits to the equation's
// saturated densities, within 0.51 % for the liquid and 0.072 % for the vapour).
static constexpr double R407CLiquidStartN[] = {5.48462652508537, -132.942904769108,
                                               390.096613136396, -414.822713175933,
                                               424.493389099083, -294.073264650671};
static constexpr double R407CLiquidStartT[] = {0.478, 1.487, 1.826, 2.271, 3.413, 4.019};
static constexpr double R407CVapourStartN[] = {-0.740329427476899, -3.49847300531647,
                                               -3.70706387007472,  9.58842271173753,
                                               -15.2350255255499,  7.72772340947103};
static constexpr double R407CVapourStartT[] = {0.36, 0.53, 1.61, 2.842, 3.565, 7.376};

// R-407C constants (molar mass, gas constant, reducing temperature, density and pressure,
// acentric factor): Lemmon, Int. J. Thermophys. 24 (2003) 991.
static constexpr TPseudoPureBlendData R407CData{
    .code = "KX_R407C_FE",
    .M = 86.20360000000001,
    .R = 8.314472,
    .Tred = 359.345,
    .rhoRed = 5260.0,
    .pRed = 4631700.0,
    .acentric = 0.363,
    .bubble = {R407CBubbleN, R407CBubbleT},
    .dew = {R407CDewN, R407CDewT},
    .liquidStart = {R407CLiquidStartN, R407CLiquidStartT},
    .vapourStart = {R407CVapourStartN, R407CVapourStartT}};

TR407C_FE::TR407C_FE() : TPseudoPureBlend(R407CData, {R407CResidual}, R407CIdeal) {}
