// Transport and surface-tension correlations of R1234yf: the published coefficients as data
// of the term types in KX_Transport_Terms.h.
#include "KX_Transport_Fluids.h"

namespace kxtransport {

namespace {

// Dilute gas as a ratio of polynomials in T, M. L. Huber, M. J. Assael (2016), Int. J. Refrig. 71,
// 39-45
constexpr double kDiluteViscosityA[] = {-836950.0, 6336.28, -2.3547, 0.0395563};
constexpr double kDiluteViscosityP[] = {0.0, 1.0, 2.0, 3.0};
constexpr double kDiluteViscosityB[] = {39509.1, 121.018, 1.0};
constexpr double kDiluteViscosityQ[] = {0.0, 1.0, 2.0};
constexpr TViscosityDiluteRatio kDiluteViscosity{.a = kDiluteViscosityA,
                                                 .p = kDiluteViscosityP,
                                                 .b = kDiluteViscosityB,
                                                 .q = kDiluteViscosityQ,
                                                 .unit = 1e-06};
// V5, M. L. Huber, M. J. Assael (2016), Int. J. Refrig. 71, 39-45
constexpr TViscosityInitialDensity kInitialDensityViscosity{
    .b = RainwaterFriendB, .t = RainwaterFriendT, .sigma = 5.31e-10, .epsilonOverK = 275.0};
// V6, M. L. Huber, M. J. Assael (2016), Int. J. Refrig. 71, 39-45
constexpr double kResidualViscosityA[] = {-1.942591e-07, -2.079577245e-06};
constexpr double kResidualViscosityD[] = {2.0 / 3.0, 5.0 / 3.0};
constexpr double kResidualViscosityT[] = {-0.5, -0.5};
constexpr double kResidualViscosityGamma[] = {0.0, 0.0};
constexpr double kResidualViscosityL[] = {1.0, 1.0};
constexpr TViscosityResidualSum kResidualViscosity{.Tred = 367.85,
                                                   .rhoRed = 4170.0,
                                                   .a = kResidualViscosityA,
                                                   .d = kResidualViscosityD,
                                                   .t = kResidualViscosityT,
                                                   .gamma = kResidualViscosityGamma,
                                                   .l = kResidualViscosityL,
                                                   .closePacked = nullptr};
// Residual ratio of sums, M. L. Huber, M. J. Assael (2016), Int. J. Refrig. 71, 39-45: the pole
// lies at delta = 3.53682791
constexpr double kRationalViscosityA[] = {-4.347027288e-05};
constexpr double kRationalViscosityD[] = {5.0 / 3.0};
constexpr double kRationalViscosityT[] = {-0.5};
constexpr double kRationalViscosityB[] = {-3.53682791, 1.0};
constexpr double kRationalViscosityE[] = {0.0, 1.0};
constexpr double kRationalViscosityU[] = {-1.0, -1.0};
constexpr TViscosityResidualRational kRationalViscosity{.Tred = 367.85,
                                                        .rhoRed = 4170.0,
                                                        .a = kRationalViscosityA,
                                                        .d = kRationalViscosityD,
                                                        .t = kRationalViscosityT,
                                                        .b = kRationalViscosityB,
                                                        .e = kRationalViscosityE,
                                                        .u = kRationalViscosityU};
}  // namespace

const TViscosityCorrelation R1234yfViscosity{.initialDensity = &kInitialDensityViscosity,
                                             .residualSum = &kResidualViscosity,
                                             .residualRational = &kRationalViscosity,
                                             .diluteRatio = &kDiluteViscosity};

namespace {

// K1, R. A. Perkins, M. L. Huber (2011), J. Chem. Eng. Data 56, 4868-4874
constexpr double kDiluteConductivityA[] = {-0.0102778, 0.0291098, 0.000860643};
constexpr double kDiluteConductivityN[] = {0.0, 1.0, 2.0};
constexpr double kDiluteConductivityB[] = {1.0};
constexpr double kDiluteConductivityM[] = {0.0};
constexpr TConductivityDiluteRatio kDiluteConductivity{.Tred = 367.85,
                                                       .A = kDiluteConductivityA,
                                                       .n = kDiluteConductivityN,
                                                       .B = kDiluteConductivityB,
                                                       .m = kDiluteConductivityM};
// K4, R. A. Perkins, M. L. Huber (2011), J. Chem. Eng. Data 56, 4868-4874
constexpr double kResidualConductivityB[] = {-0.0368219, 0.0883226, -0.0705909, 0.0259026,
                                             -0.0032295, 0.0397166, -0.077239,  0.0664707,
                                             -0.0249071, 0.00336228};
constexpr double kResidualConductivityT[] = {0.0, 0.0, 0.0, 0.0, 0.0, -1.0, -1.0, -1.0, -1.0, -1.0};
constexpr double kResidualConductivityD[] = {1.0, 2.0, 3.0, 4.0, 5.0, 1.0, 2.0, 3.0, 4.0, 5.0};
constexpr TConductivityResidualPolynomial kResidualConductivity{.Tred = 367.85,
                                                                .rhoRed = 475.55,
                                                                .B = kResidualConductivityB,
                                                                .t = kResidualConductivityT,
                                                                .d = kResidualConductivityD};
// K6, R. A. Perkins, M. L. Huber (2011), J. Chem. Eng. Data 56, 4868-4874
constexpr TConductivityCritical kCriticalConductivity{.RD = 1.03,
                                                      .nu = 0.63,
                                                      .gamma = 1.239,
                                                      .Gamma = 0.0496,
                                                      .xi0 = 1.94e-10,
                                                      .qD = 1.0 / 5.835e-10,
                                                      .Tref = 551.775,
                                                      .Tc = 367.85,
                                                      .rhoc = 4170.0,
                                                      .pc = 3382200.0};
}  // namespace

const TConductivityCorrelation R1234yfConductivity{.diluteRatio = &kDiluteConductivity,
                                                   .residualPolynomial = &kResidualConductivity,
                                                   .critical = &kCriticalConductivity,
                                                   .viscosity = &R1234yfViscosity};

namespace {

// S1, A. Mulero, I. Cachadiña, M. I. Parra (2012), J. Phys. Chem. Ref. Data 41, 043105
constexpr double kSurfaceTensionA[] = {0.06274};
constexpr double kSurfaceTensionN[] = {1.394};
}  // namespace

const TSurfaceTensionSum R1234yfSurfaceTension{
    .Tc = 367.85, .a = kSurfaceTensionA, .n = kSurfaceTensionN};

}  // namespace kxtransport
