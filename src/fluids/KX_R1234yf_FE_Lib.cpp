#include "KX_R1234yf_FE_Lib.h"

#include "KX_Fluid_Objects.h"
#include "KX_New_Refrigerant_Transport.h"
#include "KX_R1234yf_FE_Lib_Root.h"
#include "KX_Transport_PT.h"
#include "transport/KX_Transport_Fluids.h"

using namespace kxtransport;

// The correlations with their stated ranges, beside the equation of state's own limits.
const TFluidTransport R1234yfTransport{
    .viscosity = {.evaluate = &R1234yfViscosityDT, .range = R1234yfViscosityRange},
    .conductivity = {.evaluate = &R1234yfConductivityDT, .range = R1234yfConductivityRange},
    .surfaceTension = &R1234yfSurfaceTension};

namespace {
using Transport = TBoundTransport<&R1234yfTransport>;
}  // namespace

KX_FLUID_SHARED_FUNCTIONS(KX_R1234yf_FE, R1234yfFluid)
KX_FLUID_CONSTANT_FUNCTIONS(KX_R1234yf_FE, R1234yfFluid)
KX_FLUID_TRANSPORT_FUNCTIONS(KX_R1234yf_FE, R1234yfFluid, Transport)

std::span<const TKXLibraryEntry> KX_R1234yf_FE_Entries() {
    static constexpr TKXLibraryEntry entries[] = {KX_FLUID_SHARED_ENTRIES(KX_R1234yf_FE),
                                                  KX_FLUID_CONSTANT_ENTRIES(KX_R1234yf_FE),
                                                  KX_FLUID_TRANSPORT_ENTRIES(KX_R1234yf_FE)};
    return entries;
}
