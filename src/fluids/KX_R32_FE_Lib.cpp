#include "KX_R32_FE_Lib.h"

#include "KX_ECS_Refrigerants.h"
#include "KX_Fluid_Objects.h"
#include "KX_R32_FE_Lib_Root.h"
#include "KX_Transport_PT.h"
#include "transport/KX_Transport_Fluids.h"

namespace {

// Extended corresponding states on propane: viscosity and conductivity of Huber et al. (2003);
// surface tension of Mulero et al. (2012). No narrower validity is stated for the transport
// models: the equation of state's range applies.
const TFluidTransport kTransport{{&kxtransport::R32ViscosityDT, {}},
                                 {&kxtransport::R32ConductivityDT, {}},
                                 &kxtransport::R32SurfaceTension};
using Transport = TBoundTransport<&kTransport>;

// The Prandtl number from one conformal state for its viscosity and conductivity (the shared
// path would solve it twice), over the range both have.
double PrandtlPT(const THelmholzFluid& fluid, double P, double T, std::string& ErrorText,
                 int32_t& ErrorCode) {
    const double Pr = TransportPT(
        fluid, "PrPT", CommonRange(kTransport.viscosity.range, kTransport.conductivity.range), P, T,
        ErrorText, ErrorCode, &kxtransport::R32PrandtlDT);
    return PositivePrandtl(fluid, Pr, ErrorText, ErrorCode);
}

}  // namespace

KX_FLUID_SHARED_FUNCTIONS(KX_R32_FE, R32Fluid)
KX_FLUID_CONSTANT_FUNCTIONS(KX_R32_FE, R32Fluid)
KX_FLUID_FREE_BINARY(KX_R32_FE, R32Fluid, DVPT, Transport::DVPT)
KX_FLUID_FREE_BINARY(KX_R32_FE, R32Fluid, KVPT, Transport::KVPT)
KX_FLUID_FREE_BINARY(KX_R32_FE, R32Fluid, TCPT, Transport::TCPT)
KX_FLUID_FREE_BINARY(KX_R32_FE, R32Fluid, PrPT, PrandtlPT)
KX_FLUID_FREE_UNARY(KX_R32_FE, R32Fluid, STT, Transport::STT)

std::span<const TKXLibraryEntry> KX_R32_FE_Entries() {
    static constexpr TKXLibraryEntry entries[] = {KX_FLUID_SHARED_ENTRIES(KX_R32_FE),
                                                  KX_FLUID_CONSTANT_ENTRIES(KX_R32_FE),
                                                  KX_FLUID_TRANSPORT_ENTRIES(KX_R32_FE)};
    return entries;
}
