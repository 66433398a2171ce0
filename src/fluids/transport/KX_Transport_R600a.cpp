// Transport and surface-tension correlations of R600a (isobutane): the published coefficients as
// data of the term types in KX_Transport_Terms.h.
#include "KX_Transport_Fluids.h"

namespace kxtransport {

namespace {

// V1, E. Vogel, C. Kuechenmeister, E. Bich (2000), Int. J. Thermophys. 21, 343-356
constexpr double kDiluteViscosityA[] = {0.53583008, -0.4562963, 0.049911282};
constexpr double kDiluteViscosityT[] = {0.0, 1.0, 2.0};
constexpr TViscosityDiluteFitted kDiluteViscosity{.C = 2.1357e-08,
                                                  .M = 0.0581222,
                                                  .sigma = 4.6445e-10,
                                                  .epsilonOverK = 307.55,
                                                  .a = kDiluteViscosityA,
                                                  .t = kDiluteViscosityT};
// V5, E. Vogel, C. Kuechenmeister, E. Bich (2000), Int. J. Thermophys. 21, 343-356
constexpr TViscosityInitialDensity kInitialDensityViscosity{
    .b = RainwaterFriendB, .t = RainwaterFriendT, .sigma = 4.6445e-10, .epsilonOverK = 307.55};
// V6, E. Vogel, C. Kuechenmeister, E. Bich (2000), Int. J. Thermophys. 21, 343-356
// The close-packed density as published: delta0 = 2.33859774637 (1 + 1.00596672174 / sqrt(tau)).
constexpr double kResidualViscosityA[] = {
    0.000103511763411, -0.000312670896234, 0.000145253750239, -0.000210649894193,
    0.000386269696509, -0.000214963015527, 0.00011258036092,  -0.000223242033154,
    0.000119114788598, -1.819097459e-05,   3.60438957232e-05, -2.1396018405e-05};
constexpr double kResidualViscosityD[] = {2.0, 2.0, 2.0, 3.0, 3.0, 3.0,
                                          4.0, 4.0, 4.0, 5.0, 5.0, 5.0};
constexpr double kResidualViscosityT[] = {0.0, 1.0, 2.0, 0.0, 1.0, 2.0,
                                          0.0, 1.0, 2.0, 0.0, 1.0, 2.0};
constexpr double kResidualViscosityGamma[] = {0.0, 0.0, 0.0, 0.0, 0.0, 0.0,
                                              0.0, 0.0, 0.0, 0.0, 0.0, 0.0};
constexpr double kResidualViscosityL[] = {1.0, 1.0, 1.0, 1.0, 1.0, 1.0,
                                          1.0, 1.0, 1.0, 1.0, 1.0, 1.0};
constexpr double kResidualViscosityCpF[] = {0.0019403760699};
constexpr double kResidualViscosityCpD2[] = {1.0};
constexpr double kResidualViscosityCpT2[] = {0.0};
constexpr double kResidualViscosityCpG[] = {2.33859774637, 2.352551508384381};
constexpr double kResidualViscosityCpH[] = {0.0, -0.5};
constexpr double kResidualViscosityCpP[] = {1.0};
constexpr double kResidualViscosityCpQ[] = {0.0};
constexpr TViscosityClosePacked kResidualViscosityClosePacked{.f = kResidualViscosityCpF,
                                                              .d2 = kResidualViscosityCpD2,
                                                              .t2 = kResidualViscosityCpT2,
                                                              .g = kResidualViscosityCpG,
                                                              .h = kResidualViscosityCpH,
                                                              .p = kResidualViscosityCpP,
                                                              .q = kResidualViscosityCpQ};
constexpr TViscosityResidualSum kResidualViscosity{.Tred = 407.817,
                                                   .rhoRed = 3860.0,
                                                   .a = kResidualViscosityA,
                                                   .d = kResidualViscosityD,
                                                   .t = kResidualViscosityT,
                                                   .gamma = kResidualViscosityGamma,
                                                   .l = kResidualViscosityL,
                                                   .closePacked = &kResidualViscosityClosePacked};

}  // namespace

const TViscosityCorrelation R600aViscosity{.diluteFitted = &kDiluteViscosity,
                                           .initialDensity = &kInitialDensityViscosity,
                                           .residualSum = &kResidualViscosity};

namespace {

// K1, R. A. Perkins (2002), J. Chem. Eng. Data 47, 1272-1279
constexpr double kDiluteConductivityA[] = {-0.00237901, 0.0106601, 0.0215811};
constexpr double kDiluteConductivityN[] = {0.0, 1.0, 2.0};
constexpr double kDiluteConductivityB[] = {1.0};
constexpr double kDiluteConductivityM[] = {0.0};
constexpr TConductivityDiluteRatio kDiluteConductivity{.Tred = 407.85,
                                                       .A = kDiluteConductivityA,
                                                       .n = kDiluteConductivityN,
                                                       .B = kDiluteConductivityB,
                                                       .m = kDiluteConductivityM};
// K4, R. A. Perkins (2002), J. Chem. Eng. Data 47, 1272-1279
constexpr double kResidualConductivityB[] = {-0.0411789,  0.146805,  -0.11919,  0.0410226,
                                             -0.00488704, 0.0476346, -0.128445, 0.107565,
                                             -0.0385968,  0.00520901};
constexpr double kResidualConductivityT[] = {0.0, 0.0, 0.0, 0.0, 0.0, -1.0, -1.0, -1.0, -1.0, -1.0};
constexpr double kResidualConductivityD[] = {1.0, 2.0, 3.0, 4.0, 5.0, 1.0, 2.0, 3.0, 4.0, 5.0};
constexpr TConductivityResidualPolynomial kResidualConductivity{.Tred = 407.85,
                                                                .rhoRed = 224.4,
                                                                .B = kResidualConductivityB,
                                                                .t = kResidualConductivityT,
                                                                .d = kResidualConductivityD};
// K6, R. A. Perkins (2002), J. Chem. Eng. Data 47, 1272-1279
// Tref = 1.5 Tc; Tc, rhoc (225.5 kg/m3) and pc of the equation of state.
constexpr TConductivityCritical kCriticalConductivity{.RD = 1.03,
                                                      .nu = 0.63,
                                                      .gamma = 1.239,
                                                      .Gamma = 0.0496,
                                                      .xi0 = 1.94e-10,
                                                      .qD = 1.0 / 6.57661e-10,
                                                      .Tref = 611.715,
                                                      .Tc = 407.81,
                                                      .rhoc = 3879.756788283995,
                                                      .pc = 3629000.0};

}  // namespace

const TConductivityCorrelation R600aConductivity{.diluteRatio = &kDiluteConductivity,
                                                 .residualPolynomial = &kResidualConductivity,
                                                 .critical = &kCriticalConductivity,
                                                 .viscosity = &R600aViscosity};

namespace {

// S1, A. Mulero, I. Cachadina, M. I. Parra (2012), J. Phys. Chem. Ref. Data 41, 043105
constexpr double kSurfaceTensionA[] = {-0.01639, 0.06121};
constexpr double kSurfaceTensionN[] = {2.102, 1.304};

}  // namespace

const TSurfaceTensionSum R600aSurfaceTension{
    .Tc = 407.81, .a = kSurfaceTensionA, .n = kSurfaceTensionN};

}  // namespace kxtransport
