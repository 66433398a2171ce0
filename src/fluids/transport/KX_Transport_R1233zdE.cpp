// Transport and surface-tension correlations of R1233zd(E): the published coefficients as data
// of the term types in KX_Transport_Terms.h.
#include "KX_Transport_Fluids.h"

namespace kxtransport {

namespace {

// V10 with the dilute gas V2 scaled by F_c, M. L. Huber (2018), NISTIR 8209
constexpr double kViscosityPsiA[] = {-0.0848988, 1.22693, -0.463275, 0.0568798};
constexpr double kViscosityPsiT[] = {0.0, 1.0, 2.0, 3.0};
}  // namespace

// The reference fluid R134a is bound where its equation of state is
// (KX_New_Refrigerant_Transport.h).
const TECSViscosity R1233zdEViscosity{
    .reference = nullptr,
    .fluid = {.M = 0.1304944, .R = 8.3144621, .Tred = 439.6, .rhoRed = 3680.0},
    .sigma = 5.24e-10,
    .epsilonOverK = 349.1,
    .psi = {.a = kViscosityPsiA, .t = kViscosityPsiT, .rhoRed = 3680.0},
    .Fc = 0.93};

namespace {

// K1, R. A. Perkins, M. L. Huber (2017), J. Chem. Eng. Data 62, 2659-2665
constexpr double kDiluteConductivityA[] = {-0.0140033, 0.037816, -0.00245832};
constexpr double kDiluteConductivityN[] = {0.0, 1.0, 2.0};
constexpr double kDiluteConductivityB[] = {1.0};
constexpr double kDiluteConductivityM[] = {0.0};
constexpr TConductivityDiluteRatio kDiluteConductivity{.Tred = 439.6,
                                                       .A = kDiluteConductivityA,
                                                       .n = kDiluteConductivityN,
                                                       .B = kDiluteConductivityB,
                                                       .m = kDiluteConductivityM};
// K4, R. A. Perkins, M. L. Huber (2017), J. Chem. Eng. Data 62, 2659-2665
constexpr double kResidualConductivityB[] = {0.00862816, 0.000914709, -0.0208988,   -0.00407914,
                                             0.0511968,  0.00845668,  -0.0349076,   -0.0108985,
                                             0.00975727, 0.00538262,  -0.000926484, -0.000806009};
constexpr double kResidualConductivityT[] = {0.0, -1.0, 0.0, -1.0, 0.0, -1.0,
                                             0.0, -1.0, 0.0, -1.0, 0.0, -1.0};
constexpr double kResidualConductivityD[] = {1.0, 1.0, 2.0, 2.0, 3.0, 3.0,
                                             4.0, 4.0, 5.0, 5.0, 6.0, 6.0};
constexpr TConductivityResidualPolynomial kResidualConductivity{.Tred = 439.6,
                                                                .rhoRed = 480.219,
                                                                .B = kResidualConductivityB,
                                                                .t = kResidualConductivityT,
                                                                .d = kResidualConductivityD};
// K6, R. A. Perkins, M. L. Huber (2017), J. Chem. Eng. Data 62, 2659-2665
constexpr TConductivityCritical kCriticalConductivity{.RD = 1.02,
                                                      .nu = 0.63,
                                                      .gamma = 1.239,
                                                      .Gamma = 0.059,
                                                      .xi0 = 2.13e-10,
                                                      .qD = 1.0 / 5.98e-10,
                                                      .Tref = 659.4,
                                                      .Tc = 439.6,
                                                      .rhoc = 3680.0,
                                                      .pc = 3623700.0};
}  // namespace

const TConductivityCorrelation R1233zdEConductivity{.diluteRatio = &kDiluteConductivity,
                                                    .residualPolynomial = &kResidualConductivity,
                                                    .critical = &kCriticalConductivity};

namespace {

// S1, C. Kondou, R. Nagata, N. Nii, S. Koyama, Y. Higashi (2015), Int. J. Refrig. 53, 80-89
constexpr double kSurfaceTensionA[] = {0.06195};
constexpr double kSurfaceTensionN[] = {1.277};
}  // namespace

const TSurfaceTensionSum R1233zdESurfaceTension{
    .Tc = 438.75, .a = kSurfaceTensionA, .n = kSurfaceTensionN};

}  // namespace kxtransport
