#include "KX_H2_FE_Lib.h"

#include "KX_Fluid_Objects.h"
#include "KX_H2_FE_Lib_Root.h"

// Each library is wired to the object of its own form: normal, ortho, para.
KX_FLUID_SHARED_FUNCTIONS(KX_H2_FE, H2Fluid)
KX_FLUID_BINARY(KX_H2_FE, H2Fluid, ZPT)
KX_FLUID_CONSTANT_FUNCTIONS(KX_H2_FE, H2Fluid)

KX_FLUID_SHARED_FUNCTIONS(KX_H2o_FE, H2oFluid)
KX_FLUID_BINARY(KX_H2o_FE, H2oFluid, ZPT)
KX_FLUID_CONSTANT_FUNCTIONS(KX_H2o_FE, H2oFluid)

KX_FLUID_SHARED_FUNCTIONS(KX_H2p_FE, H2pFluid)
KX_FLUID_BINARY(KX_H2p_FE, H2pFluid, ZPT)
KX_FLUID_CONSTANT_FUNCTIONS(KX_H2p_FE, H2pFluid)

std::span<const TKXLibraryEntry> KX_H2_FE_Entries() {
    static constexpr TKXLibraryEntry entries[] = {KX_FLUID_SHARED_ENTRIES(KX_H2_FE),
                                                  KX_FLUID_ENTRY_BINARY(KX_H2_FE, ZPT),
                                                  KX_FLUID_CONSTANT_ENTRIES(KX_H2_FE)};
    return entries;
}

std::span<const TKXLibraryEntry> KX_H2o_FE_Entries() {
    static constexpr TKXLibraryEntry entries[] = {KX_FLUID_SHARED_ENTRIES(KX_H2o_FE),
                                                  KX_FLUID_ENTRY_BINARY(KX_H2o_FE, ZPT),
                                                  KX_FLUID_CONSTANT_ENTRIES(KX_H2o_FE)};
    return entries;
}

std::span<const TKXLibraryEntry> KX_H2p_FE_Entries() {
    static constexpr TKXLibraryEntry entries[] = {KX_FLUID_SHARED_ENTRIES(KX_H2p_FE),
                                                  KX_FLUID_ENTRY_BINARY(KX_H2p_FE, ZPT),
                                                  KX_FLUID_CONSTANT_ENTRIES(KX_H2p_FE)};
    return entries;
}
