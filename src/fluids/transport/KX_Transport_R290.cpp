// Transport and surface-tension correlations of R290 (propane): the published coefficients as data
// of the term types in KX_Transport_Terms.h.
#include "KX_Transport_Fluids.h"

namespace kxtransport {

namespace {

// V1, E. Vogel, C. Kuechenmeister, E. Bich, A. Laesecke (1998), J. Phys. Chem. Ref. Data 27,
// 947-970
constexpr double kDiluteViscosityA[] = {0.25104574, -0.47271238, 0.060836515};
constexpr double kDiluteViscosityT[] = {0.0, 1.0, 3.0};
constexpr TViscosityDiluteFitted kDiluteViscosity{.C = 2.1357e-08,
                                                  .M = 0.0440956,
                                                  .sigma = 4.9748e-10,
                                                  .epsilonOverK = 263.88,
                                                  .a = kDiluteViscosityA,
                                                  .t = kDiluteViscosityT};
// V5, E. Vogel, C. Kuechenmeister, E. Bich, A. Laesecke (1998), J. Phys. Chem. Ref. Data 27,
// 947-970
constexpr TViscosityInitialDensity kInitialDensityViscosity{
    .b = RainwaterFriendB, .t = RainwaterFriendT, .sigma = 4.9748e-10, .epsilonOverK = 263.88};
// V6, E. Vogel, C. Kuechenmeister, E. Bich, A. Laesecke (1998), J. Phys. Chem. Ref. Data 27,
// 947-970 The close-packed density as published: delta0 = 2.50053938863 (1 + 0.860516059264 /
// sqrt(tau)).
constexpr double kResidualViscosityA[] = {
    3.59873030195e-05, -0.000180512188564, 8.77124888223e-05, -0.000105773052525,
    0.000205319740877, -0.00012921093261,  5.89491587759e-05, -0.0001297400331,
    7.66280419971e-05, -9.59407868475e-06, 2.10726986598e-05, -1.43971968187e-05};
constexpr double kResidualViscosityD[] = {2.0, 2.0, 2.0, 3.0, 3.0, 3.0,
                                          4.0, 4.0, 4.0, 5.0, 5.0, 5.0};
constexpr double kResidualViscosityT[] = {0.0, 1.0, 2.0, 0.0, 1.0, 2.0,
                                          0.0, 1.0, 2.0, 0.0, 1.0, 2.0};
constexpr double kResidualViscosityGamma[] = {0.0, 0.0, 0.0, 0.0, 0.0, 0.0,
                                              0.0, 0.0, 0.0, 0.0, 0.0, 0.0};
constexpr double kResidualViscosityL[] = {1.0, 1.0, 1.0, 1.0, 1.0, 1.0,
                                          1.0, 1.0, 1.0, 1.0, 1.0, 1.0};
constexpr double kResidualViscosityCpF[] = {0.00161688405374};
constexpr double kResidualViscosityCpD2[] = {1.0};
constexpr double kResidualViscosityCpT2[] = {0.0};
constexpr double kResidualViscosityCpG[] = {2.50053938863, 2.1517543007382995};
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
constexpr TViscosityResidualSum kResidualViscosity{.Tred = 369.825,
                                                   .rhoRed = 5000.0,
                                                   .a = kResidualViscosityA,
                                                   .d = kResidualViscosityD,
                                                   .t = kResidualViscosityT,
                                                   .gamma = kResidualViscosityGamma,
                                                   .l = kResidualViscosityL,
                                                   .closePacked = &kResidualViscosityClosePacked};

}  // namespace

const TViscosityCorrelation R290Viscosity{.diluteFitted = &kDiluteViscosity,
                                          .initialDensity = &kInitialDensityViscosity,
                                          .residualSum = &kResidualViscosity};

namespace {

// K1, K. N. Marsh, R. A. Perkins, M. L. V. Ramires (2002), J. Chem. Eng. Data 47, 932-940
constexpr double kDiluteConductivityA[] = {-0.00124778, 0.00816371, 0.0199374};
constexpr double kDiluteConductivityN[] = {0.0, 1.0, 2.0};
constexpr double kDiluteConductivityB[] = {1.0};
constexpr double kDiluteConductivityM[] = {0.0};
constexpr TConductivityDiluteRatio kDiluteConductivity{.Tred = 369.85,
                                                       .A = kDiluteConductivityA,
                                                       .n = kDiluteConductivityN,
                                                       .B = kDiluteConductivityB,
                                                       .m = kDiluteConductivityM};
// K4, K. N. Marsh, R. A. Perkins, M. L. V. Ramires (2002), J. Chem. Eng. Data 47, 932-940
constexpr double kResidualConductivityB[] = {-0.03695,    0.148658,  -0.119986, 0.0412431,
                                             -0.00486905, 0.0482798, -0.135636, 0.117588,
                                             -0.0436911,  0.00616079};
constexpr double kResidualConductivityT[] = {0.0, 0.0, 0.0, 0.0, 0.0, -1.0, -1.0, -1.0, -1.0, -1.0};
constexpr double kResidualConductivityD[] = {1.0, 2.0, 3.0, 4.0, 5.0, 1.0, 2.0, 3.0, 4.0, 5.0};
constexpr TConductivityResidualPolynomial kResidualConductivity{.Tred = 369.82,
                                                                .rhoRed = 220.3,
                                                                .B = kResidualConductivityB,
                                                                .t = kResidualConductivityT,
                                                                .d = kResidualConductivityD};
// K6, K. N. Marsh, R. A. Perkins, M. L. V. Ramires (2002), J. Chem. Eng. Data 47, 932-940
// Tref = 1.5 Tc; Tc, rhoc and pc of the equation of state.
constexpr TConductivityCritical kCriticalConductivity{.RD = 1.03,
                                                      .nu = 0.63,
                                                      .gamma = 1.239,
                                                      .Gamma = 0.0496,
                                                      .xi0 = 1.94e-10,
                                                      .qD = 1.0 / 7.16635e-10,
                                                      .Tref = 554.835,
                                                      .Tc = 369.89,
                                                      .rhoc = 5000.000000000001,
                                                      .pc = 4251200.0};

}  // namespace

const TConductivityCorrelation R290Conductivity{.diluteRatio = &kDiluteConductivity,
                                                .residualPolynomial = &kResidualConductivity,
                                                .critical = &kCriticalConductivity,
                                                .viscosity = &R290Viscosity};

namespace {

// S1, A. Mulero, I. Cachadina, M. I. Parra (2012), J. Phys. Chem. Ref. Data 41, 043105
constexpr double kSurfaceTensionA[] = {0.05334, -0.01748};
constexpr double kSurfaceTensionN[] = {1.235, 4.404};

}  // namespace

const TSurfaceTensionSum R290SurfaceTension{
    .Tc = 369.89, .a = kSurfaceTensionA, .n = kSurfaceTensionN};

}  // namespace kxtransport
