// Transport and surface-tension correlations of R134a: the published coefficients as data of
// the term types in KX_Transport_Terms.h.
#include "KX_Transport_Fluids.h"

namespace kxtransport {

namespace {

// V1, M. L. Huber, A. Laesecke, R. A. Perkins (2003), Ind. Eng. Chem. Res. 42, 3163-3178
constexpr double kDiluteViscosityA[] = {0.355404, -0.464337, 0.0257353};
constexpr double kDiluteViscosityT[] = {0.0, 1.0, 2.0};
constexpr TViscosityDiluteFitted kDiluteViscosity{.C = 2.1357e-08,
                                                  .M = 0.102031,
                                                  .sigma = 4.68932e-10,
                                                  .epsilonOverK = 299.363,
                                                  .a = kDiluteViscosityA,
                                                  .t = kDiluteViscosityT};
// V5, M. L. Huber, A. Laesecke, R. A. Perkins (2003), Ind. Eng. Chem. Res. 42, 3163-3178
constexpr TViscosityInitialDensity kInitialDensityViscosity{
    .b = RainwaterFriendB, .t = RainwaterFriendT, .sigma = 4.68932e-10, .epsilonOverK = 299.363};
// V6, M. L. Huber, A. Laesecke, R. A. Perkins (2003), Ind. Eng. Chem. Res. 42, 3163-3178
constexpr double kResidualViscosityA[] = {-2.06900719e-05, 3.56029549e-07, 2.11101816e-06,
                                          1.39601415e-05,  -4.5643502e-06, -3.51593275e-06};
constexpr double kResidualViscosityD[] = {1.0, 2.0, 2.0, 2.0, 2.0, 3.0};
constexpr double kResidualViscosityT[] = {0.0, 6.0, 2.0, 0.5, -2.0, 0.0};
constexpr double kResidualViscosityGamma[] = {0.0, 0.0, 0.0, 0.0, 0.0, 0.0};
constexpr double kResidualViscosityL[] = {1.0, 1.0, 1.0, 1.0, 1.0, 1.0};
constexpr double kResidualViscosityCpF[] = {0.00021476332};
constexpr double kResidualViscosityCpD2[] = {0.0};
constexpr double kResidualViscosityCpT2[] = {0.0};
constexpr double kResidualViscosityCpG[] = {3.163695636};
constexpr double kResidualViscosityCpH[] = {0.0};
constexpr double kResidualViscosityCpP[] = {1.0, -0.0890173375, 0.100035295};
constexpr double kResidualViscosityCpQ[] = {0.0, -1.0, -2.0};
constexpr TViscosityClosePacked kResidualViscosityClosePacked{.f = kResidualViscosityCpF,
                                                              .d2 = kResidualViscosityCpD2,
                                                              .t2 = kResidualViscosityCpT2,
                                                              .g = kResidualViscosityCpG,
                                                              .h = kResidualViscosityCpH,
                                                              .p = kResidualViscosityCpP,
                                                              .q = kResidualViscosityCpQ};
constexpr TViscosityResidualSum kResidualViscosity{.Tred = 374.21,
                                                   .rhoRed = 5017.053,
                                                   .a = kResidualViscosityA,
                                                   .d = kResidualViscosityD,
                                                   .t = kResidualViscosityT,
                                                   .gamma = kResidualViscosityGamma,
                                                   .l = kResidualViscosityL,
                                                   .closePacked = &kResidualViscosityClosePacked};

}  // namespace

const TViscosityCorrelation R134aViscosity{.diluteFitted = &kDiluteViscosity,
                                           .initialDensity = &kInitialDensityViscosity,
                                           .residualSum = &kResidualViscosity};

namespace {

// K1, M. O. McLinden, S. A. Klein, R. A. Perkins (2000), Int. J. Refrig. 23, 43-63
constexpr double kDiluteConductivityA[] = {-0.0105248, 8.00982e-05};
constexpr double kDiluteConductivityN[] = {0.0, 1.0};
constexpr double kDiluteConductivityB[] = {1.0};
constexpr double kDiluteConductivityM[] = {0.0};
constexpr TConductivityDiluteRatio kDiluteConductivity{.Tred = 1.0,
                                                       .A = kDiluteConductivityA,
                                                       .n = kDiluteConductivityN,
                                                       .B = kDiluteConductivityB,
                                                       .m = kDiluteConductivityM};
// K4, M. O. McLinden, S. A. Klein, R. A. Perkins (2000), Int. J. Refrig. 23, 43-63
constexpr double kResidualConductivityB[] = {0.00377406093, 0.010534223865, -0.002952794565,
                                             0.00128672592};
constexpr double kResidualConductivityT[] = {0.0, 0.0, 0.0, 0.0};
constexpr double kResidualConductivityD[] = {1.0, 2.0, 3.0, 4.0};
constexpr TConductivityResidualPolynomial kResidualConductivity{.Tred = 1.0,
                                                                .rhoRed = 515.249968352,
                                                                .B = kResidualConductivityB,
                                                                .t = kResidualConductivityT,
                                                                .d = kResidualConductivityD};
// K6, M. O. McLinden, S. A. Klein, R. A. Perkins (2000), Int. J. Refrig. 23, 43-63
constexpr TConductivityCritical kCriticalConductivity{.RD = 1.03,
                                                      .nu = 0.63,
                                                      .gamma = 1.239,
                                                      .Gamma = 0.0496,
                                                      .xi0 = 1.94e-10,
                                                      .qD = 1892020000.0,
                                                      .Tref = 561.27,
                                                      .Tc = 374.18,
                                                      .rhoc = 4978.830171,
                                                      .pc = 4059280.0};
}  // namespace

const TConductivityCorrelation R134aConductivity{.diluteRatio = &kDiluteConductivity,
                                                 .residualPolynomial = &kResidualConductivity,
                                                 .critical = &kCriticalConductivity,
                                                 .viscosity = &R134aViscosity};

namespace {

// S1, A. Mulero, I. Cachadiña, M. I. Parra (2012), J. Phys. Chem. Ref. Data 41, 043105
constexpr double kSurfaceTensionA[] = {0.05801};
constexpr double kSurfaceTensionN[] = {1.241};
}  // namespace

const TSurfaceTensionSum R134aSurfaceTension{
    .Tc = 374.21, .a = kSurfaceTensionA, .n = kSurfaceTensionN};

}  // namespace kxtransport
