#pragma once
// The R125 library "KX_R125_FE": 40 functions forwarding to the R125 object.
#include <cstdint>
#include <span>

#include "KX_Fluid_Lib_Template.h"

KX_FLUID_DECLARE_SHARED_FUNCTIONS(KX_R125_FE)
KX_FLUID_DECLARE_CONSTANT_FUNCTIONS(KX_R125_FE)
KX_FLUID_DECLARE_TRANSPORT_FUNCTIONS(KX_R125_FE)

// The functions in the order the library registers them.
std::span<const TKXLibraryEntry> KX_R125_FE_Entries();
