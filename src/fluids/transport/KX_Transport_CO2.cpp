// Transport and surface-tension correlations of carbon dioxide: the published coefficients as data
// of the term types in KX_Transport_Terms.h.
#include "KX_Transport_Fluids.h"

namespace kxtransport {

namespace {

// V4, A. Laesecke, C. D. Muzny (2017), J. Phys. Chem. Ref. Data 46, 013107
constexpr TViscosityDiluteCO2 kDiluteViscosity{
    .a = {1749.35489318835, -369.069300007128, 5423856.34887691, -2.21283852168356,
          -269503.247933569, 73145.021531826, 5.34368649509278},
    .prefactor = 0.0010055};
// V5, A. Laesecke, C. D. Muzny (2017), J. Phys. Chem. Ref. Data 46, 013107
constexpr double kInitialDensityViscosityB[] = {-19.572881, 219.73999,  -1015.3226,
                                                2471.0125,  -3375.1717, 2491.6597,
                                                -787.26086, 14.085455,  -0.34664158};
constexpr double kInitialDensityViscosityT[] = {0.0,   -0.25, -0.5, -0.75, -1.0,
                                                -1.25, -1.5,  -2.5, -5.5};
constexpr TViscosityInitialDensity kInitialDensityViscosity{.b = kInitialDensityViscosityB,
                                                            .t = kInitialDensityViscosityT,
                                                            .sigma = 3.78421e-10,
                                                            .epsilonOverK = 200.76};
// V8, A. Laesecke, C. D. Muzny (2017), J. Phys. Chem. Ref. Data 46, 013107
constexpr TViscosityResidualCO2 kResidualViscosity{.c1 = 0.360603235428487,
                                                   .c2 = 0.121550806591497,
                                                   .gamma = 8.06282737481277,
                                                   .Tt = 216.592,
                                                   .rhoTL = 1178.53,
                                                   .M = 0.0440098,
                                                   .R = 8.31451};

}  // namespace

const TViscosityCorrelation CO2Viscosity{.diluteCO2 = &kDiluteViscosity,
                                         .initialDensity = &kInitialDensityViscosity,
                                         .residualCO2 = &kResidualViscosity};

namespace {

// K3, M. L. Huber, E. A. Sykioti, M. J. Assael, R. A. Perkins (2016), J. Phys. Chem. Ref. Data 45,
// 013102
constexpr TConductivityDiluteCO2 kDiluteConductivity{
    .L = {0.0151874307, 0.028067404, 0.022856419, -0.0074162421}, .Tc = 304.1282};
// K4, M. L. Huber, E. A. Sykioti, M. J. Assael, R. A. Perkins (2016), J. Phys. Chem. Ref. Data 45,
// 013102
constexpr double kResidualConductivityB[] = {0.0100128,  0.0560488,  -0.081162,  0.0624337,
                                             -0.0206336, 0.00253248, 0.00430829, -0.0358563,
                                             0.067148,   -0.0522855, 0.0174571,  -0.00196414};
constexpr double kResidualConductivityT[] = {0.0,  0.0,  0.0,  0.0,  0.0,  0.0,
                                             -1.0, -1.0, -1.0, -1.0, -1.0, -1.0};
constexpr double kResidualConductivityD[] = {1.0, 2.0, 3.0, 4.0, 5.0, 6.0,
                                             1.0, 2.0, 3.0, 4.0, 5.0, 6.0};
constexpr TConductivityResidualPolynomial kResidualConductivity{.Tred = 304.1282,
                                                                .rhoRed = 467.6,
                                                                .B = kResidualConductivityB,
                                                                .t = kResidualConductivityT,
                                                                .d = kResidualConductivityD};
// K6, M. L. Huber, E. A. Sykioti, M. J. Assael, R. A. Perkins (2016), J. Phys. Chem. Ref. Data 45,
// 013102
constexpr TConductivityCritical kCriticalConductivity{.RD = 1.02,
                                                      .nu = 0.63,
                                                      .gamma = 1.239,
                                                      .Gamma = 0.052,
                                                      .xi0 = 1.5e-10,
                                                      .qD = 2500000000.0,
                                                      .Tref = 456.19,
                                                      .Tc = 304.1282,
                                                      .rhoc = 10624.9063,
                                                      .pc = 7377300.0};
}  // namespace

const TConductivityCorrelation CO2Conductivity{.diluteCO2 = &kDiluteConductivity,
                                               .residualPolynomial = &kResidualConductivity,
                                               .critical = &kCriticalConductivity,
                                               .viscosity = &CO2Viscosity};

namespace {

// S1, A. Mulero, I. Cachadiña, M. I. Parra (2012), J. Phys. Chem. Ref. Data 41, 043105
constexpr double kSurfaceTensionA[] = {0.07863};
constexpr double kSurfaceTensionN[] = {1.254};
}  // namespace

const TSurfaceTensionSum CO2SurfaceTension{
    .Tc = 304.128, .a = kSurfaceTensionA, .n = kSurfaceTensionN};

}  // namespace kxtransport
