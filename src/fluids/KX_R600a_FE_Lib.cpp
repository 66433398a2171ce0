#include "KX_R600a_FE_Lib.h"

#include "KX_Fluid_Objects.h"
#include "KX_R600a_FE_Lib_Root.h"
#include "KX_Transport_PT.h"
#include "KX_Transport_Ranges_R290_R600a_R1234zeE_R245fa.h"
#include "transport/KX_Transport_Fluids.h"

using namespace kxtransport;

// The correlations with their stated ranges, beside the equation of state's own limits.
const TFluidTransport R600aTransport{
    .viscosity = {.evaluate = &ViscosityOf<&R600aViscosity>, .range = R600aViscosityRange},
    .conductivity = {.evaluate = &ConductivityOf<&R600aConductivity>,
                     .range = R600aConductivityRange},
    .surfaceTension = &R600aSurfaceTension};

namespace {
using Transport = TBoundTransport<&R600aTransport>;
}  // namespace

KX_FLUID_SHARED_FUNCTIONS(KX_R600a_FE, R600aFluid)
KX_FLUID_CONSTANT_FUNCTIONS(KX_R600a_FE, R600aFluid)
KX_FLUID_TRANSPORT_FUNCTIONS(KX_R600a_FE, R600aFluid, Transport)

std::span<const TKXLibraryEntry> KX_R600a_FE_Entries() {
    static constexpr TKXLibraryEntry entries[] = {KX_FLUID_SHARED_ENTRIES(KX_R600a_FE),
                                                  KX_FLUID_CONSTANT_ENTRIES(KX_R600a_FE),
                                                  KX_FLUID_TRANSPORT_ENTRIES(KX_R600a_FE)};
    return entries;
}
