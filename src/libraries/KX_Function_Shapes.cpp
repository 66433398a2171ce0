#include "KX_Function_Shapes.h"

#include <string>

#include "KX_Function_List.h"

namespace {
using namespace KXFunctionQuantity;

#define KX_FUNCTION_SHAPE_ROW(LIB, NAME, ARITY, YNAME, YQ, X1NAME, X1Q, X2NAME, X2Q) \
    {#NAME, ARITY, YNAME, YQ, X1NAME, X1Q, X2NAME, X2Q, nullptr, 0},

// Every shape, in the order of the groups of KX_Function_List.h.
constexpr TKXFunctionShape Shapes[] = {
    KX_FUNCTIONS_SHARED(KX_FUNCTION_SHAPE_ROW, , KX_FUNCTION_SEP_NONE)
        KX_FUNCTIONS_COMPRESSIBILITY(KX_FUNCTION_SHAPE_ROW, , KX_FUNCTION_SEP_NONE)
            KX_FUNCTIONS_TRANSPORT(KX_FUNCTION_SHAPE_ROW, , KX_FUNCTION_SEP_NONE)
                KX_FUNCTIONS_CONSTANTS(KX_FUNCTION_SHAPE_ROW, , KX_FUNCTION_SEP_NONE)
                    KX_FUNCTIONS_BLEND(KX_FUNCTION_SHAPE_ROW, , KX_FUNCTION_SEP_NONE)};

#define KX_FUNCTION_SHAPE_ROW3(LIB, NAME, ARITY, YNAME, YQ, X1NAME, X1Q, X2NAME, X2Q, X3NAME, X3Q) \
    {#NAME, ARITY, YNAME, YQ, X1NAME, X1Q, X2NAME, X2Q, X3NAME, X3Q},

constexpr TKXFunctionShape HumidAirShapes[] = {
    KX_FUNCTIONS_HUMID_AIR(KX_FUNCTION_SHAPE_ROW3, , KX_FUNCTION_SEP_NONE)};

constexpr TKXFunctionShape MixtureShapes[] = {
    KX_FUNCTIONS_MIXTURE(KX_FUNCTION_SHAPE_ROW3, , KX_FUNCTION_SEP_NONE)};

constexpr TKXFunctionShape MixturePairShapes[] = {
    KX_FUNCTIONS_MIXTURE_PAIR(KX_FUNCTION_SHAPE_ROW3, , KX_FUNCTION_SEP_NONE)};

#undef KX_FUNCTION_SHAPE_ROW
#undef KX_FUNCTION_SHAPE_ROW3
}  // namespace

std::span<const TKXFunctionShape> KXFunctionShapes() {
    return Shapes;
}

std::span<const TKXFunctionShape> KXHumidAirFunctionShapes() {
    return HumidAirShapes;
}

std::span<const TKXFunctionShape> KXMixtureFunctionShapes() {
    return MixtureShapes;
}

std::span<const TKXFunctionShape> KXMixturePairFunctionShapes() {
    return MixturePairShapes;
}

const TKXFunctionShape* FindMixturePairFunctionShape(std::string_view shortName) {
    for (const auto& s : MixturePairShapes)
        if (shortName == s.ShortName) return &s;
    return nullptr;
}

const TKXFunctionShape* FindFunctionShape(std::string_view shortName) {
    for (const auto table :
         {KXFunctionShapes(), KXHumidAirFunctionShapes(), KXMixtureFunctionShapes()})
        for (const auto& s : table)
            if (shortName == s.ShortName) return &s;
    return nullptr;
}

bool RegisterLibraryEntries(TKXLibrary& library, std::span<const TKXLibraryEntry> entries) {
    for (const auto& e : entries) {
        const TKXFunctionShape* s = e.Shape ? e.Shape : FindFunctionShape(e.ShortName);
        if (!s) return false;
        const std::string name = library.Library_Name + "_" + e.ShortName;
        if (s->Arity == 0 && e.Ptr.Constant) {
            library.AddConstantFunction(name, s->YName, s->YUnit, e.Ptr.Constant);
        } else if (s->Arity == 1 && e.Ptr.Unary) {
            library.AddUnairyFunction(name, s->YName, s->YUnit, s->X1Name, s->X1Unit, e.Ptr.Unary);
        } else if (s->Arity == 2 && e.Ptr.Binary) {
            library.AddBinairyFunction(name, s->YName, s->YUnit, s->X1Name, s->X1Unit, s->X2Name,
                                       s->X2Unit, e.Ptr.Binary);
        } else if (s->Arity == 3 && e.Ptr.Ternary) {
            library.AddTernaryFunction(
                name, s->YName, s->YUnit,
                {{s->X1Name, s->X1Unit}, {s->X2Name, s->X2Unit}, {s->X3Name, s->X3Unit}},
                e.Ptr.Ternary);
        } else {
            return false;
        }
    }
    return true;
}
