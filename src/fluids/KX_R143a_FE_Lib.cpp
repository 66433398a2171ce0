#include "KX_R143a_FE_Lib.h"

#include "KX_Fluid_Objects.h"
#include "KX_New_Refrigerant_Transport.h"
#include "KX_R143a_FE_Lib_Root.h"
#include "KX_Transport_PT.h"
#include "transport/KX_Transport_Fluids.h"

using namespace kxtransport;

// The correlations with their stated ranges, beside the equation of state's own limits.
const TFluidTransport R143aTransport{
    .viscosity = {.evaluate = &R143aViscosityDT, .range = R143aViscosityRange},
    .conductivity = {.evaluate = &R143aConductivityDT, .range = R143aConductivityRange},
    .surfaceTension = &R143aSurfaceTension};

namespace {
using Transport = TBoundTransport<&R143aTransport>;
}  // namespace

KX_FLUID_SHARED_FUNCTIONS(KX_R143a_FE, R143aFluid)
KX_FLUID_CONSTANT_FUNCTIONS(KX_R143a_FE, R143aFluid)
KX_FLUID_TRANSPORT_FUNCTIONS(KX_R143a_FE, R143aFluid, Transport)

std::span<const TKXLibraryEntry> KX_R143a_FE_Entries() {
    static constexpr TKXLibraryEntry entries[] = {KX_FLUID_SHARED_ENTRIES(KX_R143a_FE),
                                                  KX_FLUID_CONSTANT_ENTRIES(KX_R143a_FE),
                                                  KX_FLUID_TRANSPORT_ENTRIES(KX_R143a_FE)};
    return entries;
}
