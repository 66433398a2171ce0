// Transport and surface-tension correlations of R-404A: the published coefficients as data
// of the term types in KX_Transport_Terms.h.
#include "KX_Transport_Fluids.h"

namespace kxtransport {

namespace {

// V3 dilute gas Σ a T^t and V6 residual Σ a δ^d (molar density), Geller et al., Purdue
// Refrigeration Conference (2000)
constexpr double kDiluteViscosityA[] = {9.766e-07, 3.676e-08, 2.938e-12};
constexpr double kDiluteViscosityT[] = {0.0, 1.0, 2.0};
constexpr TViscosityDilutePolynomial kDiluteViscosity{.a = kDiluteViscosityA,
                                                      .t = kDiluteViscosityT};
constexpr double kResidualViscosityA[] = {1.08968786472e-06,     4.15210956523065e-05,
                                          -4.71017533444368e-05, 4.58808267055386e-05,
                                          -2.25937060314017e-05, 4.48067444681183e-06};
constexpr double kResidualViscosityD[] = {1.0, 2.0, 3.0, 4.0, 5.0, 6.0};
constexpr double kResidualViscosityZero[] = {0.0, 0.0, 0.0, 0.0, 0.0, 0.0};
constexpr TViscosityResidualSum kResidualViscosity{.Tred = 345.27,
                                                   .rhoRed = 4940.0,
                                                   .a = kResidualViscosityA,
                                                   .d = kResidualViscosityD,
                                                   .t = kResidualViscosityZero,
                                                   .gamma = kResidualViscosityZero,
                                                   .l = kResidualViscosityZero,
                                                   .closePacked = nullptr};
}  // namespace

const TViscosityCorrelation R404AViscosity{.dilutePolynomial = &kDiluteViscosity,
                                           .residualSum = &kResidualViscosity};

namespace {

// K1 dilute gas A0 + A1 T and K4 residual Σ B δ^d (mass density), V. Z. Geller, B. V. Nemzer, U. V.
// Cheremnykh, Int. J. Thermophys. 22 (2001) 1035
constexpr double kDiluteConductivityA[] = {-0.008624, 7.36e-05};
constexpr double kDiluteConductivityN[] = {0.0, 1.0};
constexpr double kDiluteConductivityB[] = {1.0};
constexpr double kDiluteConductivityM[] = {0.0};
constexpr TConductivityDiluteRatio kDiluteConductivity{.Tred = 1.0,
                                                       .A = kDiluteConductivityA,
                                                       .n = kDiluteConductivityN,
                                                       .B = kDiluteConductivityB,
                                                       .m = kDiluteConductivityM};
constexpr double kResidualConductivityB[] = {0.01553528451384, 0.00597243531527298,
                                             -0.00301868209796688, 0.0010847310542822};
constexpr double kResidualConductivityT[] = {0.0, 0.0, 0.0, 0.0};
constexpr double kResidualConductivityD[] = {1.0, 2.0, 3.0, 4.0};
constexpr TConductivityResidualPolynomial kResidualConductivity{.Tred = 345.27,
                                                                .rhoRed = 482.162772,
                                                                .B = kResidualConductivityB,
                                                                .t = kResidualConductivityT,
                                                                .d = kResidualConductivityD};
}  // namespace

const TConductivityCorrelation R404AConductivity{.diluteRatio = &kDiluteConductivity,
                                                 .residualPolynomial = &kResidualConductivity};

namespace {

// S1, M. Okada, T. Shibata, Y. Sato, Y. Higashi, Int. J. Thermophys. 20 (1999) 119
constexpr double kSurfaceTensionA[] = {0.0536};
constexpr double kSurfaceTensionN[] = {1.249};
}  // namespace

const TSurfaceTensionSum R404ASurfaceTension{
    .Tc = 345.18, .a = kSurfaceTensionA, .n = kSurfaceTensionN};

}  // namespace kxtransport
