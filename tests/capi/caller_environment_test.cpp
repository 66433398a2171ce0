// What a C caller keeps across every kind of entry point: its sticky floating-point flags, its
// enabled traps (a fault inside the library gives an error code, not SIGFPE) and, for a negative
// capacity, every byte of its error text buffer.
#include <gtest/gtest.h>
#include <unistd.h>

#include <cctype>
#include <cfenv>
#include <cmath>
#include <cstring>
#include <ostream>
#include <string>

#include "CApiCall.h"
#include "varnexa.h"

namespace {

// One call through one entry point; returns its error code and leaves its text in text.
using TRun = int32_t (*)(char* text, int32_t capacity);

struct TCase {
    const char* Name;
    TRun Run;
    bool Fails;  // whether the call reports an error
};

void PrintTo(const TCase& c, std::ostream* os) {
    *os << c.Name;
}

int32_t ByHandle(const char* name, double a, double b, char* text, int32_t capacity) {
    const double args[3] = {a, b, 0.0};  // a third slot for functions of three
    int32_t code = -99;
    varnexa_call(varnexa_find_function(name), args, text, capacity, &code);
    return code;
}

int32_t ByArray(const char* name, double a, double b, char* text, int32_t capacity) {
    const double p[2] = {a, 10.0}, t[1] = {b};
    const double* args[2] = {p, t};
    const int64_t strides[2] = {1, 0};
    double values[2];
    int32_t codes[2];
    const int64_t failed = varnexa_call_array(varnexa_find_function(name), 2, args, strides, values,
                                              codes, text, capacity);
    return failed == 0 ? 0 : codes[0];
}

// The faults inside: specific volume overflowing at a subnormal pressure, argon at zero pressure,
// a NaN temperature in the range checks; and the same entry points succeeding.
const TCase kCases[] = {
    {"exported function, overflow",
     [](char* text, int32_t capacity) {
         int32_t code = -99;
         KX_WS_IF97_VPT(1e-320, 25.0, text, capacity, &code);
         return code;
     },
     true},
    {"exported function, success",
     [](char* text, int32_t capacity) {
         int32_t code = -99;
         KX_WS_IF97_VPT(1.0, 25.0, text, capacity, &code);
         return code;
     },
     false},
    {"handle, zero pressure",
     [](char* text, int32_t capacity) {
         return ByHandle("KX_Ar_FE_DPT", 0.0, 25.0, text, capacity);
     },
     true},
    {"handle, NaN temperature",
     [](char* text, int32_t capacity) {
         return ByHandle("KX_WS_IF97_HPT", 10.0, NAN, text, capacity);
     },
     true},
    {"handle, success",
     [](char* text, int32_t capacity) {
         return ByHandle("KX_WS_IF97_HPT", 10.0, 200.0, text, capacity);
     },
     false},
    {"NULL handle",
     [](char* text, int32_t capacity) {
         int32_t code = -99;
         varnexa_call(nullptr, nullptr, text, capacity, &code);
         return code;
     },
     true},
    {"array, overflow",
     [](char* text, int32_t capacity) {
         return ByArray("KX_WS_IF97_VPT", 1e-320, 25.0, text, capacity);
     },
     true},
    {"array, success",
     [](char* text, int32_t capacity) {
         return ByArray("KX_WS_IF97_VPT", 1.0, 25.0, text, capacity);
     },
     false},
    {"array, invalid call",
     [](char* text, int32_t capacity) {
         double value;
         int32_t code;
         return static_cast<int32_t>(varnexa_call_array(varnexa_find_function("KX_WS_IF97_VPT"), 1,
                                                        nullptr, nullptr, &value, &code, text,
                                                        capacity));
     },
     true},
    {"conversion of NaN",
     [](char*, int32_t) {
         double result;
         return varnexa_convert(nullptr, "°C", "K", NAN, &result);
     },
     true},
};

constexpr int kTraps = FE_INVALID | FE_DIVBYZERO | FE_OVERFLOW;

class CApiCaller : public testing::TestWithParam<TCase> {};

TEST_P(CApiCaller, KeepsTheStickyFlags) {
    const TCase& c = GetParam();
    for (const int before : {0, FE_ALL_EXCEPT, FE_INEXACT | FE_UNDERFLOW, FE_INVALID}) {
        char text[VARNEXA_TEXT_CAPACITY + 1];
        std::feclearexcept(FE_ALL_EXCEPT);
        std::feraiseexcept(before);
        const int32_t code = c.Run(text, VARNEXA_TEXT_CAPACITY);
        const int after = std::fetestexcept(FE_ALL_EXCEPT);
        std::feclearexcept(FE_ALL_EXCEPT);
        EXPECT_EQ(after, before) << "flags set before: " << before;
        EXPECT_EQ(code != 0, c.Fails) << text;
    }
}

// A host that traps the faults the library detects: the call reports them, and the host's traps
// are still enabled afterwards. Run in a child process, which SIGFPE would kill.
TEST_P(CApiCaller, MasksTheCallersTrapsDuringTheCall) {
    const TCase& c = GetParam();
    EXPECT_EXIT(
        {
            feenableexcept(kTraps);
            char text[VARNEXA_TEXT_CAPACITY + 1];
            const bool reported = (c.Run(text, VARNEXA_TEXT_CAPACITY) != 0) == c.Fails;
            _exit(reported && fegetexcept() == kTraps ? 0 : 1);
        },
        testing::ExitedWithCode(0), "");
}

// A negative capacity leaves no room in the buffer, not even for the NUL.
TEST_P(CApiCaller, WritesNoTextForANegativeCapacity) {
    const TCase& c = GetParam();
    for (const int32_t capacity : {-1, INT32_MIN}) {
        char text[8];
        std::memset(text, '#', sizeof text);
        c.Run(text, capacity);
        EXPECT_EQ(std::string(text, sizeof text), std::string(sizeof text, '#')) << capacity;
    }
}

// The guard itself, with faults in both units: x87 (long double) and SSE (double). Library code
// rarely touches the x87 unit, so only this test reaches the guard's x87 restoring path.
void FaultInBothUnits() {
    const varnexa_capi::TCallerEnvironment environment;
    volatile long double zeroL = 0.0L;
    volatile long double quotientL = 1.0L / zeroL;
    volatile double zero = 0.0;
    volatile double quotient = zero / zero;
    (void)quotientL;
    (void)quotient;
}

TEST(CApiCallerEnvironment, PutsBackWhatAFaultInEitherUnitChanged) {
    for (const int before : {0, FE_ALL_EXCEPT, FE_OVERFLOW}) {
        std::feclearexcept(FE_ALL_EXCEPT);
        std::feraiseexcept(before);
        FaultInBothUnits();
        EXPECT_EQ(std::fetestexcept(FE_ALL_EXCEPT), before);
    }
    std::feclearexcept(FE_ALL_EXCEPT);
    EXPECT_EXIT(
        {
            feenableexcept(kTraps);
            FaultInBothUnits();
            FaultInBothUnits();
            _exit(fegetexcept() == kTraps ? 0 : 1);
        },
        testing::ExitedWithCode(0), "");
}

INSTANTIATE_TEST_SUITE_P(EntryPoints, CApiCaller, testing::ValuesIn(kCases),
                         [](const testing::TestParamInfo<TCase>& info) {
                             std::string name;
                             for (const char* p = info.param.Name; *p; ++p)
                                 if (std::isalnum(static_cast<unsigned char>(*p))) name += *p;
                             return name;
                         });

}  // namespace
