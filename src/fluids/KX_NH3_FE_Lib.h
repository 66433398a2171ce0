#pragma once
// The ammonia library "KX_NH3_FE": 40 functions forwarding to the ammonia object.
#include <cstdint>
#include <span>

#include "KX_Fluid_Lib_Template.h"

KX_FLUID_DECLARE_SHARED_FUNCTIONS(KX_NH3_FE)
KX_FLUID_DECLARE_UNARY(KX_NH3_FE, STT)
KX_FLUID_DECLARE_BINARY(KX_NH3_FE, TCPT)
KX_FLUID_DECLARE_BINARY(KX_NH3_FE, DVPT)
KX_FLUID_DECLARE_BINARY(KX_NH3_FE, KVPT)
KX_FLUID_DECLARE_BINARY(KX_NH3_FE, PrPT)
KX_FLUID_DECLARE_CONSTANT_FUNCTIONS(KX_NH3_FE)

// The functions in the order the library registers them.
std::span<const TKXLibraryEntry> KX_NH3_FE_Entries();
