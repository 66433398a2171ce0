#include "KX_R32_FE_Lib.h"

#include "KX_Fluid_Objects.h"
#include "KX_R32_FE_Lib_Root.h"
#include "KX_Transport_PT.h"
#include "transport/KX_Transport_Fluids.h"

namespace {

const TFluidTransport kTransport{{}, {}, &kxtransport::R32SurfaceTension};
using Transport = TBoundTransport<&kTransport>;

}  // namespace

KX_FLUID_SHARED_FUNCTIONS(KX_R32_FE, R32Fluid)
KX_FLUID_CONSTANT_FUNCTIONS(KX_R32_FE, R32Fluid)
KX_FLUID_FREE_UNARY(KX_R32_FE, R32Fluid, STT, Transport::STT)

std::span<const TKXLibraryEntry> KX_R32_FE_Entries() {
    static constexpr TKXLibraryEntry entries[] = {KX_FLUID_SHARED_ENTRIES(KX_R32_FE),
                                                  KX_FLUID_CONSTANT_ENTRIES(KX_R32_FE),
                                                  // its extended corresponding states viscosity and
                                                  // conductivity functions belong before STT
                                                  KX_FLUID_ENTRY_UNARY(KX_R32_FE, STT)};
    return entries;
}
