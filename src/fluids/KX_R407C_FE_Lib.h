#pragma once
// The R-407C library "KX_R407C_FE" (R32 23 %, R125 25 %, R134a 52 % by mass, pseudo-pure): the 40
// functions of every fluid library, then the bubble and dew lines (PbubT, PdewT, TbubP, TdewP,
// TglideP, PTX), forwarding to the R-407C object.
#include <cstdint>
#include <span>

#include "KX_Fluid_Lib_Template.h"

KX_FLUID_DECLARE_SHARED_FUNCTIONS(KX_R407C_FE)
KX_FLUID_DECLARE_CONSTANT_FUNCTIONS(KX_R407C_FE)
KX_FLUID_DECLARE_TRANSPORT_FUNCTIONS(KX_R407C_FE)
KX_FLUID_DECLARE_BLEND_FUNCTIONS(KX_R407C_FE)

// The functions in the order the library registers them.
std::span<const TKXLibraryEntry> KX_R407C_FE_Entries();
