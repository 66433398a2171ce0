// Transport and surface-tension correlations of R125 (pentafluoroethane): the published
// coefficients as data of the term types in KX_Transport_Terms.h.
#include "KX_Transport_Fluids.h"

namespace kxtransport {

namespace {

// V2 (three-term Neufeld collision integral), M. L. Huber, A. Laesecke (2006), Ind. Eng. Chem.
// Res. 45, 4447-4453
constexpr TViscosityDiluteNeufeld kDiluteViscosity{
    .M = 0.1200214, .sigma = 5.235e-10, .epsilonOverK = 237.077};
// V5, M. L. Huber, A. Laesecke (2006), Ind. Eng. Chem. Res. 45, 4447-4453
constexpr TViscosityInitialDensity kInitialDensityViscosity{
    .b = RainwaterFriendB, .t = RainwaterFriendT, .sigma = 5.235e-10, .epsilonOverK = 237.077};
// V6 with a close-packed part, M. L. Huber, A. Laesecke (2006), Ind. Eng. Chem. Res. 45,
// 4447-4453: delta0 = 3.033797 + 0.2992464 / sqrt(tau).
constexpr double kResidualViscosityA[] = {5.677448e-06, -5.096662e-06};
constexpr double kResidualViscosityD[] = {2.0, 3.0};
constexpr double kResidualViscosityT[] = {2.0, 1.0};
constexpr double kResidualViscosityGamma[] = {0.0, 0.0};
constexpr double kResidualViscosityL[] = {1.0, 1.0};
constexpr double kResidualViscosityCpF[] = {0.0001412564};
constexpr double kResidualViscosityCpD2[] = {1.0};
constexpr double kResidualViscosityCpT2[] = {0.0};
constexpr double kResidualViscosityCpG[] = {3.033797, 0.2992464};
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
constexpr TViscosityResidualSum kResidualViscosity{.Tred = 339.173,
                                                   .rhoRed = 4779.0,
                                                   .a = kResidualViscosityA,
                                                   .d = kResidualViscosityD,
                                                   .t = kResidualViscosityT,
                                                   .gamma = kResidualViscosityGamma,
                                                   .l = kResidualViscosityL,
                                                   .closePacked = &kResidualViscosityClosePacked};

}  // namespace

const TViscosityCorrelation R125Viscosity{.diluteNeufeld = &kDiluteViscosity,
                                          .initialDensity = &kInitialDensityViscosity,
                                          .residualSum = &kResidualViscosity};

namespace {

// K1, R. A. Perkins, M. L. Huber (2006), J. Chem. Eng. Data 51, 898-904
constexpr double kDiluteConductivityA[] = {-0.0046082, 0.0168688, 0.00488345};
constexpr double kDiluteConductivityN[] = {0.0, 1.0, 2.0};
constexpr double kDiluteConductivityB[] = {1.0};
constexpr double kDiluteConductivityM[] = {0.0};
constexpr TConductivityDiluteRatio kDiluteConductivity{.Tred = 339.173,
                                                       .A = kDiluteConductivityA,
                                                       .n = kDiluteConductivityN,
                                                       .B = kDiluteConductivityB,
                                                       .m = kDiluteConductivityM};
// K4, R. A. Perkins, M. L. Huber (2006), J. Chem. Eng. Data 51, 898-904, with the six digits of
// the paper (some libraries round five of them to five digits).
constexpr double kResidualConductivityB[] = {-0.0072941,  0.0110497, 0.0416339, -0.0289236,
                                             -0.0311487,  0.0278399, 0.0112682, -0.01211,
                                             -0.00138322, 0.00211196};
constexpr double kResidualConductivityT[] = {0.0, -1.0, 0.0, -1.0, 0.0, -1.0, 0.0, -1.0, 0.0, -1.0};
constexpr double kResidualConductivityD[] = {1.0, 1.0, 2.0, 2.0, 3.0, 3.0, 4.0, 4.0, 5.0, 5.0};
constexpr TConductivityResidualPolynomial kResidualConductivity{.Tred = 339.173,
                                                                .rhoRed = 573.5822706,
                                                                .B = kResidualConductivityB,
                                                                .t = kResidualConductivityT,
                                                                .d = kResidualConductivityD};
// K6, R. A. Perkins, M. L. Huber (2006), J. Chem. Eng. Data 51, 898-904: q_D^-1 = 5.834646e-10 m,
// Tref = 1.5 x 339.17 K as published; Tc, rhoc and pc of the equation of state.
constexpr TConductivityCritical kCriticalConductivity{.RD = 1.03,
                                                      .nu = 0.63,
                                                      .gamma = 1.239,
                                                      .Gamma = 0.0496,
                                                      .xi0 = 1.94e-10,
                                                      .qD = 1.0 / 5.834646e-10,
                                                      .Tref = 508.755,
                                                      .Tc = 339.173,
                                                      .rhoc = 4779.0,
                                                      .pc = 3617700.0};

}  // namespace

const TConductivityCorrelation R125Conductivity{.diluteRatio = &kDiluteConductivity,
                                                .residualPolynomial = &kResidualConductivity,
                                                .critical = &kCriticalConductivity,
                                                .viscosity = &R125Viscosity};

namespace {

// S1, A. Mulero, I. Cachadina, M. I. Parra (2012), J. Phys. Chem. Ref. Data 41, 043105
constexpr double kSurfaceTensionA[] = {0.05252};
constexpr double kSurfaceTensionN[] = {1.237};

}  // namespace

const TSurfaceTensionSum R125SurfaceTension{
    .Tc = 339.173, .a = kSurfaceTensionA, .n = kSurfaceTensionN};

}  // namespace kxtransport
