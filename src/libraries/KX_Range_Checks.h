#pragma once
// The range checks of every library, table-driven, and the prefix of every error text. A
// library function lists its checks in order; the first that fails leaves its text and code.
// Water and steam and the Helmholtz fluids take their checks through here.
#include <cstdint>
#include <span>
#include <string>
#include <string_view>

#include "KX_Utils.h"

// One check: value against limit by comparator ("<", "<=", ">" or ">=", the case that is
// rejected), with the quantity, unit and code a failure reports.
struct TKXRangeCheck {
    const char* Comparator;
    double Value;
    double Limit;
    const char* Quantity;
    const char* Unit;
    int32_t Code;
};

// "<library>_<function>", the prefix of every error text of that function.
std::string KXErrorPrefix(std::string_view libraryName, std::string_view functionName);

// True when the value passes for certain, so no text need be built (building it costs more
// than most properties); false for a value that is or may be rejected, NaN included.
constexpr bool KXClearlyPasses(std::string_view comparator, double value, double limit) {
    if (comparator == "<") return value >= limit;
    if (comparator == "<=") return value > limit;
    if (comparator == ">") return value <= limit;
    return false;
}

// One check; on failure the text (RangeCheck's) and the code are set and the result is false.
bool KXCheckRange(std::string_view libraryName, std::string_view functionName,
                  const TKXRangeCheck& check, std::string& errorText, int32_t& errorCode);

// The checks in order; the first that fails sets text and code and gives false.
bool KXPassesRangeChecks(std::string_view libraryName, std::string_view functionName,
                         std::span<const TKXRangeCheck> checks, std::string& errorText,
                         int32_t& errorCode);
