#include "KX_R134a_FE_Lib.h"

#include "KX_Fluid_Objects.h"
#include "KX_R134a_FE_Lib_Root.h"
#include "KX_Transport_PT.h"
#include "transport/KX_Transport_Fluids.h"

namespace {

using namespace kxtransport;

// No narrower validity is stated for either correlation: the equation of state's range applies.
// A compressed-liquid state at or beyond the close-packed pole of the viscosity (about
// 1600 kg/m3) gives no number: the evaluation fails with code 1.
const TFluidTransport kTransport{{&ViscosityOf<&R134aViscosity>, {}},
                                 {&ConductivityOf<&R134aConductivity>, {}},
                                 &R134aSurfaceTension};
using Transport = TBoundTransport<&kTransport>;

}  // namespace

KX_FLUID_SHARED_FUNCTIONS(KX_R134a_FE, R134aFluid)
KX_FLUID_CONSTANT_FUNCTIONS(KX_R134a_FE, R134aFluid)
KX_FLUID_TRANSPORT_FUNCTIONS(KX_R134a_FE, R134aFluid, Transport)

std::span<const TKXLibraryEntry> KX_R134a_FE_Entries() {
    static constexpr TKXLibraryEntry entries[] = {KX_FLUID_SHARED_ENTRIES(KX_R134a_FE),
                                                  KX_FLUID_CONSTANT_ENTRIES(KX_R134a_FE),
                                                  KX_FLUID_TRANSPORT_ENTRIES(KX_R134a_FE)};
    return entries;
}
