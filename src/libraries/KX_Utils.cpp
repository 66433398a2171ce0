#include "KX_Utils.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

#include "KX_Range_Checks.h"

namespace {
// Relative distance from the limit below which a limit text is exact enough.
constexpr double LimitTextTolerance = 5e-7;
}  // namespace

std::string CutUtf8(std::string_view text, std::size_t maxBytes) {
    if (text.size() <= maxBytes) return std::string(text);
    std::size_t end = maxBytes;
    // Step back over continuation bytes (10xxxxxx) so the cut lands on a character start.
    while (end > 0 && (static_cast<unsigned char>(text[end]) & 0xC0) == 0x80) --end;
    return std::string(text.substr(0, end));
}

std::string FormatLimit(double limit) {
    char buffer[64];
    if (std::fabs(limit) >= 1e6 || (limit != 0.0 && std::fabs(limit) < 1e-9)) {
        // General format, precision 6, no "+" and at least 3 exponent digits (the C library
        // writes a sign and 2).
        std::snprintf(buffer, sizeof buffer, "%.6G", limit);
        std::string text(buffer);
        const auto e = text.find('E');
        if (e != std::string::npos) {
            std::size_t digits = e + 1;
            if (digits < text.size() && text[digits] == '+') text.erase(digits, 1);
            if (digits < text.size() && text[digits] == '-') ++digits;
            const std::size_t count = text.size() - digits;
            if (count < 3) text.insert(digits, 3 - count, '0');
        }
        return text;
    }
    // Three decimals, and more where they would hide the digits that decide a rejection
    // (a triple-point pressure of 0.00611657 bar is not "0.006"): as many as bring the text
    // within 5e-7 of the limit, relative, which 6 significant digits always do.
    for (int decimals = 3;; ++decimals) {
        std::snprintf(buffer, sizeof buffer, "%.*f", decimals, limit);
        if (decimals >= 15 || std::fabs(std::strtod(buffer, nullptr) - limit) <=
                                  LimitTextTolerance * std::fabs(limit))
            return buffer;
    }
}

std::string RangeCheck(std::string_view comparator, std::string_view libraryName,
                       std::string_view functionName, double value, double limit,
                       std::string_view quantityName, std::string_view unitName) {
    // Built only for a text: a passing check (nearly every call) allocates nothing.
    auto prefix = [&] { return KXErrorPrefix(libraryName, functionName); };
    try {
        // NaN compares false with everything, so it would pass every check: reject it instead.
        if (std::isnan(value) || std::isnan(limit))
            return CutUtf8(prefix() + "; Unknown error during Range Checking.", KXMaxTextLength);
        const char* phrase = nullptr;
        bool rejected = false;
        if (comparator == ">") {
            rejected = value > limit;
            phrase = " higher than maximum value of ";
        } else if (comparator == ">=") {
            rejected = value >= limit;
            phrase = " higher than or equal to maximum value of ";
        } else if (comparator == "<") {
            rejected = value < limit;
            phrase = " lower than minimum value of ";
        } else if (comparator == "<=") {
            rejected = value <= limit;
            phrase = " lower than or equal to minimum value of ";
        } else {
            return CutUtf8(prefix() + "; " + std::string(quantityName) + "; wrong limit specifier.",
                           KXMaxTextLength);
        }
        if (!rejected) return "";
        return CutUtf8(prefix() + "; " + std::string(quantityName) + phrase + FormatLimit(limit) +
                           " " + std::string(unitName) + ".",
                       KXMaxTextLength);
    } catch (...) {
        return CutUtf8(prefix() + "; Unknown error during Range Checking.", KXMaxTextLength);
    }
}

void RewriteErrorMessage(std::string& message, int32_t capacity, std::string_view prefix) {
    const std::size_t limit =
        capacity < 0 ? 0
                     : std::min<std::size_t>(static_cast<std::size_t>(capacity), KXMaxTextLength);
    try {
        // One form for every text: "<prefix>; <reason>", whatever blanks the inner text had; a
        // failure without a reason is an unknown error.
        const auto last = message.rfind(';');
        if (last != std::string::npos) message.erase(0, last + 1);
        const auto first = message.find_first_not_of(' ');
        message = first == std::string::npos ? "Unknown error." : message.substr(first);
        message = CutUtf8(std::string(prefix) + "; " + message, limit);
    } catch (...) {
        message =
            CutUtf8(std::string(prefix) + "; Error during rewriting of Error Message.", limit);
    }
}

void CopyErrorText(std::string_view text, char* errorText, int32_t capacity) {
    // A negative capacity leaves no room even for the terminating NUL.
    if (!errorText || capacity < 0) return;
    if (text.empty()) {  // the common case, without building a copy
        errorText[0] = '\0';
        return;
    }
    const std::size_t limit = static_cast<std::size_t>(capacity);
    const std::string cut = CutUtf8(text, limit);
    cut.copy(errorText, cut.size());
    errorText[cut.size()] = '\0';
}

std::string UnknownErrorText(std::string_view libraryName, std::string_view functionName) {
    return CutUtf8(KXErrorPrefix(libraryName, functionName) + "; Unknown error.", KXMaxTextLength);
}

double FinishLibraryFunction(std::string_view libraryName, std::string_view functionName,
                             char* errorText, int32_t capacity, int32_t* errorCode, double result,
                             std::string& text, int32_t code, bool faulted) {
    if (faulted) {
        text = UnknownErrorText(libraryName, functionName);
        code = KXErrorCode::Failure;
    }
    if (code != KXErrorCode::Success) {
        if (text.empty()) text = UnknownErrorText(libraryName, functionName);
        result = 0.0;
    } else {
        text.clear();
    }
    if (errorCode) *errorCode = code;
    if (errorText) CopyErrorText(text, errorText, capacity);
    return result;
}
