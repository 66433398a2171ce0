// Transport and surface-tension correlations of R123: the published coefficients as data of
// the term types in KX_Transport_Terms.h.
#include "KX_Transport_Fluids.h"

namespace kxtransport {

namespace {

// V3, Y. Tanaka, T. Sotani (1996), Int. J. Thermophys. 17, 293-328
constexpr double kDiluteViscosityA[] = {-2.273638e-06, 5.099859e-08, -2.402786e-11};
constexpr double kDiluteViscosityT[] = {0.0, 1.0, 2.0};
constexpr TViscosityDilutePolynomial kDiluteViscosity{.a = kDiluteViscosityA,
                                                      .t = kDiluteViscosityT};
// V6, Y. Tanaka, T. Sotani (1996), Int. J. Thermophys. 17, 293-328
constexpr double kResidualViscosityA[] = {-1.2245673e-05, 1.39463316064215e-05, -5.553966e-05,
                                          1.863975355e-05, -1.47083652375e-05};
constexpr double kResidualViscosityD[] = {1.0, 1.0, 1.0, 2.0, 3.0};
constexpr double kResidualViscosityT[] = {0.0, -1.0, 0.0, 0.0, 0.0};
constexpr double kResidualViscosityGamma[] = {0.0, 0.0, 0.0, 0.0, 0.0};
constexpr double kResidualViscosityL[] = {1.0, 1.0, 1.0, 1.0, 1.0};
constexpr double kResidualViscosityCpF[] = {0.000585991090909};
constexpr double kResidualViscosityCpD2[] = {0.0};
constexpr double kResidualViscosityCpT2[] = {0.0};
constexpr double kResidualViscosityCpG[] = {3.32411454545};
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
constexpr TViscosityResidualSum kResidualViscosity{.Tred = 456.831,
                                                   .rhoRed = 3596.417,
                                                   .a = kResidualViscosityA,
                                                   .d = kResidualViscosityD,
                                                   .t = kResidualViscosityT,
                                                   .gamma = kResidualViscosityGamma,
                                                   .l = kResidualViscosityL,
                                                   .closePacked = &kResidualViscosityClosePacked};

}  // namespace

const TViscosityCorrelation R123Viscosity{.dilutePolynomial = &kDiluteViscosity,
                                          .residualSum = &kResidualViscosity};

namespace {

// K1, A. Laesecke, R. A. Perkins, J. B. Howley (1996), Int. J. Refrig. 19, 231-238
constexpr double kDiluteConductivityA[] = {-0.00778, 5.695e-05};
constexpr double kDiluteConductivityN[] = {0.0, 1.0};
constexpr double kDiluteConductivityB[] = {1.0};
constexpr double kDiluteConductivityM[] = {0.0};
constexpr TConductivityDiluteRatio kDiluteConductivity{.Tred = 1.0,
                                                       .A = kDiluteConductivityA,
                                                       .n = kDiluteConductivityN,
                                                       .B = kDiluteConductivityB,
                                                       .m = kDiluteConductivityM};
// K4, A. Laesecke, R. A. Perkins, J. B. Howley (1996), Int. J. Refrig. 19, 231-238
constexpr double kResidualConductivityB[] = {0.0642894, -0.0530474, 4.53522e-05, -0.139928,
                                             0.16654,   -0.0162656, 0.136819,    -0.183291,
                                             0.0357146, -0.023121,  0.0341945,   -0.00757341};
constexpr double kResidualConductivityT[] = {1.5, 2.0, 6.0, 0.0, 0.5, 1.5,
                                             0.0, 0.5, 1.5, 0.0, 0.5, 1.5};
constexpr double kResidualConductivityD[] = {1.0, 1.0, 1.0, 2.0, 2.0, 2.0,
                                             3.0, 3.0, 3.0, 4.0, 4.0, 4.0};
constexpr TConductivityResidualPolynomial kResidualConductivity{.Tred = 456.831,
                                                                .rhoRed = 550.0,
                                                                .B = kResidualConductivityB,
                                                                .t = kResidualConductivityT,
                                                                .d = kResidualConductivityD};
// K7, A. Laesecke, R. A. Perkins, J. B. Howley (1996), Int. J. Refrig. 19, 231-238
constexpr TConductivityCriticalR123 kCriticalConductivity{
    .a13 = 0.00486742, .a14 = -100.0, .a15 = -7.08535, .Tred = 456.831, .rhoRed = 3596.417};
}  // namespace

const TConductivityCorrelation R123Conductivity{.diluteRatio = &kDiluteConductivity,
                                                .residualPolynomial = &kResidualConductivity,
                                                .criticalR123 = &kCriticalConductivity};

namespace {

// S1, A. Mulero, I. Cachadiña, M. I. Parra (2012), J. Phys. Chem. Ref. Data 41, 043105
constexpr double kSurfaceTensionA[] = {0.056151};
constexpr double kSurfaceTensionN[] = {1.2367};
}  // namespace

const TSurfaceTensionSum R123SurfaceTension{
    .Tc = 456.831, .a = kSurfaceTensionA, .n = kSurfaceTensionN};

}  // namespace kxtransport
