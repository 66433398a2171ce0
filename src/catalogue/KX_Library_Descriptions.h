#pragma once
// The one list of the program's libraries, in registry order: each is described here once, with
// its function entries, its information and, for a Helmholtz fluid, its model object. The
// catalogue, the tools, the benchmarks and the tests take the libraries from this list.
#include <span>
#include <string>
#include <vector>

#include "KX_Function_Types.h"
#include "KX_Library_Info.h"

class THelmholzFluid;

struct TKXLibraryDescription {
    const char* Name;                               // "KX_R134a_FE"
    std::span<const TKXLibraryEntry> (*Entries)();  // the functions, in registration order
    TKXLibraryInfo (*Info)();                       // what the library states about itself
    const THelmholzFluid* (*Fluid)();               // the model object; nullptr for IF97
                                                    // and humid air
};

std::span<const TKXLibraryDescription> KXLibraryDescriptions();

// The Helmholtz fluid models of the list, in its order.
std::span<const THelmholzFluid* const> KXHelmholtzFluids();

// The Helmholtz fluids whose saturation is the phase equilibrium of their equation, in the list's
// order: every fluid but the pseudo-pure blends, whose bubble and dew lines are their ancillaries
// (no saturation curves are fitted to them).
std::span<const THelmholzFluid* const> KXEquilibriumFluids();
