#include "KX_O2_FE_Lib.h"

#include "KX_Fluid_Objects.h"
#include "KX_O2_FE_Lib_Root.h"
#include "KX_Transport_PT.h"
#include "transport/KX_Transport_Fluids.h"

using namespace kxtransport;

// Lemmon and Jacobsen (2004) state both correlations valid over all liquid and vapour states:
// the equation of state's range applies.
const TFluidTransport O2Transport{
    .viscosity = {.evaluate = &ViscosityOf<&O2Viscosity>, .range = {}},
    .conductivity = {.evaluate = &ConductivityOf<&O2Conductivity>, .range = {}},
    .surfaceTension = &O2SurfaceTension};

namespace {
using Transport = TBoundTransport<&O2Transport>;
}  // namespace

KX_FLUID_SHARED_FUNCTIONS(KX_O2_FE, O2Fluid)
KX_FLUID_CONSTANT_FUNCTIONS(KX_O2_FE, O2Fluid)
KX_FLUID_TRANSPORT_FUNCTIONS(KX_O2_FE, O2Fluid, Transport)

std::span<const TKXLibraryEntry> KX_O2_FE_Entries() {
    static constexpr TKXLibraryEntry entries[] = {
        KX_FLUID_SHARED_ENTRIES(KX_O2_FE),     KX_FLUID_ENTRY_BINARY(KX_O2_FE, DVPT),
        KX_FLUID_CONSTANT_ENTRIES(KX_O2_FE),   KX_FLUID_ENTRY_BINARY(KX_O2_FE, KVPT),
        KX_FLUID_ENTRY_BINARY(KX_O2_FE, TCPT), KX_FLUID_ENTRY_BINARY(KX_O2_FE, PrPT),
        KX_FLUID_ENTRY_UNARY(KX_O2_FE, STT)};
    return entries;
}
