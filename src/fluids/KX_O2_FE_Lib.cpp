#include "KX_O2_FE_Lib.h"

#include "KX_Fluid_Objects.h"
#include "KX_O2_FE_Lib_Root.h"

KX_FLUID_SHARED_FUNCTIONS(KX_O2_FE, O2Fluid)
KX_FLUID_BINARY(KX_O2_FE, O2Fluid, DVPT)
KX_FLUID_CONSTANT_FUNCTIONS(KX_O2_FE, O2Fluid)

std::span<const TKXLibraryEntry> KX_O2_FE_Entries() {
    static constexpr TKXLibraryEntry entries[] = {KX_FLUID_SHARED_ENTRIES(KX_O2_FE),
                                                  KX_FLUID_ENTRY_BINARY(KX_O2_FE, DVPT),
                                                  KX_FLUID_CONSTANT_ENTRIES(KX_O2_FE)};
    return entries;
}
