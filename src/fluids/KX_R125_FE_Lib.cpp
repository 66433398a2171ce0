#include "KX_R125_FE_Lib.h"

#include "KX_Fluid_Objects.h"
#include "KX_R125_FE_Lib_Root.h"
#include "KX_Transport_PT.h"
#include "KX_Transport_Ranges_R125.h"
#include "transport/KX_Transport_Fluids.h"

using namespace kxtransport;

// The correlations with their stated ranges, beside the equation of state's own limits.
const TFluidTransport R125Transport{
    .viscosity = {.evaluate = &ViscosityOf<&R125Viscosity>, .range = R125ViscosityRange},
    .conductivity = {.evaluate = &ConductivityOf<&R125Conductivity>,
                     .range = R125ConductivityRange},
    .surfaceTension = &R125SurfaceTension};

namespace {
using Transport = TBoundTransport<&R125Transport>;
}  // namespace

KX_FLUID_SHARED_FUNCTIONS(KX_R125_FE, R125Fluid)
KX_FLUID_CONSTANT_FUNCTIONS(KX_R125_FE, R125Fluid)
KX_FLUID_TRANSPORT_FUNCTIONS(KX_R125_FE, R125Fluid, Transport)

std::span<const TKXLibraryEntry> KX_R125_FE_Entries() {
    static constexpr TKXLibraryEntry entries[] = {KX_FLUID_SHARED_ENTRIES(KX_R125_FE),
                                                  KX_FLUID_CONSTANT_ENTRIES(KX_R125_FE),
                                                  KX_FLUID_TRANSPORT_ENTRIES(KX_R125_FE)};
    return entries;
}
