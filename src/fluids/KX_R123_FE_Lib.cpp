#include "KX_R123_FE_Lib.h"

#include "KX_Fluid_Objects.h"
#include "KX_R123_FE_Lib_Root.h"

// The refrigerant libraries have no surface-tension or transport functions.
KX_FLUID_SHARED_FUNCTIONS(KX_R123_FE, R123Fluid)
KX_FLUID_CONSTANT_FUNCTIONS(KX_R123_FE, R123Fluid)

std::span<const TKXLibraryEntry> KX_R123_FE_Entries() {
    static constexpr TKXLibraryEntry entries[] = {KX_FLUID_SHARED_ENTRIES(KX_R123_FE),
                                                  KX_FLUID_CONSTANT_ENTRIES(KX_R123_FE)};
    return entries;
}
