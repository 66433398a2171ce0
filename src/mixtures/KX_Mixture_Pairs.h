#pragma once
// The binary pairs of the mixture model as libraries at a composition the caller chooses: one
// library per pair with parameters (KX_MIX_R32_R125 ... KX_MIX_R125_R1234zeE, the components in
// the order of the pair table of KX_Mixture_Blends.cpp; Bell's 2023 R32/HFO parameters), every
// function taking the mole fraction z of the first component as its last argument, 0 < z < 1
// (the pure fluids have libraries of their own): the bubble and dew lines with their glide, the
// first component's mole fraction in the incipient phases, single-phase properties at (p, T) with
// the phase decided by the bubble and dew temperatures at p, and the molar mass.
//
// Program units as KX_Mixture_Lib.h; the IIR reference state of each composition (h = 200 kJ/kg,
// s = 1 kJ/(kg K) for the saturated liquid at the bubble point at 0 °C of that composition).
#include <cstddef>
#include <span>

#include "KX_Function_Types.h"
#include "KX_Library_Info.h"

// The pair libraries in registry order, and their number.
inline constexpr std::size_t MixturePairLibraryCount = 12;
// The library name of the index-th pair library ("KX_MIX_R32_R125").
const char* MixturePairLibraryName(std::size_t index);
// Its functions, in registration order (each entry with its shape), and its information.
std::span<const TKXLibraryEntry> MixturePairLibraryEntries(std::size_t index);
TKXLibraryInfo MixturePairLibraryInfo(std::size_t index);

// The same as functions without arguments, for the one list of libraries.
template <std::size_t I>
std::span<const TKXLibraryEntry> MixturePairLibraryEntriesOf() {
    return MixturePairLibraryEntries(I);
}
template <std::size_t I>
TKXLibraryInfo MixturePairLibraryInfoOf() {
    return MixturePairLibraryInfo(I);
}
