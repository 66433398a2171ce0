#include "KX_PARSER.h"

#include <algorithm>
#include <array>
#include <cfenv>
#include <cfloat>
#include <cmath>
#include <cstdint>
#include <initializer_list>
#include <utility>

#include "NumberText.h"

namespace {

// clang-format off
enum class TToken : uint8_t { Plus, Minus, Times, Divide, Expo, OParen, CParen, Num, Func, Eol, Bad };
constexpr std::size_t TokenCount = 11;

enum class TFunction : uint8_t {
    Abs, Acos, Asin, Atan, Cos, Exp, Ln, Log, Ramp, Sgn, Round, Sin, Sqrt, Sqr, Tan, Trunc, Unit
};
// clang-format on

struct TFunctionName {
    std::string_view Name;
    TFunction Function;
};

// Function names in the order the scanner tries them as prefixes of the input: "SQRT" comes
// before "SQR", and a name followed by more letters is split ("SINH" is SIN, then H). LOG, the
// base-10 logarithm, is what the pad's "log" button inserts.
// clang-format off
static constexpr std::array<TFunctionName, 17> FunctionNames = {{
    {"ABS", TFunction::Abs},     {"ACOS", TFunction::Acos},   {"ASIN", TFunction::Asin},
    {"ATAN", TFunction::Atan},   {"COS", TFunction::Cos},     {"EXP", TFunction::Exp},
    {"LN", TFunction::Ln},       {"LOG", TFunction::Log},     {"RAMP", TFunction::Ramp},
    {"SGN", TFunction::Sgn},     {"ROUND", TFunction::Round}, {"SIN", TFunction::Sin},
    {"SQRT", TFunction::Sqrt},   {"SQR", TFunction::Sqr},     {"TAN", TFunction::Tan},
    {"TRUNC", TFunction::Trunc}, {"UNIT", TFunction::Unit},
}};
// clang-format on

constexpr double Pi = 3.141592653589793;
constexpr std::size_t MaxNumberLength = 80;
constexpr std::size_t MaxExponentDigits = 4;
constexpr std::size_t StackCapacity = 20;  // entries, the initial one included
// Arguments of EXP beyond this give the arithmetic-failure status rather than a fault.
constexpr double ExpArgumentLimit = 11356.0;
// ROUND and TRUNC accept arguments within +-1e9 only.
constexpr double IntegerFunctionLimit = 1e9;
constexpr double MaxIntegralExponent = 2147483647.0;

// ---- Grammar: rules, action table and goto table of the LR(1) parser ----

enum class TNonterminal : uint8_t { E, T, F, U, K, P };
constexpr std::size_t NonterminalCount = 6;
constexpr std::size_t StateCount = 27;

struct TRule {
    TNonterminal Lhs;
    uint8_t Length;  // entries popped on reduction
};

// Rules 1..14 (index 0 unused): E -> E+T | E-T | T; T -> T*F | T/F | F; F -> U^F | U;
// U -> -K | K; K -> P; P -> (E) | NUM | FUNC(E).
// clang-format off
static constexpr std::array<TRule, 15> Rules = {{
    {TNonterminal::E, 0},
    {TNonterminal::E, 3}, {TNonterminal::E, 3}, {TNonterminal::E, 1},
    {TNonterminal::T, 3}, {TNonterminal::T, 3}, {TNonterminal::T, 1},
    {TNonterminal::F, 3}, {TNonterminal::F, 1},
    {TNonterminal::U, 2}, {TNonterminal::U, 1},
    {TNonterminal::K, 1},
    {TNonterminal::P, 3}, {TNonterminal::P, 1}, {TNonterminal::P, 4},
}};
// clang-format on

enum class TActionKind : uint8_t { Error, Shift, Reduce, Accept };

struct TAction {
    TActionKind Kind = TActionKind::Error;
    uint8_t Target = 0;  // new state for Shift, rule for Reduce
};

using TActionRow = std::array<TAction, TokenCount>;

constexpr std::size_t Index(TToken token) {
    return static_cast<std::size_t>(token);
}

constexpr TAction Shift(uint8_t state) {
    return {TActionKind::Shift, state};
}

constexpr TActionRow ReduceOnAny(uint8_t rule) {
    TActionRow row{};
    for (auto& action : row) action = {TActionKind::Reduce, rule};
    return row;
}

// States that expect an operand: NUM, FUNC, unary minus or "(".
constexpr TActionRow OperandStart(bool allowMinus) {
    TActionRow row{};
    row[Index(TToken::Num)] = Shift(9);
    row[Index(TToken::Func)] = Shift(10);
    row[Index(TToken::OParen)] = Shift(8);
    if (allowMinus) row[Index(TToken::Minus)] = Shift(5);
    return row;
}

// After a complete expression: "+" and "-" continue it, closer ends it.
constexpr TActionRow AfterExpression(TToken closer, TAction onCloser) {
    TActionRow row{};
    row[Index(TToken::Plus)] = Shift(11);
    row[Index(TToken::Minus)] = Shift(12);
    row[Index(closer)] = onCloser;
    return row;
}

// After a term: "*" and "/" continue it, anything else reduces it.
constexpr TActionRow AfterTerm(uint8_t rule) {
    TActionRow row = ReduceOnAny(rule);
    row[Index(TToken::Times)] = Shift(13);
    row[Index(TToken::Divide)] = Shift(14);
    return row;
}

constexpr std::array<TActionRow, StateCount> BuildActionTable() {
    std::array<TActionRow, StateCount> table{};
    for (uint8_t state : {0, 8, 11, 12, 13, 14, 15, 18}) table[state] = OperandStart(true);
    table[1] = AfterExpression(TToken::Eol, {TActionKind::Accept, 0});
    table[2] = AfterTerm(3);
    table[3] = ReduceOnAny(6);
    table[4] = ReduceOnAny(8);
    table[4][Index(TToken::Expo)] = Shift(15);
    table[5] = OperandStart(false);
    table[6] = ReduceOnAny(10);
    table[7] = ReduceOnAny(11);
    table[9] = ReduceOnAny(13);
    table[10][Index(TToken::OParen)] = Shift(18);
    table[16] = ReduceOnAny(9);
    table[17] = AfterExpression(TToken::CParen, Shift(24));
    table[19] = AfterTerm(1);
    table[20] = AfterTerm(2);
    table[21] = ReduceOnAny(4);
    table[22] = ReduceOnAny(5);
    table[23] = ReduceOnAny(7);
    table[24] = ReduceOnAny(12);
    table[25] = AfterExpression(TToken::CParen, Shift(26));
    table[26] = ReduceOnAny(14);
    return table;
}

static constexpr std::array<TActionRow, StateCount> ActionTable = BuildActionTable();

constexpr int8_t NoState = -1;
using TGotoRow = std::array<int8_t, StateCount>;

constexpr TGotoRow GotoRow(std::initializer_list<std::pair<int, int>> moves) {
    TGotoRow row{};
    for (auto& state : row) state = NoState;
    for (const auto& [from, to] : moves)
        row[static_cast<std::size_t>(from)] = static_cast<int8_t>(to);
    return row;
}

// State after a reduction, by the rule's left side and the state uncovered by the pop.
static constexpr std::array<TGotoRow, NonterminalCount> GotoTable = {{
    GotoRow({{0, 1}, {8, 17}, {18, 25}}),
    GotoRow({{0, 2}, {8, 2}, {18, 2}, {11, 19}, {12, 20}}),
    GotoRow({{0, 3}, {8, 3}, {11, 3}, {12, 3}, {18, 3}, {13, 21}, {14, 22}, {15, 23}}),
    GotoRow({{0, 4}, {8, 4}, {11, 4}, {12, 4}, {13, 4}, {14, 4}, {15, 4}, {18, 4}}),
    GotoRow({{0, 6}, {8, 6}, {11, 6}, {12, 6}, {13, 6}, {14, 6}, {15, 6}, {18, 6}, {5, 16}}),
    GotoRow({{0, 7}, {5, 7}, {8, 7}, {11, 7}, {12, 7}, {13, 7}, {14, 7}, {15, 7}, {18, 7}}),
}};

// ---- Scanner ----

char AsciiUpper(char c) {
    return (c >= 'a' && c <= 'z') ? static_cast<char>(c - 'a' + 'A') : c;
}
bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}
bool IsLetter(char c) {
    return c >= 'A' && c <= 'Z';
}

class TScanner {
  public:
    explicit TScanner(std::string_view text)
        : length_(std::min(text.size(), KXMaxExpressionLength)) {
        for (std::size_t i = 0; i < length_; ++i) input_[i] = AsciiUpper(text[i]);
    }

    // Reads the next token; NUM and FUNC leave their value in Number() and Function().
    // A number text that does not convert sets ConversionFailed() and still gives NUM.
    TToken Next() {
        while (pos_ < length_ && input_[pos_] == ' ') ++pos_;
        if (pos_ >= length_) return TToken::Eol;
        if (Remaining().substr(0, 2) == "PI") {
            pos_ += 2;
            number_ = Pi;
            return TToken::Num;
        }
        const char c = input_[pos_];
        if (IsDigit(c) || c == '.') return ReadNumber();
        if (IsLetter(c)) return ReadFunctionName();
        ++pos_;
        switch (c) {
            case '+':
                return TToken::Plus;
            case '-':
                return TToken::Minus;
            case '*':
                return TToken::Times;
            case '/':
                return TToken::Divide;
            case '^':
                return TToken::Expo;
            case '(':
                return TToken::OParen;
            case ')':
                return TToken::CParen;
            default:
                return TToken::Bad;  // includes every byte >= 0x80
        }
    }

    double Number() const { return number_; }
    TFunction Function() const { return function_; }
    bool ConversionFailed() const { return conversionFailed_; }

  private:
    std::string_view Remaining() const {
        return std::string_view(input_.data() + pos_, length_ - pos_);
    }

    // Digits with at most one "." (a second one ends the number), then "E", an optional sign
    // and up to four digits. The text holds at most 80 characters; what does not fit stays in
    // the input.
    TToken ReadNumber() {
        const std::size_t begin = pos_;
        auto fits = [&] { return pos_ < length_ && pos_ - begin < MaxNumberLength; };
        bool seenPoint = false;
        while (fits() && (IsDigit(input_[pos_]) || (input_[pos_] == '.' && !seenPoint))) {
            seenPoint = seenPoint || input_[pos_] == '.';
            ++pos_;
        }
        if (pos_ - begin == 1 && input_[begin] == '.') return TToken::Bad;
        if (fits() && input_[pos_] == 'E') {
            ++pos_;
            if (fits() && (input_[pos_] == '+' || input_[pos_] == '-')) ++pos_;
            for (std::size_t digits = 0;
                 digits < MaxExponentDigits && fits() && IsDigit(input_[pos_]); ++digits)
                ++pos_;
        }
        double value = 0.0;
        if (TryParseNumber(std::string_view(input_.data() + begin, pos_ - begin), value)) {
            number_ = value;
        } else {
            number_ = 0.0;
            conversionFailed_ = true;
        }
        return TToken::Num;
    }

    TToken ReadFunctionName() {
        const std::string_view rest = Remaining();
        for (const auto& entry : FunctionNames) {
            if (rest.substr(0, entry.Name.size()) == entry.Name) {
                pos_ += entry.Name.size();
                function_ = entry.Function;
                return TToken::Func;
            }
        }
        return TToken::Bad;
    }

    std::array<char, KXMaxExpressionLength> input_;  // only the first length_ are read
    std::size_t length_ = 0;
    std::size_t pos_ = 0;
    double number_ = 0.0;
    TFunction function_ = TFunction::Abs;
    bool conversionFailed_ = false;
};

// ---- Semantics ----

// Outcome of a checked operation: Failed sets the arithmetic-failure flag. A non-finite value
// from an Ok operation is an arithmetic fault that abandons the evaluation.
enum class TOutcome : uint8_t { Ok, Failed };

// Powers are formed in long double and rounded once: repeated squaring multiplies the relative
// error by about n, which in double precision already corrupts the 15th digit of 1.1^100.
// Up to this exponent the squaring error in long double (about n x 5.4e-20) stays below half
// a double's last bit; beyond it the library power of the wider type is used.
constexpr uint32_t MaxSquaringExponent = 1024;

// x^n by repeated squaring; squares only while higher bits remain, so no square beyond the
// result's own magnitude is formed.
long double IntegerPower(long double x, uint32_t n) {
    long double result = 1.0L;
    long double base = x;
    for (int bit = 0; bit < 32 && n != 0; ++bit) {
        if (n & 1u) result *= base;
        n >>= 1;
        if (n != 0) base *= base;
    }
    return result;
}

// Rounds a wide result to double; beyond the double range it becomes an infinity, which the
// parser treats as an arithmetic fault.
double ToDouble(long double value) {
    if (std::fabs(value) > static_cast<long double>(DBL_MAX))
        return value < 0 ? -HUGE_VAL : HUGE_VAL;
    return static_cast<double>(value);
}

// x^y: for integral y (|y| <= 2147483647) the power by repeated squaring, 1 / x^|y| for
// negative y (y = 0 gives 1, also for x = 0; x = 0 with negative y fails); otherwise 0 for
// x = 0, exp(y ln x) for positive x, and a failure for negative x.
TOutcome Power(double x, double y, double& result) {
    const bool integral = std::trunc(y) == y && std::fabs(y) <= MaxIntegralExponent;
    if (integral) {
        if (y < 0 && x == 0) return TOutcome::Failed;
        const auto n = static_cast<uint32_t>(std::fabs(y));
        if (n > MaxSquaringExponent) {
            result = ToDouble(std::pow(static_cast<long double>(x), static_cast<long double>(y)));
            return TOutcome::Ok;
        }
        const long double magnitude = IntegerPower(x, n);
        if (y >= 0) {
            result = ToDouble(magnitude);
        } else if (magnitude == 0.0L) {
            result = HUGE_VAL;  // x^|y| underflowed, so its reciprocal exceeds the double range
        } else {
            result = ToDouble(1.0L / magnitude);
        }
        return TOutcome::Ok;
    }
    if (x == 0) {
        result = 0.0;
        return TOutcome::Ok;
    }
    if (x < 0) return TOutcome::Failed;
    result =
        ToDouble(std::exp(static_cast<long double>(y) * std::log(static_cast<long double>(x))));
    return TOutcome::Ok;
}

// Nearest integer with halves to the even neighbour, whatever rounding mode the caller left.
double RoundHalfEven(double x) {
    const int mode = std::fegetround();
    if (mode == FE_TONEAREST) return std::nearbyint(x);
    std::fesetround(FE_TONEAREST);
    const double rounded = std::nearbyint(x);
    std::fesetround(mode);
    return rounded;
}

TOutcome ApplyFunction(TFunction function, double x, double& result) {
    switch (function) {
        case TFunction::Abs:
            result = std::fabs(x);
            break;
        case TFunction::Acos:
            result = std::acos(x);
            break;  // |x| > 1 gives NaN: a fault
        case TFunction::Asin:
            result = std::asin(x);
            break;
        case TFunction::Atan:
            result = std::atan(x);
            break;
        case TFunction::Cos:
            result = std::cos(x);
            break;
        case TFunction::Exp:
            if (x < -ExpArgumentLimit || x > ExpArgumentLimit) return TOutcome::Failed;
            result = std::exp(x);
            break;
        case TFunction::Ln:
            if (x <= 0) return TOutcome::Failed;
            result = std::log(x);
            break;
        case TFunction::Log:
            if (x <= 0) return TOutcome::Failed;
            result = std::log10(x);
            break;
        case TFunction::Ramp:
            result = x >= 0 ? x : 0.0;
            break;
        case TFunction::Sgn:
            result = x > 0 ? 1.0 : (x < 0 ? -1.0 : 0.0);
            break;
        case TFunction::Round:
            if (x < -IntegerFunctionLimit || x > IntegerFunctionLimit) return TOutcome::Failed;
            result = RoundHalfEven(x);
            break;
        case TFunction::Sin:
            result = std::sin(x);
            break;
        case TFunction::Sqrt:
            if (x < 0) return TOutcome::Failed;
            result = std::sqrt(x);
            break;
        case TFunction::Sqr:
            result = x * x;
            break;
        case TFunction::Tan:
            result = std::tan(x);
            break;
        case TFunction::Trunc:
            if (x < -IntegerFunctionLimit || x > IntegerFunctionLimit) return TOutcome::Failed;
            result = std::trunc(x);
            break;
        case TFunction::Unit:
            result = x > 0 ? 1.0 : 0.0;
            break;
    }
    return TOutcome::Ok;
}

// ---- Parser driver ----

struct TStackEntry {
    uint8_t State = 0;
    double Value = 0.0;
    TFunction Function = TFunction::Abs;
};

class TParser {
  public:
    explicit TParser(std::string_view text) : scanner_(text) {}

    TKXParseResult Run() {
        Push({0, 0.0, TFunction::Abs});
        TToken token = scanner_.Next();
        // Every pass shifts a token or reduces; a reduction never grows the stack, and at most
        // five unit reductions follow one another, so this bound is never reached by a valid run.
        constexpr int PassLimit = 64 * static_cast<int>(KXMaxExpressionLength + 2);
        bool accepted = false;
        for (int pass = 0; pass < PassLimit && !accepted && !syntaxFailure_ && !fault_; ++pass) {
            const TAction action = ActionTable[stack_[size_ - 1].State][Index(token)];
            switch (action.Kind) {
                case TActionKind::Shift:
                    Push({action.Target, scanner_.Number(), scanner_.Function()});
                    token = scanner_.Next();
                    break;
                case TActionKind::Reduce:
                    Reduce(action.Target);
                    break;
                case TActionKind::Accept:
                    accepted = true;
                    break;
                case TActionKind::Error:
                    syntaxFailure_ = true;
                    break;
            }
        }
        if (!accepted || syntaxFailure_ || fault_) return {0.0, KXParseStatus::Invalid};
        if (arithmeticFailure_ || scanner_.ConversionFailed())
            return {0.0, KXParseStatus::ArithmeticFailure};
        return {stack_[size_ - 1].Value, KXParseStatus::Success};
    }

  private:
    void Push(const TStackEntry& entry) {
        if (size_ >= StackCapacity) {
            syntaxFailure_ = true;
            return;
        }
        stack_[size_++] = entry;
    }

    // Value of the entry at offset from the first popped one.
    double ValueAt(std::size_t first, std::size_t offset) const {
        return stack_[first + offset].Value;
    }

    void Reduce(uint8_t ruleNumber) {
        const TRule rule = Rules[ruleNumber];
        if (rule.Length == 1) {
            // Rules of one symbol pass its value on unchanged (a NUM entry already holds its
            // number): only the state of the top entry changes.
            const int8_t next =
                GotoTable[static_cast<std::size_t>(rule.Lhs)][stack_[size_ - 2].State];
            if (next == NoState) {
                syntaxFailure_ = true;
                return;
            }
            stack_[size_ - 1].State = static_cast<uint8_t>(next);
            return;
        }
        const std::size_t first = size_ - rule.Length;
        double value = 0.0;
        TOutcome outcome = TOutcome::Ok;
        switch (ruleNumber) {
            case 1:
                value = ValueAt(first, 0) + ValueAt(first, 2);
                break;
            case 2:
                value = ValueAt(first, 0) - ValueAt(first, 2);
                break;
            case 4:
                value = ValueAt(first, 0) * ValueAt(first, 2);
                break;
            case 5:
                if (ValueAt(first, 2) == 0) {
                    outcome = TOutcome::Failed;
                } else {
                    value = ValueAt(first, 0) / ValueAt(first, 2);
                }
                break;
            case 7:
                outcome = Power(ValueAt(first, 0), ValueAt(first, 2), value);
                break;
            case 9:
                value = -ValueAt(first, 1);
                break;
            case 12:
                value = ValueAt(first, 1);
                break;
            case 14:
                outcome = ApplyFunction(stack_[first].Function, ValueAt(first, 2), value);
                break;
            default:
                break;  // rules of one symbol are handled above
        }
        if (outcome == TOutcome::Failed) {
            // The flag decides the status; a finite stand-in keeps the parse going.
            arithmeticFailure_ = true;
            value = 0.0;
        } else if (!std::isfinite(value)) {
            fault_ = true;
            return;
        }
        size_ = first;
        const int8_t next = GotoTable[static_cast<std::size_t>(rule.Lhs)][stack_[size_ - 1].State];
        if (next == NoState) {
            syntaxFailure_ = true;
            return;
        }
        Push({static_cast<uint8_t>(next), value, TFunction::Abs});
    }

    TScanner scanner_;
    std::array<TStackEntry, StackCapacity> stack_;  // only the first size_ are read
    std::size_t size_ = 0;
    bool syntaxFailure_ = false;
    bool arithmeticFailure_ = false;
    bool fault_ = false;  // a result beyond the double range or an invalid operation
};

}  // namespace

TKXParseResult EvaluateExpression(std::string_view text) {
    if (text.size() > KXMaxExpressionLength) return {0.0, KXParseStatus::Invalid};
    return TParser(text).Run();
}

std::string EvaluateDisplayText(const std::string& expression) {
    try {
        const TKXParseResult result = EvaluateExpression(expression);
        if (result.Status != KXParseStatus::Success) return "Error";
        return FormatGeneral(result.Value, 15);
    } catch (...) {
        return "Error";
    }
}
