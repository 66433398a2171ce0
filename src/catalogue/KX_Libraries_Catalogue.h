#pragma once
// Fills the registry with every library of the one list (KX_Library_Descriptions), in the order
// the window lists them, each with its information.
#include "KX_Libraries_Object.h"

void CreateKXLibraries(TKXLibraries& libraries);

// The program's registry, built on first use (thread-safe) and read-only afterwards: one per
// process for the window, the command line, the C interface, the tools and the tests.
const TKXLibraries& KXRegistry();
