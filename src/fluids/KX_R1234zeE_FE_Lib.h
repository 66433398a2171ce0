#pragma once
// The R1234ze(E) library "KX_R1234zeE_FE": 40 functions forwarding to the R1234ze(E) object.
#include <cstdint>
#include <span>

#include "KX_Fluid_Lib_Template.h"

KX_FLUID_DECLARE_SHARED_FUNCTIONS(KX_R1234zeE_FE)
KX_FLUID_DECLARE_CONSTANT_FUNCTIONS(KX_R1234zeE_FE)
KX_FLUID_DECLARE_TRANSPORT_FUNCTIONS(KX_R1234zeE_FE)

// The functions in the order the library registers them.
std::span<const TKXLibraryEntry> KX_R1234zeE_FE_Entries();
