#include "KX_R32_FE_Lib.h"

#include "KX_ECS_Refrigerants.h"
#include "KX_Fluid_Objects.h"
#include "KX_R32_FE_Lib_Root.h"
#include "KX_Transport_PT.h"

namespace {

// Extended corresponding states on propane (Huber et al. 2003). No narrower validity is
// stated for either model: the equation of state's range applies.
const TFluidTransport kTransport{
    {&kxtransport::R32ViscosityDT, {}},
    {&kxtransport::R32ConductivityDT, {}},
    nullptr};
using Transport = TBoundTransport<&kTransport>;

}  // namespace

KX_FLUID_SHARED_FUNCTIONS(KX_R32_FE, R32Fluid)
KX_FLUID_CONSTANT_FUNCTIONS(KX_R32_FE, R32Fluid)
KX_FLUID_FREE_BINARY(KX_R32_FE, R32Fluid, DVPT, Transport::DVPT)
KX_FLUID_FREE_BINARY(KX_R32_FE, R32Fluid, KVPT, Transport::KVPT)
KX_FLUID_FREE_BINARY(KX_R32_FE, R32Fluid, TCPT, Transport::TCPT)
KX_FLUID_FREE_BINARY(KX_R32_FE, R32Fluid, PrPT, Transport::PrPT)

std::span<const TKXLibraryEntry> KX_R32_FE_Entries() {
    static constexpr TKXLibraryEntry entries[] = {
        KX_FLUID_SHARED_ENTRIES(KX_R32_FE),     KX_FLUID_CONSTANT_ENTRIES(KX_R32_FE),
        KX_FLUID_ENTRY_BINARY(KX_R32_FE, DVPT), KX_FLUID_ENTRY_BINARY(KX_R32_FE, KVPT),
        KX_FLUID_ENTRY_BINARY(KX_R32_FE, TCPT), KX_FLUID_ENTRY_BINARY(KX_R32_FE, PrPT)};
    return entries;
}
