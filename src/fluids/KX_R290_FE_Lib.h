#pragma once
// The R290 (propane) library "KX_R290_FE": 40 functions forwarding to the R290 (propane) object.
#include <cstdint>
#include <span>

#include "KX_Fluid_Lib_Template.h"

KX_FLUID_DECLARE_SHARED_FUNCTIONS(KX_R290_FE)
KX_FLUID_DECLARE_CONSTANT_FUNCTIONS(KX_R290_FE)
KX_FLUID_DECLARE_TRANSPORT_FUNCTIONS(KX_R290_FE)

// The functions in the order the library registers them.
std::span<const TKXLibraryEntry> KX_R290_FE_Entries();
