// Transport and surface-tension correlations of R32: the published coefficients as data of
// the term types in KX_Transport_Terms.h.
#include "KX_Transport_Fluids.h"

namespace kxtransport {

namespace {

// S1, A. Mulero, I. Cachadiña, M. I. Parra (2012), J. Phys. Chem. Ref. Data 41, 043105
constexpr double kSurfaceTensionA[] = {0.07147};
constexpr double kSurfaceTensionN[] = {1.246};
}  // namespace

const TSurfaceTensionSum R32SurfaceTension{
    .Tc = 351.255, .a = kSurfaceTensionA, .n = kSurfaceTensionN};

}  // namespace kxtransport
