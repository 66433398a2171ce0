#include "KX_R22_FE_Lib.h"

#include "KX_ECS_Refrigerants.h"
#include "KX_Fluid_Objects.h"
#include "KX_R22_FE_Lib_Root.h"
#include "KX_Transport_PT.h"
#include "transport/KX_Transport_Fluids.h"

using namespace kxtransport;

// Extended corresponding states on R134a: viscosity of Klein et al. (1997), conductivity of
// McLinden et al. (2000); surface tension of Mulero et al. (2012). No narrower validity is stated
// for the transport models: the equation of state's range applies, and the viscosity stops at the
// densest saturated liquid (R22ViscosityDensityLimit). The Prandtl number takes one conformal
// state for its viscosity and conductivity (the shared path would solve it twice).
const TFluidTransport R22Transport{
    .viscosity = {.evaluate = &R22ViscosityDT, .range = {.DmaxKgm3 = R22ViscosityDensityLimit}},
    .conductivity = {.evaluate = &R22ConductivityDT, .range = {}},
    .surfaceTension = &R22SurfaceTension,
    .prandtl = &R22PrandtlDT};

namespace {
using Transport = TBoundTransport<&R22Transport>;
}  // namespace

KX_FLUID_SHARED_FUNCTIONS(KX_R22_FE, R22Fluid)
KX_FLUID_CONSTANT_FUNCTIONS(KX_R22_FE, R22Fluid)
KX_FLUID_TRANSPORT_FUNCTIONS(KX_R22_FE, R22Fluid, Transport)

std::span<const TKXLibraryEntry> KX_R22_FE_Entries() {
    static constexpr TKXLibraryEntry entries[] = {KX_FLUID_SHARED_ENTRIES(KX_R22_FE),
                                                  KX_FLUID_CONSTANT_ENTRIES(KX_R22_FE),
                                                  KX_FLUID_TRANSPORT_ENTRIES(KX_R22_FE)};
    return entries;
}
