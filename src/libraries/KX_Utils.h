#pragma once
// Range checks and error texts shared by every library, and the guard that turns arithmetic
// faults inside a library function into error code 1.
#include <cstdint>
#include <string>
#include <string_view>

#include "KX_FloatingPoint.h"
#include "KX_Function_Types.h"

// Maximum length of every text that crosses the library interface.
inline constexpr std::size_t KXMaxTextLength = 255;

// Returns the longest prefix of text of at most maxBytes bytes that does not split a UTF-8
// character.
std::string CutUtf8(std::string_view text, std::size_t maxBytes);

// Compares Value against Limit with one of ">", ">=", "<", "<=" (the case that is rejected)
// and returns the complete error text, or "" when the value passes. A NaN value or limit is
// rejected with the "Unknown error during Range Checking." text.
std::string RangeCheck(std::string_view comparator, std::string_view libraryName,
                       std::string_view functionName, double value, double limit,
                       std::string_view quantityName, std::string_view unitName);

// Replaces everything up to the last ";" of message by prefix + ";", cut to capacity.
void RewriteErrorMessage(std::string& message, int32_t capacity, std::string_view prefix);

// Limit text of a range-check message: fixed with 3 decimals, more where 3 would hide the
// digits that decide (to 6 significant digits), or %.6G-style with at least 3 exponent digits
// when the limit has more than 6 integer digits or is below 1e-9.
std::string FormatLimit(double limit);

// Copies text into a caller's buffer of capacity + 1 bytes, cut without splitting a character.
void CopyErrorText(std::string_view text, char* errorText, int32_t capacity);

// "<library>_<function>; Unknown error."
std::string UnknownErrorText(std::string_view libraryName, std::string_view functionName);

// The contract's answer after the body: a code and text of the body's, or code 1 with
// "<library>_<function>; Unknown error." for a fault (faulted), the result or 0.
double FinishLibraryFunction(std::string_view libraryName, std::string_view functionName,
                             char* errorText, int32_t capacity, int32_t* errorCode, double result,
                             std::string& text, int32_t code, bool faulted);

// Runs one library function body under the contract every entry point follows: the outputs are
// cleared, the body computes with a std::string text and an int code, and an arithmetic fault,
// a non-finite result or an exception becomes code 1 with "<library>_<function>; Unknown
// error.". A non-zero code from the body returns 0 with the body's text.
// Body: double(std::string& text, int32_t& code).
template <class Body>
double RunLibraryFunction(std::string_view libraryName, std::string_view functionName,
                          char* errorText, int32_t capacity, int32_t* errorCode, Body&& body) {
    std::string text;
    int32_t code = KXErrorCode::Success;
    double result = 0.0;
    bool faulted = false;
    try {
        // The fault flags are read once, after the body: reading them waits for every pending
        // floating-point operation, which costs as much as a short function. Flags found set
        // may be left from before the call; then the body runs again from clear flags.
        result = body(text, code);
        const bool raised = kxfp::Raised();
        if (code == KXErrorCode::Success && !raised && std::isfinite(result)) [[likely]] {
            // The common answer, written here: the rest is out of line.
            if (errorCode) *errorCode = KXErrorCode::Success;
            if (errorText && capacity >= 0) *errorText = '\0';
            return result;
        }
        if (raised) {
            kxfp::Clear();
            text.clear();
            code = KXErrorCode::Success;
            result = body(text, code);
            faulted = code == KXErrorCode::Success && kxfp::Raised();
        }
        faulted = faulted || (code == KXErrorCode::Success && !std::isfinite(result));
    } catch (...) {
        faulted = true;
    }
    return FinishLibraryFunction(libraryName, functionName, errorText, capacity, errorCode, result,
                                 text, code, faulted);
}
