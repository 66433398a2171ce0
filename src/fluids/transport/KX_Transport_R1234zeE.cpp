// Transport and surface-tension correlations of R1234ze(E): the published coefficients as data of
// the term types in KX_Transport_Terms.h.
#include "KX_Transport_Fluids.h"

namespace kxtransport {

namespace {

// Dilute gas as a ratio of polynomials in T (in µPa s), M. L. Huber, M. J. Assael (2016), Int. J.
// Refrig. 71, 39-45
constexpr double kDiluteViscosityA[] = {-963382.0, 9614.09, -13.233, 0.0360562};
constexpr double kDiluteViscosityP[] = {0.0, 1.0, 2.0, 3.0};
constexpr double kDiluteViscosityB[] = {122059.0, -224.741, 1.0};
constexpr double kDiluteViscosityQ[] = {0.0, 1.0, 2.0};
constexpr TViscosityDiluteRatio kDiluteViscosity{.a = kDiluteViscosityA,
                                                 .p = kDiluteViscosityP,
                                                 .b = kDiluteViscosityB,
                                                 .q = kDiluteViscosityQ,
                                                 .unit = 1e-06};
// V5, M. L. Huber, M. J. Assael (2016), Int. J. Refrig. 71, 39-45
constexpr TViscosityInitialDensity kInitialDensityViscosity{
    .b = RainwaterFriendB, .t = RainwaterFriendT, .sigma = 5e-10, .epsilonOverK = 340.0};
// V6, M. L. Huber, M. J. Assael (2016), Int. J. Refrig. 71, 39-45
// The paper's nested polynomial multiplied out; reduced with the critical point of the equation of
// state (382.513 K, 4.29 mol/dm3).
// (published in µPa s: a_i here are those times 1e-6)
constexpr double kResidualViscosityA[] = {8.61691913e-06, 2.083024738e-05, 5.424369e-07,
                                          -1.049684841e-05, -1.38137689e-06};
constexpr double kResidualViscosityD[] = {2.0 / 3.0, 8.0 / 3.0, 20.0 / 3.0, 5.0 / 3.0, 17.0 / 3.0};
constexpr double kResidualViscosityT[] = {-0.5, -0.5, 0.5, -1.5, -0.5};
constexpr double kResidualViscosityGamma[] = {0.0, 0.0, 0.0, 0.0, 0.0};
constexpr double kResidualViscosityL[] = {1.0, 1.0, 1.0, 1.0, 1.0};
constexpr TViscosityResidualSum kResidualViscosity{.Tred = 382.513,
                                                   .rhoRed = 4290.0,
                                                   .a = kResidualViscosityA,
                                                   .d = kResidualViscosityD,
                                                   .t = kResidualViscosityT,
                                                   .gamma = kResidualViscosityGamma,
                                                   .l = kResidualViscosityL,
                                                   .closePacked = nullptr};

}  // namespace

const TViscosityCorrelation R1234zeEViscosity{.initialDensity = &kInitialDensityViscosity,
                                              .residualSum = &kResidualViscosity,
                                              .diluteRatio = &kDiluteViscosity};

namespace {

// K1, R. A. Perkins, M. L. Huber (2011), J. Chem. Eng. Data 56, 4868-4874
// K1 and K4 reduce with the critical point of the equation of state the correlation was fitted
// with (382.52 K, 489.24 kg/m3).
constexpr double kDiluteConductivityA[] = {-0.0103589, 0.0308929, 0.000230348};
constexpr double kDiluteConductivityN[] = {0.0, 1.0, 2.0};
constexpr double kDiluteConductivityB[] = {1.0};
constexpr double kDiluteConductivityM[] = {0.0};
constexpr TConductivityDiluteRatio kDiluteConductivity{.Tred = 382.52,
                                                       .A = kDiluteConductivityA,
                                                       .n = kDiluteConductivityN,
                                                       .B = kDiluteConductivityB,
                                                       .m = kDiluteConductivityM};
// K4, R. A. Perkins, M. L. Huber (2011), J. Chem. Eng. Data 56, 4868-4874
constexpr double kResidualConductivityB[] = {-0.0428296,  0.0927099, -0.0702107, 0.0249708,
                                             -0.00301838, 0.0434288, -0.0605844, 0.0440187,
                                             -0.0155082,  0.0021019};
constexpr double kResidualConductivityT[] = {0.0, 0.0, 0.0, 0.0, 0.0, -1.0, -1.0, -1.0, -1.0, -1.0};
constexpr double kResidualConductivityD[] = {1.0, 2.0, 3.0, 4.0, 5.0, 1.0, 2.0, 3.0, 4.0, 5.0};
constexpr TConductivityResidualPolynomial kResidualConductivity{.Tred = 382.52,
                                                                .rhoRed = 489.24,
                                                                .B = kResidualConductivityB,
                                                                .t = kResidualConductivityT,
                                                                .d = kResidualConductivityD};
// K6, R. A. Perkins, M. L. Huber (2011), J. Chem. Eng. Data 56, 4868-4874
// Tref as published (1.5 x 382.52 K); Tc, rhoc and pc of the equation of state.
constexpr TConductivityCritical kCriticalConductivity{.RD = 1.03,
                                                      .nu = 0.63,
                                                      .gamma = 1.239,
                                                      .Gamma = 0.0496,
                                                      .xi0 = 1.94e-10,
                                                      .qD = 1.0 / 5.835e-10,
                                                      .Tref = 573.78,
                                                      .Tc = 382.513,
                                                      .rhoc = 4290.0,
                                                      .pc = 3634900.0};

}  // namespace

const TConductivityCorrelation R1234zeEConductivity{.diluteRatio = &kDiluteConductivity,
                                                    .residualPolynomial = &kResidualConductivity,
                                                    .critical = &kCriticalConductivity,
                                                    .viscosity = &R1234zeEViscosity};

namespace {

// S1, A. Mulero, I. Cachadina (2014), J. Phys. Chem. Ref. Data 43, 023104
// The second coefficient is positive: with -0.8247 the surface tension would pass through a
// maximum near 212 K and fall towards the triple point.
constexpr double kSurfaceTensionA[] = {0.06158, 0.8247};
constexpr double kSurfaceTensionN[] = {1.281, 6.505};

}  // namespace

const TSurfaceTensionSum R1234zeESurfaceTension{
    .Tc = 382.51, .a = kSurfaceTensionA, .n = kSurfaceTensionN};

}  // namespace kxtransport
