// varnexa-cli as scripts use it: its output lines, exit codes and one-line usage errors.
#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

#include "CliRun.h"
#include "KX_Version.h"
#include "VarnexaCli.h"

namespace {

std::vector<std::string> Lines(const std::string& text) {
    std::vector<std::string> lines;
    std::istringstream s(text);
    for (std::string line; std::getline(s, line);) lines.push_back(line);
    return lines;
}

TEST(Cli, EvalPrintsWhatTheDisplayShows) {
    const std::pair<const char*, const char*> cases[] = {
        {"1+2*3", "7"},
        {"1/3", "0.333333333333333"},
        {"(", "Error"},
        {"2^10", "1024"},
        // An expression that begins with "-" is an expression, not an option.
        {"-(2+3)", "-5"},
        {"-PI", "-3.14159265358979"},
        {"-sin(1)", "-0.841470984807897"},
        {"-1", "-1"}};
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
                         // 1 psi = 0.45359237 kg x 9.80665 m/s2 / (0.0254 m)^2
                         Case{"1", "bar(a)", "psi(a)", "14.5037737730209"},
                         // Values and unit names that begin with "-".
                         Case{"-5", "°C", "K", "268.15"}, Case{"-.5", "°C", "°F", "31.1"},
                         Case{"0.35", "-", "Dec [%]", "35"},
                         // Names several quantities share: the first quantity that has both.
                         Case{"1", "kW", "MW", "0.001"},
                         Case{"1", "kW", "BTU/h", "3412.14163312794"},         // 3600/1.05505585262
                         Case{"1", "kJ/kgK", "BTU/lbR", "0.238845896627496"},  // 1/4.1868
                         Case{"2", "Dec [%]", "-", "0.02"}}) {
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

TEST(Cli, AConversionBetweenQuantitiesNamesBothUnits) {
    const CliRun r = Cli({"convert", "1", "MW", "HP"});
    EXPECT_EQ(r.Status, 2);
    EXPECT_EQ(r.Err, "varnexa-cli: no quantity has both units MW and HP\n");
    EXPECT_EQ(Cli({"convert", "1", "kW", "furlong"}).Err, "varnexa-cli: unknown unit: furlong\n");
}

// The version of the project, as the C interface and the explorer's title give it.
TEST(Cli, VersionFromTheProject) {
    const CliRun r = Cli({"--version"});
    EXPECT_EQ(r.Status, 0);
    EXPECT_EQ(r.Out, std::string("varnexa-cli ") + VARNEXA_VERSION + "\n");
    EXPECT_NE(std::string(VARNEXA_VERSION).find('.'), std::string::npos);
}

TEST(Cli, HelpOnEveryCommand) {
    for (const char* command : {"list", "call", "batch", "eval", "convert", "show"}) {
        const CliRun r = Cli({command, "--help"});
        EXPECT_EQ(r.Status, 0) << command;
        EXPECT_NE(r.Out.find(command), std::string::npos) << r.Out;
    }
    EXPECT_EQ(Cli({"--help"}).Status, 0);
    // Also after positional arguments, and with its short name.
    for (const std::vector<std::string>& args :
         {std::vector<std::string>{"call", "KX_WS_IF97_PsatT", "--help"},
          std::vector<std::string>{"eval", "-h"},
          std::vector<std::string>{"convert", "1", "--help"}}) {
        const CliRun r = Cli(args);
        EXPECT_EQ(r.Status, 0) << args[0];
        EXPECT_NE(r.Out.find(args[0]), std::string::npos) << r.Out;
    }
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

    r = Cli({"call", "KX_WS_IF97_PsatT", "-.5"});  // not a number CLI11 recognises as one
    EXPECT_EQ(r.Status, 0) << r.Err;
    EXPECT_EQ(r.Out, "0\t2\tKX_WS_IF97_PsatT; Temperature lower than minimum value of 0.010 °C.\n");

    // A "--" of the user's own, wherever it stands, changes nothing.
    for (const std::vector<std::string>& args :
         {std::vector<std::string>{"call", "--", "KX_WS_IF97_PsatT", "-5"},
          std::vector<std::string>{"call", "KX_WS_IF97_PsatT", "--", "-5"}}) {
        r = Cli(args);
        EXPECT_EQ(r.Status, 0) << r.Err;
        EXPECT_EQ(r.Out,
                  "0\t2\tKX_WS_IF97_PsatT; Temperature lower than minimum value of 0.010 °C.\n");
    }

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
    EXPECT_EQ(lines[0],
              "0\t2\tKX_WS_IF97_PsatT; Temperature lower than minimum value of 0.010 °C.");
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

// In the engineering unit system every argument and result starts on a unit, so the panel
// computes at once; the result equals the SI one converted by the unit's definition.
TEST(Cli, EngineeringUnitsNeedNoUnitChoice) {
    struct Case {
        const char* Function;
        std::vector<std::string> SiArgs, EngArgs;  // the same state: 1 bar = 14.503773773 psi
        double PerSiUnit;                          // engineering result per SI result
    };
    const double foot = 0.3048, pound = 0.45359237, gravity = 9.80665, btu = 1055.05585262;
    const Case cases[] = {
        {"KX_WS_IF97_STT", {"20"}, {"68"}, foot / (pound * gravity)},
        {"KX_WS_IF97_KVPT", {"1", "20"}, {"14.503773773", "68"}, 1 / (foot * foot)},
        {"KX_WS_IF97_DVPT", {"1", "20"}, {"14.503773773", "68"}, foot / pound},
        {"KX_WS_IF97_TCPT", {"1", "20"}, {"14.503773773", "68"}, 3600 * foot / (1.8 * btu)},
    };
    for (const Case& c : cases) {
        double shown[2] = {0, 0};
        for (int system = 0; system < 2; ++system) {
            std::vector<std::string> args{"show", c.Function, "--unit-system",
                                          std::to_string(system)};
            for (const std::string& a : system == 0 ? c.SiArgs : c.EngArgs) {
                args.push_back("--arg");
                args.push_back(a);
            }
            const CliRun r = Cli(args);
            const auto lines = Lines(r.Out);
            ASSERT_EQ(lines.size(), 1u) << c.Function << " system " << system << ": " << r.Out;
            shown[system] = std::stod(lines[0]);
        }
        // Both are shown with 5 significant digits.
        EXPECT_NEAR(shown[1], shown[0] * c.PerSiUnit, 1e-4 * shown[1]) << c.Function;
    }
}

}  // namespace
