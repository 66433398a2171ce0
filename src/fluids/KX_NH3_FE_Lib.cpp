#include "KX_NH3_FE_Lib.h"

#include "KX_Fluid_Objects.h"
#include "KX_NH3_FE_Lib_Root.h"

KX_FLUID_SHARED_FUNCTIONS(KX_NH3_FE, NH3Fluid)
KX_FLUID_UNARY(KX_NH3_FE, NH3Fluid, STT)
// Ammonia has no thermal-conductivity correlation, hence no Prandtl number either.
KX_FLUID_PLACEHOLDER(KX_NH3_FE, TCPT)
KX_FLUID_BINARY(KX_NH3_FE, NH3Fluid, DVPT)
KX_FLUID_BINARY(KX_NH3_FE, NH3Fluid, KVPT)
KX_FLUID_PLACEHOLDER(KX_NH3_FE, PrPT)
KX_FLUID_CONSTANT_FUNCTIONS(KX_NH3_FE, NH3Fluid)

std::span<const TKXLibraryEntry> KX_NH3_FE_Entries() {
    static constexpr TKXLibraryEntry entries[] = {
        KX_FLUID_SHARED_ENTRIES(KX_NH3_FE),     KX_FLUID_ENTRY_UNARY(KX_NH3_FE, STT),
        KX_FLUID_ENTRY_BINARY(KX_NH3_FE, TCPT), KX_FLUID_ENTRY_BINARY(KX_NH3_FE, DVPT),
        KX_FLUID_ENTRY_BINARY(KX_NH3_FE, KVPT), KX_FLUID_ENTRY_BINARY(KX_NH3_FE, PrPT),
        KX_FLUID_CONSTANT_ENTRIES(KX_NH3_FE)};
    return entries;
}
