#pragma once
// The names, arities and quantities under which every library registers its functions. All
// libraries share one set of shapes; a library registers a subset of them, in this order.
#include <cstdint>
#include <span>
#include <string_view>

#include "KX_Library_Object.h"

struct TKXFunctionShape {
    const char* ShortName;
    int Arity;
    const char* YName;
    int32_t YUnit;
    const char* X1Name;
    int32_t X1Unit;
    const char* X2Name;
    int32_t X2Unit;
    const char* X3Name;  // functions of three arguments (humid air, blends by composition)
    int32_t X3Unit;
};

// The shapes of water and the fluids in the order they register them (the compressibility ZPT
// sits after WPT), derived from the one list of library functions in KX_Function_List.h.
std::span<const TKXFunctionShape> KXFunctionShapes();
// The shapes of the humid-air libraries, in their order.
std::span<const TKXFunctionShape> KXHumidAirFunctionShapes();
// The shapes of the incipient-phase compositions of the mixture libraries, in their order.
std::span<const TKXFunctionShape> KXMixtureFunctionShapes();

// The shapes of the binary-pair mixture libraries (a composition as the last argument), in their
// order; their short names repeat those of other tables with other arguments, so a pair library's
// entries name their shapes (TKXLibraryEntry::Shape) and FindFunctionShape does not look here.
std::span<const TKXFunctionShape> KXMixturePairFunctionShapes();
const TKXFunctionShape* FindMixturePairFunctionShape(std::string_view shortName);

// The shape of a short name (of the tables above but the pair table), or nullptr.
const TKXFunctionShape* FindFunctionShape(std::string_view shortName);

// Registers the entries of one library, in the order given, under library name + "_" + short
// name with their shapes. Returns false (registering nothing more) at the first entry whose short
// name has no shape or whose address does not match the shape's arity.
bool RegisterLibraryEntries(TKXLibrary& library, std::span<const TKXLibraryEntry> entries);
