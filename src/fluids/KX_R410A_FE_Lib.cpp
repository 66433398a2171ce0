#include "KX_R410A_FE_Lib.h"

#include "KX_Fluid_Objects.h"
#include "KX_R410A_FE_Lib_Root.h"
#include "KX_Transport_PT.h"
#include "transport/KX_Transport_Fluids.h"

using namespace kxtransport;

// Geller's correlations hold within the blend equation's range (200 K to 500 K, 50 MPa) and have
// no pole: the equation's limits apply.
const TFluidTransport R410ATransport{
    .viscosity = {.evaluate = &ViscosityOf<&R410AViscosity>, .range = {}},
    .conductivity = {.evaluate = &ConductivityOf<&R410AConductivity>, .range = {}},
    .surfaceTension = &R410ASurfaceTension};

namespace {
using Transport = TBoundTransport<&R410ATransport>;
}  // namespace

KX_FLUID_SHARED_FUNCTIONS(KX_R410A_FE, R410AFluid)
KX_FLUID_CONSTANT_FUNCTIONS(KX_R410A_FE, R410AFluid)
KX_FLUID_TRANSPORT_FUNCTIONS(KX_R410A_FE, R410AFluid, Transport)
KX_FLUID_BLEND_FUNCTIONS(KX_R410A_FE, R410AFluid)

std::span<const TKXLibraryEntry> KX_R410A_FE_Entries() {
    static constexpr TKXLibraryEntry entries[] = {
        KX_FLUID_SHARED_ENTRIES(KX_R410A_FE), KX_FLUID_CONSTANT_ENTRIES(KX_R410A_FE),
        KX_FLUID_TRANSPORT_ENTRIES(KX_R410A_FE), KX_FLUID_BLEND_ENTRIES(KX_R410A_FE)};
    return entries;
}
