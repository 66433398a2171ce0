// The batch command against the line-by-line reading it replaced (string streams, the number
// parser, printf "%.17g"), which serves as the oracle here: same accepted numbers, same output
// byte for byte, on tricky number texts and on tricky line splitting.
#include <gtest/gtest.h>

#include <cstdio>
#include <sstream>
#include <string>
#include <vector>

#include "KX_Function_Call.h"
#include "KX_Libraries_Catalogue.h"
#include "KX_Libraries_Object.h"
#include "NumberText.h"
#include "VarnexaCli.h"

namespace {

// The batch output as the string-stream reading produced it.
std::string Oracle(const std::string& input) {
    std::istringstream in(input);
    std::string out;
    for (std::string line; std::getline(in, line);) {
        if (!line.empty() && line.back() == '\r') line.pop_back();
        std::istringstream words(line);
        std::string function;
        std::vector<std::string> args;
        words >> function;
        for (std::string w; words >> w;) args.push_back(w);
        if (function.empty()) {
            out += "ERROR\tempty line\n";
            continue;
        }
        int library = -1, index = -1;
        if (!KXRegistry().FindFunction(function, library, index)) {
            out += "ERROR\tunknown function: " + function + "\n";
            continue;
        }
        const int arity = KXRegistry().GetNoOfArguments(library, index);
        if (static_cast<int>(args.size()) != arity) {
            out += "ERROR\t" + function + " takes " + std::to_string(arity) + " argument(s), " +
                   std::to_string(args.size()) + " given\n";
            continue;
        }
        double x[3] = {0.0, 0.0, 0.0};
        bool numbers = true;
        for (std::size_t i = 0; i < args.size() && numbers; ++i)
            if (!TryParseNumber(args[i], x[i])) {
                out += "ERROR\tnot a number: " + args[i] + "\n";
                numbers = false;
            }
        if (!numbers) continue;
        char text[256] = "";
        int32_t code = 0;
        const double value =
            KXCallFunction(KXRegistry().GetFunctionPtr(library, index), x, text, 255, &code);
        char number[40];
        std::snprintf(number, sizeof number, "%.17g", value);
        out += std::string(number) + "\t" + std::to_string(code) + "\t" + text + "\n";
    }
    return out;
}

std::string Batch(const std::string& input) {
    const char* argv[] = {"varnexa-cli", "batch"};
    std::istringstream in(input);
    std::ostringstream out, err;
    EXPECT_EQ(RunVarnexaCli(2, argv, in, out, err), 0);
    return out.str();
}

// Number texts at the edges of the grammar: signs, points, exponents, underflow and overflow,
// words that only look like numbers.
const char* const NumberTexts[] = {
    "1",
    "+1",
    "-1.5",
    ".5",
    "5.",
    "-.5",
    "0",
    "-0",
    "00012",
    "1e5",
    "1E+5",
    "2.5e-3",
    "1e",
    "e5",
    "1e+",
    "1e-400",
    "-1e-400",
    "1e400",
    "1e308",
    "1.8e308",
    "inf",
    "-inf",
    "nan",
    "NaN",
    "0x10",
    "1,5",
    "1.2.3",
    "--1",
    "+-1",
    "1_0",
    "1d5",
    ".",
    "+",
    "-",
    "E",
    "1e5.5",
    "\xc2\xb0",
    "100\xc2\xb0",
    "12a",
    "4.9e-324",
    "123456789012345678901234567890",
    "0.000000000000000000001",
    "1e0000000000000000000001",
};

TEST(CliBatch, AcceptsExactlyTheNumbersOfTheNumberTextParser) {
    for (const char* text : NumberTexts) {
        // A unary function whose value varies with its argument, and one that fails out of range.
        for (const char* function : {"KX_WS_IF97_PsatT", "KX_R134a_FE_PsatT"}) {
            const std::string input = std::string(function) + " " + text + "\n";
            const std::string out = Batch(input);
            EXPECT_EQ(out, Oracle(input)) << text;
            double value = 0.0;
            EXPECT_EQ(out.rfind("ERROR\tnot a number: ", 0) != 0, TryParseNumber(text, value))
                << text;
        }
    }
}

TEST(CliBatch, SplitsLinesAndWordsAsTheStreamReadingDid) {
    const char* const inputs[] = {
        "",
        "\n",
        "   \n\t\n",
        "KX_WS_IF97_PsatT 100",  // no line end at the end
        "KX_WS_IF97_PsatT 100\r\nKX_WS_IF97_TsatP 1\r\n",
        "KX_WS_IF97_PsatT\t100\n  KX_WS_IF97_PsatT \v 50 \f\n",
        "KX_WS_IF97_PsatT 100\r\r\n",    // only one carriage return is the line end
        "KX_WS_IF97_PsatT 1\r00\n",      // inside a line it separates words
        "KX_WS_IF97_PsatT\n",            // too few arguments
        "KX_WS_IF97_PsatT 1 2 3 4 5\n",  // far too many
        "NoSuchFunction 1\n",
        "KX_WS_IF97_HPT 10 100\nKX_WS_IF97_HPT 10 abc\n",
        "KX_WS_IF97_PsatT -50\nKX_WS_IF97_PsatT 1e5\n",  // error codes and texts
        "KX_R134a_FE_Tc\nKX_R134a_FE_Tc 1\n",            // a constant
    };
    for (const char* input : inputs) EXPECT_EQ(Batch(input), Oracle(input)) << input;
}

TEST(CliBatch, LinesAcrossTheReadingBlocksComeOutWhole) {
    // Lines of varying length, well beyond one block of input and one of output.
    std::string input;
    for (int i = 0; i < 6000; ++i)
        input += "KX_WS_IF97_PsatT " + std::to_string(10 + i % 300) + "." +
                 std::string(static_cast<std::size_t>(i % 37), '5') + (i % 5 ? "\n" : "\r\n");
    EXPECT_EQ(Batch(input), Oracle(input));
}

}  // namespace
