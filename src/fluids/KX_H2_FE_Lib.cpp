#include "KX_H2_FE_Lib.h"

#include "KX_Fluid_Objects.h"
#include "KX_H2_FE_Lib_Root.h"
#include "KX_Transport_PT.h"
#include "transport/KX_Transport_Fluids.h"

using namespace kxtransport;

namespace {

// Viscosity (Muzny et al. 2013): triple point to 1000 K, up to 200 MPa. Conductivity (Assael et
// al. 2011): triple point to 1000 K, up to 100 MPa. 1000 K is also the equation of state's limit.
constexpr TTransportRange kViscosityRange{.PmaxBar = 2000.0};
constexpr TTransportRange kConductivityRange{.PmaxBar = 1000.0};

}  // namespace

const TFluidTransport H2Transport{
    .viscosity = {.evaluate = &ViscosityOf<&H2Viscosity>, .range = kViscosityRange},
    .conductivity = {.evaluate = &ConductivityOf<&H2Conductivity>, .range = kConductivityRange},
    .surfaceTension = &H2SurfaceTension};
const TFluidTransport H2pTransport{
    .viscosity = {.evaluate = &ViscosityOf<&H2pViscosity>, .range = kViscosityRange},
    .conductivity = {.evaluate = &ConductivityOf<&H2pConductivity>, .range = kConductivityRange},
    .surfaceTension = &H2pSurfaceTension};

namespace {
using NormalTransport = TBoundTransport<&H2Transport>;
using ParaTransport = TBoundTransport<&H2pTransport>;
}  // namespace

// Each library is wired to the object of its own form: normal, ortho, para. Orthohydrogen has
// no published transport or surface-tension correlation.
KX_FLUID_SHARED_FUNCTIONS(KX_H2_FE, H2Fluid)
KX_FLUID_BINARY(KX_H2_FE, H2Fluid, ZPT)
KX_FLUID_CONSTANT_FUNCTIONS(KX_H2_FE, H2Fluid)
KX_FLUID_TRANSPORT_FUNCTIONS(KX_H2_FE, H2Fluid, NormalTransport)

KX_FLUID_SHARED_FUNCTIONS(KX_H2o_FE, H2oFluid)
KX_FLUID_BINARY(KX_H2o_FE, H2oFluid, ZPT)
KX_FLUID_CONSTANT_FUNCTIONS(KX_H2o_FE, H2oFluid)

KX_FLUID_SHARED_FUNCTIONS(KX_H2p_FE, H2pFluid)
KX_FLUID_BINARY(KX_H2p_FE, H2pFluid, ZPT)
KX_FLUID_CONSTANT_FUNCTIONS(KX_H2p_FE, H2pFluid)
KX_FLUID_TRANSPORT_FUNCTIONS(KX_H2p_FE, H2pFluid, ParaTransport)

std::span<const TKXLibraryEntry> KX_H2_FE_Entries() {
    static constexpr TKXLibraryEntry entries[] = {
        KX_FLUID_SHARED_ENTRIES(KX_H2_FE), KX_FLUID_ENTRY_BINARY(KX_H2_FE, ZPT),
        KX_FLUID_CONSTANT_ENTRIES(KX_H2_FE), KX_FLUID_TRANSPORT_ENTRIES(KX_H2_FE)};
    return entries;
}

std::span<const TKXLibraryEntry> KX_H2o_FE_Entries() {
    static constexpr TKXLibraryEntry entries[] = {KX_FLUID_SHARED_ENTRIES(KX_H2o_FE),
                                                  KX_FLUID_ENTRY_BINARY(KX_H2o_FE, ZPT),
                                                  KX_FLUID_CONSTANT_ENTRIES(KX_H2o_FE)};
    return entries;
}

std::span<const TKXLibraryEntry> KX_H2p_FE_Entries() {
    static constexpr TKXLibraryEntry entries[] = {
        KX_FLUID_SHARED_ENTRIES(KX_H2p_FE), KX_FLUID_ENTRY_BINARY(KX_H2p_FE, ZPT),
        KX_FLUID_CONSTANT_ENTRIES(KX_H2p_FE), KX_FLUID_TRANSPORT_ENTRIES(KX_H2p_FE)};
    return entries;
}
