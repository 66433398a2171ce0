#pragma once
// The R1336mzz(Z) library "KX_R1336mzzZ_FE": 40 functions forwarding to the R1336mzz(Z) object.
#include <cstdint>
#include <span>

#include "KX_Fluid_Lib_Template.h"

KX_FLUID_DECLARE_SHARED_FUNCTIONS(KX_R1336mzzZ_FE)
KX_FLUID_DECLARE_CONSTANT_FUNCTIONS(KX_R1336mzzZ_FE)
KX_FLUID_DECLARE_TRANSPORT_FUNCTIONS(KX_R1336mzzZ_FE)

// The functions in the order the library registers them.
std::span<const TKXLibraryEntry> KX_R1336mzzZ_FE_Entries();
