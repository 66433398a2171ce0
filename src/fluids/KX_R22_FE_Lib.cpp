#include "KX_R22_FE_Lib.h"

#include "KX_ECS_Refrigerants.h"
#include "KX_Fluid_Objects.h"
#include "KX_R22_FE_Lib_Root.h"
#include "KX_Transport_PT.h"

namespace {

// Extended corresponding states on R134a (Klein et al. 1997, McLinden et al. 2000). No
// narrower validity is stated for either model: the equation of state's range applies, and the
// viscosity stops at the densest saturated liquid (R22ViscosityDensityLimit).
const TFluidTransport kTransport{
    {&kxtransport::R22ViscosityDT, {.DmaxKgm3 = kxtransport::R22ViscosityDensityLimit}},
    {&kxtransport::R22ConductivityDT, {}},
    nullptr};
using Transport = TBoundTransport<&kTransport>;

}  // namespace

KX_FLUID_SHARED_FUNCTIONS(KX_R22_FE, R22Fluid)
KX_FLUID_CONSTANT_FUNCTIONS(KX_R22_FE, R22Fluid)
KX_FLUID_FREE_BINARY(KX_R22_FE, R22Fluid, DVPT, Transport::DVPT)
KX_FLUID_FREE_BINARY(KX_R22_FE, R22Fluid, KVPT, Transport::KVPT)
KX_FLUID_FREE_BINARY(KX_R22_FE, R22Fluid, TCPT, Transport::TCPT)
KX_FLUID_FREE_BINARY(KX_R22_FE, R22Fluid, PrPT, Transport::PrPT)

std::span<const TKXLibraryEntry> KX_R22_FE_Entries() {
    static constexpr TKXLibraryEntry entries[] = {
        KX_FLUID_SHARED_ENTRIES(KX_R22_FE),     KX_FLUID_CONSTANT_ENTRIES(KX_R22_FE),
        KX_FLUID_ENTRY_BINARY(KX_R22_FE, DVPT), KX_FLUID_ENTRY_BINARY(KX_R22_FE, KVPT),
        KX_FLUID_ENTRY_BINARY(KX_R22_FE, TCPT), KX_FLUID_ENTRY_BINARY(KX_R22_FE, PrPT)};
    return entries;
}
