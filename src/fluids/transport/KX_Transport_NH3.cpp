// Transport and surface-tension correlations of ammonia: the published coefficients as data of
// the term types in KX_Transport_Terms.h.
#include "KX_Transport_Fluids.h"

namespace kxtransport {

// V11, A. Fenghour, W. A. Wakeham, V. Vesovic, J. T. R. Watson, J. Millat, E. Vogel (1995),
// J. Phys. Chem. Ref. Data 24, 1649-1667
const TViscosityAmmonia NH3Viscosity{
    .C = 2.1357,
    .M = 17.03026,
    .sigma = 0.2957,
    .epsilonOverK = 386.0,
    .NA = 0.6022137,
    .densityM = 17.0305,
    .a = {4.9931822, -0.61122364, 0.0, 0.18535124, -0.11160946},
    .b = {-1.7999496, 46.692621, -534.60794, 3360.4074, -13019.164, 33414.23, -58711.743, 71426.686,
          -59834.012, 33652.741, -12027.35, 2434.8205, -208.07957},
    .d = {{{0.0, 0.0, 0.219664285, 0.0, -0.083651107},
           {0.0017366936, -0.0064250359, 0.0, 0.0, 0.0},
           {0.0, 0.0, 0.000167668649, -0.000149710093, 7.7012274e-05}}}};

namespace {

// K1, R. Tufeu, D. Y. Ivanov, Y. Garrabos, B. Le Neindre (1984), Ber. Bunsenges. Phys. Chem. 88,
// 422-427
constexpr double kDiluteConductivityA[] = {0.03589, -0.000175, 4.551e-07, 1.685e-10, -4.828e-13};
constexpr double kDiluteConductivityN[] = {0.0, 1.0, 2.0, 3.0, 4.0};
constexpr double kDiluteConductivityB[] = {1.0};
constexpr double kDiluteConductivityM[] = {0.0};
constexpr TConductivityDiluteRatio kDiluteConductivity{.Tred = 1.0,
                                                       .A = kDiluteConductivityA,
                                                       .n = kDiluteConductivityN,
                                                       .B = kDiluteConductivityB,
                                                       .m = kDiluteConductivityM};
// K4, R. Tufeu, D. Y. Ivanov, Y. Garrabos, B. Le Neindre (1984), Ber. Bunsenges. Phys. Chem. 88,
// 422-427
constexpr double kResidualConductivityB[] = {0.03808645, 0.06647986, -0.0300295, 0.00998779};
constexpr double kResidualConductivityT[] = {0.0, 0.0, 0.0, 0.0};
constexpr double kResidualConductivityD[] = {1.0, 2.0, 3.0, 4.0};
constexpr TConductivityResidualPolynomial kResidualConductivity{.Tred = 1.0,
                                                                .rhoRed = 235.0,
                                                                .B = kResidualConductivityB,
                                                                .t = kResidualConductivityT,
                                                                .d = kResidualConductivityD};
// K8, R. Tufeu, D. Y. Ivanov, Y. Garrabos, B. Le Neindre (1984), Ber. Bunsenges. Phys. Chem. 88,
// 422-427
constexpr TConductivityCriticalAmmonia kCriticalConductivity{.Tc = 405.4,
                                                             .rhoc = 235.0,
                                                             .Lambda = 1.2,
                                                             .nu = 0.63,
                                                             .gamma = 1.24,
                                                             .Delta = 0.5,
                                                             .xi0 = 1.34e-10,
                                                             .aXi = 1.0,
                                                             .Gamma0 = 4.23e-09,
                                                             .aChi = 1.4285714285714286,
                                                             .kB = 1.3806504e-23};
}  // namespace

const TConductivityCorrelation NH3Conductivity{.diluteRatio = &kDiluteConductivity,
                                               .residualPolynomial = &kResidualConductivity,
                                               .criticalAmmonia = &kCriticalConductivity};

namespace {

// S1, sigma = a (1 - T/Tc)^b, Tc the reported critical temperature of 405.51 K where it vanishes
constexpr double kSurfaceTensionA[] = {0.0912};
constexpr double kSurfaceTensionN[] = {1.1028};
}  // namespace

const TSurfaceTensionSum NH3SurfaceTension{
    .Tc = 405.51, .a = kSurfaceTensionA, .n = kSurfaceTensionN};

}  // namespace kxtransport
