#pragma once
// The R-507A library "KX_R507A_FE" (R125 50 %, R143a 50 % by mass, pseudo-pure): the 40 functions
// of every fluid library, then the bubble and dew lines (PbubT, PdewT, TbubP, TdewP, TglideP, PTX),
// forwarding to the R-507A object.
#include <cstdint>
#include <span>

#include "KX_Fluid_Lib_Template.h"

KX_FLUID_DECLARE_SHARED_FUNCTIONS(KX_R507A_FE)
KX_FLUID_DECLARE_CONSTANT_FUNCTIONS(KX_R507A_FE)
KX_FLUID_DECLARE_TRANSPORT_FUNCTIONS(KX_R507A_FE)
KX_FLUID_DECLARE_BLEND_FUNCTIONS(KX_R507A_FE)

// The functions in the order the library registers them.
std::span<const TKXLibraryEntry> KX_R507A_FE_Entries();
