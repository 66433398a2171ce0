#include "KX_R22_FE_Lib.h"

#include "KX_Fluid_Objects.h"
#include "KX_R22_FE_Lib_Root.h"
#include "KX_Transport_PT.h"
#include "transport/KX_Transport_Fluids.h"

namespace {

const TFluidTransport kTransport{{}, {}, &kxtransport::R22SurfaceTension};
using Transport = TBoundTransport<&kTransport>;

}  // namespace

KX_FLUID_SHARED_FUNCTIONS(KX_R22_FE, R22Fluid)
KX_FLUID_CONSTANT_FUNCTIONS(KX_R22_FE, R22Fluid)
KX_FLUID_FREE_UNARY(KX_R22_FE, R22Fluid, STT, Transport::STT)

std::span<const TKXLibraryEntry> KX_R22_FE_Entries() {
    static constexpr TKXLibraryEntry entries[] = {KX_FLUID_SHARED_ENTRIES(KX_R22_FE),
                                                  KX_FLUID_CONSTANT_ENTRIES(KX_R22_FE),
                                                  // its extended corresponding states viscosity and
                                                  // conductivity functions belong before STT
                                                  KX_FLUID_ENTRY_UNARY(KX_R22_FE, STT)};
    return entries;
}
