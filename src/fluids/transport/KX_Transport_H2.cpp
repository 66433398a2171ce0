// Transport and surface-tension correlations of normal hydrogen: the published coefficients as data
// of the term types in KX_Transport_Terms.h.
#include "KX_Transport_Fluids.h"

namespace kxtransport {

namespace {

// V1, C. D. Muzny, M. L. Huber, A. F. Kazakov (2013), J. Chem. Eng. Data 58, 969-979
constexpr double kDiluteViscosityA[] = {0.20963, -0.455274, 0.143602, -0.0335325, 0.00276981};
constexpr double kDiluteViscosityT[] = {0.0, 1.0, 2.0, 3.0, 4.0};
constexpr TViscosityDiluteFitted kDiluteViscosity{.C = 2.1357e-08,
                                                  .M = 0.00201588,
                                                  .sigma = 2.97e-10,
                                                  .epsilonOverK = 30.41,
                                                  .a = kDiluteViscosityA,
                                                  .t = kDiluteViscosityT};
// V5, C. D. Muzny, M. L. Huber, A. F. Kazakov (2013), J. Chem. Eng. Data 58, 969-979
constexpr double kInitialDensityViscosityB[] = {-0.187, 2.4871,  3.7151, -11.0972,
                                                9.0965, -3.8292, 0.5166};
constexpr double kInitialDensityViscosityT[] = {0.0, -1.0, -2.0, -3.0, -4.0, -5.0, -6.0};
constexpr TViscosityInitialDensity kInitialDensityViscosity{.b = kInitialDensityViscosityB,
                                                            .t = kInitialDensityViscosityT,
                                                            .sigma = 2.97e-10,
                                                            .epsilonOverK = 30.41};
// V7, C. D. Muzny, M. L. Huber, A. F. Kazakov (2013), J. Chem. Eng. Data 58, 969-979
constexpr TViscosityResidualHydrogen kResidualViscosity{.c1 = 6.43449673e-06,
                                                        .c2 = 0.0456334068,
                                                        .c3 = 0.232797868,
                                                        .c4 = 0.95832612,
                                                        .c5 = 0.127941189,
                                                        .c6 = 0.363576595,
                                                        .Tred = 33.145,
                                                        .rhoRed = 90.9090909091};

}  // namespace

const TViscosityCorrelation H2Viscosity{.diluteFitted = &kDiluteViscosity,
                                        .initialDensity = &kInitialDensityViscosity,
                                        .residualHydrogen = &kResidualViscosity};

namespace {

// K1, M. J. Assael, J.-A. M. Assael, M. L. Huber, R. A. Perkins, Y. Takata (2011), J. Phys. Chem.
// Ref. Data 40, 033101
constexpr double kDiluteConductivityA[] = {-0.340976,  4.5882,      -1.4508,   0.326394,
                                           0.00316939, 0.000190592, -1.139e-06};
constexpr double kDiluteConductivityN[] = {0.0, 1.0, 2.0, 3.0, 4.0, 5.0, 6.0};
constexpr double kDiluteConductivityB[] = {138.497, -22.1878, 4.57151, 1.0};
constexpr double kDiluteConductivityM[] = {0.0, 1.0, 2.0, 3.0};
constexpr TConductivityDiluteRatio kDiluteConductivity{.Tred = 33.145,
                                                       .A = kDiluteConductivityA,
                                                       .n = kDiluteConductivityN,
                                                       .B = kDiluteConductivityB,
                                                       .m = kDiluteConductivityM};
// K4, M. J. Assael, J.-A. M. Assael, M. L. Huber, R. A. Perkins, Y. Takata (2011), J. Phys. Chem.
// Ref. Data 40, 033101
constexpr double kResidualConductivityB[] = {0.0363081, 0.0018337, -0.0207629, -0.00886716,
                                             0.031481,  0.015826,  -0.0143097, -0.0106283,
                                             0.0017498, 0.00280673};
constexpr double kResidualConductivityT[] = {0.0, -1.0, 0.0, -1.0, 0.0, -1.0, 0.0, -1.0, 0.0, -1.0};
constexpr double kResidualConductivityD[] = {1.0, 1.0, 2.0, 2.0, 3.0, 3.0, 4.0, 4.0, 5.0, 5.0};
constexpr TConductivityResidualPolynomial kResidualConductivity{.Tred = 33.145,
                                                                .rhoRed = 31.262,
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
                                                      .qD = 2500000000.0,
                                                      .Tref = 49.7175,
                                                      .Tc = 33.145,
                                                      .rhoc = 15508.0,
                                                      .pc = 1296400.0};
}  // namespace

const TConductivityCorrelation H2Conductivity{.diluteRatio = &kDiluteConductivity,
                                              .residualPolynomial = &kResidualConductivity,
                                              .critical = &kCriticalConductivity,
                                              .viscosity = &H2Viscosity};

namespace {

// S1, A. Mulero, I. Cachadiña, M. I. Parra (2012), J. Phys. Chem. Ref. Data 41, 043105
constexpr double kSurfaceTensionA[] = {-1.4165, 0.746383, 0.675625};
constexpr double kSurfaceTensionN[] = {0.63882, 0.659804, 0.619149};
}  // namespace

const TSurfaceTensionSum H2SurfaceTension{
    .Tc = 33.145, .a = kSurfaceTensionA, .n = kSurfaceTensionN};

}  // namespace kxtransport
