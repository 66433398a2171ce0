#pragma once
// What the explorer tests share: the full registry, and library functions called directly
// through the registry's addresses, apart from the explorer's own lookup.
#include <gtest/gtest.h>

#include <string>

#include "KXFluidFunctions.h"
#include "KX_Libraries_Catalogue.h"

namespace kxexplorertest {

inline const TKXLibraries& Registry() {
    static const TKXLibraries libraries = [] {
        TKXLibraries l;
        CreateKXLibraries(l);
        return l;
    }();
    return libraries;
}

inline TKXFluidFunctions Fluid(const std::string& library) {
    return TKXFluidFunctions(Registry(), FindLibraryIndex(Registry(), library));
}

struct TDirect {
    double Value;
    int32_t Code;
    std::string Text;
};

// library + "_" + shortName called through the registry with a fresh error text buffer.
inline TDirect Direct(const std::string& library, const std::string& shortName, double x1 = 0,
                      double x2 = 0) {
    int l = -1, f = -1;
    if (!Registry().FindFunction(library + "_" + shortName, l, f))
        ADD_FAILURE() << library << "_" << shortName << " is not registered";
    const TKXFunctionPtr ptr = Registry().GetFunctionPtr(l, f);
    char text[256] = "";
    int32_t code = 0;
    double v = 0;
    if (ptr.Constant) v = ptr.Constant(text, 255, &code);
    if (ptr.Unary) v = ptr.Unary(x1, text, 255, &code);
    if (ptr.Binary) v = ptr.Binary(x1, x2, text, 255, &code);
    return {v, code, text};
}

inline const char* const AllLibraries[] = {
    "KX_WS_IF97", "KX_NH3_FE", "KX_R22_FE", "KX_R32_FE", "KX_R123_FE", "KX_R134a_FE", "KX_R152a_FE",
    "KX_N2_FE",   "KX_O2_FE",  "KX_CO2_FE", "KX_Ar_FE",  "KX_H2_FE",   "KX_H2o_FE",   "KX_H2p_FE"};

}  // namespace kxexplorertest
