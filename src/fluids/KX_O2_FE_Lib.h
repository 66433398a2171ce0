#pragma once
// The oxygen library "KX_O2_FE": 40 functions forwarding to the oxygen object.
#include <cstdint>
#include <span>

#include "KX_Fluid_Lib_Template.h"

KX_FLUID_DECLARE_SHARED_FUNCTIONS(KX_O2_FE)
KX_FLUID_DECLARE_BINARY(KX_O2_FE, DVPT)
KX_FLUID_DECLARE_CONSTANT_FUNCTIONS(KX_O2_FE)
KX_FLUID_DECLARE_BINARY(KX_O2_FE, KVPT)
KX_FLUID_DECLARE_BINARY(KX_O2_FE, TCPT)
KX_FLUID_DECLARE_BINARY(KX_O2_FE, PrPT)
KX_FLUID_DECLARE_UNARY(KX_O2_FE, STT)

// The functions in the order the library registers them.
std::span<const TKXLibraryEntry> KX_O2_FE_Entries();
