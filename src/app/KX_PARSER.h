#pragma once
// The calculator display's expression evaluator: a table-driven shift-reduce parser over a small
// fixed grammar (numbers, PI, + - * / ^, unary minus before an operand, parentheses and seventeen
// one-argument functions) with a parse stack of 20 entries.
#include <cstdint>
#include <string>
#include <string_view>

// Status of one evaluation.
namespace KXParseStatus {
// Not a valid expression, the parse stack overflowed, or an arithmetic fault (a result beyond
// the double range, an invalid operation inside a function) abandoned the evaluation.
inline constexpr int16_t Invalid = 0;
inline constexpr int16_t Success = 1;
// A valid expression whose evaluation hit a checked failure: division by zero, a function
// argument outside its domain, a failed power or a number text that does not convert.
inline constexpr int16_t ArithmeticFailure = 5;
}  // namespace KXParseStatus

struct TKXParseResult {
    double Value = 0.0;  // the result when Status is Success, else 0
    int16_t Status = KXParseStatus::Invalid;
};

// Longest expression evaluated; a longer text is not a valid expression (rather than being cut,
// which would show the value of a different expression).
inline constexpr std::size_t KXMaxExpressionLength = 255;

// Evaluates text (upper-cased in ASCII only, so "pi" and "sqrt" work; any byte >= 0x80 is a
// character outside the grammar). Never throws.
TKXParseResult EvaluateExpression(std::string_view text);

// What the display shows after "=": the value in general format with 15 significant digits
// ("7", "0.333333333333333", "1E20"), or "Error" for every status other than Success.
std::string EvaluateDisplayText(const std::string& expression);
