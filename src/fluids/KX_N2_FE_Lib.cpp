#include "KX_N2_FE_Lib.h"

#include "KX_Fluid_Objects.h"
#include "KX_N2_FE_Lib_Root.h"
#include "KX_Transport_Own_Forms.h"
#include "KX_Transport_PT.h"
#include "transport/KX_Transport_Fluids.h"

namespace {

double N2Viscosity(const THelmholzFluid&, double D, double T) {
    return NitrogenViscosity(D, T);
}
double N2Conductivity(const THelmholzFluid&, double D, double T) {
    return NitrogenConductivity(D, T);
}

// The nitrogen object's own correlations (Stephan et al. 1987) with their range; only the
// Prandtl number and the surface tension go through this model.
constexpr TTransportRange kStephanRange{.PmaxBar = TNitrogenTransportRange::Pmax,
                                        .TminC = TNitrogenTransportRange::TminK - 273.15,
                                        .TmaxC = TNitrogenTransportRange::TmaxK - 273.15};
const TFluidTransport kTransport{{&N2Viscosity,
                                  {kStephanRange.PmaxBar, kStephanRange.TminC, kStephanRange.TmaxC,
                                   TNitrogenTransportRange::Dmax}},
                                 {&N2Conductivity, kStephanRange},
                                 &kxtransport::N2SurfaceTension};
using Transport = TBoundTransport<&kTransport>;

}  // namespace

KX_FLUID_SHARED_FUNCTIONS(KX_N2_FE, N2Fluid)
KX_FLUID_FREE_BINARY(KX_N2_FE, N2Fluid, TCPT, NitrogenTCPT)
KX_FLUID_FREE_BINARY(KX_N2_FE, N2Fluid, DVPT, NitrogenDVPT)
KX_FLUID_FREE_BINARY(KX_N2_FE, N2Fluid, KVPT, NitrogenKVPT)
KX_FLUID_FREE_BINARY(KX_N2_FE, N2Fluid, PrPT, Transport::PrPT)
KX_FLUID_CONSTANT_FUNCTIONS(KX_N2_FE, N2Fluid)
KX_FLUID_FREE_UNARY(KX_N2_FE, N2Fluid, STT, Transport::STT)

std::span<const TKXLibraryEntry> KX_N2_FE_Entries() {
    static constexpr TKXLibraryEntry entries[] = {
        KX_FLUID_SHARED_ENTRIES(KX_N2_FE),     KX_FLUID_ENTRY_BINARY(KX_N2_FE, TCPT),
        KX_FLUID_ENTRY_BINARY(KX_N2_FE, DVPT), KX_FLUID_ENTRY_BINARY(KX_N2_FE, KVPT),
        KX_FLUID_ENTRY_BINARY(KX_N2_FE, PrPT), KX_FLUID_CONSTANT_ENTRIES(KX_N2_FE),
        KX_FLUID_ENTRY_UNARY(KX_N2_FE, STT)};
    return entries;
}
