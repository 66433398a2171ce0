// Transport and surface-tension correlations of argon: the published coefficients as data of
// the term types in KX_Transport_Terms.h.
#include "KX_Transport_Fluids.h"

namespace kxtransport {

namespace {

// V1, E. W. Lemmon, R. T Jacobsen (2004), Int. J. Thermophys. 25, 21-69
constexpr double kDiluteViscosityA[] = {0.431, -0.4623, 0.08406, 0.005341, -0.00331};
constexpr double kDiluteViscosityT[] = {0.0, 1.0, 2.0, 3.0, 4.0};
constexpr TViscosityDiluteFitted kDiluteViscosity{.C = 2.66958e-08,
                                                  .M = 0.039948,
                                                  .sigma = 3.35e-10,
                                                  .epsilonOverK = 143.2,
                                                  .a = kDiluteViscosityA,
                                                  .t = kDiluteViscosityT};
// V6, E. W. Lemmon, R. T Jacobsen (2004), Int. J. Thermophys. 25, 21-69
constexpr double kResidualViscosityA[] = {1.219e-05,  1.399e-05,  5.027e-09,
                                          -1.893e-05, -6.698e-06, -3.827e-06};
constexpr double kResidualViscosityD[] = {1.0, 2.0, 10.0, 5.0, 1.0, 2.0};
constexpr double kResidualViscosityT[] = {0.42, 0.0, 0.95, 0.5, 0.9, 0.8};
constexpr double kResidualViscosityGamma[] = {0.0, 0.0, 0.0, 1.0, 1.0, 1.0};
constexpr double kResidualViscosityL[] = {0.0, 0.0, 0.0, 2.0, 4.0, 4.0};
constexpr TViscosityResidualSum kResidualViscosity{.Tred = 150.687,
                                                   .rhoRed = 13407.43,
                                                   .a = kResidualViscosityA,
                                                   .d = kResidualViscosityD,
                                                   .t = kResidualViscosityT,
                                                   .gamma = kResidualViscosityGamma,
                                                   .l = kResidualViscosityL,
                                                   .closePacked = nullptr};

}  // namespace

const TViscosityCorrelation ArViscosity{.diluteFitted = &kDiluteViscosity,
                                        .residualSum = &kResidualViscosity};

namespace {

// K2, E. W. Lemmon, R. T Jacobsen (2004), Int. J. Thermophys. 25, 21-69
constexpr double kDiluteConductivityA[] = {0.0008158, -0.000432};
constexpr double kDiluteConductivityT[] = {0.0, -0.77};
constexpr TConductivityDiluteFromViscosity kDiluteConductivity{
    .A = kDiluteConductivityA, .t = kDiluteConductivityT, .Tred = 150.687};
// K5, E. W. Lemmon, R. T Jacobsen (2004), Int. J. Thermophys. 25, 21-69
constexpr double kResidualConductivityN[] = {0.01373, 0.01007,   0.0007375, -0.03396,
                                             0.02047, -0.002274, -0.003973};
constexpr double kResidualConductivityT[] = {0.0, 0.0, 0.0, 0.8, 1.2, 0.8, 0.5};
constexpr double kResidualConductivityD[] = {1.0, 2.0, 4.0, 5.0, 6.0, 9.0, 1.0};
constexpr double kResidualConductivityGamma[] = {0.0, 0.0, 0.0, 1.0, 1.0, 1.0, 1.0};
constexpr double kResidualConductivityL[] = {0.0, 0.0, 0.0, 2.0, 2.0, 2.0, 4.0};
constexpr TConductivityResidualSum kResidualConductivity{.Tred = 150.687,
                                                         .rhoRed = 13407.42965855612,
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
                                                      .xi0 = 1.3e-10,
                                                      .qD = 3125000000.0,
                                                      .Tref = 301.374,
                                                      .Tc = 150.687,
                                                      .rhoc = 13407.42965855612,
                                                      .pc = 4863000.0};
}  // namespace

const TConductivityCorrelation ArConductivity{.diluteFromViscosity = &kDiluteConductivity,
                                              .residualSum = &kResidualConductivity,
                                              .critical = &kCriticalConductivity,
                                              .viscosity = &ArViscosity};

namespace {

// S1, A. Mulero, I. Cachadiña, M. I. Parra (2012), J. Phys. Chem. Ref. Data 41, 043105
constexpr double kSurfaceTensionA[] = {0.037};
constexpr double kSurfaceTensionN[] = {1.25};
}  // namespace

const TSurfaceTensionSum ArSurfaceTension{
    .Tc = 150.687, .a = kSurfaceTensionA, .n = kSurfaceTensionN};

}  // namespace kxtransport
