#pragma once
// The hydrogen libraries "KX_H2_FE" (normal), "KX_H2o_FE" (ortho) and "KX_H2p_FE" (para): 36
// functions each, forwarding to the object of their own form of hydrogen; normal and para add
// the five transport and surface-tension functions (41), ortho has no published correlation.
#include <cstdint>
#include <span>

#include "KX_Fluid_Lib_Template.h"

KX_FLUID_DECLARE_SHARED_FUNCTIONS(KX_H2_FE)
KX_FLUID_DECLARE_BINARY(KX_H2_FE, ZPT)
KX_FLUID_DECLARE_CONSTANT_FUNCTIONS(KX_H2_FE)
KX_FLUID_DECLARE_TRANSPORT_FUNCTIONS(KX_H2_FE)

KX_FLUID_DECLARE_SHARED_FUNCTIONS(KX_H2o_FE)
KX_FLUID_DECLARE_BINARY(KX_H2o_FE, ZPT)
KX_FLUID_DECLARE_CONSTANT_FUNCTIONS(KX_H2o_FE)

KX_FLUID_DECLARE_SHARED_FUNCTIONS(KX_H2p_FE)
KX_FLUID_DECLARE_BINARY(KX_H2p_FE, ZPT)
KX_FLUID_DECLARE_CONSTANT_FUNCTIONS(KX_H2p_FE)
KX_FLUID_DECLARE_TRANSPORT_FUNCTIONS(KX_H2p_FE)

// The functions of each library in the order it registers them.
std::span<const TKXLibraryEntry> KX_H2_FE_Entries();
std::span<const TKXLibraryEntry> KX_H2o_FE_Entries();
std::span<const TKXLibraryEntry> KX_H2p_FE_Entries();
