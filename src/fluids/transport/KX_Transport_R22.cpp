// Transport and surface-tension correlations of R22: the published coefficients as data of
// the term types in KX_Transport_Terms.h.
#include "KX_Transport_Fluids.h"

namespace kxtransport {

namespace {

// S1, A. Mulero, I. Cachadiña, M. I. Parra (2012), J. Phys. Chem. Ref. Data 41, 043105
constexpr double kSurfaceTensionA[] = {3.0587, -2.99856};
constexpr double kSurfaceTensionN[] = {1.41809, 1.42291};
}  // namespace

const TSurfaceTensionSum R22SurfaceTension{
    .Tc = 369.295, .a = kSurfaceTensionA, .n = kSurfaceTensionN};

}  // namespace kxtransport
