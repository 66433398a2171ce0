#include "KX_NH3_FE_Lib.h"

#include "KX_Fluid_Objects.h"
#include "KX_NH3_FE_Lib_Root.h"
#include "KX_Transport_PT.h"
#include "transport/KX_Transport_Fluids.h"

using namespace kxtransport;

// The viscosity (Fenghour et al. 1995) from the triple-point pressure up to 500 bar and 600 K,
// 680 K at or below atmospheric pressure. No narrower validity is stated for the conductivity
// (Tufeu et al. 1984): the equation of state's range applies. Its critical term is singular at
// 405.4 K exactly, where the conductivity fails with code 1. The surface tension vanishes at the
// reported critical temperature.
const TFluidTransport NH3Transport{
    .viscosity = {.evaluate = &ViscosityOf<&NH3Viscosity>,
                  .range = {.PminBar = 0.060936569927454665,
                            .PmaxBar = 500.0,
                            .TmaxC = 600.0 - 273.15,
                            .LowPressureBar = 1.01325,
                            .TmaxLowPressureC = 680.0 - 273.15}},
    .conductivity = {.evaluate = &ConductivityOf<&NH3Conductivity>, .range = {}},
    .surfaceTension = &NH3SurfaceTension};

namespace {
using Transport = TBoundTransport<&NH3Transport>;
}  // namespace

KX_FLUID_SHARED_FUNCTIONS(KX_NH3_FE, NH3Fluid)
KX_FLUID_TRANSPORT_FUNCTIONS(KX_NH3_FE, NH3Fluid, Transport)
KX_FLUID_CONSTANT_FUNCTIONS(KX_NH3_FE, NH3Fluid)

std::span<const TKXLibraryEntry> KX_NH3_FE_Entries() {
    static constexpr TKXLibraryEntry entries[] = {
        KX_FLUID_SHARED_ENTRIES(KX_NH3_FE),     KX_FLUID_ENTRY_UNARY(KX_NH3_FE, STT),
        KX_FLUID_ENTRY_BINARY(KX_NH3_FE, TCPT), KX_FLUID_ENTRY_BINARY(KX_NH3_FE, DVPT),
        KX_FLUID_ENTRY_BINARY(KX_NH3_FE, KVPT), KX_FLUID_ENTRY_BINARY(KX_NH3_FE, PrPT),
        KX_FLUID_CONSTANT_ENTRIES(KX_NH3_FE)};
    return entries;
}
