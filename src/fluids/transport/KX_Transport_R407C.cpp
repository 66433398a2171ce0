// Transport and surface-tension correlations of R-407C: the published coefficients as data
// of the term types in KX_Transport_Terms.h.
#include "KX_Transport_Fluids.h"

namespace kxtransport {

namespace {

// V3 dilute gas Σ a T^t and V6 residual Σ a δ^d (molar density), Geller et al., Purdue
// Refrigeration Conference (2000)
constexpr double kDiluteViscosityA[] = {-1.507e-06, 4.894e-08, -9.305e-12};
constexpr double kDiluteViscosityT[] = {0.0, 1.0, 2.0};
constexpr TViscosityDilutePolynomial kDiluteViscosity{.a = kDiluteViscosityA,
                                                      .t = kDiluteViscosityT};
constexpr double kResidualViscosityA[] = {-1.37752319572e-06,    6.01790079981353e-05,
                                          -8.91139952141838e-05, 7.35096214156048e-05,
                                          -2.78880885296689e-05, 4.13341253388544e-06};
constexpr double kResidualViscosityD[] = {1.0, 2.0, 3.0, 4.0, 5.0, 6.0};
constexpr double kResidualViscosityZero[] = {0.0, 0.0, 0.0, 0.0, 0.0, 0.0};
constexpr TViscosityResidualSum kResidualViscosity{.Tred = 359.345,
                                                   .rhoRed = 5260.00004640177,
                                                   .a = kResidualViscosityA,
                                                   .d = kResidualViscosityD,
                                                   .t = kResidualViscosityZero,
                                                   .gamma = kResidualViscosityZero,
                                                   .l = kResidualViscosityZero,
                                                   .closePacked = nullptr};
}  // namespace

const TViscosityCorrelation R407CViscosity{.dilutePolynomial = &kDiluteViscosity,
                                           .residualSum = &kResidualViscosity};

namespace {

// K1 dilute gas A0 + A1 T and K4 residual Σ B δ^d (mass density), V. Z. Geller, B. V. Nemzer, U. V.
// Cheremnykh, Int. J. Thermophys. 22 (2001) 1035
constexpr double kDiluteConductivityA[] = {-0.009628, 7.638e-05};
constexpr double kDiluteConductivityN[] = {0.0, 1.0};
constexpr double kDiluteConductivityB[] = {1.0};
constexpr double kDiluteConductivityM[] = {0.0};
constexpr TConductivityDiluteRatio kDiluteConductivity{.Tred = 1.0,
                                                       .A = kDiluteConductivityA,
                                                       .n = kDiluteConductivityN,
                                                       .B = kDiluteConductivityB,
                                                       .m = kDiluteConductivityM};
constexpr double kResidualConductivityB[] = {0.012310650021, 0.0102039090090449,
                                             -0.00457922318748897, 0.00121910148454632};
constexpr double kResidualConductivityT[] = {0.0, 0.0, 0.0, 0.0};
constexpr double kResidualConductivityD[] = {1.0, 2.0, 3.0, 4.0};
constexpr TConductivityResidualPolynomial kResidualConductivity{.Tred = 359.345,
                                                                .rhoRed = 453.43094,
                                                                .B = kResidualConductivityB,
                                                                .t = kResidualConductivityT,
                                                                .d = kResidualConductivityD};
}  // namespace

const TConductivityCorrelation R407CConductivity{.diluteRatio = &kDiluteConductivity,
                                                 .residualPolynomial = &kResidualConductivity};

namespace {

// S1, M. Okada, T. Shibata, Y. Sato, Y. Higashi, Int. J. Thermophys. 20 (1999) 119
constexpr double kSurfaceTensionA[] = {0.05877};
constexpr double kSurfaceTensionN[] = {1.229};
}  // namespace

const TSurfaceTensionSum R407CSurfaceTension{
    .Tc = 359.23, .a = kSurfaceTensionA, .n = kSurfaceTensionN};

}  // namespace kxtransport
