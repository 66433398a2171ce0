#pragma once
// A library of the tests with a function of three arguments (KXTernaryTestFunction.h), for the
// front ends (command line, C interface, Python) to call before a library of the program
// registers one.
#include <cstdint>

#include "KXTernaryTestFunction.h"
#include "KX_Function_List.h"
#include "KX_Libraries_Object.h"
#include "KX_Utils.h"

namespace kxtest {

static_assert(TernaryFailureCode == KXErrorCode::VapourFractionLow);

inline double KX_TEST_X3_HPTX(double p, double t, double x, char* errorText, int32_t capacity,
                              int32_t* errorCode) {
    const bool failed = x < 0.0;
    *errorCode = failed ? TernaryFailureCode : KXErrorCode::Success;
    CopyErrorText(failed ? TernaryFailureText : "", errorText, capacity);
    return failed ? 0.0 : TernaryValue(p, t, x);
}

// Appends the test library: "Enthalpy" from pressure, temperature and vapour fraction.
inline void AddTernaryTestLibrary(TKXLibraries& registry) {
    using namespace KXFunctionQuantity;
    TKXLibrary& library = registry.AddLibrary(TernaryLibraryName);
    library.Info.DisplayName = TernaryDisplayName;
    library.AddTernaryFunction(
        TernaryFunctionName, "Enthalpy", Enthalpy,
        {{"Pressure", Pressure}, {"Temperature", Temperature}, {"Vapor Fraction", VapourFraction}},
        &KX_TEST_X3_HPTX);
}

}  // namespace kxtest
