#include "KX_R123_FE_Lib.h"

#include "KX_Fluid_Objects.h"
#include "KX_R123_FE_Lib_Root.h"
#include "KX_Transport_PT.h"
#include "transport/KX_Transport_Fluids.h"

using namespace kxtransport;

// No narrower validity is stated for either correlation: the equation of state's range (whose
// density limit stays below the close-packed pole of the viscosity) applies.
const TFluidTransport R123Transport{
    .viscosity = {.evaluate = &ViscosityOf<&R123Viscosity>, .range = {}},
    .conductivity = {.evaluate = &ConductivityOf<&R123Conductivity>, .range = {}},
    .surfaceTension = &R123SurfaceTension};

namespace {
using Transport = TBoundTransport<&R123Transport>;
}  // namespace

KX_FLUID_SHARED_FUNCTIONS(KX_R123_FE, R123Fluid)
KX_FLUID_CONSTANT_FUNCTIONS(KX_R123_FE, R123Fluid)
KX_FLUID_TRANSPORT_FUNCTIONS(KX_R123_FE, R123Fluid, Transport)

std::span<const TKXLibraryEntry> KX_R123_FE_Entries() {
    static constexpr TKXLibraryEntry entries[] = {KX_FLUID_SHARED_ENTRIES(KX_R123_FE),
                                                  KX_FLUID_CONSTANT_ENTRIES(KX_R123_FE),
                                                  KX_FLUID_TRANSPORT_ENTRIES(KX_R123_FE)};
    return entries;
}
