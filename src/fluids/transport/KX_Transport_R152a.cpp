// Transport and surface-tension correlations of R152a: the published coefficients as data of
// the term types in KX_Transport_Terms.h.
#include "KX_Transport_Fluids.h"

namespace kxtransport {

namespace {

// V1, R. Krauss, V. C. Weiss, T. A. Edison, J. V. Sengers, K. Stephan (1996), Int. J. Thermophys.
// 17, 731-757
constexpr double kDiluteViscosityA[] = {0.4425728, -0.5138403, 0.1547566, -0.02821844, 0.001578286};
constexpr double kDiluteViscosityT[] = {0.0, 1.0, 2.0, 3.0, 4.0};
constexpr TViscosityDiluteFitted kDiluteViscosity{.C = 2.6695992007227643e-08,
                                                  .M = 0.06605,
                                                  .sigma = 4.6115e-10,
                                                  .epsilonOverK = 354.84,
                                                  .a = kDiluteViscosityA,
                                                  .t = kDiluteViscosityT};
// V6, R. Krauss, V. C. Weiss, T. A. Edison, J. V. Sengers, K. Stephan (1996), Int. J. Thermophys.
// 17, 731-757
constexpr double kResidualViscosityA[] = {-3.772282824e-06, 2.647627488e-05, -1.578969e-05,
                                          5.52346488e-06};
constexpr double kResidualViscosityD[] = {1.0, 2.0, 3.0, 4.0};
constexpr double kResidualViscosityT[] = {0.0, 0.0, 0.0, 0.0};
constexpr double kResidualViscosityGamma[] = {0.0, 0.0, 0.0, 0.0};
constexpr double kResidualViscosityL[] = {1.0, 1.0, 1.0, 1.0};
constexpr double kResidualViscosityCpF[] = {2.087674344e-05};
constexpr double kResidualViscosityCpD2[] = {0.0};
constexpr double kResidualViscosityCpT2[] = {0.0};
constexpr double kResidualViscosityCpG[] = {2.91733};
constexpr double kResidualViscosityCpH[] = {0.0};
constexpr double kResidualViscosityCpP[] = {1.0};
constexpr double kResidualViscosityCpQ[] = {0.0};
constexpr TViscosityClosePacked kResidualViscosityClosePacked{.f = kResidualViscosityCpF,
                                                              .d2 = kResidualViscosityCpD2,
                                                              .t2 = kResidualViscosityCpT2,
                                                              .g = kResidualViscosityCpG,
                                                              .h = kResidualViscosityCpH,
                                                              .p = kResidualViscosityCpP,
                                                              .q = kResidualViscosityCpQ};
constexpr TViscosityResidualSum kResidualViscosity{.Tred = 386.411,
                                                   .rhoRed = 5571.536714610144,
                                                   .a = kResidualViscosityA,
                                                   .d = kResidualViscosityD,
                                                   .t = kResidualViscosityT,
                                                   .gamma = kResidualViscosityGamma,
                                                   .l = kResidualViscosityL,
                                                   .closePacked = &kResidualViscosityClosePacked};

}  // namespace

const TViscosityCorrelation R152aViscosity{.diluteFitted = &kDiluteViscosity,
                                           .residualSum = &kResidualViscosity};

namespace {

// K1, R. Krauss, V. C. Weiss, T. A. Edison, J. V. Sengers, K. Stephan (1996), Int. J. Thermophys.
// 17, 731-757
constexpr double kDiluteConductivityA[] = {-0.014942, 9.73283e-05};
constexpr double kDiluteConductivityN[] = {0.0, 1.0};
constexpr double kDiluteConductivityB[] = {1.0};
constexpr double kDiluteConductivityM[] = {0.0};
constexpr TConductivityDiluteRatio kDiluteConductivity{.Tred = 1.0,
                                                       .A = kDiluteConductivityA,
                                                       .n = kDiluteConductivityN,
                                                       .B = kDiluteConductivityB,
                                                       .m = kDiluteConductivityM};
// K4, R. Krauss, V. C. Weiss, T. A. Edison, J. V. Sengers, K. Stephan (1996), Int. J. Thermophys.
// 17, 731-757
constexpr double kResidualConductivityB[] = {0.0106039395, 0.0136956435, -0.0062916315,
                                             0.00197942745};
constexpr double kResidualConductivityT[] = {0.0, 0.0, 0.0, 0.0};
constexpr double kResidualConductivityD[] = {1.0, 2.0, 3.0, 4.0};
constexpr TConductivityResidualPolynomial kResidualConductivity{.Tred = 386.411,
                                                                .rhoRed = 368.0,
                                                                .B = kResidualConductivityB,
                                                                .t = kResidualConductivityT,
                                                                .d = kResidualConductivityD};
// K6, R. Krauss, V. C. Weiss, T. A. Edison, J. V. Sengers, K. Stephan (1996), Int. J. Thermophys.
// 17, 731-757
constexpr TConductivityCritical kCriticalConductivity{.RD = 1.03,
                                                      .nu = 0.63,
                                                      .gamma = 1.239,
                                                      .Gamma = 0.0487,
                                                      .xi0 = 1.894e-10,
                                                      .qD = 2288329519.45,
                                                      .Tref = 579.6165,
                                                      .Tc = 386.411,
                                                      .rhoc = 5571.45,
                                                      .pc = 4520000.0};
}  // namespace

const TConductivityCorrelation R152aConductivity{.diluteRatio = &kDiluteConductivity,
                                                 .residualPolynomial = &kResidualConductivity,
                                                 .critical = &kCriticalConductivity,
                                                 .viscosity = &R152aViscosity};

namespace {

// S1, A. Mulero, I. Cachadiña, M. I. Parra (2012), J. Phys. Chem. Ref. Data 41, 043105
constexpr double kSurfaceTensionA[] = {0.05808};
constexpr double kSurfaceTensionN[] = {1.2115};
}  // namespace

const TSurfaceTensionSum R152aSurfaceTension{
    .Tc = 386.411, .a = kSurfaceTensionA, .n = kSurfaceTensionN};

}  // namespace kxtransport
