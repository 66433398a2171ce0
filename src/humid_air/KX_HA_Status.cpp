#include "KX_HA_Status.h"

#include <cmath>

#include "KX_Range_Checks.h"
#include "KX_Utils.h"

namespace ha {

THAStatus RangeFailure(int32_t code, const char* quantity, const char* comparator, double value,
                       double limit, const char* unit) {
    THAStatus status;
    status.Code = code;
    status.Quantity = quantity;
    status.Comparator = comparator;
    status.Value = value;
    status.Limit = limit;
    status.Unit = unit;
    return status;
}

THAStatus OtherFailure(int32_t code, const char* message) {
    THAStatus status;
    status.Code = code;
    status.Message = message;
    return status;
}

bool InRange(double value, double low, double high, int32_t codeLow, int32_t codeHigh,
             const char* quantity, const char* unit, THAStatus& status) {
    // NaN fails the first comparison and is reported through the low check (the range-check text
    // then says "Unknown error during Range Checking.").
    if (!(value >= low)) {
        status = RangeFailure(codeLow, quantity, "<", value, low, unit);
        return false;
    }
    if (value > high) {
        status = RangeFailure(codeHigh, quantity, ">", value, high, unit);
        return false;
    }
    return true;
}

std::string HAErrorText(std::string_view libraryName, std::string_view functionName,
                        const THAStatus& status) {
    if (status.Ok()) return "";
    if (status.Comparator) {
        const std::string text =
            RangeCheck(status.Comparator, libraryName, functionName, status.Value, status.Limit,
                       status.Quantity ? status.Quantity : "", status.Unit ? status.Unit : "");
        if (!text.empty()) return text;
    }
    if (status.Message)
        return CutUtf8(KXErrorPrefix(libraryName, functionName) + "; " + status.Message + ".",
                       KXMaxTextLength);
    return UnknownErrorText(libraryName, functionName);
}

std::string HAReasonText(const THAStatus& status) {
    const std::string text = HAErrorText("", "", status);
    const std::size_t cut = text.find("; ");
    return cut == std::string::npos ? text : text.substr(cut + 2);
}

}  // namespace ha
