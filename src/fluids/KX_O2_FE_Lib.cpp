#include "KX_O2_FE_Lib.h"

#include "KX_Fluid_Objects.h"
#include "KX_O2_FE_Lib_Root.h"
#include "KX_Transport_Own_Forms.h"
#include "KX_Transport_PT.h"
#include "transport/KX_Transport_Fluids.h"

namespace {

// The oxygen object's viscosity (Lemmon and Jacobsen 2004), the same correlation the
// conductivity's critical term takes from the transport data.
double O2Viscosity(const THelmholzFluid& fluid, double D, double T) {
    return OxygenViscosity(fluid, D, T);
}

// Lemmon and Jacobsen (2004) state both correlations valid over all liquid and vapour states:
// the equation of state's range applies.
const TFluidTransport kTransport{{&O2Viscosity, {}},
                                 {&kxtransport::ConductivityOf<&kxtransport::O2Conductivity>, {}},
                                 &kxtransport::O2SurfaceTension};
using Transport = TBoundTransport<&kTransport>;

}  // namespace

KX_FLUID_SHARED_FUNCTIONS(KX_O2_FE, O2Fluid)
KX_FLUID_FREE_BINARY(KX_O2_FE, O2Fluid, DVPT, OxygenDVPT)
KX_FLUID_CONSTANT_FUNCTIONS(KX_O2_FE, O2Fluid)
KX_FLUID_FREE_BINARY(KX_O2_FE, O2Fluid, KVPT, Transport::KVPT)
KX_FLUID_FREE_BINARY(KX_O2_FE, O2Fluid, TCPT, Transport::TCPT)
KX_FLUID_FREE_BINARY(KX_O2_FE, O2Fluid, PrPT, Transport::PrPT)
KX_FLUID_FREE_UNARY(KX_O2_FE, O2Fluid, STT, Transport::STT)

std::span<const TKXLibraryEntry> KX_O2_FE_Entries() {
    static constexpr TKXLibraryEntry entries[] = {
        KX_FLUID_SHARED_ENTRIES(KX_O2_FE),     KX_FLUID_ENTRY_BINARY(KX_O2_FE, DVPT),
        KX_FLUID_CONSTANT_ENTRIES(KX_O2_FE),   KX_FLUID_ENTRY_BINARY(KX_O2_FE, KVPT),
        KX_FLUID_ENTRY_BINARY(KX_O2_FE, TCPT), KX_FLUID_ENTRY_BINARY(KX_O2_FE, PrPT),
        KX_FLUID_ENTRY_UNARY(KX_O2_FE, STT)};
    return entries;
}
