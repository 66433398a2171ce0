#pragma once
// The R32 library "KX_R32_FE": 39 functions forwarding to the R32 object and its transport
// models.
#include <cstdint>
#include <span>

#include "KX_Fluid_Lib_Template.h"

KX_FLUID_DECLARE_SHARED_FUNCTIONS(KX_R32_FE)
KX_FLUID_DECLARE_CONSTANT_FUNCTIONS(KX_R32_FE)
KX_FLUID_DECLARE_BINARY(KX_R32_FE, DVPT)
KX_FLUID_DECLARE_BINARY(KX_R32_FE, KVPT)
KX_FLUID_DECLARE_BINARY(KX_R32_FE, TCPT)
KX_FLUID_DECLARE_BINARY(KX_R32_FE, PrPT)

// The functions in the order the library registers them.
std::span<const TKXLibraryEntry> KX_R32_FE_Entries();
