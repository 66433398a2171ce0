#pragma once
// The argon library "KX_Ar_FE": 40 functions forwarding to the argon object.
#include <cstdint>
#include <span>

#include "KX_Fluid_Lib_Template.h"

KX_FLUID_DECLARE_SHARED_FUNCTIONS(KX_Ar_FE)
KX_FLUID_DECLARE_CONSTANT_FUNCTIONS(KX_Ar_FE)
KX_FLUID_DECLARE_TRANSPORT_FUNCTIONS(KX_Ar_FE)

// The functions in the order the library registers them.
std::span<const TKXLibraryEntry> KX_Ar_FE_Entries();
