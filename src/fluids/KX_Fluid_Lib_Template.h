#pragma once
// Building blocks of a fluid library file. Every library function of a fluid has the library
// function contract (arguments in standard units, error text buffer, capacity, error code) and
// forwards to the method of the same short name on the fluid's one program-wide object; the
// entry-point guard (RunLibraryFunction) clears the outputs, copies the text into the caller's
// buffer and turns arithmetic faults into code 1 "<library>_<function>; Unknown error.".
//
// A fluid library file (for ammonia, with accessor NH3Fluid()):
//
//   // KX_NH3_FE_Lib.h
//   KX_FLUID_DECLARE_SHARED_FUNCTIONS(KX_NH3_FE)
//   KX_FLUID_DECLARE_UNARY(KX_NH3_FE, STT)
//   KX_FLUID_DECLARE_BINARY(KX_NH3_FE, TCPT)
//   KX_FLUID_DECLARE_CONSTANT_FUNCTIONS(KX_NH3_FE)
//   std::span<const TKXLibraryEntry> KX_NH3_FE_Entries();
//
//   // KX_NH3_FE_Lib.cpp
//   KX_FLUID_SHARED_FUNCTIONS(KX_NH3_FE, NH3Fluid)     // PsatT ... WPT
//   KX_FLUID_UNARY(KX_NH3_FE, NH3Fluid, STT)           // a fluid-specific method
//   KX_FLUID_PLACEHOLDER(KX_NH3_FE, TCPT)              // a quantity the fluid does not model
//   KX_FLUID_CONSTANT_FUNCTIONS(KX_NH3_FE, NH3Fluid)   // MM, Pc, Tc, Pt, Tt
//   std::span<const TKXLibraryEntry> KX_NH3_FE_Entries() {
//       static constexpr TKXLibraryEntry entries[] = {
//           KX_FLUID_SHARED_ENTRIES(KX_NH3_FE),
//           KX_FLUID_ENTRY_UNARY(KX_NH3_FE, STT),
//           KX_FLUID_ENTRY_BINARY(KX_NH3_FE, TCPT),
//           KX_FLUID_CONSTANT_ENTRIES(KX_NH3_FE)};
//       return entries;
//   }
//
// LIB is the library name as an identifier (it must equal the fluid's Code); FLUID names the
// accessor that returns the fluid object. Shared functions need only the base class, so FLUID
// may return the concrete fluid class or the base.
#include <cstdint>
#include <span>
#include <string>
#include <string_view>

#include "KX_Function_List.h"
#include "KX_Function_Types.h"
#include "KX_Utils.h"

namespace kxfluidlib {

// A function the fluid does not model: code 1 and "<library>_<function>; Not available for this
// fluid.", result 0, so no fixed number is ever shown as a property value.
inline double NotAvailable(std::string_view libraryName, std::string_view functionName,
                           char* errorText, int32_t capacity, int32_t* errorCode) {
    const std::string text = std::string(libraryName) + "_" + std::string(functionName) +
                             "; Not available for this fluid.";
    if (errorCode) *errorCode = KXErrorCode::Failure;
    if (errorText) CopyErrorText(CutUtf8(text, KXMaxTextLength), errorText, capacity);
    return 0.0;
}

}  // namespace kxfluidlib

// ---- Declarations (library header) ----
#define KX_FLUID_DECLARE_CONSTANT(LIB, NAME) KX_FUNCTION_DECLARE_0(LIB, NAME)
#define KX_FLUID_DECLARE_UNARY(LIB, NAME) KX_FUNCTION_DECLARE_1(LIB, NAME)
#define KX_FLUID_DECLARE_BINARY(LIB, NAME) KX_FUNCTION_DECLARE_2(LIB, NAME)

// ---- Definitions (library source) ----
#define KX_FLUID_CONSTANT(LIB, FLUID, NAME)                                             \
    double LIB##_##NAME(char* errorText, int32_t capacity, int32_t* errorCode) {        \
        return RunLibraryFunction(                                                      \
            #LIB, #NAME, errorText, capacity, errorCode,                                \
            [](std::string& text, int32_t& code) { return FLUID().NAME(text, code); }); \
    }
#define KX_FLUID_UNARY(LIB, FLUID, NAME)                                                      \
    double LIB##_##NAME(double x1, char* errorText, int32_t capacity, int32_t* errorCode) {   \
        return RunLibraryFunction(                                                            \
            #LIB, #NAME, errorText, capacity, errorCode,                                      \
            [x1](std::string& text, int32_t& code) { return FLUID().NAME(x1, text, code); }); \
    }
#define KX_FLUID_BINARY(LIB, FLUID, NAME)                                        \
    double LIB##_##NAME(double x1, double x2, char* errorText, int32_t capacity, \
                        int32_t* errorCode) {                                    \
        return RunLibraryFunction(#LIB, #NAME, errorText, capacity, errorCode,   \
                                  [x1, x2](std::string& text, int32_t& code) {   \
                                      return FLUID().NAME(x1, x2, text, code);   \
                                  });                                            \
    }
#define KX_FLUID_PLACEHOLDER(LIB, NAME)                                                          \
    double LIB##_##NAME(double, double, char* errorText, int32_t capacity, int32_t* errorCode) { \
        return kxfluidlib::NotAvailable(#LIB, #NAME, errorText, capacity, errorCode);            \
    }

// A function computed by a free function FUNC(fluid, arguments..., text, code) instead of a
// method of the fluid object (the transport functions of KX_Transport_PT.h).
#define KX_FLUID_FREE_UNARY(LIB, FLUID, NAME, FUNC)                                            \
    double LIB##_##NAME(double x1, char* errorText, int32_t capacity, int32_t* errorCode) {    \
        return RunLibraryFunction(                                                             \
            #LIB, #NAME, errorText, capacity, errorCode,                                       \
            [x1](std::string& text, int32_t& code) { return FUNC(FLUID(), x1, text, code); }); \
    }
#define KX_FLUID_FREE_BINARY(LIB, FLUID, NAME, FUNC)                             \
    double LIB##_##NAME(double x1, double x2, char* errorText, int32_t capacity, \
                        int32_t* errorCode) {                                    \
        return RunLibraryFunction(#LIB, #NAME, errorText, capacity, errorCode,   \
                                  [x1, x2](std::string& text, int32_t& code) {   \
                                      return FUNC(FLUID(), x1, x2, text, code);  \
                                  });                                            \
    }

// ---- Registration entries ----
#define KX_FLUID_ENTRY_CONSTANT(LIB, NAME) KX_FUNCTION_ENTRY_0(LIB, NAME)
#define KX_FLUID_ENTRY_UNARY(LIB, NAME) KX_FUNCTION_ENTRY_1(LIB, NAME)
#define KX_FLUID_ENTRY_BINARY(LIB, NAME) KX_FUNCTION_ENTRY_2(LIB, NAME)

// A definition forwarding to the method of the same name, by the arity of the list's row.
#define KX_FLUID_DEFINE_0(LIB, FLUID, NAME) KX_FLUID_CONSTANT(LIB, FLUID, NAME)
#define KX_FLUID_DEFINE_1(LIB, FLUID, NAME) KX_FLUID_UNARY(LIB, FLUID, NAME)
#define KX_FLUID_DEFINE_2(LIB, FLUID, NAME) KX_FLUID_BINARY(LIB, FLUID, NAME)
// LIB_FLUID is the pair (LIB, FLUID), so the list's one library argument carries both.
#define KX_FLUID_DEFINE_ROW(LIB_FLUID, NAME, ARITY, ...) \
    KX_FLUID_DEFINE_ROW_(KX_FLUID_DEFINE_##ARITY, NAME, KX_FLUID_UNPAIR LIB_FLUID)
#define KX_FLUID_UNPAIR(LIB, FLUID) LIB, FLUID
#define KX_FLUID_DEFINE_ROW_(DEFINE, NAME, ...) KX_FLUID_DEFINE_CALL_(DEFINE, NAME, __VA_ARGS__)
#define KX_FLUID_DEFINE_CALL_(DEFINE, NAME, LIB, FLUID) DEFINE(LIB, FLUID, NAME)

// ---- The functions every fluid library has: PsatT ... WPT (registered first) ----
#define KX_FLUID_DECLARE_SHARED_FUNCTIONS(LIB) KX_DECLARE_FUNCTIONS(KX_FUNCTIONS_SHARED, LIB)
#define KX_FLUID_SHARED_FUNCTIONS(LIB, FLUID) \
    KX_FUNCTIONS_SHARED(KX_FLUID_DEFINE_ROW, (LIB, FLUID), KX_FUNCTION_SEP_NONE)
#define KX_FLUID_SHARED_ENTRIES(LIB) KX_FUNCTION_ENTRIES(KX_FUNCTIONS_SHARED, LIB)

// ---- The constants every fluid library has: MM, Pc, Tc, Pt, Tt (registered last) ----
#define KX_FLUID_DECLARE_CONSTANT_FUNCTIONS(LIB) KX_DECLARE_FUNCTIONS(KX_FUNCTIONS_CONSTANTS, LIB)
#define KX_FLUID_CONSTANT_FUNCTIONS(LIB, FLUID) \
    KX_FUNCTIONS_CONSTANTS(KX_FLUID_DEFINE_ROW, (LIB, FLUID), KX_FUNCTION_SEP_NONE)
#define KX_FLUID_CONSTANT_ENTRIES(LIB) KX_FUNCTION_ENTRIES(KX_FUNCTIONS_CONSTANTS, LIB)

// ---- The transport block appended after the constants: DVPT, KVPT, TCPT, PrPT, STT ----
// BOUND is a TBoundTransport<&model> (KX_Transport_PT.h).
#define KX_FLUID_DECLARE_TRANSPORT_FUNCTIONS(LIB) \
    KX_FLUID_DECLARE_BINARY(LIB, DVPT)            \
    KX_FLUID_DECLARE_BINARY(LIB, KVPT)            \
    KX_FLUID_DECLARE_BINARY(LIB, TCPT)            \
    KX_FLUID_DECLARE_BINARY(LIB, PrPT) KX_FLUID_DECLARE_UNARY(LIB, STT)

#define KX_FLUID_TRANSPORT_FUNCTIONS(LIB, FLUID, BOUND) \
    KX_FLUID_FREE_BINARY(LIB, FLUID, DVPT, BOUND::DVPT) \
    KX_FLUID_FREE_BINARY(LIB, FLUID, KVPT, BOUND::KVPT) \
    KX_FLUID_FREE_BINARY(LIB, FLUID, TCPT, BOUND::TCPT) \
    KX_FLUID_FREE_BINARY(LIB, FLUID, PrPT, BOUND::PrPT) \
    KX_FLUID_FREE_UNARY(LIB, FLUID, STT, BOUND::STT)

#define KX_FLUID_TRANSPORT_ENTRIES(LIB)                                     \
    KX_FLUID_ENTRY_BINARY(LIB, DVPT), KX_FLUID_ENTRY_BINARY(LIB, KVPT),     \
        KX_FLUID_ENTRY_BINARY(LIB, TCPT), KX_FLUID_ENTRY_BINARY(LIB, PrPT), \
        KX_FLUID_ENTRY_UNARY(LIB, STT)

// ---- Appended by a blend library: PbubT, PdewT, TbubP, TdewP, TglideP, PTX ----
#define KX_FLUID_DECLARE_BLEND_FUNCTIONS(LIB) KX_DECLARE_FUNCTIONS(KX_FUNCTIONS_BLEND, LIB)
#define KX_FLUID_BLEND_FUNCTIONS(LIB, FLUID) \
    KX_FUNCTIONS_BLEND(KX_FLUID_DEFINE_ROW, (LIB, FLUID), KX_FUNCTION_SEP_NONE)
#define KX_FLUID_BLEND_ENTRIES(LIB) KX_FUNCTION_ENTRIES(KX_FUNCTIONS_BLEND, LIB)
