#pragma once
// Results of the humid-air models: a value in the program's units, or the reason it could not be
// computed. The models know nothing of library names; a library entry point turns a failure
// into its code and its "<library>_<function>; <reason>" text with HAErrorText.
#include <cstdint>
#include <string>
#include <string_view>

#include "KX_Function_Types.h"

namespace ha {

// The codes of humidity arguments (humidity ratio, relative humidity) and of the altitude of the
// standard atmosphere, from the shared list.
namespace THACode {
inline constexpr int32_t HumidityLow = KXErrorCode::HumidityLow;
inline constexpr int32_t HumidityHigh = KXErrorCode::HumidityHigh;
inline constexpr int32_t AltitudeLow = KXErrorCode::AltitudeLow;
inline constexpr int32_t AltitudeHigh = KXErrorCode::AltitudeHigh;
}  // namespace THACode

// Why a value is missing. A range failure names the argument (Quantity, Unit), the rejected
// comparison and the limit it broke, so the text is the shared range-check text; any other
// failure carries a fixed Message (without the final full stop).
struct THAStatus {
    int32_t Code = KXErrorCode::Success;
    const char* Quantity = nullptr;
    const char* Comparator = nullptr;  // "<", "<=", ">", ">=": the case that was rejected
    double Value = 0.0;
    double Limit = 0.0;
    const char* Unit = nullptr;
    const char* Message = nullptr;

    bool Ok() const { return Code == KXErrorCode::Success; }
};

struct THAValue {
    double Value = 0.0;
    THAStatus Status;

    bool Ok() const { return Status.Ok(); }
};

// A failed range check: value against limit with the rejected comparison.
THAStatus RangeFailure(int32_t code, const char* quantity, const char* comparator, double value,
                       double limit, const char* unit);
THAStatus OtherFailure(int32_t code, const char* message);

inline THAValue Fail(const THAStatus& status) {
    return {0.0, status};
}

// Checks value against [low, high] (both limits accepted) and fills status on failure.
bool InRange(double value, double low, double high, int32_t codeLow, int32_t codeHigh,
             const char* quantity, const char* unit, THAStatus& status);

// The reason alone ("Temperature lower than minimum value of -143.150 °C.").
std::string HAReasonText(const THAStatus& status);
// "<library>_<function>; <reason>" for a failure, "" for success.
std::string HAErrorText(std::string_view libraryName, std::string_view functionName,
                        const THAStatus& status);

}  // namespace ha
