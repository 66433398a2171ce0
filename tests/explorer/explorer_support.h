#pragma once
// What the explorer tests share: the full registry, and library functions called directly
// through the registry's addresses, apart from the explorer's own lookup.
#include <gtest/gtest.h>

#include <string>

#include "KXFluidFunctions.h"
#include "KX_Function_Call.h"
#include "KX_Libraries_Catalogue.h"

namespace kxexplorertest {

inline const TKXLibraries& Registry() {
    return KXRegistry();
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
                      double x2 = 0, double x3 = 0) {
    int l = -1, f = -1;
    if (!Registry().FindFunction(library + "_" + shortName, l, f))
        ADD_FAILURE() << library << "_" << shortName << " is not registered";
    const TKXFunctionPtr ptr = Registry().GetFunctionPtr(l, f);
    char text[256] = "";
    int32_t code = 0;
    const double args[3] = {x1, x2, x3};
    const double v = KXCallFunction(ptr, args, text, 255, &code);
    return {v, code, text};
}

// A library of the program registered again under another name with its information, so a test
// can change what it states.
inline TKXLibrary& CopyLibrary(const TKXLibrary& from, const std::string& name,
                               TKXLibraries& into) {
    TKXLibrary& to = into.AddLibrary(name);
    to.Info = from.Info;
    for (int i = 0; i < from.Count(); ++i) {
        const TKXPropertyFunction& f = *from.Function(i);
        const std::string shortName = f.FunctionName.substr(from.Library_Name.size());
        const std::string full = name + shortName;
        if (f.ConstantFunctionPtr)
            to.AddConstantFunction(full, f.YName, f.YUnit, f.ConstantFunctionPtr);
        else if (f.UnaryFunctionPtr)
            to.AddUnairyFunction(full, f.YName, f.YUnit, f.GetXName(1), f.GetXUnitIndex(1),
                                 f.UnaryFunctionPtr);
        else if (f.BinaryFunctionPtr)
            to.AddBinairyFunction(full, f.YName, f.YUnit, f.GetXName(1), f.GetXUnitIndex(1),
                                  f.GetXName(2), f.GetXUnitIndex(2), f.BinaryFunctionPtr);
    }
    return to;
}

inline const char* const AllLibraries[] = {
    "KX_WS_IF97", "KX_NH3_FE", "KX_R22_FE", "KX_R32_FE", "KX_R123_FE", "KX_R134a_FE", "KX_R152a_FE",
    "KX_N2_FE",   "KX_O2_FE",  "KX_CO2_FE", "KX_Ar_FE",  "KX_H2_FE",   "KX_H2o_FE",   "KX_H2p_FE"};

}  // namespace kxexplorertest
