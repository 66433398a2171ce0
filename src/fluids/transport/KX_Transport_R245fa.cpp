// Transport and surface-tension correlations of R245fa: the published coefficients as data of
// the term types in KX_Transport_Terms.h.
#include "KX_Transport_Fluids.h"

namespace kxtransport {

namespace {

// V1, R. A. Perkins, M. L. Huber, M. J. Assael (2016), J. Chem. Eng. Data 61, 3286-3294
constexpr double kDiluteViscosityA[] = {0.250746, -0.6031, 0.271008};
constexpr double kDiluteViscosityT[] = {0.0, 1.0, 2.0};
constexpr TViscosityDiluteFitted kDiluteViscosity{.C = 2.1357e-08,
                                                  .M = 0.13404794,
                                                  .sigma = 5.88e-10,
                                                  .epsilonOverK = 258.15,
                                                  .a = kDiluteViscosityA,
                                                  .t = kDiluteViscosityT};
// V5, R. A. Perkins, M. L. Huber, M. J. Assael (2016), J. Chem. Eng. Data 61, 3286-3294
constexpr TViscosityInitialDensity kInitialDensityViscosity{
    .b = RainwaterFriendB, .t = RainwaterFriendT, .sigma = 5.88e-10, .epsilonOverK = 258.15};
// V6, R. A. Perkins, M. L. Huber, M. J. Assael (2016), J. Chem. Eng. Data 61, 3286-3294
// (published in µPa s: a_i here are those times 1e-6)
constexpr double kResidualViscosityA[] = {8.3502935e-07, 1.0245205e-05, 2.3356206e-10};
constexpr double kResidualViscosityD[] = {17.0 / 3.0, 8.0 / 3.0, 38.0 / 3.0};
constexpr double kResidualViscosityT[] = {-0.5, 0.5, 2.5};
constexpr double kResidualViscosityGamma[] = {0.0, 0.0, 0.0};
constexpr double kResidualViscosityL[] = {1.0, 1.0, 1.0};
constexpr TViscosityResidualSum kResidualViscosity{.Tred = 427.01,
                                                   .rhoRed = 3875.0,
                                                   .a = kResidualViscosityA,
                                                   .d = kResidualViscosityD,
                                                   .t = kResidualViscosityT,
                                                   .gamma = kResidualViscosityGamma,
                                                   .l = kResidualViscosityL,
                                                   .closePacked = nullptr};

}  // namespace

const TViscosityCorrelation R245faViscosity{.diluteFitted = &kDiluteViscosity,
                                            .initialDensity = &kInitialDensityViscosity,
                                            .residualSum = &kResidualViscosity};

namespace {

// K1, R. A. Perkins, M. L. Huber, M. J. Assael (2016), J. Chem. Eng. Data 61, 3286-3294
constexpr double kDiluteConductivityA[] = {-0.0143644, 0.03872622};
constexpr double kDiluteConductivityN[] = {0.0, 1.0};
constexpr double kDiluteConductivityB[] = {1.0};
constexpr double kDiluteConductivityM[] = {0.0};
constexpr TConductivityDiluteRatio kDiluteConductivity{.Tred = 427.01,
                                                       .A = kDiluteConductivityA,
                                                       .n = kDiluteConductivityN,
                                                       .B = kDiluteConductivityB,
                                                       .m = kDiluteConductivityM};
// K4, R. A. Perkins, M. L. Huber, M. J. Assael (2016), J. Chem. Eng. Data 61, 3286-3294
constexpr double kResidualConductivityB[] = {-0.0120505,  0.00937193, 0.0652392, -0.0397844,
                                             -0.0501653,  0.0355883,  0.0176338, -0.0141777,
                                             -0.00219652, 0.00230154};
constexpr double kResidualConductivityT[] = {0.0, -1.0, 0.0, -1.0, 0.0, -1.0, 0.0, -1.0, 0.0, -1.0};
constexpr double kResidualConductivityD[] = {1.0, 1.0, 2.0, 2.0, 3.0, 3.0, 4.0, 4.0, 5.0, 5.0};
constexpr TConductivityResidualPolynomial kResidualConductivity{.Tred = 427.01,
                                                                .rhoRed = 519.4357675,
                                                                .B = kResidualConductivityB,
                                                                .t = kResidualConductivityT,
                                                                .d = kResidualConductivityD};
// K6, R. A. Perkins, M. L. Huber, M. J. Assael (2016), J. Chem. Eng. Data 61, 3286-3294
// Tref = 1.5 Tc; Tc, rhoc and pc of the equation of state.
constexpr TConductivityCritical kCriticalConductivity{.RD = 1.02,
                                                      .nu = 0.63,
                                                      .gamma = 1.239,
                                                      .Gamma = 0.06,
                                                      .xi0 = 2.04e-10,
                                                      .qD = 1.0 / 6.26e-10,
                                                      .Tref = 640.515,
                                                      .Tc = 427.01,
                                                      .rhoc = 3875.0,
                                                      .pc = 3651000.0};

}  // namespace

const TConductivityCorrelation R245faConductivity{.diluteRatio = &kDiluteConductivity,
                                                  .residualPolynomial = &kResidualConductivity,
                                                  .critical = &kCriticalConductivity,
                                                  .viscosity = &R245faViscosity};

namespace {

// S1, A. Mulero, I. Cachadina, M. I. Parra (2012), J. Phys. Chem. Ref. Data 41, 043105
// Tc = 427.16 K is the correlation's own (the older equation of state's critical temperature).
constexpr double kSurfaceTensionA[] = {0.073586, 0.0103, -0.02663};
constexpr double kSurfaceTensionN[] = {1.0983, 0.60033, 0.72765};

}  // namespace

const TSurfaceTensionSum R245faSurfaceTension{
    .Tc = 427.16, .a = kSurfaceTensionA, .n = kSurfaceTensionN};

}  // namespace kxtransport
