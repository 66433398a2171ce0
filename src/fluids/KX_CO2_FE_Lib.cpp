#include "KX_CO2_FE_Lib.h"

#include "KX_CO2_FE_Lib_Root.h"
#include "KX_Fluid_Objects.h"
#include "KX_Transport_PT.h"
#include "transport/KX_Transport_Fluids.h"

using namespace kxtransport;

// Viscosity (Laesecke and Muzny 2017): gas 100-2000 K, compressed liquid 220-700 K up to
// 8000 MPa, wider than the equation of state's range. Conductivity (Huber et al. 2016): triple
// point to 1100 K, up to 200 MPa.
const TFluidTransport CO2Transport{
    .viscosity = {.evaluate = &ViscosityOf<&CO2Viscosity>, .range = {}},
    .conductivity = {.evaluate = &ConductivityOf<&CO2Conductivity>, .range = {.PmaxBar = 2000.0}},
    .surfaceTension = &CO2SurfaceTension};

namespace {
using Transport = TBoundTransport<&CO2Transport>;
}  // namespace

KX_FLUID_SHARED_FUNCTIONS(KX_CO2_FE, CO2Fluid)
KX_FLUID_TRANSPORT_FUNCTIONS(KX_CO2_FE, CO2Fluid, Transport)
KX_FLUID_CONSTANT_FUNCTIONS(KX_CO2_FE, CO2Fluid)

std::span<const TKXLibraryEntry> KX_CO2_FE_Entries() {
    static constexpr TKXLibraryEntry entries[] = {
        KX_FLUID_SHARED_ENTRIES(KX_CO2_FE),     KX_FLUID_ENTRY_BINARY(KX_CO2_FE, TCPT),
        KX_FLUID_ENTRY_BINARY(KX_CO2_FE, DVPT), KX_FLUID_ENTRY_BINARY(KX_CO2_FE, KVPT),
        KX_FLUID_ENTRY_BINARY(KX_CO2_FE, PrPT), KX_FLUID_CONSTANT_ENTRIES(KX_CO2_FE),
        KX_FLUID_ENTRY_UNARY(KX_CO2_FE, STT)};
    return entries;
}
