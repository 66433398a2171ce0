// The C interface over the registry and the unit catalogue. Both are built once, on first use, in
// a function-local static (thread-safe initialisation) and only read afterwards, so every entry
// point may run on many threads at once. Every entry point that runs library code does so in the
// caller's floating-point environment made safe (CApiCall.h), once per call, not per state.
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <string>
#include <string_view>
#include <unordered_map>
#include <utility>
#include <vector>

#include "CApiCall.h"
#include "CApiRegistry.h"
#include "KX_Function_Call.h"
#include "KX_Libraries_Object.h"
#include "KX_Utils.h"
#include "KX_Version.h"
#include "PropertyListObject.h"
#include "varnexa.h"

struct varnexa_function {
    const TKXPropertyFunction* Definition;
    TKXFunctionPtr Ptr;
    int32_t Arity;
    int32_t Library;
    std::string ResultQuantityName;
    // Copies, because the registry hands argument names out by value.
    std::vector<std::string> ArgumentNames;
    std::vector<std::string> ArgumentQuantityNames;
};

namespace {

using varnexa_capi::TCallerEnvironment;
using varnexa_capi::WithErrorText;

struct TCApi {
    const TKXLibraries& Registry = CApiRegistry();
    TPropertyList Quantities;
    // Per library, the index of its first function in Functions.
    std::vector<int32_t> FirstFunction;
    std::vector<varnexa_function> Functions;
    std::unordered_map<std::string_view, const varnexa_function*> ByName;
    std::unordered_map<int32_t, std::string> QuantityNameOfIndex;
    // What each library states about itself, as KEY, VALUE rows in the same fixed order, kept
    // so that the texts handed out live as long as the library.
    std::vector<std::string> InfoKeys;
    std::vector<std::vector<std::pair<std::string, std::string>>> Info;

    TCApi() {
        for (const auto& row : TKXLibraryInfo().Rows()) InfoKeys.push_back(row.first);
        for (int q = 0; q < Quantities.Count(); ++q) {
            const TPropertyObject& quantity = Quantities.Property(q);
            QuantityNameOfIndex.emplace(quantity.PropertyIndex(), quantity.PropertyName());
        }
        for (int l = 0; l < Registry.Count(); ++l) {
            const TKXLibrary& library = *Registry.Library(l);
            Info.push_back(library.Info.Rows());
            FirstFunction.push_back(static_cast<int32_t>(Functions.size()));
            for (int f = 0; f < library.Count(); ++f) {
                const TKXPropertyFunction& definition = *library.Function(f);
                varnexa_function function{&definition,
                                          definition.GetFunctionPtr(),
                                          definition.NoOfArguments(),
                                          l,
                                          Quantities.GetPropertyNameFromIndex(definition.YUnit),
                                          {},
                                          {}};
                for (int a = 1; a <= function.Arity; ++a) {
                    function.ArgumentNames.push_back(definition.GetXName(a));
                    function.ArgumentQuantityNames.push_back(
                        Quantities.GetPropertyNameFromIndex(definition.GetXUnitIndex(a)));
                }
                Functions.push_back(std::move(function));
            }
        }
        FirstFunction.push_back(static_cast<int32_t>(Functions.size()));
        // Built after Functions stops growing: the keys view the registry's own names.
        for (const varnexa_function& function : Functions)
            ByName.emplace(function.Definition->FunctionName, &function);
    }
};

const TCApi& Api() {
    // Building the catalogues runs library code too; the lambda's result is the static itself.
    static const TCApi api = [] {
        const TCallerEnvironment environment;
        return TCApi();
    }();
    return api;
}

// The most elements an array can have: its bytes must fit in the address space.
constexpr int64_t kMaxElements = PTRDIFF_MAX / static_cast<int64_t>(sizeof(double));

// Whether n states read at offsets 0, stride, ..., (n - 1) * stride stay within kMaxElements
// (checked by division: the product itself may overflow).
bool ValidStride(int64_t n, int64_t stride) {
    if (n <= 1 || stride == 0) return true;
    if (stride == INT64_MIN) return false;
    return (stride < 0 ? -stride : stride) <= kMaxElements / (n - 1);
}

const char* CText(const std::string& text) {
    return text.c_str();
}

bool ValidArgument(const varnexa_function* f, int32_t argument) {
    return f && argument >= 1 && argument <= f->Arity;
}

const TPropertyObject* QuantityNamed(const char* name) {
    if (!name) return nullptr;
    const TPropertyList& quantities = Api().Quantities;
    const int position = quantities.GetIndexFromPropertyName(name);
    return position < 0 ? nullptr : &quantities.Property(position);
}

void SetText(char* errorText, int32_t capacity, std::string_view text) {
    if (errorText && capacity >= 0) CopyErrorText(text, errorText, capacity);
}

// The unit pair of a conversion: both units of one quantity (the named one, or the first in
// catalogue order that has both), or the reason there is none.
struct TUnitPair {
    const TUnitObject* From = nullptr;
    const TUnitObject* To = nullptr;
    int32_t Status = VARNEXA_CONVERT_OK;
};

TUnitPair FindUnits(const char* quantityName, const char* fromUnit, const char* toUnit) {
    TUnitPair pair;
    if (!fromUnit || !toUnit) {
        pair.Status = VARNEXA_CONVERT_UNKNOWN_UNIT;
        return pair;
    }
    auto inList = [&](const TUnitList& units) {
        const int from = units.GetUnitIndex(fromUnit), to = units.GetUnitIndex(toUnit);
        if (from < 0 || to < 0) return false;
        pair.From = &units.Units()[from];
        pair.To = &units.Units()[to];
        return true;
    };
    if (quantityName && *quantityName) {
        const TPropertyObject* quantity = QuantityNamed(quantityName);
        if (!quantity)
            pair.Status = VARNEXA_CONVERT_UNKNOWN_QUANTITY;
        else if (!inList(quantity->UnitList()))
            pair.Status = VARNEXA_CONVERT_UNKNOWN_UNIT;
        return pair;
    }
    const TPropertyList& quantities = Api().Quantities;
    for (int q = 0; q < quantities.Count(); ++q)
        if (inList(quantities.Property(q).UnitList())) return pair;
    pair.Status = VARNEXA_CONVERT_UNKNOWN_UNIT;
    return pair;
}

}  // namespace

extern "C" {

const char* varnexa_version(void) {
    return VARNEXA_VERSION;
}

int32_t varnexa_library_count(void) {
    return Api().Registry.Count();
}

const char* varnexa_library_name(int32_t library) {
    const TKXLibrary* lib = Api().Registry.Library(library);
    return lib ? CText(lib->Library_Name) : nullptr;
}

int32_t varnexa_find_library(const char* name) {
    return name ? Api().Registry.FindLibrary(name) : -1;
}

int32_t varnexa_library_info_count(void) {
    return static_cast<int32_t>(Api().InfoKeys.size());
}

const char* varnexa_library_info_key(int32_t key) {
    const auto& keys = Api().InfoKeys;
    return key >= 0 && key < static_cast<int32_t>(keys.size()) ? CText(keys[key]) : nullptr;
}

const char* varnexa_library_info(int32_t library, const char* key) {
    const TCApi& api = Api();
    if (library < 0 || library >= api.Registry.Count() || !key) return nullptr;
    for (const auto& [k, value] : api.Info[library])
        if (k == key) return CText(value);
    return nullptr;
}

int32_t varnexa_function_count(int32_t library) {
    const TKXLibrary* lib = Api().Registry.Library(library);
    return lib ? lib->Count() : -1;
}

int32_t varnexa_total_function_count(void) {
    return static_cast<int32_t>(Api().Functions.size());
}

const varnexa_function* varnexa_function_at(int32_t library, int32_t function) {
    const TCApi& api = Api();
    if (library < 0 || library >= api.Registry.Count() || function < 0) return nullptr;
    // Compared with the library's count, so that no sum can overflow.
    const int32_t first = api.FirstFunction[library];
    return function < api.FirstFunction[library + 1] - first ? &api.Functions[first + function]
                                                             : nullptr;
}

const varnexa_function* varnexa_find_function(const char* name) {
    if (!name) return nullptr;
    const auto& byName = Api().ByName;
    const auto found = byName.find(name);
    return found == byName.end() ? nullptr : found->second;
}

const char* varnexa_function_name(const varnexa_function* f) {
    return f ? CText(f->Definition->FunctionName) : nullptr;
}

int32_t varnexa_function_library(const varnexa_function* f) {
    return f ? f->Library : -1;
}

int32_t varnexa_arity(const varnexa_function* f) {
    return f ? f->Arity : -1;
}

const char* varnexa_argument_name(const varnexa_function* f, int32_t argument) {
    if (!ValidArgument(f, argument)) return nullptr;
    return CText(f->ArgumentNames[argument - 1]);
}

int32_t varnexa_argument_quantity(const varnexa_function* f, int32_t argument) {
    return ValidArgument(f, argument) ? f->Definition->GetXUnitIndex(argument) : 0;
}

const char* varnexa_argument_quantity_name(const varnexa_function* f, int32_t argument) {
    return ValidArgument(f, argument) ? CText(f->ArgumentQuantityNames[argument - 1]) : nullptr;
}

const char* varnexa_result_name(const varnexa_function* f) {
    return f ? CText(f->Definition->YName) : nullptr;
}

int32_t varnexa_result_quantity(const varnexa_function* f) {
    return f ? f->Definition->YUnit : 0;
}

const char* varnexa_result_quantity_name(const varnexa_function* f) {
    return f ? CText(f->ResultQuantityName) : nullptr;
}

double varnexa_call(const varnexa_function* f, const double* args, char* errorText,
                    int32_t capacity, int32_t* errorCode) {
    if (!f || (f->Arity > 0 && !args)) {
        if (errorCode) *errorCode = VARNEXA_INVALID_CALL;
        SetText(errorText, capacity, "varnexa_call; No function or no arguments.");
        return 0.0;
    }
    const TCallerEnvironment environment;
    return WithErrorText(errorText, capacity, [&](char* text, int32_t room) {
        return KXCallFunction(f->Ptr, args, text, room, errorCode);
    });
}

int64_t varnexa_call_array(const varnexa_function* f, int64_t n, const double* const* args,
                           const int64_t* strides, double* values, int32_t* codes, char* errorText,
                           int32_t capacity) {
    SetText(errorText, capacity, "");
    bool valid = f && n >= 0 && n <= kMaxElements && values && codes && (f->Arity == 0 || args);
    for (int32_t k = 0; valid && k < f->Arity; ++k)
        valid = args[k] != nullptr && (!strides || ValidStride(n, strides[k]));
    if (!valid) {
        SetText(errorText, capacity, "varnexa_call_array; No function, count or array.");
        return VARNEXA_INVALID_CALL;
    }
    const TCallerEnvironment environment;
    return KXCallFunctionArray(f->Ptr, n, args, strides, values, codes,
                               [&](const char* text) { SetText(errorText, capacity, text); });
}

int32_t varnexa_quantity_count(void) {
    return Api().Quantities.Count();
}

const char* varnexa_quantity_name(int32_t quantity) {
    const TPropertyList& quantities = Api().Quantities;
    if (quantity < 0 || quantity >= quantities.Count()) return nullptr;
    return CText(quantities.Property(quantity).PropertyName());
}

int32_t varnexa_quantity_index(int32_t quantity) {
    const TPropertyList& quantities = Api().Quantities;
    if (quantity < 0 || quantity >= quantities.Count()) return -1;
    return quantities.Property(quantity).PropertyIndex();
}

const char* varnexa_quantity_name_of_index(int32_t quantityIndex) {
    const auto& names = Api().QuantityNameOfIndex;
    const auto found = names.find(quantityIndex);
    return found == names.end() ? nullptr : CText(found->second);
}

int32_t varnexa_unit_count(const char* quantityName) {
    const TPropertyObject* quantity = QuantityNamed(quantityName);
    return quantity ? quantity->UnitList().Count() : -1;
}

const char* varnexa_unit_name(const char* quantityName, int32_t unit) {
    const TPropertyObject* quantity = QuantityNamed(quantityName);
    if (!quantity || unit < 0 || unit >= quantity->UnitList().Count()) return nullptr;
    return CText(quantity->UnitList().Units()[unit].Name());
}

int32_t varnexa_convert(const char* quantityName, const char* fromUnit, const char* toUnit,
                        double value, double* result) {
    return varnexa_convert_array(quantityName, fromUnit, toUnit, 1, &value, result);
}

int32_t varnexa_convert_array(const char* quantityName, const char* fromUnit, const char* toUnit,
                              int64_t n, const double* values, double* results) {
    if (n < 0 || n > kMaxElements || (n > 0 && (!values || !results))) return VARNEXA_CONVERT_FAULT;
    const TCallerEnvironment environment;
    const TUnitPair pair = FindUnits(quantityName, fromUnit, toUnit);
    if (pair.Status != VARNEXA_CONVERT_OK) {
        for (int64_t i = 0; i < n; ++i) results[i] = 0.0;
        return pair.Status;
    }
    int32_t status = VARNEXA_CONVERT_OK;
    for (int64_t i = 0; i < n; ++i) {
        if (!TryConvertBetweenUnits(*pair.From, *pair.To, values[i], results[i])) {
            results[i] = 0.0;
            status = VARNEXA_CONVERT_FAULT;
        }
    }
    return status;
}

}  // extern "C"
