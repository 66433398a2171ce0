#include "KX_R1234yf_FE_Lib.h"

#include "KX_Fluid_Objects.h"
#include "KX_R1234yf_FE_Lib_Root.h"

KX_FLUID_SHARED_FUNCTIONS(KX_R1234yf_FE, R1234yfFluid)
KX_FLUID_CONSTANT_FUNCTIONS(KX_R1234yf_FE, R1234yfFluid)

std::span<const TKXLibraryEntry> KX_R1234yf_FE_Entries() {
    static constexpr TKXLibraryEntry entries[] = {KX_FLUID_SHARED_ENTRIES(KX_R1234yf_FE),
                                                  KX_FLUID_CONSTANT_ENTRIES(KX_R1234yf_FE)};
    return entries;
}
