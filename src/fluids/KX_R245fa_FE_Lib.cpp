#include "KX_R245fa_FE_Lib.h"

#include "KX_Fluid_Objects.h"
#include "KX_R245fa_FE_Lib_Root.h"
#include "KX_Transport_PT.h"
#include "KX_Transport_Ranges_R290_R600a_R1234zeE_R245fa.h"
#include "transport/KX_Transport_Fluids.h"

using namespace kxtransport;

// The correlations with their stated ranges, beside the equation of state's own limits.
const TFluidTransport R245faTransport{
    .viscosity = {.evaluate = &ViscosityOf<&R245faViscosity>, .range = R245faViscosityRange},
    .conductivity = {.evaluate = &ConductivityOf<&R245faConductivity>,
                     .range = R245faConductivityRange},
    .surfaceTension = &R245faSurfaceTension};

namespace {
using Transport = TBoundTransport<&R245faTransport>;
}  // namespace

KX_FLUID_SHARED_FUNCTIONS(KX_R245fa_FE, R245faFluid)
KX_FLUID_CONSTANT_FUNCTIONS(KX_R245fa_FE, R245faFluid)
KX_FLUID_TRANSPORT_FUNCTIONS(KX_R245fa_FE, R245faFluid, Transport)

std::span<const TKXLibraryEntry> KX_R245fa_FE_Entries() {
    static constexpr TKXLibraryEntry entries[] = {KX_FLUID_SHARED_ENTRIES(KX_R245fa_FE),
                                                  KX_FLUID_CONSTANT_ENTRIES(KX_R245fa_FE),
                                                  KX_FLUID_TRANSPORT_ENTRIES(KX_R245fa_FE)};
    return entries;
}
