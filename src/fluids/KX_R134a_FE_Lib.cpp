#include "KX_R134a_FE_Lib.h"

#include "KX_Fluid_Objects.h"
#include "KX_R134a_FE_Lib_Root.h"

// The refrigerant libraries have no surface-tension or transport functions.
KX_FLUID_SHARED_FUNCTIONS(KX_R134a_FE, R134aFluid)
KX_FLUID_CONSTANT_FUNCTIONS(KX_R134a_FE, R134aFluid)

std::span<const TKXLibraryEntry> KX_R134a_FE_Entries() {
    static constexpr TKXLibraryEntry entries[] = {KX_FLUID_SHARED_ENTRIES(KX_R134a_FE),
                                                  KX_FLUID_CONSTANT_ENTRIES(KX_R134a_FE)};
    return entries;
}
