// Range checks, error-text rewriting and the entry-point guard shared by every library.
#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <limits>
#include <stdexcept>
#include <string>

#include "KX_Utils.h"

namespace {

struct ComparatorCase {
    const char* Comparator;
    double Value;
    double Limit;
    const char* Expected;  // "" when the value passes
};

TEST(RangeCheck, EveryComparatorAtAroundAndOnItsLimit) {
    const ComparatorCase cases[] = {
        {"<", -5, 0.01, "KX_WS_IF97_PsatT; Temperature lower than minimum value of 0.010 °C."},
        {"<", 0.01, 0.01, ""},
        {"<", 1, 0.01, ""},
        {"<=", 0.01, 0.01,
         "KX_WS_IF97_PsatT; Temperature lower than or equal to minimum value of 0.010 °C."},
        {"<=", 0.02, 0.01, ""},
        {">", 373.946, 373.946, ""},
        {">", 400, 373.946,
         "KX_WS_IF97_PsatT; Temperature higher than maximum value of 373.946 °C."},
        {">=", 373.946, 373.946,
         "KX_WS_IF97_PsatT; Temperature higher than or equal to maximum value of 373.946 °C."},
        {">=", 373.9, 373.946, ""},
        {"=<", 0, 1, "KX_WS_IF97_PsatT; Temperature; wrong limit specifier."},
        {"", 0, 1, "KX_WS_IF97_PsatT; Temperature; wrong limit specifier."},
        {"< ", 0, 1, "KX_WS_IF97_PsatT; Temperature; wrong limit specifier."},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(
            RangeCheck(c.Comparator, "KX_WS_IF97", "PsatT", c.Value, c.Limit, "Temperature", "°C"),
            c.Expected)
            << "'" << c.Comparator << "' " << c.Value << " vs " << c.Limit;
    }
}

TEST(RangeCheck, NaNNeverPasses) {
    const double nan = std::numeric_limits<double>::quiet_NaN();
    for (const char* comparator : {"<", "<=", ">", ">="}) {
        EXPECT_EQ(RangeCheck(comparator, "KX_NH3_FE", "DPT", nan, 1.0, "Pressure", "bar(a)"),
                  "KX_NH3_FE_DPT; Unknown error during Range Checking.");
        EXPECT_EQ(RangeCheck(comparator, "KX_NH3_FE", "DPT", 1.0, nan, "Pressure", "bar(a)"),
                  "KX_NH3_FE_DPT; Unknown error during Range Checking.");
    }
}

TEST(RangeCheck, InfinityIsRejectedByTheMatchingLimit) {
    const double inf = std::numeric_limits<double>::infinity();
    EXPECT_NE(RangeCheck(">", "L", "F", inf, 1000, "Pressure", "bar(a)"), "");
    EXPECT_NE(RangeCheck("<", "L", "F", -inf, 0, "Pressure", "bar(a)"), "");
}

// Three decimals where they show the limit to 6 significant digits, more where they would not.
TEST(FormatLimit, FixedWithThreeDecimalsOrGeneralForHugeLimits) {
    const std::pair<double, const char*> cases[] = {
        {0.0, "0.000"},
        {0.01, "0.010"},
        {373.946, "373.946"},
        {-1.5, "-1.500"},
        {1000, "1000.000"},
        {0.00611213, "0.00611213"},
        {999999.0, "999999.000"},
        {1e7, "1E007"},
        {1.234567e8, "1.23457E008"},
        {-2.5e6, "-2.5E006"},
        {0.0061165700001066534, "0.00611657"},
        {3.680783299178176e-06, "0.000003680783"},
        {0.010000000000047748, "0.010"},
        {113.6114000000005, "113.6114"},
        {1e-12, "1E-012"},
    };
    for (const auto& [limit, expected] : cases) EXPECT_EQ(FormatLimit(limit), expected) << limit;
}

TEST(RewriteErrorMessage, KeepsOnlyTheOutermostPrefix) {
    struct Case {
        const char* Message;
        const char* Expected;
    };
    const Case cases[] = {
        {"KX_D2Solver; No convergence.", "KX_NH3_FE_VPT; No convergence."},
        {"A; B; deepest", "KX_NH3_FE_VPT; deepest"},
        {"", "KX_NH3_FE_VPT; Unknown error."},
        {"Unknown error.", "KX_NH3_FE_VPT; Unknown error."},
        {"A;   blanks", "KX_NH3_FE_VPT; blanks"},
    };
    for (const auto& c : cases) {
        std::string message = c.Message;
        RewriteErrorMessage(message, 255, "KX_NH3_FE_VPT");
        EXPECT_EQ(message, c.Expected);
    }
}

TEST(RewriteErrorMessage, CutsAtCapacityKeepingThePrefix) {
    std::string message = "inner; " + std::string(300, 'x');
    RewriteErrorMessage(message, 20, "KX_NH3_FE_VPT");
    EXPECT_EQ(message, "KX_NH3_FE_VPT; xxxxx");
    message = "inner; message";
    RewriteErrorMessage(message, 5, "KX_NH3_FE_VPT");
    EXPECT_EQ(message, "KX_NH");
}

TEST(CutUtf8, NeverSplitsACharacter) {
    const std::string text = "ab°C";  // the degree sign is two bytes
    EXPECT_EQ(CutUtf8(text, 2), "ab");
    EXPECT_EQ(CutUtf8(text, 3), "ab");
    EXPECT_EQ(CutUtf8(text, 4), "ab°");
    EXPECT_EQ(CutUtf8(text, 5), "ab°C");
    EXPECT_EQ(CutUtf8("€x", 2), "");  // three-byte character
}

TEST(CopyErrorText, CutsToCapacityOnACharacterBoundary) {
    char buffer[8];
    CopyErrorText("12345°C", buffer, 6);
    EXPECT_STREQ(buffer, "12345");
    CopyErrorText("12345°C", buffer, 7);
    EXPECT_STREQ(buffer, "12345°");
    CopyErrorText("anything", buffer, 0);
    EXPECT_STREQ(buffer, "");
    // A negative capacity means a buffer of no bytes: not even the NUL is written.
    for (const char* text : {"", "anything"}) {
        std::strcpy(buffer, "keep");
        CopyErrorText(text, buffer, -1);
        EXPECT_STREQ(buffer, "keep");
    }
}

double Entry(char* text, int32_t capacity, int32_t* code, double (*body)(std::string&, int32_t&)) {
    return RunLibraryFunction("KX_TEST", "FN", text, capacity, code, body);
}

TEST(RunLibraryFunction, SuccessClearsTheOutputs) {
    char text[256] = "stale";
    int32_t code = 99;
    const double r = Entry(text, 255, &code, [](std::string&, int32_t&) { return 2.5; });
    EXPECT_EQ(r, 2.5);
    EXPECT_EQ(code, 0);
    EXPECT_STREQ(text, "");
}

TEST(RunLibraryFunction, ArithmeticFaultsBecomeCodeOne) {
    using Body = double (*)(std::string&, int32_t&);
    const Body bodies[] = {
        [](std::string&, int32_t&) {
            volatile double zero = 0.0;
            return 1.0 / zero;
        },
        [](std::string&, int32_t&) {
            volatile double minusOne = -1.0;
            return std::sqrt(minusOne);
        },
        [](std::string&, int32_t&) {
            volatile double big = 1e308;
            return big * 10.0;
        },
        [](std::string&, int32_t&) -> double { throw std::runtime_error("boom"); },
        [](std::string&, int32_t&) {
            // A fault inside the computation is caught even when the result looks fine.
            volatile double zero = 0.0;
            volatile double inf = 1.0 / zero;
            (void)inf;
            return 1.0;
        },
    };
    for (Body body : bodies) {
        char text[256] = "";
        int32_t code = 0;
        EXPECT_EQ(Entry(text, 255, &code, body), 0.0);
        EXPECT_EQ(code, 1);
        EXPECT_STREQ(text, "KX_TEST_FN; Unknown error.");
    }
}

TEST(RunLibraryFunction, ACheckFailureKeepsItsTextAndCode) {
    char text[256] = "";
    int32_t code = 0;
    const double r = Entry(text, 255, &code, [](std::string& t, int32_t& c) {
        t = "KX_TEST_FN; Pressure higher than maximum value of 1000.000 bar(a).";
        c = 5;
        return 7.0;
    });
    EXPECT_EQ(r, 0.0);
    EXPECT_EQ(code, 5);
    EXPECT_STREQ(text, "KX_TEST_FN; Pressure higher than maximum value of 1000.000 bar(a).");
}

TEST(RunLibraryFunction, ACodeWithoutTextGetsTheUnknownErrorText) {
    char text[256] = "";
    int32_t code = 0;
    Entry(text, 255, &code, [](std::string&, int32_t& c) {
        c = 26;
        return 0.0;
    });
    EXPECT_EQ(code, 26);
    EXPECT_STREQ(text, "KX_TEST_FN; Unknown error.");
}

}  // namespace
