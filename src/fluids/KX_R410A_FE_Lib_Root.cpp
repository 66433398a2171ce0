#include "KX_R410A_FE_Lib_Root.h"

// R-410A residual part, 21 terms n δ^d τ^t exp(−δ^l) (l = 0: no exponential): Lemmon, Int. J.
// Thermophys. 24 (2003) 991.
static constexpr TResidualTerm R410AResidual[] = {
    {0.987252, 0.44, 1.0, 0},     // 1
    {-1.03017, 1.2, 1.0, 0},      // 2
    {1.17666, 2.97, 1.0, 0},      // 3
    {-0.138991, 2.95, 2.0, 0},    // 4
    {0.00302373, 0.2, 5.0, 0},    // 5
    {-2.53639, 1.93, 1.0, 1},     // 6
    {-1.9668, 1.78, 2.0, 1},      // 7
    {-0.83048, 3.0, 3.0, 1},      // 8
    {0.172477, 0.2, 5.0, 1},      // 9
    {-0.261116, 0.74, 5.0, 1},    // 10
    {-0.0745473, 3.0, 5.0, 1},    // 11
    {0.679757, 2.1, 1.0, 2},      // 12
    {-0.652431, 4.3, 1.0, 2},     // 13
    {0.0553849, 0.25, 4.0, 2},    // 14
    {-0.071097, 7.0, 4.0, 2},     // 15
    {-0.000875332, 4.7, 9.0, 2},  // 16
    {0.020076, 13.0, 2.0, 3},     // 17
    {-0.0139761, 16.0, 2.0, 3},   // 18
    {-0.018511, 25.0, 4.0, 3},    // 19
    {0.0171939, 17.0, 5.0, 3},    // 20
    {-0.00482049, 7.4, 6.0, 3},   // 21
};
static_assert(ValidResidualTable(R410AResidual));

// R-410A ideal-gas part, power terms b τ^e: Lemmon, Int. J. Thermophys. 24 (2003) 991.
static constexpr TIdealPowerTerm R410AIdealPowers[] = {
    {-46.87575, -0.1},
};
// R-410A ideal-gas part, Planck-Einstein terms m ln(1 − exp(−θ τ)), θ = θ[K] / T_red: Lemmon, Int.
// J. Thermophys. 24 (2003) 991.
static constexpr TIdealPlanckTerm R410AIdealPlanck[] = {
    {2.0623, 697.0 / 344.494},
    {5.9751, 1723.0 / 344.494},
    {1.5612, 3875.0 / 344.494},
};
// a1 and a2 as published give the IIR reference state (h = 200 kJ/kg, s = 1 kJ/(kg K) for the
// saturated liquid at the bubble point at 0 °C) to 4e-4 kJ/kg; no further offset.
static constexpr TIdealGasPart R410AIdeal{36.8871, 7.15807, -1.0, R410AIdealPowers,
                                          R410AIdealPlanck};

// R-410A bubble- and dew-pressure ancillaries, ln(p/p_red) = (T_red/T) Σ N θ^t: Lemmon, Int. J.
// Thermophys. 24 (2003) 991.
static constexpr double R410ABubbleN[] = {-7.2818, 2.5093, -3.2695, -2.8022};
static constexpr double R410ABubbleT[] = {1.0, 1.8, 2.4, 4.9};
static constexpr double R410ADewN[] = {-7.4411, 1.9883, -2.4925, -3.2633};
static constexpr double R410ADewT[] = {1.0, 1.6, 2.4, 5.0};
// R-410A start values of the saturated densities (not published: fits to the equation's
// saturated densities, within 7.7 % for the liquid and 0.96 % for the vapour).
static constexpr double R410ALiquidStartN[] = {17.6237635693458, -34.4924842323078,
                                               229.479042588144, -332.513960818186,
                                               23058076.9783557, -31889422.7971798};
static constexpr double R410ALiquidStartT[] = {0.732, 1.165, 2.775, 3.462, 15.531, 15.944};
static constexpr double R410AVapourStartN[] = {-25.0070973248216, 34.8359307856283,
                                               -33.0203056956001, 61.1912977662503,
                                               -63.321551754619,  149.891265323194};
static constexpr double R410AVapourStartT[] = {0.676, 0.844, 1.394, 2.411, 3.149, 7.808};

// R-410A constants (molar mass, gas constant, reducing temperature, density and pressure,
// acentric factor): Lemmon, Int. J. Thermophys. 24 (2003) 991.
static constexpr TPseudoPureBlendData R410AData{
    .code = "KX_R410A_FE",
    .M = 72.58539999999999,
    .R = 8.314472,
    .Tred = 344.494,
    .rhoRed = 6324.0,
    .pRed = 4901200.0,
    .acentric = 0.296,
    .bubble = {R410ABubbleN, R410ABubbleT},
    .dew = {R410ADewN, R410ADewT},
    .liquidStart = {R410ALiquidStartN, R410ALiquidStartT},
    .vapourStart = {R410AVapourStartN, R410AVapourStartT}};

TR410A_FE::TR410A_FE() : TPseudoPureBlend(R410AData, {R410AResidual}, R410AIdeal) {}
