#include "KX_CO2_FE_Lib.h"

#include "KX_CO2_FE_Lib_Root.h"
#include "KX_Fluid_Objects.h"

KX_FLUID_SHARED_FUNCTIONS(KX_CO2_FE, CO2Fluid)
// Carbon dioxide has no transport correlations: these report "Not available for this fluid."
KX_FLUID_BINARY(KX_CO2_FE, CO2Fluid, TCPT)
KX_FLUID_BINARY(KX_CO2_FE, CO2Fluid, DVPT)
KX_FLUID_BINARY(KX_CO2_FE, CO2Fluid, KVPT)
KX_FLUID_PLACEHOLDER(KX_CO2_FE, PrPT)
KX_FLUID_CONSTANT_FUNCTIONS(KX_CO2_FE, CO2Fluid)

std::span<const TKXLibraryEntry> KX_CO2_FE_Entries() {
    static constexpr TKXLibraryEntry entries[] = {
        KX_FLUID_SHARED_ENTRIES(KX_CO2_FE),     KX_FLUID_ENTRY_BINARY(KX_CO2_FE, TCPT),
        KX_FLUID_ENTRY_BINARY(KX_CO2_FE, DVPT), KX_FLUID_ENTRY_BINARY(KX_CO2_FE, KVPT),
        KX_FLUID_ENTRY_BINARY(KX_CO2_FE, PrPT), KX_FLUID_CONSTANT_ENTRIES(KX_CO2_FE)};
    return entries;
}
