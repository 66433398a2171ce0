#pragma once
// The refrigerant blends as mixtures of fixed composition: one library per blend
// (KX_R454B_MIX ... KX_R454C_MIX), each answering from the multi-fluid mixture model of
// KX_Mixture.h. What a mixture of fixed composition can answer honestly is offered, nothing else:
// the molar mass; the bubble and dew lines with their glide (PsatT and TsatP are the bubble
// line); the compositions of the incipient phases; single-phase properties at (p, T), the phase
// decided by the bubble and dew temperatures at p; two-phase states at a vapour fraction and
// flashes from (p, h) and (p, s), split into phases of their own compositions. No critical or
// triple point (a mixture's reducing values are not its critical point), no transport (no
// mixture transport model).
//
// Program units: T in °C, P in bar(a), density kg/m3, h kJ/kg, s and cp kJ/(kg K), w m/s; the
// IIR reference state of each blend (h = 200 kJ/kg, s = 1 kJ/(kg K) for the saturated liquid at
// the bubble point at 0 °C), by offsets computed once from the components' own reference states.
#include <cstddef>
#include <span>

#include "KX_Function_Types.h"
#include "KX_Library_Info.h"

// The mixture libraries in registry order, and their number.
inline constexpr std::size_t MixtureLibraryCount = 11;
// The library name of the index-th mixture library ("KX_R454B_MIX").
const char* MixtureLibraryName(std::size_t index);
// Its functions, in registration order, and its information.
std::span<const TKXLibraryEntry> MixtureLibraryEntries(std::size_t index);
TKXLibraryInfo MixtureLibraryInfo(std::size_t index);

// The same as functions without arguments, for the one list of libraries.
template <std::size_t I>
std::span<const TKXLibraryEntry> MixtureLibraryEntriesOf() {
    return MixtureLibraryEntries(I);
}
template <std::size_t I>
TKXLibraryInfo MixtureLibraryInfoOf() {
    return MixtureLibraryInfo(I);
}
