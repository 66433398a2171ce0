#include "KX_N2_FE_Lib.h"

#include "KX_Fluid_Objects.h"
#include "KX_N2_FE_Lib_Root.h"
#include "KX_Transport_PT.h"
#include "transport/KX_Transport_Fluids.h"

using namespace kxtransport;

namespace {

// Stephan et al. (1987) fit both correlations from 70 K to 1000 K, up to 1000 bar and 830 kg/m3.
constexpr TTransportRange kStephanRange{
    .PmaxBar = 1000.0, .TminC = 70.0 - 273.15, .TmaxC = 1000.0 - 273.15, .DmaxKgm3 = 830.0};

}  // namespace

const TFluidTransport N2Transport{
    .viscosity = {.evaluate = &ViscosityOf<&N2Viscosity>, .range = kStephanRange},
    .conductivity = {.evaluate = &ConductivityOf<&N2Conductivity>, .range = kStephanRange},
    .surfaceTension = &N2SurfaceTension};

namespace {
using Transport = TBoundTransport<&N2Transport>;
}  // namespace

KX_FLUID_SHARED_FUNCTIONS(KX_N2_FE, N2Fluid)
KX_FLUID_TRANSPORT_FUNCTIONS(KX_N2_FE, N2Fluid, Transport)
KX_FLUID_CONSTANT_FUNCTIONS(KX_N2_FE, N2Fluid)

std::span<const TKXLibraryEntry> KX_N2_FE_Entries() {
    static constexpr TKXLibraryEntry entries[] = {
        KX_FLUID_SHARED_ENTRIES(KX_N2_FE),     KX_FLUID_ENTRY_BINARY(KX_N2_FE, TCPT),
        KX_FLUID_ENTRY_BINARY(KX_N2_FE, DVPT), KX_FLUID_ENTRY_BINARY(KX_N2_FE, KVPT),
        KX_FLUID_ENTRY_BINARY(KX_N2_FE, PrPT), KX_FLUID_CONSTANT_ENTRIES(KX_N2_FE),
        KX_FLUID_ENTRY_UNARY(KX_N2_FE, STT)};
    return entries;
}
