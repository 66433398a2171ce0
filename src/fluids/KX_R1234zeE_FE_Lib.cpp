#include "KX_R1234zeE_FE_Lib.h"

#include "KX_Fluid_Objects.h"
#include "KX_R1234zeE_FE_Lib_Root.h"
#include "KX_Transport_PT.h"
#include "KX_Transport_Ranges_R290_R600a_R1234zeE_R245fa.h"
#include "transport/KX_Transport_Fluids.h"

using namespace kxtransport;

// The correlations with their stated ranges, beside the equation of state's own limits.
const TFluidTransport R1234zeETransport{
    .viscosity = {.evaluate = &ViscosityOf<&R1234zeEViscosity>, .range = R1234zeEViscosityRange},
    .conductivity = {.evaluate = &ConductivityOf<&R1234zeEConductivity>,
                     .range = R1234zeEConductivityRange},
    .surfaceTension = &R1234zeESurfaceTension};

namespace {
using Transport = TBoundTransport<&R1234zeETransport>;
}  // namespace

KX_FLUID_SHARED_FUNCTIONS(KX_R1234zeE_FE, R1234zeEFluid)
KX_FLUID_CONSTANT_FUNCTIONS(KX_R1234zeE_FE, R1234zeEFluid)
KX_FLUID_TRANSPORT_FUNCTIONS(KX_R1234zeE_FE, R1234zeEFluid, Transport)

std::span<const TKXLibraryEntry> KX_R1234zeE_FE_Entries() {
    static constexpr TKXLibraryEntry entries[] = {KX_FLUID_SHARED_ENTRIES(KX_R1234zeE_FE),
                                                  KX_FLUID_CONSTANT_ENTRIES(KX_R1234zeE_FE),
                                                  KX_FLUID_TRANSPORT_ENTRIES(KX_R1234zeE_FE)};
    return entries;
}
