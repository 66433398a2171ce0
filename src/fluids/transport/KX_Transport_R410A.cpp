// Transport and surface-tension correlations of R-410A: the published coefficients as data
// of the term types in KX_Transport_Terms.h.
#include "KX_Transport_Fluids.h"

namespace kxtransport {

namespace {

// V3 dilute gas Σ a T^t and V6 residual Σ a δ^d (molar density), Geller et al., Purdue
// Refrigeration Conference (2000)
constexpr double kDiluteViscosityA[] = {-2.695e-06, 5.85e-08, -2.129e-11};
constexpr double kDiluteViscosityT[] = {0.0, 1.0, 2.0};
constexpr TViscosityDilutePolynomial kDiluteViscosity{.a = kDiluteViscosityA,
                                                      .t = kDiluteViscosityT};
constexpr double kResidualViscosityA[] = {4.1528450396712e-06,  1.21873857014574e-05,
                                          1.26608555452588e-05, -1.07532237280157e-05,
                                          1.92061782882115e-06, 3.67934710639568e-07};
constexpr double kResidualViscosityD[] = {1.0, 2.0, 3.0, 4.0, 5.0, 6.0};
constexpr double kResidualViscosityZero[] = {0.0, 0.0, 0.0, 0.0, 0.0, 0.0};
constexpr TViscosityResidualSum kResidualViscosity{.Tred = 344.494,
                                                   .rhoRed = 6324.0,
                                                   .a = kResidualViscosityA,
                                                   .d = kResidualViscosityD,
                                                   .t = kResidualViscosityZero,
                                                   .gamma = kResidualViscosityZero,
                                                   .l = kResidualViscosityZero,
                                                   .closePacked = nullptr};
}  // namespace

const TViscosityCorrelation R410AViscosity{.dilutePolynomial = &kDiluteViscosity,
                                           .residualSum = &kResidualViscosity};

namespace {

// K1 dilute gas A0 + A1 T and K4 residual Σ B δ^d (mass density), V. Z. Geller, B. V. Nemzer, U. V.
// Cheremnykh, Int. J. Thermophys. 22 (2001) 1035
constexpr double kDiluteConductivityA[] = {-0.008872, 7.41e-05};
constexpr double kDiluteConductivityN[] = {0.0, 1.0};
constexpr double kDiluteConductivityB[] = {1.0};
constexpr double kDiluteConductivityM[] = {0.0};
constexpr TConductivityDiluteRatio kDiluteConductivity{.Tred = 1.0,
                                                       .A = kDiluteConductivityA,
                                                       .n = kDiluteConductivityN,
                                                       .B = kDiluteConductivityB,
                                                       .m = kDiluteConductivityM};
constexpr double kResidualConductivityB[] = {0.016414915288896, -0.00190585933038869,
                                             0.00420061845936278, -0.000164495020281991};
constexpr double kResidualConductivityT[] = {0.0, 0.0, 0.0, 0.0};
constexpr double kResidualConductivityD[] = {1.0, 2.0, 3.0, 4.0};
constexpr TConductivityResidualPolynomial kResidualConductivity{.Tred = 344.494,
                                                                .rhoRed = 459.0300696,
                                                                .B = kResidualConductivityB,
                                                                .t = kResidualConductivityT,
                                                                .d = kResidualConductivityD};
}  // namespace

const TConductivityCorrelation R410AConductivity{.diluteRatio = &kDiluteConductivity,
                                                 .residualPolynomial = &kResidualConductivity};

namespace {

// S1, M. Okada, T. Shibata, Y. Sato, Y. Higashi, Int. J. Thermophys. 20 (1999) 119
constexpr double kSurfaceTensionA[] = {0.06238};
constexpr double kSurfaceTensionN[] = {1.246};
}  // namespace

const TSurfaceTensionSum R410ASurfaceTension{
    .Tc = 344.56, .a = kSurfaceTensionA, .n = kSurfaceTensionN};

}  // namespace kxtransport
