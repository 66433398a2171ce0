#include "KX_R1233zdE_FE_Lib.h"

#include "KX_Fluid_Objects.h"
#include "KX_New_Refrigerant_Transport.h"
#include "KX_R1233zdE_FE_Lib_Root.h"
#include "KX_Transport_PT.h"
#include "transport/KX_Transport_Fluids.h"

using namespace kxtransport;

// The correlations with their stated ranges, beside the equation of state's own limits.
const TFluidTransport R1233zdETransport{
    .viscosity = {.evaluate = &R1233zdEViscosityDT, .range = R1233zdEViscosityRange},
    .conductivity = {.evaluate = &R1233zdEConductivityDT, .range = R1233zdEConductivityRange},
    .surfaceTension = &R1233zdESurfaceTension};

namespace {
using Transport = TBoundTransport<&R1233zdETransport>;
}  // namespace

KX_FLUID_SHARED_FUNCTIONS(KX_R1233zdE_FE, R1233zdEFluid)
KX_FLUID_CONSTANT_FUNCTIONS(KX_R1233zdE_FE, R1233zdEFluid)
KX_FLUID_TRANSPORT_FUNCTIONS(KX_R1233zdE_FE, R1233zdEFluid, Transport)

std::span<const TKXLibraryEntry> KX_R1233zdE_FE_Entries() {
    static constexpr TKXLibraryEntry entries[] = {KX_FLUID_SHARED_ENTRIES(KX_R1233zdE_FE),
                                                  KX_FLUID_CONSTANT_ENTRIES(KX_R1233zdE_FE),
                                                  KX_FLUID_TRANSPORT_ENTRIES(KX_R1233zdE_FE)};
    return entries;
}
