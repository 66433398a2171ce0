// Transport and surface-tension correlations of oxygen: the published coefficients as data of
// the term types in KX_Transport_Terms.h.
#include "KX_Transport_Fluids.h"

namespace kxtransport {

namespace {

// V1, E. W. Lemmon, R. T Jacobsen (2004), Int. J. Thermophys. 25, 21-69
constexpr double kDiluteViscosityA[] = {0.431, -0.4623, 0.08406, 0.005341, -0.00331};
constexpr double kDiluteViscosityT[] = {0.0, 1.0, 2.0, 3.0, 4.0};
constexpr TViscosityDiluteFitted kDiluteViscosity{.C = 2.66958e-08,
                                                  .M = 0.0319988,
                                                  .sigma = 3.428e-10,
                                                  .epsilonOverK = 118.5,
                                                  .a = kDiluteViscosityA,
                                                  .t = kDiluteViscosityT};
// V6, E. W. Lemmon, R. T Jacobsen (2004), Int. J. Thermophys. 25, 21-69
constexpr double kResidualViscosityA[] = {1.767e-05, 4.042e-07, 1.077e-10, 3.51e-07, -1.367e-05};
constexpr double kResidualViscosityD[] = {1.0, 5.0, 12.0, 8.0, 1.0};
constexpr double kResidualViscosityT[] = {0.05, 0.0, 2.1, 0.0, 0.5};
constexpr double kResidualViscosityGamma[] = {0.0, 0.0, 0.0, 1.0, 1.0};
constexpr double kResidualViscosityL[] = {0.0, 0.0, 0.0, 1.0, 2.0};
constexpr TViscosityResidualSum kResidualViscosity{.Tred = 154.581,
                                                   .rhoRed = 13630.0,
                                                   .a = kResidualViscosityA,
                                                   .d = kResidualViscosityD,
                                                   .t = kResidualViscosityT,
                                                   .gamma = kResidualViscosityGamma,
                                                   .l = kResidualViscosityL,
                                                   .closePacked = nullptr};

}  // namespace

const TViscosityCorrelation O2Viscosity{.diluteFitted = &kDiluteViscosity,
                                        .residualSum = &kResidualViscosity};

namespace {

// K2, E. W. Lemmon, R. T Jacobsen (2004), Int. J. Thermophys. 25, 21-69
constexpr double kDiluteConductivityA[] = {0.001036, 0.006283, -0.004262};
constexpr double kDiluteConductivityT[] = {0.0, -0.9, -0.6};
constexpr TConductivityDiluteFromViscosity kDiluteConductivity{
    .A = kDiluteConductivityA, .t = kDiluteConductivityT, .Tred = 154.581};
// K5, E. W. Lemmon, R. T Jacobsen (2004), Int. J. Thermophys. 25, 21-69
constexpr double kResidualConductivityN[] = {0.01531,  0.008898,  -0.0007336,
                                             0.006728, -0.004374, -0.0004747};
constexpr double kResidualConductivityT[] = {0.0, 0.0, 0.3, 4.3, 0.5, 1.8};
constexpr double kResidualConductivityD[] = {1.0, 3.0, 4.0, 5.0, 7.0, 10.0};
constexpr double kResidualConductivityGamma[] = {0.0, 0.0, 0.0, 1.0, 1.0, 1.0};
constexpr double kResidualConductivityL[] = {0.0, 0.0, 0.0, 2.0, 2.0, 2.0};
constexpr TConductivityResidualSum kResidualConductivity{.Tred = 154.581,
                                                         .rhoRed = 13630.0,
                                                         .N = kResidualConductivityN,
                                                         .t = kResidualConductivityT,
                                                         .d = kResidualConductivityD,
                                                         .gamma = kResidualConductivityGamma,
                                                         .l = kResidualConductivityL};
// K6, E. W. Lemmon, R. T Jacobsen (2004), Int. J. Thermophys. 25, 21-69
constexpr TConductivityCritical kCriticalConductivity{.RD = 1.01,
                                                      .nu = 0.63,
                                                      .gamma = 1.2415,
                                                      .Gamma = 0.055,
                                                      .xi0 = 2.4e-10,
                                                      .qD = 1960784313.7,
                                                      .Tref = 309.162,
                                                      .Tc = 154.581,
                                                      .rhoc = 13630.0,
                                                      .pc = 5043000.0};
}  // namespace

const TConductivityCorrelation O2Conductivity{.diluteFromViscosity = &kDiluteConductivity,
                                              .residualSum = &kResidualConductivity,
                                              .critical = &kCriticalConductivity,
                                              .viscosity = &O2Viscosity};

namespace {

// S1, A. Mulero, I. Cachadiña, M. I. Parra (2012), J. Phys. Chem. Ref. Data 41, 043105
constexpr double kSurfaceTensionA[] = {0.03843};
constexpr double kSurfaceTensionN[] = {1.225};
}  // namespace

const TSurfaceTensionSum O2SurfaceTension{
    .Tc = 154.581, .a = kSurfaceTensionA, .n = kSurfaceTensionN};

}  // namespace kxtransport
