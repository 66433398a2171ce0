// Transport and surface-tension correlations of R143a: the published coefficients as data
// of the term types in KX_Transport_Terms.h.
#include "KX_Transport_Fluids.h"

namespace kxtransport {

namespace {

// V10 with the dilute gas V2 scaled by F_c, M. L. Huber (2018), NISTIR 8209
constexpr double kViscosityPsiA[] = {0.942896, 0.0142114};
constexpr double kViscosityPsiT[] = {0.0, 1.0};
}  // namespace

// The reference fluid R134a is bound where its equation of state is
// (KX_New_Refrigerant_Transport.h).
const TECSViscosity R143aViscosity{
    .reference = nullptr,
    .fluid = {.M = 0.084041, .R = 8.314472, .Tred = 345.857, .rhoRed = 5128.45},
    .sigma = 4.827e-10,
    .epsilonOverK = 301.76,
    .psi = {.a = kViscosityPsiA, .t = kViscosityPsiT, .rhoRed = 5128.45},
    .Fc = 0.992};

namespace {

// K1, M. L. Huber (2018), NISTIR 8209
constexpr double kDiluteConductivityA[] = {-0.00700852, 6.56307e-05, 2.62499e-08};
constexpr double kDiluteConductivityN[] = {0.0, 1.0, 2.0};
constexpr double kDiluteConductivityB[] = {1.0};
constexpr double kDiluteConductivityM[] = {0.0};
constexpr TConductivityDiluteRatio kDiluteConductivity{.Tred = 1.0,
                                                       .A = kDiluteConductivityA,
                                                       .n = kDiluteConductivityN,
                                                       .B = kDiluteConductivityB,
                                                       .m = kDiluteConductivityM};
// K4, M. L. Huber (2018), NISTIR 8209
constexpr double kResidualConductivityB[] = {-0.0812212, -0.0166652, 0.0874477,  -0.0351468,
                                             0.0039957,  0.0762355,  -0.0227662, -0.0175726,
                                             0.00379467, 0.000776919};
constexpr double kResidualConductivityT[] = {0.0, 0.0, 0.0, 0.0, 0.0, -1.0, -1.0, -1.0, -1.0, -1.0};
constexpr double kResidualConductivityD[] = {1.0, 2.0, 3.0, 4.0, 5.0, 1.0, 2.0, 3.0, 4.0, 5.0};
constexpr TConductivityResidualPolynomial kResidualConductivity{.Tred = 345.857,
                                                                .rhoRed = 431.00006645,
                                                                .B = kResidualConductivityB,
                                                                .t = kResidualConductivityT,
                                                                .d = kResidualConductivityD};
// K6, M. L. Huber (2018), NISTIR 8209
constexpr TConductivityCritical kCriticalConductivity{.RD = 1.02,
                                                      .nu = 0.63,
                                                      .gamma = 1.239,
                                                      .Gamma = 0.055,
                                                      .xi0 = 1.93e-10,
                                                      .qD = 1.0 / 2.3e-10,
                                                      .Tref = 518.7855,
                                                      .Tc = 345.857,
                                                      .rhoc = 5128.45,
                                                      .pc = 3761000.0};
}  // namespace

const TConductivityCorrelation R143aConductivity{.diluteRatio = &kDiluteConductivity,
                                                 .residualPolynomial = &kResidualConductivity,
                                                 .critical = &kCriticalConductivity};

namespace {

// S1, A. Mulero, I. Cachadiña (2014), J. Phys. Chem. Ref. Data 43, 023104
constexpr double kSurfaceTensionA[] = {0.0537};
constexpr double kSurfaceTensionN[] = {1.25};
}  // namespace

const TSurfaceTensionSum R143aSurfaceTension{
    .Tc = 345.857, .a = kSurfaceTensionA, .n = kSurfaceTensionN};

}  // namespace kxtransport
