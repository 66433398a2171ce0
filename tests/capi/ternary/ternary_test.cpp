// A function of three arguments through the C interface (a build over the test library alone):
// its handle, one call, and array calls with three strides, each state against the function's
// own answer.
#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "KXTernaryTestFunction.h"
#include "varnexa.h"

namespace {

using namespace kxtest;

TEST(CApiTernary, HandleAndOneCall) {
    ASSERT_EQ(varnexa_library_count(), 1);
    EXPECT_EQ(varnexa_find_library("X3 TEST"), 0);
    const varnexa_function* f = varnexa_find_function(TernaryFunctionName);
    ASSERT_NE(f, nullptr);
    EXPECT_EQ(varnexa_arity(f), 3);
    EXPECT_STREQ(varnexa_argument_name(f, 3), "Vapor Fraction");
    EXPECT_EQ(varnexa_argument_quantity(f, 3), 34);
    EXPECT_EQ(varnexa_argument_name(f, 4), nullptr);

    char text[VARNEXA_TEXT_CAPACITY + 1];
    int32_t code = -1;
    const double args[] = {1.0, 2.0, 3.0};
    EXPECT_EQ(varnexa_call(f, args, text, VARNEXA_TEXT_CAPACITY, &code), 321.0);
    EXPECT_EQ(code, 0);
    const double failing[] = {1.0, 2.0, -1.0};
    EXPECT_EQ(varnexa_call(f, failing, text, VARNEXA_TEXT_CAPACITY, &code), 0.0);
    EXPECT_EQ(code, TernaryFailureCode);
    EXPECT_STREQ(text, TernaryFailureText);
}

// Three arrays read with their own strides (0 repeats a value, a negative one walks backwards,
// nullptr means 1 for all); every state against the function alone, a failed one with value 0.
TEST(CApiTernary, ArrayCallWithThreeStrides) {
    const varnexa_function* f = varnexa_find_function(TernaryFunctionName);
    constexpr int64_t n = 7;
    std::vector<double> x1(3 * n), x2(3 * n), x3(3 * n);
    for (int64_t i = 0; i < 3 * n; ++i) {
        x1[i] = 0.25 * i;
        x2[i] = 1.0 + i;
        x3[i] = i % 5 == 3 ? -1.0 : 0.5 * i;  // some states fail
    }
    struct TCase {
        std::vector<int64_t> Strides;  // empty: nullptr
        int64_t Start[3];              // first element read of each array
    };
    const TCase cases[] = {{{}, {0, 0, 0}},
                           {{1, 1, 1}, {0, 0, 0}},
                           {{0, 1, 2}, {4, 0, 0}},
                           {{2, 0, -1}, {0, 5, n - 1}},
                           {{-3, 2, 3}, {3 * n - 1, 1, 2}}};
    for (const TCase& c : cases) {
        const int64_t* strides = c.Strides.empty() ? nullptr : c.Strides.data();
        const double* args[3] = {x1.data() + c.Start[0], x2.data() + c.Start[1],
                                 x3.data() + c.Start[2]};
        std::vector<double> values(n, -7.0);
        std::vector<int32_t> codes(n, -7);
        char text[VARNEXA_TEXT_CAPACITY + 1] = "unchanged";
        const int64_t failed = varnexa_call_array(f, n, args, strides, values.data(), codes.data(),
                                                  text, VARNEXA_TEXT_CAPACITY);
        int64_t expectedFailures = 0;
        std::string firstText;
        for (int64_t i = 0; i < n; ++i) {
            double x[3];
            for (int k = 0; k < 3; ++k) x[k] = args[k][i * (strides ? strides[k] : 1)];
            SCOPED_TRACE("state " + std::to_string(i));
            if (x[2] < 0.0) {
                if (expectedFailures++ == 0) firstText = TernaryFailureText;
                EXPECT_EQ(codes[i], TernaryFailureCode);
                EXPECT_EQ(values[i], 0.0);
            } else {
                EXPECT_EQ(codes[i], 0);
                EXPECT_EQ(values[i], TernaryValue(x[0], x[1], x[2]));
            }
        }
        EXPECT_EQ(failed, expectedFailures);
        EXPECT_EQ(text, firstText);
    }
    // A missing third array is refused before anything is computed.
    const double* missing[3] = {x1.data(), x2.data(), nullptr};
    double value = -7.0;
    int32_t code = -7;
    EXPECT_EQ(varnexa_call_array(f, 1, missing, nullptr, &value, &code, nullptr, 0),
              VARNEXA_INVALID_CALL);
    EXPECT_EQ(value, -7.0);
}

}  // namespace
