#pragma once
// The nitrogen library "KX_N2_FE": 40 functions forwarding to the nitrogen object.
#include <cstdint>
#include <span>

#include "KX_Fluid_Lib_Template.h"

KX_FLUID_DECLARE_SHARED_FUNCTIONS(KX_N2_FE)
KX_FLUID_DECLARE_BINARY(KX_N2_FE, TCPT)
KX_FLUID_DECLARE_BINARY(KX_N2_FE, DVPT)
KX_FLUID_DECLARE_BINARY(KX_N2_FE, KVPT)
KX_FLUID_DECLARE_BINARY(KX_N2_FE, PrPT)
KX_FLUID_DECLARE_CONSTANT_FUNCTIONS(KX_N2_FE)
KX_FLUID_DECLARE_UNARY(KX_N2_FE, STT)

// The functions in the order the library registers them.
std::span<const TKXLibraryEntry> KX_N2_FE_Entries();
