#include "KX_R290_FE_Lib.h"

#include "KX_Fluid_Objects.h"
#include "KX_R290_FE_Lib_Root.h"
#include "KX_Transport_PT.h"
#include "KX_Transport_Ranges_R290_R600a_R1234zeE_R245fa.h"
#include "transport/KX_Transport_Fluids.h"

using namespace kxtransport;

// The correlations with their stated ranges, beside the equation of state's own limits.
const TFluidTransport R290Transport{
    .viscosity = {.evaluate = &ViscosityOf<&R290Viscosity>, .range = R290ViscosityRange},
    .conductivity = {.evaluate = &ConductivityOf<&R290Conductivity>,
                     .range = R290ConductivityRange},
    .surfaceTension = &R290SurfaceTension};

namespace {
using Transport = TBoundTransport<&R290Transport>;
}  // namespace

KX_FLUID_SHARED_FUNCTIONS(KX_R290_FE, R290Fluid)
KX_FLUID_CONSTANT_FUNCTIONS(KX_R290_FE, R290Fluid)
KX_FLUID_TRANSPORT_FUNCTIONS(KX_R290_FE, R290Fluid, Transport)

std::span<const TKXLibraryEntry> KX_R290_FE_Entries() {
    static constexpr TKXLibraryEntry entries[] = {KX_FLUID_SHARED_ENTRIES(KX_R290_FE),
                                                  KX_FLUID_CONSTANT_ENTRIES(KX_R290_FE),
                                                  KX_FLUID_TRANSPORT_ENTRIES(KX_R290_FE)};
    return entries;
}
