#include "KX_ECS_Propane.h"

#include <cmath>

#include "KX_Residual_Equation.h"

namespace kxtransport {

namespace {

// Residual Helmholtz energy of propane, Lemmon, McLinden & Wagner (2009): polynomial and
// exponential terms n δ^d τ^t exp(−δ^l) (no exponential where l = 0) and Gaussian terms
// n δ^d τ^t exp(−η (δ − ε)² − β (τ − γ)²), η in the α column.
constexpr TResidualTerm PropaneTerms[] = {
    {0.042910051, 1.0, 4, 0},  {1.7313671, 0.33, 1, 0},   {-2.4516524, 0.8, 1, 0},
    {0.34157466, 0.43, 2, 0},  {-0.46047898, 0.9, 2, 0},  {-0.66847295, 2.46, 1, 1},
    {0.20889705, 2.09, 3, 1},  {0.19421381, 0.88, 6, 1},  {-0.22917851, 1.09, 6, 1},
    {-0.60405866, 3.25, 2, 2}, {0.066680654, 4.62, 3, 2},
};
constexpr TGaussianTerm PropaneGaussians[] = {
    {0.017534618, 0.76, 1, 0.963, 2.33, 0.684, 1.283},
    {0.33874242, 2.5, 1, 1.977, 3.47, 0.829, 0.6936},
    {0.22228777, 2.75, 1, 1.917, 3.15, 1.419, 0.788},
    {-0.23219062, 3.05, 2, 2.307, 3.19, 0.817, 0.473},
    {-0.09220694, 2.55, 2, 2.546, 0.92, 1.5, 0.8577},
    {-0.47575718, 8.4, 4, 3.28, 18.8, 1.426, 0.271},
    {-0.017486824, 6.75, 1, 14.6, 547.8, 1.093, 0.948},
};

}  // namespace

void PropaneResidual(double Delta, double Tau, THelmholzResidual& r) {
    static const TResidualEquation equation({PropaneTerms, PropaneGaussians});
    equation.Evaluate(Delta, Tau, ResidualPart::All, r);
}

namespace {

// Viscosity of propane, Vogel, Küchenmeister, Bich & Laesecke, J. Phys. Chem. Ref. Data 27 (1998)
// 947: dilute gas with the fitted effective cross section, the Rainwater-Friend initial density
// term, and the residual sum with its close-packed part.
constexpr double PropaneSigma = 4.9748e-10;     // m
constexpr double PropaneEpsilonOverK = 263.88;  // K
constexpr double DiluteA[] = {0.25104574, -0.47271238, 0.060836515};
constexpr double DiluteT[] = {0.0, 1.0, 3.0};
constexpr double ResidualA[] = {3.59873030195e-05,  -0.000180512188564, 8.77124888223e-05,
                                -0.000105773052525, 0.000205319740877,  -0.00012921093261,
                                5.89491587759e-05,  -0.0001297400331,   7.66280419971e-05,
                                -9.59407868475e-06, 2.10726986598e-05,  -1.43971968187e-05};
constexpr double ResidualD[] = {2, 2, 2, 3, 3, 3, 4, 4, 4, 5, 5, 5};
constexpr double ResidualT[] = {0, 1, 2, 0, 1, 2, 0, 1, 2, 0, 1, 2};
constexpr double ResidualNone[] = {0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0};  // no exponential
constexpr double ResidualL[] = {1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1};
constexpr double ClosePackedF[] = {0.00161688405374};
constexpr double ClosePackedD2[] = {1.0};
constexpr double ClosePackedT2[] = {0.0};
constexpr double ClosePackedG[] = {2.50053938863, 2.1517543007382995};
constexpr double ClosePackedH[] = {0.0, -0.5};
constexpr double ClosePackedP[] = {1.0};
constexpr double ClosePackedQ[] = {0.0};
constexpr TViscosityClosePacked ClosePacked{.f = ClosePackedF,
                                            .d2 = ClosePackedD2,
                                            .t2 = ClosePackedT2,
                                            .g = ClosePackedG,
                                            .h = ClosePackedH,
                                            .p = ClosePackedP,
                                            .q = ClosePackedQ};

// Residual thermal conductivity of propane, Marsh, Perkins & Ramires, J. Chem. Eng. Data 47
// (2002) 932: sum (B1 + B2 Tr) rho_r^i, written as terms in tau^0 and tau^-1.
constexpr double ConductivityB[] = {-0.03695,  0.148658,  -0.119986, 0.0412431,  -0.00486905,
                                    0.0482798, -0.135636, 0.117588,  -0.0436911, 0.00616079};
constexpr double ConductivityT[] = {0, 0, 0, 0, 0, -1, -1, -1, -1, -1};
constexpr double ConductivityD[] = {1, 2, 3, 4, 5, 1, 2, 3, 4, 5};

}  // namespace

const TECSReference& PropaneReference() {
    static constexpr TECSReference reference{
        .eos = {.Tred = PropaneTred,
                .Dred = PropaneDred,
                .M = PropaneM,
                .Residual = &PropaneResidual},
        .dilute = {.C = 2.1357e-08,
                   .M = 0.0440956,
                   .sigma = PropaneSigma,
                   .epsilonOverK = PropaneEpsilonOverK,
                   .a = DiluteA,
                   .t = DiluteT},
        .initialDensity = {.b = RainwaterFriendB,
                           .t = RainwaterFriendT,
                           .sigma = PropaneSigma,
                           .epsilonOverK = PropaneEpsilonOverK},
        .residual = {.Tred = 369.825,
                     .rhoRed = 5000.0,
                     .a = ResidualA,
                     .d = ResidualD,
                     .t = ResidualT,
                     .gamma = ResidualNone,
                     .l = ResidualL,
                     .closePacked = &ClosePacked},
        .residualConductivity = {.Tred = 369.82,
                                 .rhoRed = 220.3,
                                 .B = ConductivityB,
                                 .t = ConductivityT,
                                 .d = ConductivityD}};
    return reference;
}

}  // namespace kxtransport
