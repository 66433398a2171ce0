#pragma once
// Fills the registry with every library, in the order the window lists them.
#include "KX_Libraries_Object.h"

void CreateKXLibraries(TKXLibraries& libraries);
