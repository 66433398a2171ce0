#pragma once
// The carbon dioxide library "KX_CO2_FE": 40 functions forwarding to the carbon dioxide object.
#include <cstdint>
#include <span>

#include "KX_Fluid_Lib_Template.h"

KX_FLUID_DECLARE_SHARED_FUNCTIONS(KX_CO2_FE)
KX_FLUID_DECLARE_BINARY(KX_CO2_FE, TCPT)
KX_FLUID_DECLARE_BINARY(KX_CO2_FE, DVPT)
KX_FLUID_DECLARE_BINARY(KX_CO2_FE, KVPT)
KX_FLUID_DECLARE_BINARY(KX_CO2_FE, PrPT)
KX_FLUID_DECLARE_CONSTANT_FUNCTIONS(KX_CO2_FE)
KX_FLUID_DECLARE_UNARY(KX_CO2_FE, STT)

// The functions in the order the library registers them.
std::span<const TKXLibraryEntry> KX_CO2_FE_Entries();
