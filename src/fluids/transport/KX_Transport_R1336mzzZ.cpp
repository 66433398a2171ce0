// Transport and surface-tension correlations of R1336mzz(Z): the published coefficients as data
// of the term types in KX_Transport_Terms.h.
#include "KX_Transport_Fluids.h"

namespace kxtransport {

namespace {

// V10 with the dilute gas V2 scaled by F_c, M. L. Huber (2018), NISTIR 8209
constexpr double kViscosityPsiA[] = {0.615513, 0.281144, -0.0527921};
constexpr double kViscosityPsiT[] = {0.0, 1.0, 2.0};
}  // namespace

// The reference fluid R134a is bound where its equation of state is
// (KX_New_Refrigerant_Transport.h).
const TECSViscosity R1336mzzZViscosity{
    .reference = nullptr,
    .fluid = {.M = 0.164056, .R = 8.314462618, .Tred = 444.5, .rhoRed = 3044.0},
    .sigma = 5.582e-10,
    .epsilonOverK = 352.97,
    .psi = {.a = kViscosityPsiA, .t = kViscosityPsiT, .rhoRed = 3044.0},
    .Fc = 0.94};

namespace {

// Dilute gas with fractional powers of T, R. A. Perkins, M. L. Huber (2020), Int. J. Thermophys.
// 41, 103
constexpr double kDiluteConductivityL[] = {0.033207, -0.089513, 0.101275};
constexpr double kDiluteConductivityS[] = {0.0, 0.5, 1.0};
constexpr TConductivityDiluteRoot kDiluteConductivity{
    .Tred = 444.5, .L = kDiluteConductivityL, .s = kDiluteConductivityS, .unit = 0.001};
// K4, R. A. Perkins, M. L. Huber (2020), Int. J. Thermophys. 41, 103
constexpr double kResidualConductivityB[] = {0.018267,    0.105672,   -0.119719,  0.0431845,
                                             -0.00497023, -0.0138014, -0.0756253, 0.0919892,
                                             -0.0327931,  0.00384035};
constexpr double kResidualConductivityT[] = {0.0, 0.0, 0.0, 0.0, 0.0, -1.0, -1.0, -1.0, -1.0, -1.0};
constexpr double kResidualConductivityD[] = {1.0, 2.0, 3.0, 4.0, 5.0, 1.0, 2.0, 3.0, 4.0, 5.0};
constexpr TConductivityResidualPolynomial kResidualConductivity{.Tred = 444.5,
                                                                .rhoRed = 499.386464,
                                                                .B = kResidualConductivityB,
                                                                .t = kResidualConductivityT,
                                                                .d = kResidualConductivityD};
// K6, R. A. Perkins, M. L. Huber (2020), Int. J. Thermophys. 41, 103
constexpr TConductivityCritical kCriticalConductivity{.RD = 1.02,
                                                      .nu = 0.63,
                                                      .gamma = 1.239,
                                                      .Gamma = 0.058,
                                                      .xi0 = 2.21e-10,
                                                      .qD = 1.0 / 9.55e-10,
                                                      .Tref = 666.75,
                                                      .Tc = 444.5,
                                                      .rhoc = 3044.0,
                                                      .pc = 2903000.0};
}  // namespace

const TConductivityCorrelation R1336mzzZConductivity{.residualPolynomial = &kResidualConductivity,
                                                     .critical = &kCriticalConductivity,
                                                     .diluteRoot = &kDiluteConductivity};

namespace {

// S1, M. L. Huber (2018), NISTIR 8209
constexpr double kSurfaceTensionA[] = {0.06};
constexpr double kSurfaceTensionN[] = {1.22};
}  // namespace

const TSurfaceTensionSum R1336mzzZSurfaceTension{
    .Tc = 444.5, .a = kSurfaceTensionA, .n = kSurfaceTensionN};

}  // namespace kxtransport
