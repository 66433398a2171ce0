#pragma once
// The two humid-air libraries as the registry sees them: KX_HA_RP1485 (real moist air,
// KX_HA_RP1485.h) and KX_HA_IDEAL (the Handbook's perfect-gas equations, KX_HA_Ideal.h). Each
// function keeps the library function contract: arguments and result in the program's units
// (per kg of dry air), a failure of the model as its code and "<library>_<function>; <reason>."
// text. Names, arities and quantities are the humid-air shapes of KX_Function_List.h.
#include <span>

#include "KX_Function_Types.h"

// Every humid-air function: dew point, wet bulb and humidity ratio, caloric and volumetric
// properties, saturation, transport and the standard atmosphere (PZ).
std::span<const TKXLibraryEntry> KX_HA_RP1485_Entries();
// The functions the perfect-gas equations define: all of the above except entropy (SPTW) and the
// transport properties (DVPTW, TCPTW).
std::span<const TKXLibraryEntry> KX_HA_IDEAL_Entries();
