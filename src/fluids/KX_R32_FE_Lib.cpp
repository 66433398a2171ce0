#include "KX_R32_FE_Lib.h"

#include "KX_ECS_Refrigerants.h"
#include "KX_Fluid_Objects.h"
#include "KX_R32_FE_Lib_Root.h"
#include "KX_Transport_PT.h"
#include "transport/KX_Transport_Fluids.h"

using namespace kxtransport;

// Extended corresponding states on propane: viscosity and conductivity of Huber et al. (2003);
// surface tension of Mulero et al. (2012). No narrower validity is stated for the transport
// models: the equation of state's range applies. The Prandtl number takes one conformal state for
// its viscosity and conductivity (the shared path would solve it twice).
const TFluidTransport R32Transport{.viscosity = {.evaluate = &R32ViscosityDT, .range = {}},
                                   .conductivity = {.evaluate = &R32ConductivityDT, .range = {}},
                                   .surfaceTension = &R32SurfaceTension,
                                   .prandtl = &R32PrandtlDT};

namespace {
using Transport = TBoundTransport<&R32Transport>;
}  // namespace

KX_FLUID_SHARED_FUNCTIONS(KX_R32_FE, R32Fluid)
KX_FLUID_CONSTANT_FUNCTIONS(KX_R32_FE, R32Fluid)
KX_FLUID_TRANSPORT_FUNCTIONS(KX_R32_FE, R32Fluid, Transport)

std::span<const TKXLibraryEntry> KX_R32_FE_Entries() {
    static constexpr TKXLibraryEntry entries[] = {KX_FLUID_SHARED_ENTRIES(KX_R32_FE),
                                                  KX_FLUID_CONSTANT_ENTRIES(KX_R32_FE),
                                                  KX_FLUID_TRANSPORT_ENTRIES(KX_R32_FE)};
    return entries;
}
