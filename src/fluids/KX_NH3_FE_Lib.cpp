#include "KX_NH3_FE_Lib.h"

#include "KX_Fluid_Objects.h"
#include "KX_NH3_FE_Lib_Root.h"
#include "KX_Transport_Own_Forms.h"
#include "KX_Transport_PT.h"
#include "transport/KX_Transport_Fluids.h"

namespace {

double NH3Viscosity(const THelmholzFluid& fluid, double D, double T) {
    return AmmoniaViscosity(fluid, D, T);
}

// The ammonia object's viscosity (Fenghour et al. 1995) up to 500 bar and 600 K (its extension
// to 680 K at atmospheric pressure is left to DVPT). No narrower validity is stated for the
// conductivity (Tufeu et al. 1984): the equation of state's range applies. Its critical term is
// singular at 405.4 K exactly, where the conductivity fails with code 1.
const TFluidTransport kTransport{{&NH3Viscosity, {.PmaxBar = 500.0, .TmaxC = 600.0 - 273.15}},
                                 {&kxtransport::ConductivityOf<&kxtransport::NH3Conductivity>, {}},
                                 nullptr};
using Transport = TBoundTransport<&kTransport>;

}  // namespace

KX_FLUID_SHARED_FUNCTIONS(KX_NH3_FE, NH3Fluid)
KX_FLUID_FREE_UNARY(KX_NH3_FE, NH3Fluid, STT, AmmoniaSTT)
KX_FLUID_FREE_BINARY(KX_NH3_FE, NH3Fluid, TCPT, Transport::TCPT)
KX_FLUID_FREE_BINARY(KX_NH3_FE, NH3Fluid, DVPT, AmmoniaDVPT)
KX_FLUID_FREE_BINARY(KX_NH3_FE, NH3Fluid, KVPT, AmmoniaKVPT)
KX_FLUID_FREE_BINARY(KX_NH3_FE, NH3Fluid, PrPT, Transport::PrPT)
KX_FLUID_CONSTANT_FUNCTIONS(KX_NH3_FE, NH3Fluid)

std::span<const TKXLibraryEntry> KX_NH3_FE_Entries() {
    static constexpr TKXLibraryEntry entries[] = {
        KX_FLUID_SHARED_ENTRIES(KX_NH3_FE),     KX_FLUID_ENTRY_UNARY(KX_NH3_FE, STT),
        KX_FLUID_ENTRY_BINARY(KX_NH3_FE, TCPT), KX_FLUID_ENTRY_BINARY(KX_NH3_FE, DVPT),
        KX_FLUID_ENTRY_BINARY(KX_NH3_FE, KVPT), KX_FLUID_ENTRY_BINARY(KX_NH3_FE, PrPT),
        KX_FLUID_CONSTANT_ENTRIES(KX_NH3_FE)};
    return entries;
}
