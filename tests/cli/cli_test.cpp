// varnexa-cli as scripts use it: its output lines, exit codes and one-line usage errors.
#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

#include "VarnexaCli.h"

namespace {

struct CliRun {
    int Status;
    std::string Out;
    std::string Err;
};

CliRun Cli(std::vector<std::string> args, const std::string& input = "") {
    args.insert(args.begin(), "varnexa-cli");
    std::vector<const char*> argv;
    for (const auto& a : args) argv.push_back(a.c_str());
    std::istringstream in(input);
    std::ostringstream out, err;
    const int status = RunVarnexaCli(static_cast<int>(argv.size()), argv.data(), in, out, err);
    return {status, out.str(), err.str()};
}

std::vector<std::string> Lines(const std::string& text) {
    std::vector<std::string> lines;
    std::istringstream s(text);
    for (std::string line; std::getline(s, line);) lines.push_back(line);
    return lines;
}

TEST(Cli, EvalPrintsWhatTheDisplayShows) {
    const std::pair<const char*, const char*> cases[] = {
        {"1+2*3", "7"}, {"1/3", "0.333333333333333"}, {"(", "Error"}, {"2^10", "1024"}};
    for (const auto& [expression, shown] : cases) {
        const CliRun r = Cli({"eval", expression});
        EXPECT_EQ(r.Status, 0);
        EXPECT_EQ(r.Out, std::string(shown) + "\n") << expression;
    }
}

TEST(Cli, ConvertPrintsWhatTheConversionPanelShows) {
    struct Case {
        const char *Value, *From, *To, *Shown;
    };
    for (const Case c : {Case{"25", "°C", "K", "298.15"}, Case{"100", "°C", "°F", "212"},
                         Case{"abc", "°C", "K", ""}, Case{"1E308", "bar(a)", "Pa(a)", ""},
                         Case{"1", "bar(a)", "psi(a)", "14.5037728137606"}}) {
        const CliRun r = Cli({"convert", c.Value, c.From, c.To});
        EXPECT_EQ(r.Status, 0) << r.Err;
        EXPECT_EQ(r.Out, std::string(c.Shown) + "\n") << c.Value << " " << c.From << " " << c.To;
    }
}

TEST(Cli, UsageErrorsExitWithTwoAndOneLineOnStandardError) {
    const std::vector<std::vector<std::string>> cases = {
        {},
        {"frobnicate"},
        {"call", "KX_NO_SUCH_FUNCTION", "1"},
        {"call", "KX_WS_IF97_PsatT"},
        {"call", "KX_WS_IF97_PsatT", "1", "2"},
        {"call", "KX_WS_IF97_PsatT", "abc"},
        {"call", "KX_WS_IF97_PsatT", "nan"},
        {"list", "KX_NO_SUCH_LIBRARY"},
        {"convert", "1", "furlong", "m"},
        {"convert", "1", "°C", "bar(a)"},
        {"show", "KX_NO_SUCH_FUNCTION"},
        {"show", "KX_WS_IF97_PsatT", "--arg", "1@parsec"},
        {"show", "KX_WS_IF97_PsatT", "--arg", "1", "--arg", "2"},
    };
    for (const auto& args : cases) {
        const CliRun r = Cli(args);
        std::string joined;
        for (const auto& a : args) joined += a + " ";
        EXPECT_EQ(r.Status, 2) << joined;
        EXPECT_EQ(Lines(r.Err).size(), 1u) << joined << ": " << r.Err;
        EXPECT_EQ(r.Out, "") << joined;
    }
}

TEST(Cli, HelpOnEveryCommand) {
    for (const char* command : {"list", "call", "batch", "eval", "convert", "show"}) {
        const CliRun r = Cli({command, "--help"});
        EXPECT_EQ(r.Status, 0) << command;
        EXPECT_NE(r.Out.find(command), std::string::npos) << r.Out;
    }
    EXPECT_EQ(Cli({"--help"}).Status, 0);
}

TEST(Cli, ListsLibrariesAndFunctions) {
    const auto libraries = Lines(Cli({"list"}).Out);
    ASSERT_FALSE(libraries.empty());
    EXPECT_EQ(libraries.front(), "KX_WS_IF97");
    const auto functions = Lines(Cli({"list", "KX_WS_IF97"}).Out);
    ASSERT_EQ(functions.size(), 40u);
    EXPECT_EQ(functions[0], "KX_WS_IF97_PsatT\t1\tPressure\t2\tTemperature\t31");
    EXPECT_EQ(functions[2], "KX_WS_IF97_DTX\t2\tDensity\t15\tTemperature\t31\tVapor Fraction\t34");
    EXPECT_EQ(functions[35], "KX_WS_IF97_MM\t0\tMolar Mass\t38");
}

TEST(Cli, CallPrintsValueCodeAndText) {
    CliRun r = Cli({"call", "KX_WS_IF97_PsatT", "100"});
    ASSERT_EQ(r.Status, 0);
    const auto fields = Lines(r.Out);
    ASSERT_EQ(fields.size(), 1u);
    double value = 0;
    char rest[300] = "";
    ASSERT_EQ(std::sscanf(fields[0].c_str(), "%lf\t%299[^\n]", &value, rest), 2);
    EXPECT_NEAR(value, 1.01417978, 5e-9);
    EXPECT_STREQ(rest, "0\t");

    r = Cli({"call", "KX_WS_IF97_PsatT", "-5"});
    EXPECT_EQ(r.Status, 0);  // the command ran, whatever the function's code
    EXPECT_EQ(r.Out, "0\t2\tKX_WS_IF97_PsatT; Temperature lower than minimum value of 0.010 °C.\n");

    r = Cli({"call", "KX_WS_IF97_Tc"});
    EXPECT_EQ(r.Out, "373.94600000000003\t0\t\n");
}

TEST(Cli, BatchAnswersEveryLineInOrder) {
    const CliRun r = Cli({"batch"},
                      "KX_WS_IF97_PsatT -5\n"
                      "\n"
                      "KX_NOPE 1\n"
                      "KX_WS_IF97_Tc\r\n"
                      "KX_WS_IF97_PsatT x\n"
                      "KX_WS_IF97_PsatT 1 2\n");
    EXPECT_EQ(r.Status, 0);
    const auto lines = Lines(r.Out);
    ASSERT_EQ(lines.size(), 6u);
    EXPECT_EQ(lines[0], "0\t2\tKX_WS_IF97_PsatT; Temperature lower than minimum value of 0.010 °C.");
    EXPECT_EQ(lines[1].rfind("ERROR\t", 0), 0u);
    EXPECT_EQ(lines[2].rfind("ERROR\t", 0), 0u);
    EXPECT_EQ(lines[3], "373.94600000000003\t0\t");
    EXPECT_EQ(lines[4].rfind("ERROR\t", 0), 0u);
    EXPECT_EQ(lines[5].rfind("ERROR\t", 0), 0u);
}

TEST(Cli, ShowDrivesThePropertyPanel) {
    struct Case {
        std::vector<std::string> Args;
        const char* Out;
    };
    const Case cases[] = {
        {{"KX_WS_IF97_PsatT", "--arg", "100@°C"}, "1.0142\n"},
        {{"KX_WS_IF97_PsatT", "--arg", "100"}, "1.0142\n"},
        {{"KX_WS_IF97_PsatT", "--arg", "100", "--result-unit", "kPa(a)"}, "101.42\n"},
        {{"KX_WS_IF97_PsatT", "--arg", "212@°F"}, "1.0142\n"},
        {{"KX_WS_IF97_PsatT", "--arg", "-5"},
         "\nerror: Temperature lower than minimum value of 0.010 °C.\n"},
        {{"KX_WS_IF97_PsatT"}, "\nerror: Invalid value for Temperature\n"},
        {{"KX_WS_IF97_PsatT", "--unit-system", "1", "--arg", "212"}, "14.709\n"},
        {{"KX_WS_IF97_Tc"}, "373.95\n"},
    };
    for (const auto& c : cases) {
        std::vector<std::string> args = c.Args;
        args.insert(args.begin(), "show");
        const CliRun r = Cli(args);
        EXPECT_EQ(r.Status, 0) << r.Err;
        EXPECT_EQ(r.Out, c.Out) << args[1] << " " << (args.size() > 3 ? args[3] : "");
    }
}

}  // namespace
