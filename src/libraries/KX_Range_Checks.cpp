#include "KX_Range_Checks.h"

std::string KXErrorPrefix(std::string_view libraryName, std::string_view functionName) {
    return std::string(libraryName) + "_" + std::string(functionName);
}

bool KXCheckRange(std::string_view libraryName, std::string_view functionName,
                  const TKXRangeCheck& check, std::string& errorText, int32_t& errorCode) {
    if (KXClearlyPasses(check.Comparator, check.Value, check.Limit)) return true;
    errorText = RangeCheck(check.Comparator, libraryName, functionName, check.Value, check.Limit,
                           check.Quantity, check.Unit);
    if (errorText.empty()) return true;
    errorCode = check.Code;
    return false;
}

bool KXPassesRangeChecks(std::string_view libraryName, std::string_view functionName,
                         std::span<const TKXRangeCheck> checks, std::string& errorText,
                         int32_t& errorCode) {
    for (const TKXRangeCheck& check : checks)
        if (!KXCheckRange(libraryName, functionName, check, errorText, errorCode)) return false;
    return true;
}
