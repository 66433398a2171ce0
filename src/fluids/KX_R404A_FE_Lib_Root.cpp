#include "KX_R404A_FE_Lib_Root.h"

// R-404A residual part, 22 terms n δ^d τ^t exp(−δ^l) (l = 0: no exponential): Lemmon, Int. J.
// Thermophys. 24 (2003) 991.
static constexpr TResidualTerm R404AResidual[] = {
    {6.10984, 0.67, 1.0, 0},      // 1
    {-7.79453, 0.91, 1.0, 0},     // 2
    {0.0183377, 5.96, 1.0, 0},    // 3
    {0.26227, 0.7, 2.0, 0},       // 4
    {-0.00351688, 6.0, 2.0, 0},   // 5
    {0.0116181, 0.3, 4.0, 0},     // 6
    {0.00105992, 0.7, 6.0, 0},    // 7
    {0.850922, 1.7, 1.0, 1},      // 8
    {-0.520084, 3.3, 1.0, 1},     // 9
    {-0.0464225, 7.0, 1.0, 1},    // 10
    {0.62119, 2.05, 2.0, 1},      // 11
    {-0.195505, 4.3, 2.0, 1},     // 12
    {0.336159, 2.7, 3.0, 1},      // 13
    {-0.0376062, 1.8, 4.0, 1},    // 14
    {-0.00636579, 1.25, 7.0, 1},  // 15
    {-0.0758262, 12.0, 2.0, 2},   // 16
    {-0.0221041, 6.0, 3.0, 2},    // 17
    {0.0310441, 8.7, 4.0, 2},     // 18
    {0.0132798, 11.6, 4.0, 2},    // 19
    {0.0689437, 13.0, 2.0, 3},    // 20
    {-0.0507525, 17.0, 3.0, 3},   // 21
    {0.0161382, 16.0, 5.0, 3},    // 22
};
static_assert(ValidResidualTable(R404AResidual));

// R-404A ideal-gas part, power terms b τ^e: Lemmon, Int. J. Thermophys. 24 (2003) 991.
static constexpr TIdealPowerTerm R404AIdealPowers[] = {
    {-18.8664, -0.3},
};
// R-404A ideal-gas part, Planck-Einstein terms m ln(1 − exp(−θ τ)), θ = θ[K] / T_red: Lemmon, Int.
// J. Thermophys. 24 (2003) 991.
static constexpr TIdealPlanckTerm R404AIdealPlanck[] = {
    {0.63078, 413.0 / 345.27},
    {3.5979, 804.0 / 345.27},
    {5.0335, 1727.0 / 345.27},
};
// a1 and a2 as published give the IIR reference state (h = 200 kJ/kg, s = 1 kJ/(kg K) for the
// saturated liquid at the bubble point at 0 °C) to 4e-4 kJ/kg; no further offset.
static constexpr TIdealGasPart R404AIdeal{7.00407, 7.98695, -1.0, R404AIdealPowers,
                                          R404AIdealPlanck};

// R-404A bubble- and dew-pressure ancillaries, ln(p/p_red) = (T_red/T) Σ N θ^t: Lemmon, Int. J.
// Thermophys. 24 (2003) 991.
static constexpr double R404ABubbleN[] = {0.061067, -6.5646, -3.6162, -3.9771};
static constexpr double R404ABubbleT[] = {0.54, 0.965, 3.7, 9.0};
static constexpr double R404ADewN[] = {-0.00026863, -6.5757, -4.1802, -7.9102};
static constexpr double R404ADewT[] = {0.1, 0.972, 3.8, 9.0};
// R-404A start values of the saturated densities (not published: fits to the equation's
// saturated densities, within 0.75 % for the liquid and 1.2 % for the vapour).
static constexpr double R404ALiquidStartN[] = {-0.0117773812183071, 2.49845476826787,
                                               5367.93246837601,    -3732982.21397627,
                                               33474569.0159864,    -80262239.9367968};
static constexpr double R404ALiquidStartT[] = {0.066, 0.377, 8.99, 13.98, 15.982, 17.954};
static constexpr double R404AVapourStartN[] = {-5.21184991950492, 6.79810942509287,
                                               -13.0389452439332, 9.65479831142577,
                                               -320.352928949138, 80023.0418347045};
static constexpr double R404AVapourStartT[] = {0.485, 0.989, 1.431, 2.495, 7.812, 15.329};

// R-404A constants (molar mass, gas constant, reducing temperature, density and pressure,
// acentric factor): Lemmon, Int. J. Thermophys. 24 (2003) 991.
static constexpr TPseudoPureBlendData R404AData{
    .code = "KX_R404A_FE",
    .M = 97.6038,
    .R = 8.314472,
    .Tred = 345.27,
    .rhoRed = 4940.0,
    .pRed = 3734800.0,
    .acentric = 0.293,
    .bubble = {R404ABubbleN, R404ABubbleT},
    .dew = {R404ADewN, R404ADewT},
    .liquidStart = {R404ALiquidStartN, R404ALiquidStartT},
    .vapourStart = {R404AVapourStartN, R404AVapourStartT}};

TR404A_FE::TR404A_FE() : TPseudoPureBlend(R404AData, {R404AResidual}, R404AIdeal) {}
