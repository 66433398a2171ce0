#pragma once
// The R22 library "KX_R22_FE": 40 functions forwarding to the R22 object and its transport
// models.
#include <cstdint>
#include <span>

#include "KX_Fluid_Lib_Template.h"

KX_FLUID_DECLARE_SHARED_FUNCTIONS(KX_R22_FE)
KX_FLUID_DECLARE_CONSTANT_FUNCTIONS(KX_R22_FE)
KX_FLUID_DECLARE_TRANSPORT_FUNCTIONS(KX_R22_FE)

// The functions in the order the library registers them.
std::span<const TKXLibraryEntry> KX_R22_FE_Entries();
