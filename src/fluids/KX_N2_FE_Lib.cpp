#include "KX_N2_FE_Lib.h"

#include "KX_Fluid_Objects.h"
#include "KX_N2_FE_Lib_Root.h"

KX_FLUID_SHARED_FUNCTIONS(KX_N2_FE, N2Fluid)
KX_FLUID_BINARY(KX_N2_FE, N2Fluid, TCPT)
KX_FLUID_BINARY(KX_N2_FE, N2Fluid, DVPT)
KX_FLUID_BINARY(KX_N2_FE, N2Fluid, KVPT)
KX_FLUID_PLACEHOLDER(KX_N2_FE, PrPT)
KX_FLUID_CONSTANT_FUNCTIONS(KX_N2_FE, N2Fluid)

std::span<const TKXLibraryEntry> KX_N2_FE_Entries() {
    static constexpr TKXLibraryEntry entries[] = {
        KX_FLUID_SHARED_ENTRIES(KX_N2_FE),
        KX_FLUID_ENTRY_BINARY(KX_N2_FE, TCPT),
        KX_FLUID_ENTRY_BINARY(KX_N2_FE, DVPT),
        KX_FLUID_ENTRY_BINARY(KX_N2_FE, KVPT),
        KX_FLUID_ENTRY_BINARY(KX_N2_FE, PrPT),
        KX_FLUID_CONSTANT_ENTRIES(KX_N2_FE)};
    return entries;
}
