#include "KX_R134a_FE_Lib.h"

#include "KX_Fluid_Objects.h"
#include "KX_R134a_FE_Lib_Root.h"
#include "KX_Transport_PT.h"
#include "transport/KX_Transport_Fluids.h"

using namespace kxtransport;

namespace {

// The close-packed pole of the viscosity's residual term (1600 kg/m3 at 374 K to 1650 kg/m3 at
// 170 K), which compressed liquid reaches: no value at or above it (code 107).
double PoleDensity(const THelmholzFluid& fluid, double T) {
    return ClosePackedDensity(*R134aViscosity.residualSum, T + fluid.dta) * fluid.MM_ / 1000.0;
}

}  // namespace

// No narrower validity is stated for either correlation: the equation of state's range applies,
// below the pole density (the conductivity's critical term needs the viscosity).
const TFluidTransport R134aTransport{
    .viscosity = {.evaluate = &ViscosityOf<&R134aViscosity>, .range = {.DmaxOfT = &PoleDensity}},
    .conductivity = {.evaluate = &ConductivityOf<&R134aConductivity>,
                     .range = {.DmaxOfT = &PoleDensity}},
    .surfaceTension = &R134aSurfaceTension};

namespace {
using Transport = TBoundTransport<&R134aTransport>;
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
