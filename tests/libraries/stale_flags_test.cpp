// A library function answers the same whatever floating-point fault flags the caller left set:
// a NaN argument or any foreign computation before the call leaves flags behind, in the SSE
// register and in the x87 status word. Earlier, a routine that saved and restored the flags
// through <cfenv> copied a stale x87 flag back into the SSE flags on every later call, so R123
// flashes above the critical pressure failed for the rest of the process after one NaN call.
#include <gtest/gtest.h>

#include <cfenv>
#include <cstdint>
#include <cstring>
#include <limits>
#include <string>
#include <vector>

#include "KX_Function_Call.h"
#include "KX_Libraries_Catalogue.h"
#include "KX_Libraries_Object.h"

namespace {

// Arguments by quantity index: pressure (bar), temperature (°C), enthalpy, entropy, fraction.
std::vector<double> Arguments(int32_t quantity) {
    switch (quantity) {
        case 2:
            return {1.0, 10.0, 70.0};
        case 31:
            return {-20.0, 25.0, 150.0};
        case 4:
            return {150.0, 400.0};
        case 5:
            return {1.0, 1.8};
        case 34:
            return {0.5};
        default:
            return {1.0};
    }
}

// Sets the fault flags in both places they live on x86-64: <cfenv> writes x87 and SSE.
void LeaveStaleFlags() {
    std::feraiseexcept(FE_INVALID | FE_DIVBYZERO | FE_OVERFLOW);
    std::fexcept_t flags;
    std::fegetexceptflag(&flags, FE_ALL_EXCEPT);
    std::fesetexceptflag(&flags, FE_ALL_EXCEPT);
}

struct TAnswer {
    double Value;
    int32_t Code;
    std::string Text;
};

TAnswer Call(const TKXPropertyFunction& f, const std::vector<double>& x) {
    char text[256] = "";
    int32_t code = -1;
    // Three slots whatever the arity: the call reads as many as the function takes.
    double args[3] = {0.0, 0.0, 0.0};
    for (std::size_t i = 0; i < x.size() && i < 3; ++i) args[i] = x[i];
    const double value = KXCallFunction(f.GetFunctionPtr(), args, text, 255, &code);
    return {value, code, text};
}

TEST(StaleFlags, EveryFunctionAnswersAsFromClearFlags) {
    const TKXLibraries& registry = KXRegistry();
    int answered = 0;
    for (int l = 0; l < registry.Count(); ++l) {
        const TKXLibrary& library = *registry.Library(l);
        for (int i = 0; i < library.Count(); ++i) {
            const TKXPropertyFunction& f = *library.Function(i);
            const int arity = f.ConstantFunctionPtr ? 0 : f.UnaryFunctionPtr ? 1 : 2;
            const std::vector<double> a1 =
                arity >= 1 ? Arguments(f.GetXUnitIndex(1)) : std::vector<double>{0.0};
            const std::vector<double> a2 =
                arity == 2 ? Arguments(f.GetXUnitIndex(2)) : std::vector<double>{0.0};
            for (double x1 : a1)
                for (double x2 : a2) {
                    std::feclearexcept(FE_ALL_EXCEPT);
                    const TAnswer clean = Call(f, {x1, x2});
                    // A NaN call first (its range check leaves the invalid flag), then flags
                    // in both units.
                    Call(f, {std::numeric_limits<double>::quiet_NaN(),
                             std::numeric_limits<double>::quiet_NaN()});
                    LeaveStaleFlags();
                    const TAnswer stale = Call(f, {x1, x2});
                    SCOPED_TRACE(f.FunctionName + "(" + std::to_string(x1) + ", " +
                                 std::to_string(x2) + ")");
                    EXPECT_EQ(std::memcmp(&clean.Value, &stale.Value, sizeof(double)), 0);
                    EXPECT_EQ(clean.Code, stale.Code);
                    EXPECT_EQ(clean.Text, stale.Text);
                    if (clean.Code == 0) ++answered;
                }
        }
    }
    std::feclearexcept(FE_ALL_EXCEPT);
    EXPECT_GT(answered, 1000);  // most states answer, so the comparison sees real results
}

}  // namespace
