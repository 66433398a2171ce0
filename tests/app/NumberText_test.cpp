#include "NumberText.h"

#include <gtest/gtest.h>

#include <cfloat>
#include <clocale>
#include <cmath>
#include <cstdio>
#include <string>
#include <utility>
#include <vector>

#include "KX_PARSER.h"

namespace {

TEST(TryParseNumber, AcceptsTheNumberGrammar) {
    struct TCase {
        const char* text;
        double value;
    };
    const std::vector<TCase> cases = {
        {"5.", 5.0},
        {".5", 0.5},
        {"  -1.5E-3  ", -1.5e-3},
        {"+2", 2.0},
        {"1e3", 1000.0},
        {"1E+3", 1000.0},
        {"2.5e-0", 2.5},
        {"007", 7.0},
        {"-.25", -0.25},
        {"0.1000000000000000055511151231257827", 0.1},
        {"1.7976931348623157E308", DBL_MAX},
        {"4.9406564584124654E-324", 4.9406564584124654e-324},
        {"123456789012345678901234567890", 123456789012345678901234567890.0},
    };
    for (const auto& c : cases) {
        double value = -42.0;
        EXPECT_TRUE(TryParseNumber(c.text, value)) << c.text;
        EXPECT_EQ(value, c.value) << c.text;
    }
}

TEST(TryParseNumber, ReadsValuesBelowTheDoubleRangeAsSignedZero) {
    for (const char* text : {"1E-400", "0.0000001e-320", "-1E-400", "-1E-99999999999999999999"}) {
        double value = -42.0;
        ASSERT_TRUE(TryParseNumber(text, value)) << text;
        EXPECT_EQ(value, 0.0) << text;
        EXPECT_EQ(std::signbit(value), text[0] == '-') << text;
    }
}

TEST(TryParseNumber, RejectsEverythingElseAndLeavesTheValueAlone) {
    // "\xD9\xA1" is the Arabic-Indic digit one.
    // clang-format off
    const std::vector<std::string> texts = {
        "", " ", ".", "+", "-", "+.", "E5", "e5", "1E", "1E+", "1e-", "inf", "-INF", "nan",
        "Infinity", "0x10", "1,5", "1 000", "1_000", "1..2", "1.2.3", "--1", "+-1", "1E5.5",
        "1E1E1", "1d", "1f", "\t1", "1\t", "1\n", "\xD9\xA1",
        "1E400", "-1e400", "1.7976931348623159E308", "1E99999999999999999999",
        std::string("1\0", 2)};
    // clang-format on
    for (const auto& text : texts) {
        double value = 42.0;
        EXPECT_FALSE(TryParseNumber(text, value)) << testing::PrintToString(text);
        EXPECT_EQ(value, 42.0) << testing::PrintToString(text);
    }
}

TEST(FormatGeneral, WritesTheDocumentedExamples) {
    struct TCase {
        double value;
        int precision;
        int minExponentDigits;
        const char* text;
    };
    const std::vector<TCase> cases = {
        {1.0 / 3.0, 15, 0, "0.333333333333333"},
        {1e20, 15, 0, "1E20"},
        {1.5e-7, 15, 0, "1.5E-7"},
        {0.0001, 15, 0, "0.0001"},
        {5e-5, 15, 0, "5E-5"},
        {100.0, 5, 4, "100"},
        {0.0061121, 5, 4, "0.0061121"},
        {12345.6, 5, 4, "12346"},
        {123456.0, 5, 4, "1.2346E0005"},
        {1.5e-7, 5, 4, "1.5E-0007"},
        {0.0, 15, 0, "0"},
        {-0.0, 5, 4, "0"},
        // Rounding moves the exponent and so can change the notation.
        {9.99995, 5, 0, "10"},
        {99999.5, 5, 4, "1E0005"},
        {0.00009999951, 5, 0, "0.0001"},
        {0.000099999, 5, 0, "9.9999E-5"},
        {-1234567.0, 5, 4, "-1.2346E0006"},
        {123.0, 0, 0, "1E2"},  // precision below 1 counts as 1
    };
    for (const auto& c : cases)
        EXPECT_EQ(FormatGeneral(c.value, c.precision, c.minExponentDigits), c.text)
            << c.value << " P" << c.precision << " min" << c.minExponentDigits;
}

// C's "%.PG" makes the same choices; it writes "E+" and at least two exponent digits.
std::string PrintfGeneralWithoutPlus(double value, int precision) {
    char buffer[128];
    std::snprintf(buffer, sizeof buffer, "%.*G", precision, value);
    std::string text(buffer);
    if (const auto plus = text.find("E+"); plus != std::string::npos) text.erase(plus + 1, 1);
    return text;
}

// A deterministic spread of values: many mantissas over the whole exponent range, including
// the halfway cases that decide rounding.
std::vector<double> SampleValues() {
    std::vector<double> values;
    const double mantissas[] = {1.0,
                                1.5,
                                2.5,
                                9.99995,
                                9.9999999999999995,
                                3.14159,
                                0.5,
                                1.2345e-3,
                                7.77777777777777,
                                6.02214076,
                                9.5,
                                1.00000000000000005};
    for (int exponent = -320; exponent <= 305; exponent += 7)
        for (double mantissa : mantissas) {
            const double value = mantissa * std::pow(10.0, exponent);
            values.push_back(value);
            values.push_back(-value);
        }
    return values;
}

TEST(FormatGeneral, AgreesWithCGeneralFormat) {
    ASSERT_STREQ(std::localeconv()->decimal_point, ".");
    for (double value : SampleValues())
        for (int precision : {1, 2, 5, 6, 15, 17})
            ASSERT_EQ(FormatGeneral(value, precision, 2),
                      PrintfGeneralWithoutPlus(value, precision))
                << value << " P" << precision;
}

TEST(FormatGeneral, SeventeenDigitsReadBackExactly) {
    for (double value : SampleValues()) {
        double back = 0.0;
        ASSERT_TRUE(TryParseNumber(FormatGeneral(value, 17), back)) << FormatGeneral(value, 17);
        EXPECT_EQ(back, value) << FormatGeneral(value, 17);
    }
}

// Rounding to nearest can carry a value near the largest double beyond it; what is shown must
// read back as a finite number at every precision.
TEST(FormatGeneral, ValuesNearTheLargestDoubleReadBack) {
    EXPECT_EQ(FormatGeneral(DBL_MAX, 15), "1.79769313486231E308");
    EXPECT_EQ(FormatGeneral(-DBL_MAX, 5, 4), "-1.7976E0308");
    EXPECT_EQ(FormatGeneral(DBL_MAX, 17), "1.7976931348623157E308");
    EXPECT_EQ(FormatGeneral(1.8e307, 2), "1.8E307");  // no overflow: rounded as before
    EXPECT_EQ(EvaluateDisplayText("2^1023*1.9999999999999998"), "1.79769313486231E308");
    EXPECT_EQ(EvaluateDisplayText("1.79769313486231E308"), "1.79769313486231E308");
    std::vector<double> values;
    for (double value = DBL_MAX; values.size() < 20; value = std::nextafter(value, 0.0))
        values.push_back(value);
    for (int k = 1; k <= 300; ++k) values.push_back(DBL_MAX * (1 - k * 1.7e-4));
    for (const double value : values) {
        for (const double signedValue : {value, -value}) {
            for (int precision = 1; precision <= 17; ++precision) {
                for (int exponentDigits : {0, 4}) {
                    const std::string text = FormatGeneral(signedValue, precision, exponentDigits);
                    double back = 0.0;
                    ASSERT_TRUE(TryParseNumber(text, back)) << text;
                    // Only the last digit moves: within one unit of it.
                    EXPECT_NEAR(back, signedValue,
                                std::fabs(signedValue) * std::pow(10.0, 1 - precision))
                        << text;
                }
            }
        }
    }
}

TEST(TrimPastedValue, DropsLineBreaksTabsAndSpacesAroundTheValueOnly) {
    const std::pair<const char*, const char*> cases[] = {
        {"25\n", "25"},  {"25\r\n", "25"}, {"\t 30 \r\n", "30"}, {"\n\n-1.5E3\t", "-1.5E3"},
        {"1 2", "1 2"},  // inside the text nothing changes: still no number
        {" \t\r\n", ""}, {"", ""},         {"abc\n", "abc"}};
    for (const auto& [pasted, kept] : cases)
        EXPECT_EQ(TrimPastedValue(pasted), kept) << testing::PrintToString(pasted);
}

TEST(FormatFixed3, WritesLimitsWithThreeDecimals) {
    const std::vector<std::pair<double, const char*>> cases = {
        {0.01, "0.010"},      {373.946, "373.946"}, {1000.0, "1000.000"},  {-5.0, "-5.000"},
        {2.0004999, "2.000"}, {2.0005001, "2.001"}, {1e7, "10000000.000"},
    };
    for (const auto& [value, text] : cases) EXPECT_EQ(FormatFixed3(value), text) << value;

    ASSERT_STREQ(std::localeconv()->decimal_point, ".");
    char buffer[400];
    for (double value : SampleValues()) {
        std::snprintf(buffer, sizeof buffer, "%.3f", value);
        ASSERT_EQ(FormatFixed3(value), buffer) << value;
    }
}

}  // namespace
