#include "KX_Ar_FE_Lib.h"

#include "KX_Ar_FE_Lib_Root.h"
#include "KX_Fluid_Objects.h"
#include "KX_Transport_PT.h"
#include "transport/KX_Transport_Fluids.h"

using namespace kxtransport;

// Lemmon and Jacobsen (2004) state both correlations valid over all liquid and vapour states:
// the equation of state's range applies.
const TFluidTransport ArTransport{
    .viscosity = {.evaluate = &ViscosityOf<&ArViscosity>, .range = {}},
    .conductivity = {.evaluate = &ConductivityOf<&ArConductivity>, .range = {}},
    .surfaceTension = &ArSurfaceTension};

namespace {
using Transport = TBoundTransport<&ArTransport>;
}  // namespace

KX_FLUID_SHARED_FUNCTIONS(KX_Ar_FE, ArFluid)
KX_FLUID_CONSTANT_FUNCTIONS(KX_Ar_FE, ArFluid)
KX_FLUID_TRANSPORT_FUNCTIONS(KX_Ar_FE, ArFluid, Transport)

std::span<const TKXLibraryEntry> KX_Ar_FE_Entries() {
    static constexpr TKXLibraryEntry entries[] = {KX_FLUID_SHARED_ENTRIES(KX_Ar_FE),
                                                  KX_FLUID_CONSTANT_ENTRIES(KX_Ar_FE),
                                                  KX_FLUID_TRANSPORT_ENTRIES(KX_Ar_FE)};
    return entries;
}
