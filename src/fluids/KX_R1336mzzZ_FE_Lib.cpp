#include "KX_R1336mzzZ_FE_Lib.h"

#include "KX_Fluid_Objects.h"
#include "KX_New_Refrigerant_Transport.h"
#include "KX_R1336mzzZ_FE_Lib_Root.h"
#include "KX_Transport_PT.h"
#include "transport/KX_Transport_Fluids.h"

using namespace kxtransport;

// The correlations with their stated ranges, beside the equation of state's own limits.
const TFluidTransport R1336mzzZTransport{
    .viscosity = {.evaluate = &R1336mzzZViscosityDT, .range = R1336mzzZViscosityRange},
    .conductivity = {.evaluate = &R1336mzzZConductivityDT, .range = R1336mzzZConductivityRange},
    .surfaceTension = &R1336mzzZSurfaceTension};

namespace {
using Transport = TBoundTransport<&R1336mzzZTransport>;
}  // namespace

KX_FLUID_SHARED_FUNCTIONS(KX_R1336mzzZ_FE, R1336mzzZFluid)
KX_FLUID_CONSTANT_FUNCTIONS(KX_R1336mzzZ_FE, R1336mzzZFluid)
KX_FLUID_TRANSPORT_FUNCTIONS(KX_R1336mzzZ_FE, R1336mzzZFluid, Transport)

std::span<const TKXLibraryEntry> KX_R1336mzzZ_FE_Entries() {
    static constexpr TKXLibraryEntry entries[] = {KX_FLUID_SHARED_ENTRIES(KX_R1336mzzZ_FE),
                                                  KX_FLUID_CONSTANT_ENTRIES(KX_R1336mzzZ_FE),
                                                  KX_FLUID_TRANSPORT_ENTRIES(KX_R1336mzzZ_FE)};
    return entries;
}
