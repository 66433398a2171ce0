#include "KX_PARSER.h"

#include <gtest/gtest.h>

#include <cfenv>
#include <fstream>
#include <string>
#include <utility>
#include <vector>

#include "KXTsv.h"

namespace {

struct TGoldenRow {
    int line;
    std::string expression;
    std::string display;
};

// Reads "expression<TAB>display" rows; lines starting with "#" are comments.
std::vector<TGoldenRow> ReadGoldenTable(const std::string& fileName) {
    std::vector<TGoldenRow> rows;
    for (const auto& [number, fields] : kxtsv::Read(fileName, false).Lines) {
        if (fields.size() != 2) {
            ADD_FAILURE() << fileName << ":" << number << " has " << fields.size() << " fields";
            continue;
        }
        rows.push_back({number, fields[0], fields[1]});
    }
    return rows;
}

class EvalGolden : public testing::TestWithParam<const char*> {};

TEST_P(EvalGolden, DisplayAfterEquals) {
    const auto rows = ReadGoldenTable(GetParam());
    ASSERT_GE(rows.size(), 10u) << "golden table missing or truncated: " << GetParam();
    for (const auto& row : rows)
        EXPECT_EQ(EvaluateDisplayText(row.expression), row.display)
            << GetParam() << ":" << row.line << " [" << row.expression << "]";
}

// A result is itself a valid expression, so pressing "=" again keeps it.
TEST_P(EvalGolden, ResultEvaluatesToItself) {
    for (const auto& row : ReadGoldenTable(GetParam())) {
        if (row.display == "Error") continue;
        EXPECT_EQ(EvaluateDisplayText(row.display), row.display) << "[" << row.expression << "]";
    }
}

INSTANTIATE_TEST_SUITE_P(Tables, EvalGolden,
                         testing::Values("eval_golden.tsv", "eval_corners.tsv", "eval_powers.tsv"));

// Checked failures give status 5, syntax errors and unchecked faults status 0; both give 0.
TEST(Evaluator, StatusSeparatesCheckedFailuresFromInvalidExpressions) {
    const std::vector<std::pair<std::string, int16_t>> cases = {
        {"1/0", KXParseStatus::ArithmeticFailure},
        {"ln(0)", KXParseStatus::ArithmeticFailure},
        {"sqrt(-1)", KXParseStatus::ArithmeticFailure},
        {"exp(11357)", KXParseStatus::ArithmeticFailure},
        {"round(-1.5E9)", KXParseStatus::ArithmeticFailure},
        {"0^-2", KXParseStatus::ArithmeticFailure},
        {"(-8)^0.5", KXParseStatus::ArithmeticFailure},
        {"1E", KXParseStatus::ArithmeticFailure},
        {"1E400", KXParseStatus::ArithmeticFailure},
        {"2*(1/0)+3", KXParseStatus::ArithmeticFailure},
        {"acos(2)", KXParseStatus::Invalid},
        {"exp(11356)", KXParseStatus::Invalid},
        {"sqr(1E200)", KXParseStatus::Invalid},
        {"2^1024", KXParseStatus::Invalid},
        {"1/0+", KXParseStatus::Invalid},  // a syntax error outweighs a checked failure
        {"+2", KXParseStatus::Invalid},
    };
    for (const auto& [expression, status] : cases) {
        const TKXParseResult result = EvaluateExpression(expression);
        EXPECT_EQ(result.Status, status) << expression;
        EXPECT_EQ(result.Value, 0.0) << expression;
    }
    const TKXParseResult ok = EvaluateExpression("2^10-24");
    EXPECT_EQ(ok.Status, KXParseStatus::Success);
    EXPECT_EQ(ok.Value, 1000.0);
}

std::string Repeat(const std::string& piece, int count) {
    std::string text;
    for (int i = 0; i < count; ++i) text += piece;
    return text;
}

// The stack holds 20 entries including the initial one.
TEST(Evaluator, StackOverflowsAtTheTwentyFirstEntry) {
    // n parentheses around a number need 1 + n + 1 entries, and the ")" one more: 2 + n + 1.
    EXPECT_EQ(EvaluateDisplayText(Repeat("(", 17) + "7" + Repeat(")", 17)), "7");
    EXPECT_EQ(EvaluateExpression(Repeat("(", 18) + "7" + Repeat(")", 18)).Status,
              KXParseStatus::Invalid);
    // "^" is right-associative, so k powers keep 1 + 2k + 1 entries before reducing.
    EXPECT_EQ(EvaluateDisplayText(Repeat("1^", 9) + "1"), "1");
    EXPECT_EQ(EvaluateExpression(Repeat("1^", 10) + "1").Status, KXParseStatus::Invalid);
    // Left-associative sums reduce as they go and never deepen the stack.
    EXPECT_EQ(EvaluateDisplayText(Repeat("1+", 100) + "1"), "101");
}

TEST(Evaluator, NumberTextHoldsAtMostEightyCharacters) {
    EXPECT_EQ(EvaluateDisplayText("1" + std::string(79, '0')), "1E79");
    EXPECT_EQ(EvaluateDisplayText("1" + std::string(80, '0')), "Error");
    EXPECT_EQ(EvaluateDisplayText("." + std::string(78, '0') + "5"), "5E-79");
    EXPECT_EQ(EvaluateDisplayText("." + std::string(79, '0') + "5"), "Error");
}

TEST(Evaluator, TextLongerThanTheDisplayLimitIsNotEvaluated) {
    const std::string longest = Repeat("1+", 127) + "1";  // 255 characters
    ASSERT_EQ(longest.size(), KXMaxExpressionLength);
    EXPECT_EQ(EvaluateDisplayText(longest), "128");
    // Cutting this text would show 128 for a sum whose last term is 10.
    EXPECT_EQ(EvaluateDisplayText(longest + "0"), "Error");
    EXPECT_EQ(EvaluateDisplayText(longest + " "), "Error");
}

TEST(Evaluator, OnlyAsciiLettersAreUpperCasedAndOtherBytesAreBad) {
    const std::vector<std::pair<std::string, std::string>> cases = {
        {"sQrT(16)+Pi-pI", "4"},
        {"abs(-2)*EXP(0)", "2"},
        {"\xC3\xA9", "Error"},       // é
        {"2\303\2273", "Error"},     // 2×3
        {"\xC4\xB1", "Error"},       // dotless i, which some locales upper-case to I
        {"s\xC4\xB1n(0)", "Error"},  // "sın(0)"
        {"\xEF\xBC\x92", "Error"},   // fullwidth digit two
        {"1+\xFF", "Error"},
        {"\xB5", "Error"},
        {std::string("1+\0002", 4), "Error"},  // an embedded NUL does not end the text
        {"1\t+2", "Error"},                    // only the space is a blank
        {"1 + 2", "3"},
    };
    for (const auto& [expression, display] : cases)
        EXPECT_EQ(EvaluateDisplayText(expression), display) << testing::PrintToString(expression);
}

// Sets a rounding mode for its scope and restores the one before, also when an assertion
// leaves the test early.
class TRoundingModeScope {
  public:
    explicit TRoundingModeScope(int mode)
        : Saved(std::fegetround()), Set(std::fesetround(mode) == 0) {}
    ~TRoundingModeScope() { std::fesetround(Saved); }
    TRoundingModeScope(const TRoundingModeScope&) = delete;
    TRoundingModeScope& operator=(const TRoundingModeScope&) = delete;
    bool IsSet() const { return Set; }

  private:
    int Saved;
    bool Set;
};

TEST(Evaluator, RoundHalvesToEvenWhateverTheRoundingMode) {
    const int before = std::fegetround();
    {
        const TRoundingModeScope upward(FE_UPWARD);
        ASSERT_TRUE(upward.IsSet());
        EXPECT_EQ(EvaluateDisplayText("round(2.5)"), "2");
        EXPECT_EQ(EvaluateDisplayText("round(-3.5)"), "-4");
        // The evaluator leaves the caller's rounding mode as it found it.
        ASSERT_EQ(std::fegetround(), FE_UPWARD);
    }
    EXPECT_EQ(std::fegetround(), before);
}

}  // namespace
