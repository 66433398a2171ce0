#pragma once
// The library function contract around a method of a mixture library object, for the entry
// points of the blend and the pair libraries: Code() names the library in error texts, Object()
// gives the object (created at its first use, inside the contract), Method its function, called
// with the function's short name, the arguments, the text and the code.
#include <cstdint>
#include <string>

#include "KX_Utils.h"

template <auto Code, auto Object, const char* Name, auto Method>
struct TKXMixtureEntry {
    static double Constant(char* errorText, int32_t capacity, int32_t* errorCode) {
        return RunLibraryFunction(
            Code(), Name, errorText, capacity, errorCode,
            [](std::string& text, int32_t& code) { return (Object().*Method)(Name, text, code); });
    }
    static double Unary(double x1, char* errorText, int32_t capacity, int32_t* errorCode) {
        return RunLibraryFunction(Code(), Name, errorText, capacity, errorCode,
                                  [x1](std::string& text, int32_t& code) {
                                      return (Object().*Method)(Name, x1, text, code);
                                  });
    }
    static double Binary(double x1, double x2, char* errorText, int32_t capacity,
                         int32_t* errorCode) {
        return RunLibraryFunction(Code(), Name, errorText, capacity, errorCode,
                                  [x1, x2](std::string& text, int32_t& code) {
                                      return (Object().*Method)(Name, x1, x2, text, code);
                                  });
    }
    static double Ternary(double x1, double x2, double x3, char* errorText, int32_t capacity,
                          int32_t* errorCode) {
        return RunLibraryFunction(Code(), Name, errorText, capacity, errorCode,
                                  [x1, x2, x3](std::string& text, int32_t& code) {
                                      return (Object().*Method)(Name, x1, x2, x3, text, code);
                                  });
    }
};
