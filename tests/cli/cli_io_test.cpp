// varnexa-cli where its input or output fails, and arguments at the edges of the parser: a
// standard output that takes nothing, a standard input that cannot be read, words of batch input
// too long or not printable, values that begin with "-", unit systems and sizes out of range.
#include <fcntl.h>
#include <gtest/gtest.h>
#include <unistd.h>

#include <algorithm>
#include <filesystem>
#include <iostream>
#include <sstream>
#include <streambuf>
#include <string>
#include <vector>

#include "CliRun.h"
#include "VarnexaCli.h"

namespace {

std::vector<const char*> Argv(std::vector<std::string>& args) {
    args.insert(args.begin(), "varnexa-cli");
    std::vector<const char*> argv;
    for (const auto& a : args) argv.push_back(a.c_str());
    return argv;
}

// An output that refuses every byte, as a full disk or a closed pipe does.
class TFullOutput : public std::streambuf {
  protected:
    int_type overflow(int_type) override { return traits_type::eof(); }
    std::streamsize xsputn(const char*, std::streamsize) override { return 0; }
};

TEST(CliOutput, AnOutputThatTakesNothingExitsOneWithAMessage) {
    const std::vector<std::vector<std::string>> commands = {
        {"list"},
        {"list", "KX_WS_IF97"},
        {"call", "KX_WS_IF97_PsatT", "100"},
        {"eval", "1+2"},
        {"convert", "1", "kW", "MW"},
        {"show", "KX_WS_IF97_PsatT", "--arg", "100"},
        {"batch"},
        {"state", "KX_WS_IF97", "pT", "1", "100"},
        {"table", "KX_WS_IF97", "saturation", "--T", "20", "100", "20"},
        {"list", "--help"}};
    for (std::vector<std::string> args : commands) {
        const std::string name = args[0];
        const std::vector<const char*> argv = Argv(args);
        std::istringstream in("KX_WS_IF97_PsatT 100\n");
        TFullOutput full;
        std::ostream out(&full);
        std::ostringstream err;
        EXPECT_EQ(RunVarnexaCli(static_cast<int>(argv.size()), argv.data(), in, out, err), 1)
            << name;
        const std::string message = err.str();
        EXPECT_EQ(message.rfind("varnexa-cli: cannot write standard output", 0), 0u)
            << name << ": " << message;
        EXPECT_EQ(std::count(message.begin(), message.end(), '\n'), 1) << message;
    }
}

// Standard input that is a directory: read(2) fails, which is no end of input.
TEST(CliInput, BatchFromAnUnreadableStandardInputExitsOne) {
    const int saved = dup(STDIN_FILENO);
    const int directory = open(testing::TempDir().c_str(), O_RDONLY | O_DIRECTORY);
    ASSERT_GE(saved, 0);
    ASSERT_GE(directory, 0);
    ASSERT_EQ(dup2(directory, STDIN_FILENO), STDIN_FILENO);
    const char* argv[] = {"varnexa-cli", "batch"};
    std::ostringstream out, err;
    const int status = RunVarnexaCli(2, argv, std::cin, out, err);
    dup2(saved, STDIN_FILENO);
    close(saved);
    close(directory);
    std::cin.clear();
    EXPECT_EQ(status, 1);
    EXPECT_EQ(err.str(), "varnexa-cli: cannot read standard input: Is a directory\n");
    EXPECT_EQ(out.str(), "");
}

// A malformed word is echoed in at most 64 bytes, never cut inside a character, with control
// bytes (and backslashes, so the echo reads back unambiguously) as \xHH.
TEST(CliBatch, EchoedWordsAreCappedAndEscaped) {
    const std::string degrees = [] {
        std::string d = "a";
        for (int i = 0; i < 40; ++i) d += "\xc2\xb0";
        return d;
    }();
    const std::pair<std::string, std::string> cases[] = {
        {std::string(1 << 20, 'K') + " 1", "unknown function: " + std::string(64, 'K') + "..."},
        {"KX_\x01\x1b[31mred 1", "unknown function: KX_\\x01\\x1B[31mred"},
        {"KX_WS_IF97_PsatT 1\x07", "not a number: 1\\x07"},
        {"KX_WS_IF97_PsatT 1\\2", "not a number: 1\\x5C2"},
        {"KX_WS_IF97_PsatT " + degrees,
         "not a number: a" + degrees.substr(1, 62) + "..."},  // 31 whole degree signs
        {"KX_WS_IF97_PsatT \xc2\xb0", "not a number: \xc2\xb0"}};
    for (const auto& [line, message] : cases) {
        const CliRun r = Cli({"batch"}, line + "\n");
        EXPECT_EQ(r.Status, 0);
        EXPECT_EQ(r.Out, "ERROR\t" + message + "\n") << message;
    }
}

TEST(CliArguments, ValuesThatBeginWithAMinusAndRangesOfOptions) {
    struct TCase {
        std::vector<std::string> Args;
        int Status;
        std::string Err;  // what standard error begins with
    };
    const std::string Svg = testing::TempDir() + "/never_drawn.svg";
    const std::vector<TCase> cases = {
        // Values, not options; "-inf" is then no number like any other word.
        {{"state", "KX_WS_IF97", "pT", "-.5", "20"}, 0, ""},
        {{"state", "KX_WS_IF97", "pT", "1", "-inf"}, 2, "varnexa-cli: not a number: -inf\n"},
        {{"state", "KX_WS_IF97", "-x", "1", "20"}, 2, "varnexa-cli: unknown pair: -x "},
        {{"table", "KX_WS_IF97", "isobar", "--p", "1", "--T", "-.5", "-inf", "1"},
         2,
         "varnexa-cli: not a number: -inf\n"},
        {{"state", "KX_WS_IF97", "pT", "1", "20", "-h"}, 0, ""},
        {{"state", "KX_WS_IF97", "pT", "1", "20", "--unit-system", "2"}, 2, "varnexa-cli: "},
        {{"table", "KX_WS_IF97", "saturation", "--T", "20", "30", "10", "--unit-system", "-1"},
         2,
         "varnexa-cli: "},
        {{"show", "KX_WS_IF97_PsatT", "--unit-system", "2"}, 2, "varnexa-cli: "},
        {{"diagram", "KX_WS_IF97", "ph", "--out", Svg, "--unit-system", "7"}, 2, "varnexa-cli: "},
        // Sizes that overflow an int, or carry more than WxH.
        {{"diagram", "KX_WS_IF97", "ph", "--out", Svg, "--size", "4294967496x300"},
         2,
         "varnexa-cli: --size needs WxH"},
        {{"diagram", "KX_WS_IF97", "ph", "--out", Svg, "--size", "300x4294967446"},
         2,
         "varnexa-cli: --size needs WxH"},
        {{"diagram", "KX_WS_IF97", "ph", "--out", Svg, "--size", "300x300x"},
         2,
         "varnexa-cli: --size needs WxH"},
    };
    for (const TCase& c : cases) {
        const CliRun r = Cli(c.Args);
        std::string joined;
        for (const auto& a : c.Args) joined += a + " ";
        EXPECT_EQ(r.Status, c.Status) << joined << r.Err;
        EXPECT_EQ(r.Err.substr(0, c.Err.size()), c.Err) << joined;
        if (c.Status == 2) {
            EXPECT_EQ(std::count(r.Err.begin(), r.Err.end(), '\n'), 1) << r.Err;
        }
    }
    EXPECT_FALSE(std::filesystem::exists(Svg));  // refused before drawing
    // "-.5" is the number -0.5: the library's own answer at that pressure, and the table's rows.
    const CliRun state = Cli({"state", "KX_WS_IF97", "pT", "-.5", "20"});
    const CliRun call = Cli({"call", "KX_WS_IF97_HPT", "-.5", "20"});
    EXPECT_EQ(state.Out, "error\t" + call.Out.substr(call.Out.rfind('\t') + 1));
    const CliRun table =
        Cli({"table", "KX_WS_IF97", "isotherm", "--T", "20", "--p", "-.5", "1.5", "1", "--csv"});
    ASSERT_EQ(table.Status, 0) << table.Err;
    std::istringstream rows(table.Out);
    std::vector<std::string> firsts;
    for (std::string line; std::getline(rows, line);) firsts.push_back(line.substr(0, 3));
    EXPECT_EQ(firsts, (std::vector<std::string>{"T [", "20,", "20,", "20,"}));
}

}  // namespace
