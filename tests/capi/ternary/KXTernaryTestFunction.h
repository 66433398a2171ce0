#pragma once
// What the test library's function of three arguments answers (KXTernaryTestLibrary.h), for the
// tests that see it only through an interface. Its value weighs the arguments differently, so one
// read from the wrong place or with the wrong stride shows; a negative third argument fails with
// a code and a text, as a library function does.
#include <cstdint>

namespace kxtest {

inline constexpr const char* TernaryLibraryName = "KX_TEST_X3";
inline constexpr const char* TernaryDisplayName = "x3 test";
inline constexpr const char* TernaryFunctionName = "KX_TEST_X3_HPTX";
inline constexpr const char* TernaryFailureText =
    "KX_TEST_X3_HPTX; Vapor fraction lower than minimum value of 0.000.";
inline constexpr int32_t TernaryFailureCode = 6;  // vapour fraction too low

// The value for x3 >= 0.
inline double TernaryValue(double x1, double x2, double x3) {
    return x1 + 10.0 * x2 + 100.0 * x3;
}

}  // namespace kxtest
