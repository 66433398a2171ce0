#pragma once
// The calling contract of every library function: arguments in standard units, then the error
// text buffer (capacity + 1 bytes), its capacity and the error code output.
#include <cstdint>

using TConstantFunction = double (*)(char* errorText, int32_t capacity, int32_t* errorCode);
using TUnaryFunction = double (*)(double x1, char* errorText, int32_t capacity, int32_t* errorCode);
using TBinaryFunction = double (*)(double x1, double x2, char* errorText, int32_t capacity,
                                   int32_t* errorCode);
using TTernaryFunction = double (*)(double x1, double x2, double x3, char* errorText,
                                    int32_t capacity, int32_t* errorCode);

// The address of one registered function: exactly one member is set.
struct TKXFunctionPtr {
    TConstantFunction Constant = nullptr;
    TUnaryFunction Unary = nullptr;
    TBinaryFunction Binary = nullptr;
    TTernaryFunction Ternary = nullptr;

    bool IsNone() const { return !Constant && !Unary && !Binary && !Ternary; }
};

// Error codes shared by every library.
namespace KXErrorCode {
inline constexpr int32_t Success = 0;
inline constexpr int32_t Failure = 1;
inline constexpr int32_t TemperatureLow = 2;
inline constexpr int32_t TemperatureHigh = 3;
inline constexpr int32_t PressureLow = 4;
inline constexpr int32_t PressureHigh = 5;
inline constexpr int32_t VapourFractionLow = 6;
inline constexpr int32_t VapourFractionHigh = 7;
inline constexpr int32_t EnthalpyLow = 8;
inline constexpr int32_t EnthalpyHigh = 9;
inline constexpr int32_t EntropyLow = 10;
inline constexpr int32_t EntropyHigh = 11;
// Humid air: a humidity argument (humidity ratio, relative humidity) and the altitude of the
// standard atmosphere.
inline constexpr int32_t HumidityLow = 12;
inline constexpr int32_t HumidityHigh = 13;
inline constexpr int32_t AltitudeLow = 14;
inline constexpr int32_t AltitudeHigh = 15;
// The composition argument (a mole fraction) of the binary-pair mixture libraries.
inline constexpr int32_t MoleFractionLow = 16;
inline constexpr int32_t MoleFractionHigh = 17;
inline constexpr int32_t NoConvergence = 26;
inline constexpr int32_t NoSignChange = 103;
inline constexpr int32_t EmptyBracket = 104;
inline constexpr int32_t DensityAboveRange = 107;
}  // namespace KXErrorCode

// One function a library offers for registration: its short name (the part after the library
// name and "_") and its address. Names, arities and quantities come from the shared catalogue of
// function shapes, unless the entry names a shape of its own (where a short name is shared with
// another arity or other arguments: the binary-pair mixtures' PbubT takes a composition too).
struct TKXFunctionShape;
struct TKXLibraryEntry {
    const char* ShortName;
    TKXFunctionPtr Ptr;
    const TKXFunctionShape* Shape = nullptr;
};
