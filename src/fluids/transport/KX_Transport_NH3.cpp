// Transport and surface-tension correlations of ammonia: the published coefficients as data of
// the term types in KX_Transport_Terms.h.
#include "KX_Transport_Fluids.h"

namespace kxtransport {

namespace {

// K1, R. Tufeu, D. Y. Ivanov, Y. Garrabos, B. Le Neindre (1984), Ber. Bunsenges. Phys. Chem. 88,
// 422-427
constexpr double kDiluteConductivityA[] = {0.03589, -0.000175, 4.551e-07, 1.685e-10, -4.828e-13};
constexpr double kDiluteConductivityN[] = {0.0, 1.0, 2.0, 3.0, 4.0};
constexpr double kDiluteConductivityB[] = {1.0};
constexpr double kDiluteConductivityM[] = {0.0};
constexpr TConductivityDiluteRatio kDiluteConductivity{
    1.0, kDiluteConductivityA, kDiluteConductivityN, kDiluteConductivityB, kDiluteConductivityM};
// K4, R. Tufeu, D. Y. Ivanov, Y. Garrabos, B. Le Neindre (1984), Ber. Bunsenges. Phys. Chem. 88,
// 422-427
constexpr double kResidualConductivityB[] = {0.03808645, 0.06647986, -0.0300295, 0.00998779};
constexpr double kResidualConductivityT[] = {0.0, 0.0, 0.0, 0.0};
constexpr double kResidualConductivityD[] = {1.0, 2.0, 3.0, 4.0};
constexpr TConductivityResidualPolynomial kResidualConductivity{
    1.0, 235.0, kResidualConductivityB, kResidualConductivityT, kResidualConductivityD};
// K8, R. Tufeu, D. Y. Ivanov, Y. Garrabos, B. Le Neindre (1984), Ber. Bunsenges. Phys. Chem. 88,
// 422-427
constexpr TConductivityCriticalAmmonia kCriticalConductivity{
    405.4, 235.0, 1.2, 0.63, 1.24, 0.5, 1.34e-10, 1.0, 4.23e-09, 1.4285714285714286, 1.3806504e-23};
}  // namespace

const TConductivityCorrelation NH3Conductivity{.diluteRatio = &kDiluteConductivity,
                                               .residualPolynomial = &kResidualConductivity,
                                               .criticalAmmonia = &kCriticalConductivity};

}  // namespace kxtransport
