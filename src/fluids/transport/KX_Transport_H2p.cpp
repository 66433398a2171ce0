// Transport and surface-tension correlations of parahydrogen: the published coefficients as data of
// the term types in KX_Transport_Terms.h.
#include "KX_Transport_Fluids.h"

namespace kxtransport {

namespace {

// K1, M. J. Assael, J.-A. M. Assael, M. L. Huber, R. A. Perkins, Y. Takata (2011), J. Phys. Chem.
// Ref. Data 40, 033101
constexpr double kDiluteConductivityA[] = {-1.245,  310.212, -331.004,  246.016,
                                           -65.781, 10.826,  -0.519659, 0.0143979};
constexpr double kDiluteConductivityN[] = {0.0, 1.0, 2.0, 3.0, 4.0, 5.0, 6.0, 7.0};
constexpr double kDiluteConductivityB[] = {14230.4, -19392.2, 15837.9, -4818.12,
                                           728.639, -35.7365, 1.0};
constexpr double kDiluteConductivityM[] = {0.0, 1.0, 2.0, 3.0, 4.0, 5.0, 6.0};
constexpr TConductivityDiluteRatio kDiluteConductivity{.Tred = 32.938,
                                                       .A = kDiluteConductivityA,
                                                       .n = kDiluteConductivityN,
                                                       .B = kDiluteConductivityB,
                                                       .m = kDiluteConductivityM};
// K4, M. J. Assael, J.-A. M. Assael, M. L. Huber, R. A. Perkins, Y. Takata (2011), J. Phys. Chem.
// Ref. Data 40, 033101
constexpr double kResidualConductivityB[] = {0.0265975,   -0.00133826, 0.0130219,  -0.00567678,
                                             -9.2338e-05, -0.00121727, 0.00366663, 0.00388715,
                                             -0.00921055, 0.00400723};
constexpr double kResidualConductivityT[] = {0.0, 0.0, 0.0, 0.0, 0.0, -1.0, -1.0, -1.0, -1.0, -1.0};
constexpr double kResidualConductivityD[] = {1.0, 2.0, 3.0, 4.0, 5.0, 1.0, 2.0, 3.0, 4.0, 5.0};
constexpr TConductivityResidualPolynomial kResidualConductivity{.Tred = 32.938,
                                                                .rhoRed = 31.32274344,
                                                                .B = kResidualConductivityB,
                                                                .t = kResidualConductivityT,
                                                                .d = kResidualConductivityD};
// K6, M. J. Assael, J.-A. M. Assael, M. L. Huber, R. A. Perkins, Y. Takata (2011), J. Phys. Chem.
// Ref. Data 40, 033101
constexpr TConductivityCritical kCriticalConductivity{.RD = 1.01,
                                                      .nu = 0.63,
                                                      .gamma = 1.2415,
                                                      .Gamma = 0.052,
                                                      .xi0 = 1.5e-10,
                                                      .qD = 2000000000.0,
                                                      .Tref = 49.407,
                                                      .Tc = 32.938,
                                                      .rhoc = 15538.0,
                                                      .pc = 1285800.0};
}  // namespace

const TConductivityCorrelation H2pConductivity{.diluteRatio = &kDiluteConductivity,
                                               .residualPolynomial = &kResidualConductivity,
                                               .critical = &kCriticalConductivity,
                                               .viscosity = &H2pViscosity};

namespace {

// S1, A. Mulero, I. Cachadiña, M. I. Parra (2012), J. Phys. Chem. Ref. Data 41, 043105
constexpr double kSurfaceTensionA[] = {0.005314};
constexpr double kSurfaceTensionN[] = {1.06};
}  // namespace

const TSurfaceTensionSum H2pSurfaceTension{
    .Tc = 32.938, .a = kSurfaceTensionA, .n = kSurfaceTensionN};

}  // namespace kxtransport
