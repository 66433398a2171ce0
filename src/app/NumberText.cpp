#include "NumberText.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdlib>
#include <system_error>

namespace {

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

// The parts of a text that follows the number grammar; positions index the original text.
struct TNumberShape {
    std::size_t numberBegin = 0;  // first character of sign or mantissa
    std::size_t numberEnd = 0;    // one past the last digit of mantissa or exponent
    std::size_t mantissaBegin = 0;
    std::size_t pointPos = std::string_view::npos;  // position of "." in the mantissa, if any
    std::size_t mantissaEnd = 0;
    bool negative = false;
    long exponent = 0;  // the written exponent, saturated far beyond the range of a double
};

// Checks text against the grammar and records where its parts are. Exponents are saturated
// so that a text such as 1E99999999999999999999 is still classified without overflow.
bool MatchNumberGrammar(std::string_view text, TNumberShape& shape) {
    constexpr long ExponentSaturation = 1000000;
    std::size_t i = 0;
    const std::size_t n = text.size();
    while (i < n && text[i] == ' ') ++i;
    shape.numberBegin = i;
    if (i < n && (text[i] == '+' || text[i] == '-')) {
        shape.negative = text[i] == '-';
        ++i;
    }
    shape.mantissaBegin = i;
    std::size_t integerDigits = 0;
    while (i < n && IsDigit(text[i])) ++i, ++integerDigits;
    std::size_t fractionDigits = 0;
    if (i < n && text[i] == '.') {
        shape.pointPos = i++;
        while (i < n && IsDigit(text[i])) ++i, ++fractionDigits;
    }
    if (integerDigits == 0 && fractionDigits == 0) return false;
    shape.mantissaEnd = i;
    if (i < n && (text[i] == 'E' || text[i] == 'e')) {
        ++i;
        bool exponentNegative = false;
        if (i < n && (text[i] == '+' || text[i] == '-')) exponentNegative = text[i++] == '-';
        const std::size_t exponentDigitsBegin = i;
        long exponent = 0;
        while (i < n && IsDigit(text[i])) {
            exponent = std::min(exponent * 10 + (text[i] - '0'), ExponentSaturation);
            ++i;
        }
        if (i == exponentDigitsBegin) return false;
        shape.exponent = exponentNegative ? -exponent : exponent;
    }
    shape.numberEnd = i;
    while (i < n && text[i] == ' ') ++i;
    return i == n;
}

// Decimal exponent of the first non-zero digit (d.ddd x 10^X); only called for a non-zero
// mantissa, which a range error implies.
long ScientificExponent(std::string_view text, const TNumberShape& shape) {
    const std::size_t integerEnd =
        shape.pointPos == std::string_view::npos ? shape.mantissaEnd : shape.pointPos;
    for (std::size_t i = shape.mantissaBegin; i < integerEnd; ++i)
        if (text[i] != '0') return static_cast<long>(integerEnd - i) - 1 + shape.exponent;
    if (shape.pointPos != std::string_view::npos)
        for (std::size_t i = shape.pointPos + 1; i < shape.mantissaEnd; ++i)
            if (text[i] != '0') return -static_cast<long>(i - shape.pointPos) + shape.exponent;
    return shape.exponent;
}

void StripTrailingZeros(std::string& digits) {
    if (digits.find('.') == std::string::npos) return;
    while (!digits.empty() && digits.back() == '0') digits.pop_back();
    if (!digits.empty() && digits.back() == '.') digits.pop_back();
}

// Lowers the last digit of a mantissa such as "1.80" by one ("1.79"), borrowing from the
// digits before it. Only called for mantissas of at least 1.7, so no leading zero appears.
void DecrementLastDigit(std::string& mantissa) {
    for (std::size_t i = mantissa.size(); i-- > 0;) {
        if (!IsDigit(mantissa[i])) continue;
        if (mantissa[i] != '0') {
            --mantissa[i];
            return;
        }
        mantissa[i] = '9';
    }
}

}  // namespace

bool TryParseNumber(std::string_view text, double& value) {
    TNumberShape shape;
    if (!MatchNumberGrammar(text, shape)) return false;
    // std::from_chars reads the validated text in the "C" format whatever the locale; it does
    // not take a leading "+".
    std::size_t first = shape.numberBegin;
    if (text[first] == '+') ++first;
    const char* begin = text.data() + first;
    const char* end = text.data() + shape.numberEnd;
    double parsed = 0.0;
    const auto [ptr, ec] = std::from_chars(begin, end, parsed);
    if (ec == std::errc::result_out_of_range) {
        // Out of range on the small side reads as zero; on the large side it is no number.
        if (ScientificExponent(text, shape) >= 0) return false;
        value = shape.negative ? -0.0 : 0.0;
        return true;
    }
    if (ec != std::errc() || ptr != end || !std::isfinite(parsed)) return false;
    value = parsed;
    return true;
}

std::string TrimPastedValue(std::string_view text) {
    constexpr std::string_view blanks = " \t\r\n";
    const std::size_t first = text.find_first_not_of(blanks);
    if (first == std::string_view::npos) return {};
    return std::string(text.substr(first, text.find_last_not_of(blanks) - first + 1));
}

std::string FormatGeneral(double value, int precision, int minExponentDigits) {
    if (std::isnan(value)) return "NAN";
    if (std::isinf(value)) return value < 0 ? "-INF" : "INF";
    if (value == 0.0) return "0";
    precision = std::clamp(precision, 1, 40);
    minExponentDigits = std::clamp(minExponentDigits, 0, 20);

    // Round to precision significant digits first: the exponent of the rounded value decides
    // the notation (9.99995 at 5 digits is 10.000, exponent 1).
    char buffer[128];
    auto result = std::to_chars(buffer, buffer + sizeof buffer, value,
                                std::chars_format::scientific, precision - 1);
    const std::string_view scientific(buffer, static_cast<std::size_t>(result.ptr - buffer));
    const std::size_t ePos = scientific.find('e');
    int exponent = 0;
    const char* exponentBegin = scientific.data() + ePos + 1;
    if (*exponentBegin == '+') ++exponentBegin;
    std::from_chars(exponentBegin, scientific.data() + scientific.size(), exponent);

    if (exponent >= precision || exponent < -4) {
        std::string text(scientific.substr(0, ePos));
        // Near the largest double, rounding to nearest can give a text beyond it
        // (1.79769313486232E308): round the last digit toward zero instead, so that every
        // shown number reads back as a finite value.
        double check = 0.0;
        if (exponent >= 308 && !TryParseNumber(std::string(scientific), check))
            DecrementLastDigit(text);
        StripTrailingZeros(text);
        text += 'E';
        if (exponent < 0) text += '-';
        const std::string digits = std::to_string(std::abs(exponent));
        if (static_cast<int>(digits.size()) < minExponentDigits)
            text.append(static_cast<std::size_t>(minExponentDigits) - digits.size(), '0');
        text += digits;
        return text;
    }
    result = std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::fixed,
                           precision - 1 - exponent);
    std::string text(buffer, result.ptr);
    StripTrailingZeros(text);
    return text;
}

std::string FormatFixed3(double value) {
    if (std::isnan(value)) return "nan";
    if (std::isinf(value)) return value < 0 ? "-inf" : "inf";
    // Room for the 309 integer digits of the largest double, its sign and three decimals.
    char buffer[400];
    const auto result =
        std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::fixed, 3);
    return std::string(buffer, result.ptr);
}
