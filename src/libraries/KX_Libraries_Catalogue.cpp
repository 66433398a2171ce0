#include "KX_Libraries_Catalogue.h"

#include "KX_Ar_FE_Lib.h"
#include "KX_CO2_FE_Lib.h"
#include "KX_Fluid_Objects.h"
#include "KX_Function_Shapes.h"
#include "KX_H2_FE_Lib.h"
#include "KX_N2_FE_Lib.h"
#include "KX_NH3_FE_Lib.h"
#include "KX_O2_FE_Lib.h"
#include "KX_R123_FE_Lib.h"
#include "KX_R134a_FE_Lib.h"
#include "KX_R152a_FE_Lib.h"
#include "KX_R22_FE_Lib.h"
#include "KX_R32_FE_Lib.h"
#include "KX_WS_IF97_Lib.h"

namespace {
void Register(TKXLibraries& libraries, const char* name, std::span<const TKXLibraryEntry> entries) {
    RegisterLibraryEntries(libraries.AddLibrary(name), entries);
}
}  // namespace

void CreateKXLibraries(TKXLibraries& libraries) {
    // The fluid objects exist before the registry takes the addresses of their functions.
    CreateFluidObjects();
    Register(libraries, "KX_WS_IF97", KX_WS_IF97_Entries());
    Register(libraries, "KX_NH3_FE", KX_NH3_FE_Entries());
    Register(libraries, "KX_R22_FE", KX_R22_FE_Entries());
    Register(libraries, "KX_R32_FE", KX_R32_FE_Entries());
    Register(libraries, "KX_R123_FE", KX_R123_FE_Entries());
    Register(libraries, "KX_R134a_FE", KX_R134a_FE_Entries());
    Register(libraries, "KX_R152a_FE", KX_R152a_FE_Entries());
    Register(libraries, "KX_N2_FE", KX_N2_FE_Entries());
    Register(libraries, "KX_O2_FE", KX_O2_FE_Entries());
    Register(libraries, "KX_CO2_FE", KX_CO2_FE_Entries());
    Register(libraries, "KX_Ar_FE", KX_Ar_FE_Entries());
    Register(libraries, "KX_H2_FE", KX_H2_FE_Entries());
    Register(libraries, "KX_H2o_FE", KX_H2o_FE_Entries());
    Register(libraries, "KX_H2p_FE", KX_H2p_FE_Entries());
}
