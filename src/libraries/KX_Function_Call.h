#pragma once
// The one way to call a registered function: by the arity of its address, for one state or for
// an array of states. The controller, the command line, the explorer, the C interface, the tests
// and the benchmarks all call through here.
#include <cstdint>
#include <cstring>

#include "KX_Function_Types.h"

// Number of arguments of a registered address: 0 to 3, or -1 for none.
inline int KXArity(const TKXFunctionPtr& f) {
    if (f.Constant) return 0;
    if (f.Unary) return 1;
    if (f.Binary) return 2;
    if (f.Ternary) return 3;
    return -1;
}

// Calls f with as many of args as its arity takes. An empty address gives code 1, value 0 and an
// empty text.
inline double KXCallFunction(const TKXFunctionPtr& f, const double* args, char* errorText,
                             int32_t capacity, int32_t* errorCode) {
    if (f.Constant) return f.Constant(errorText, capacity, errorCode);
    if (f.Unary) return f.Unary(args[0], errorText, capacity, errorCode);
    if (f.Binary) return f.Binary(args[0], args[1], errorText, capacity, errorCode);
    if (f.Ternary) return f.Ternary(args[0], args[1], args[2], errorText, capacity, errorCode);
    if (errorCode) *errorCode = 1;
    if (errorText && capacity >= 0) errorText[0] = '\0';
    return 0.0;
}

namespace kxcall {

// n states of one arity: argument k of state i is args[k][i * strides[k]] (strides nullptr: 1).
// A failed state gets value 0; the text of the first failure goes to firstText (capacity + 1
// bytes) through copyText. Returns the number of failed states.
template <int Arity, class CopyText>
int64_t CallStates(const TKXFunctionPtr& f, int64_t n, const double* const* args,
                   const int64_t* strides, double* values, int32_t* codes, CopyText&& copyText) {
    constexpr int32_t kTextCapacity = 255;
    char text[kTextCapacity + 1];
    int64_t failures = 0;
    const int64_t s1 = Arity >= 1 ? (strides ? strides[0] : 1) : 0;
    const int64_t s2 = Arity >= 2 ? (strides ? strides[1] : 1) : 0;
    const int64_t s3 = Arity >= 3 ? (strides ? strides[2] : 1) : 0;
    for (int64_t i = 0; i < n; ++i) {
        int32_t code = 0;
        double value;
        if constexpr (Arity == 0) {
            value = f.Constant(text, kTextCapacity, &code);
        } else if constexpr (Arity == 1) {
            value = f.Unary(args[0][i * s1], text, kTextCapacity, &code);
        } else if constexpr (Arity == 2) {
            value = f.Binary(args[0][i * s1], args[1][i * s2], text, kTextCapacity, &code);
        } else {
            value = f.Ternary(args[0][i * s1], args[1][i * s2], args[2][i * s3], text,
                              kTextCapacity, &code);
        }
        if (code != 0) {
            value = 0.0;
            if (failures++ == 0) copyText(static_cast<const char*>(text));
        }
        values[i] = value;
        codes[i] = code;
    }
    return failures;
}

}  // namespace kxcall

// f over n states (see kxcall::CallStates); copyText(const char*) receives the first failure's
// text. Returns the number of failed states, or -1 for an empty address.
template <class CopyText>
int64_t KXCallFunctionArray(const TKXFunctionPtr& f, int64_t n, const double* const* args,
                            const int64_t* strides, double* values, int32_t* codes,
                            CopyText&& copyText) {
    switch (KXArity(f)) {
        case 0:
            return kxcall::CallStates<0>(f, n, args, strides, values, codes, copyText);
        case 1:
            return kxcall::CallStates<1>(f, n, args, strides, values, codes, copyText);
        case 2:
            return kxcall::CallStates<2>(f, n, args, strides, values, codes, copyText);
        case 3:
            return kxcall::CallStates<3>(f, n, args, strides, values, codes, copyText);
        default:
            return -1;
    }
}
