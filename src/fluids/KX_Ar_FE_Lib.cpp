#include "KX_Ar_FE_Lib.h"

#include "KX_Ar_FE_Lib_Root.h"
#include "KX_Fluid_Objects.h"

KX_FLUID_SHARED_FUNCTIONS(KX_Ar_FE, ArFluid)
KX_FLUID_CONSTANT_FUNCTIONS(KX_Ar_FE, ArFluid)

std::span<const TKXLibraryEntry> KX_Ar_FE_Entries() {
    static constexpr TKXLibraryEntry entries[] = {KX_FLUID_SHARED_ENTRIES(KX_Ar_FE),
                                                  KX_FLUID_CONSTANT_ENTRIES(KX_Ar_FE)};
    return entries;
}
