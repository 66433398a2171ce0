#include "KX_CO2_FE_Lib.h"

#include "KX_CO2_FE_Lib_Root.h"
#include "KX_Fluid_Objects.h"
#include "KX_Transport_PT.h"
#include "transport/KX_Transport_Fluids.h"

namespace {

using namespace kxtransport;

// Viscosity (Laesecke and Muzny 2017): gas 100-2000 K, compressed liquid 220-700 K up to
// 8000 MPa, wider than the equation of state's range. Conductivity (Huber et al. 2016): triple
// point to 1100 K, up to 200 MPa.
const TFluidTransport kTransport{{&ViscosityOf<&CO2Viscosity>, {}},
                                 {&ConductivityOf<&CO2Conductivity>, {.PmaxBar = 2000.0}},
                                 &CO2SurfaceTension};
using Transport = TBoundTransport<&kTransport>;

}  // namespace

KX_FLUID_SHARED_FUNCTIONS(KX_CO2_FE, CO2Fluid)
KX_FLUID_FREE_BINARY(KX_CO2_FE, CO2Fluid, TCPT, Transport::TCPT)
KX_FLUID_FREE_BINARY(KX_CO2_FE, CO2Fluid, DVPT, Transport::DVPT)
KX_FLUID_FREE_BINARY(KX_CO2_FE, CO2Fluid, KVPT, Transport::KVPT)
KX_FLUID_FREE_BINARY(KX_CO2_FE, CO2Fluid, PrPT, Transport::PrPT)
KX_FLUID_CONSTANT_FUNCTIONS(KX_CO2_FE, CO2Fluid)
KX_FLUID_FREE_UNARY(KX_CO2_FE, CO2Fluid, STT, Transport::STT)

std::span<const TKXLibraryEntry> KX_CO2_FE_Entries() {
    static constexpr TKXLibraryEntry entries[] = {
        KX_FLUID_SHARED_ENTRIES(KX_CO2_FE),     KX_FLUID_ENTRY_BINARY(KX_CO2_FE, TCPT),
        KX_FLUID_ENTRY_BINARY(KX_CO2_FE, DVPT), KX_FLUID_ENTRY_BINARY(KX_CO2_FE, KVPT),
        KX_FLUID_ENTRY_BINARY(KX_CO2_FE, PrPT), KX_FLUID_CONSTANT_ENTRIES(KX_CO2_FE),
        KX_FLUID_ENTRY_UNARY(KX_CO2_FE, STT)};
    return entries;
}
