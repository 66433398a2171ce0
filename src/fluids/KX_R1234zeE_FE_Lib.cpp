#include "KX_R1234zeE_FE_Lib.h"

#include "KX_Fluid_Objects.h"
#include "KX_R1234zeE_FE_Lib_Root.h"

KX_FLUID_SHARED_FUNCTIONS(KX_R1234zeE_FE, R1234zeEFluid)
KX_FLUID_CONSTANT_FUNCTIONS(KX_R1234zeE_FE, R1234zeEFluid)

std::span<const TKXLibraryEntry> KX_R1234zeE_FE_Entries() {
    static constexpr TKXLibraryEntry entries[] = {KX_FLUID_SHARED_ENTRIES(KX_R1234zeE_FE),
                                                  KX_FLUID_CONSTANT_ENTRIES(KX_R1234zeE_FE)};
    return entries;
}
