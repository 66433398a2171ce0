#include "KX_R143a_FE_Lib.h"

#include "KX_Fluid_Objects.h"
#include "KX_R143a_FE_Lib_Root.h"

KX_FLUID_SHARED_FUNCTIONS(KX_R143a_FE, R143aFluid)
KX_FLUID_CONSTANT_FUNCTIONS(KX_R143a_FE, R143aFluid)

std::span<const TKXLibraryEntry> KX_R143a_FE_Entries() {
    static constexpr TKXLibraryEntry entries[] = {KX_FLUID_SHARED_ENTRIES(KX_R143a_FE),
                                                  KX_FLUID_CONSTANT_ENTRIES(KX_R143a_FE)};
    return entries;
}
