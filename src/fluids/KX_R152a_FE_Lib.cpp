#include "KX_R152a_FE_Lib.h"

#include "KX_Fluid_Objects.h"
#include "KX_R152a_FE_Lib_Root.h"
#include "KX_Transport_PT.h"
#include "transport/KX_Transport_Fluids.h"

using namespace kxtransport;

namespace {

constexpr TTransportRange kKraussRange{
    .PmaxBar = 200.0, .TminC = 240.0 - 273.15, .TmaxC = 430.0 - 273.15};

}  // namespace

// Krauss et al. (1996) tabulate both correlations from 240 K to 430 K and up to 20 MPa; the
// viscosity's close-packed pole (1073.6 kg/m3) is reached by the saturated liquid near 218 K,
// so colder liquid has no value. The conductivity's critical term needs that viscosity.
const TFluidTransport R152aTransport{
    .viscosity = {.evaluate = &ViscosityOf<&R152aViscosity>, .range = kKraussRange},
    .conductivity = {.evaluate = &ConductivityOf<&R152aConductivity>, .range = kKraussRange},
    .surfaceTension = &R152aSurfaceTension};

namespace {
using Transport = TBoundTransport<&R152aTransport>;
}  // namespace

KX_FLUID_SHARED_FUNCTIONS(KX_R152a_FE, R152aFluid)
KX_FLUID_CONSTANT_FUNCTIONS(KX_R152a_FE, R152aFluid)
KX_FLUID_TRANSPORT_FUNCTIONS(KX_R152a_FE, R152aFluid, Transport)

std::span<const TKXLibraryEntry> KX_R152a_FE_Entries() {
    static constexpr TKXLibraryEntry entries[] = {KX_FLUID_SHARED_ENTRIES(KX_R152a_FE),
                                                  KX_FLUID_CONSTANT_ENTRIES(KX_R152a_FE),
                                                  KX_FLUID_TRANSPORT_ENTRIES(KX_R152a_FE)};
    return entries;
}
