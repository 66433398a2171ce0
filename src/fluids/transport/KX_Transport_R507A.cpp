// Transport and surface-tension correlations of R-507A: the published coefficients as data
// of the term types in KX_Transport_Terms.h.
#include "KX_Transport_Fluids.h"

namespace kxtransport {

namespace {

// V3 dilute gas Σ a T^t and V6 residual Σ a δ^d (molar density), Geller et al., Purdue
// Refrigeration Conference (2000)
constexpr double kDiluteViscosityA[] = {-2.53e-06, 5.626e-08, -2.323e-11};
constexpr double kDiluteViscosityT[] = {0.0, 1.0, 2.0};
constexpr TViscosityDilutePolynomial kDiluteViscosity{.a = kDiluteViscosityA,
                                                      .t = kDiluteViscosityT};
constexpr double kResidualViscosityA[] = {2.60484792e-07,        5.380047201384e-05,
                                          -7.96788622177244e-05, 8.18338244377166e-05,
                                          -3.95045172461632e-05, 7.36629109425773e-06};
constexpr double kResidualViscosityD[] = {1.0, 2.0, 3.0, 4.0, 5.0, 6.0};
constexpr double kResidualViscosityZero[] = {0.0, 0.0, 0.0, 0.0, 0.0, 0.0};
constexpr TViscosityResidualSum kResidualViscosity{.Tred = 343.765,
                                                   .rhoRed = 4964.02965025005,
                                                   .a = kResidualViscosityA,
                                                   .d = kResidualViscosityD,
                                                   .t = kResidualViscosityZero,
                                                   .gamma = kResidualViscosityZero,
                                                   .l = kResidualViscosityZero,
                                                   .closePacked = nullptr};
}  // namespace

const TViscosityCorrelation R507AViscosity{.dilutePolynomial = &kDiluteViscosity,
                                           .residualSum = &kResidualViscosity};

namespace {

// K1 dilute gas A0 + A1 T and K4 residual Σ B δ^d (mass density), V. Z. Geller, B. V. Nemzer, U. V.
// Cheremnykh, Int. J. Thermophys. 22 (2001) 1035
constexpr double kDiluteConductivityA[] = {-0.008656, 7.383e-05};
constexpr double kDiluteConductivityN[] = {0.0, 1.0};
constexpr double kDiluteConductivityB[] = {1.0};
constexpr double kDiluteConductivityM[] = {0.0};
constexpr TConductivityDiluteRatio kDiluteConductivity{.Tred = 1.0,
                                                       .A = kDiluteConductivityA,
                                                       .n = kDiluteConductivityN,
                                                       .B = kDiluteConductivityB,
                                                       .m = kDiluteConductivityM};
constexpr double kResidualConductivityB[] = {0.0137358126, 0.00738130916394, -0.00430658222962604,
                                             0.00151314279204821};
constexpr double kResidualConductivityT[] = {0.0, 0.0, 0.0, 0.0};
constexpr double kResidualConductivityD[] = {1.0, 2.0, 3.0, 4.0};
constexpr TConductivityResidualPolynomial kResidualConductivity{.Tred = 343.765,
                                                                .rhoRed = 490.74,
                                                                .B = kResidualConductivityB,
                                                                .t = kResidualConductivityT,
                                                                .d = kResidualConductivityD};
}  // namespace

const TConductivityCorrelation R507AConductivity{.diluteRatio = &kDiluteConductivity,
                                                 .residualPolynomial = &kResidualConductivity};

namespace {

// S1, M. Okada, T. Shibata, Y. Sato, Y. Higashi, Int. J. Thermophys. 20 (1999) 119
constexpr double kSurfaceTensionA[] = {0.05344};
constexpr double kSurfaceTensionN[] = {1.25};
}  // namespace

const TSurfaceTensionSum R507ASurfaceTension{
    .Tc = 343.76, .a = kSurfaceTensionA, .n = kSurfaceTensionN};

}  // namespace kxtransport
