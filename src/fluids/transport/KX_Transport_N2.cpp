// Transport and surface-tension correlations of nitrogen: the published coefficients as data of
// the term types in KX_Transport_Terms.h.
#include "KX_Transport_Fluids.h"

namespace kxtransport {

namespace {

// V12, H. Stephan, R. Krauss, A. Laesecke (1987), J. Phys. Chem. Ref. Data 16, 993-1023
constexpr TViscosityDiluteStephan kDiluteViscosity{
    .C = 312500.0,
    .mkOverPi = 2.0442e-49,
    .sigma = 3.6502496e-10,
    .epsilonOverK = 100.01654,
    .a = {0.46649, -0.57015, 0.19164, -0.03708, 0.00241}};
// V13, H. Stephan, R. Krauss, A. Laesecke (1987), J. Phys. Chem. Ref. Data 16, 993-1023
constexpr TViscosityExcessStephan kExcessViscosity{
    .H = 14.0, .rhoRed = 314.0, .N = {-20.09997, 3.4376416, -1.4470051, -0.027766561, -0.21662362}};

}  // namespace

const TViscosityStephan N2Viscosity{.dilute = &kDiluteViscosity, .excess = &kExcessViscosity};

namespace {

// K10, H. Stephan, R. Krauss, A. Laesecke (1987), J. Phys. Chem. Ref. Data 16, 993-1023
constexpr TConductivityDiluteStephan kDiluteConductivity{
    .phi = {-837.079888737, 37.9147114487, -0.601737844275, 3.50418363823, -8.74955653028e-06,
            1.48968607239e-08, -2.56370354277e-12},
    .phiE = 1.00773735767,
    .theta = 3353.4061,
    .R = 8.31434,
    .k = 1.38062e-23,
    .NA = 6.02213e+26,
    .M = 28.013,
    .r = 0.95185202,
    .fTr = 2.5,
    .fInt = 1.0205422};
// K11, H. Stephan, R. Krauss, A. Laesecke (1987), J. Phys. Chem. Ref. Data 16, 993-1023
constexpr TConductivityExcessStephan kExcessConductivity{
    .Lambda = 4.17, .rhoRed = 314.0, .psi = {3.3373542, 0.37098251, 0.89913456, 0.16972505}};

}  // namespace

const TConductivityStephan N2Conductivity{
    .dilute = &kDiluteConductivity, .excess = &kExcessConductivity, .viscosity = &N2Viscosity};

namespace {

// S1, A. Mulero, I. Cachadiña, M. I. Parra (2012), J. Phys. Chem. Ref. Data 41, 043105
constexpr double kSurfaceTensionA[] = {0.02898};
constexpr double kSurfaceTensionN[] = {1.246};
}  // namespace

const TSurfaceTensionSum N2SurfaceTension{
    .Tc = 126.192, .a = kSurfaceTensionA, .n = kSurfaceTensionN};

}  // namespace kxtransport
