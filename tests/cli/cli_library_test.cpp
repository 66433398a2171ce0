// What the command line says about a library (`info`), the short names a person types for a
// library wherever a command takes one, and functions of three arguments through `list`, `call`,
// `batch` and `show` (a registry of the test's own: no library of the program has one yet).
#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <cmath>
#include <cstdio>
#include <sstream>
#include <string>
#include <vector>

#include "CliRun.h"
#include "KXTernaryTestLibrary.h"
#include "KXTsv.h"
#include "KX_Libraries_Catalogue.h"
#include "VarnexaCli.h"

namespace {

CliRun Cli(std::vector<std::string> args) {
    return Cli(KXRegistry(), std::move(args));
}

std::vector<std::string> Lines(const std::string& text) {
    std::vector<std::string> lines;
    std::istringstream s(text);
    for (std::string line; std::getline(s, line);) lines.push_back(line);
    return lines;
}

std::string Cased(std::string s, int (*change)(int)) {
    for (char& c : s) c = static_cast<char>(change(static_cast<unsigned char>(c)));
    return s;
}

// `info` of every library: its full name, then the keys in the one order; the numbers that a
// constant function also answers agree with `call` of it.
TEST(CliInfo, EveryLibraryHasTheKeysInOrderAndItsOwnConstants) {
    const kxtsv::TTable keys = kxtsv::Read("library_info_keys.tsv", true);
    for (const std::string& library : Lines(Cli({"list"}).Out)) {
        SCOPED_TRACE(library);
        const CliRun r = Cli({"info", library});
        ASSERT_EQ(r.Status, 0) << r.Err;
        const std::vector<std::string> lines = Lines(r.Out);
        ASSERT_EQ(lines.size(), keys.Lines.size() + 1);
        EXPECT_EQ(lines[0], "name\t" + library);
        for (std::size_t k = 0; k < keys.Lines.size(); ++k) {
            const kxtsv::TFields& key = keys.Lines[k].Fields;
            const kxtsv::TFields fields = kxtsv::SplitTabs(lines[k + 1]);
            ASSERT_EQ(fields.size(), 2u) << lines[k + 1];
            EXPECT_EQ(fields[0], key.at(0));
            // Humid air registers no constants (its critical and triple point are its water's),
            // a mixture only its molar mass (no critical or triple point of its own), a binary
            // pair at a chosen composition none (its MM takes the composition).
            if (key.at(2).empty() || lines[1] == "kind\thumid air") continue;
            if (lines[1] == "kind\tmixture" && key.at(2) != "MM") continue;
            if (library.rfind("KX_MIX_", 0) == 0) continue;
            const kxtsv::TFields call =
                kxtsv::SplitTabs(Lines(Cli({"call", library + "_" + key.at(2)}).Out).at(0));
            ASSERT_EQ(call.at(1), "0") << call.at(2);
            const double stated = std::stod(fields[1]), answered = std::stod(call.at(0));
            EXPECT_NEAR(stated, answered, 1e-12 * std::max(1.0, std::fabs(answered))) << key.at(0);
        }
    }
    const CliRun unknown = Cli({"info", "KX_NO_SUCH_LIBRARY"});
    EXPECT_EQ(unknown.Status, 2);
    EXPECT_EQ(unknown.Err, "varnexa-cli: unknown library: KX_NO_SUCH_LIBRARY\n");
    EXPECT_EQ(Cli({"info"}).Status, 2);
    EXPECT_EQ(Cli({"info", "--help"}).Status, 0);
}

// A short name in any case does what the full name does, and the output names the full name.
TEST(CliShortNames, EveryCommandThatTakesALibraryAcceptsItsShortName) {
    const TKXLibraries& registry = KXRegistry();
    for (int l = 0; l < registry.Count(); ++l) {
        const TKXLibrary& library = *registry.Library(l);
        const std::string& shortName = library.DisplayName();
        for (const std::string& typed :
             {Cased(shortName, std::tolower), Cased(shortName, std::toupper)}) {
            for (const char* command : {"list", "info"}) {
                const CliRun r = Cli({command, typed});
                EXPECT_EQ(r.Status, 0) << command << " " << typed << ": " << r.Err;
                EXPECT_EQ(r.Out, Cli({command, library.Library_Name}).Out)
                    << command << " " << typed;
            }
        }
    }
    const std::vector<std::vector<std::string>> commands = {
        {"state", "LIB", "pT", "1", "20"},
        {"state", "LIB", "Tx", "-10", "0.5", "--digits", "7"},
        {"table", "LIB", "saturation", "--T", "-20", "40", "20"},
        {"table", "LIB", "isobar", "--p", "5", "--T", "0", "100", "50", "--csv"},
    };
    const std::pair<const char*, const char*> names[] = {{"R134a", "KX_R134a_FE"},
                                                         {"r134A", "KX_R134a_FE"},
                                                         {"WATER", "KX_WS_IF97"},
                                                         {"if97", "KX_WS_IF97"},
                                                         {"Ammonia", "KX_NH3_FE"}};
    for (const auto& [typed, full] : names) {
        EXPECT_EQ(Lines(Cli({"info", typed}).Out).at(0), std::string("name\t") + full);
        for (std::vector<std::string> args : commands) {
            args[1] = full;
            const CliRun byFullName = Cli(args);
            args[1] = typed;
            const CliRun byShortName = Cli(args);
            EXPECT_EQ(byShortName.Status, 0) << typed << " " << args[0] << ": " << byShortName.Err;
            EXPECT_FALSE(byShortName.Out.empty());
            EXPECT_EQ(byShortName.Out, byFullName.Out) << typed << " " << args[0];
        }
    }
    for (const std::vector<std::string>& args :
         {std::vector<std::string>{"list", "R134"},
          {"info", "R134"},
          {"state", "R134", "pT", "1", "20"},
          {"table", "R134", "isobar", "--p", "1", "--T", "0", "1", "1"}}) {
        const CliRun r = Cli(args);
        EXPECT_EQ(r.Status, 2) << args[0];
        EXPECT_EQ(r.Err, "varnexa-cli: unknown library: R134\n") << args[0];
    }
}

class CliTernary : public testing::Test {
  protected:
    static const TKXLibraries& Registry() {
        static const TKXLibraries registry = [] {
            TKXLibraries r;
            kxtest::AddTernaryTestLibrary(r);
            return r;
        }();
        return registry;
    }
    static CliRun Run(std::vector<std::string> args, const std::string& input = "") {
        return Cli(Registry(), std::move(args), input);
    }
    const std::string F = kxtest::TernaryFunctionName;
    const std::string Failure = kxtest::TernaryFailureText;
};

TEST_F(CliTernary, ListCallAndBatch) {
    EXPECT_EQ(Run({"list", "X3 Test"}).Out,
              F + "\t3\tEnthalpy\t4\tPressure\t2\tTemperature\t31\tVapor Fraction\t34\n");
    EXPECT_EQ(Run({"call", F, "1", "2", "3"}).Out, "321\t0\t\n");
    EXPECT_EQ(Run({"call", F, "0.5", "-2", "-1"}).Out, "0\t6\t" + Failure + "\n");
    char value[40];
    std::snprintf(value, sizeof value, "%.17g", kxtest::TernaryValue(0.5, -2.0, 1e-3));
    EXPECT_EQ(Run({"call", F, "0.5", "-2", "1e-3"}).Out, std::string(value) + "\t0\t\n");
    const CliRun batch = Run({"batch"}, F + " 1 2 3\n" + F + " 1 2 -1\n" + F + " 1 2\n" + F +
                                            " 1 2 3 4\n" + F + " 1 x 3\n" + F + " 7 8 9");
    EXPECT_EQ(batch.Status, 0);
    EXPECT_EQ(batch.Out, "321\t0\t\n0\t6\t" + Failure + "\nERROR\t" + F +
                             " takes 3 argument(s), 2 given\nERROR\t" + F +
                             " takes 3 argument(s), 4 given\nERROR\tnot a number: x\n987\t0\t\n");
}

// A count of arguments other than three, four or more included, is refused with a message that
// names the count the function takes.
TEST_F(CliTernary, AnyOtherCountIsRefusedByName) {
    const std::pair<std::vector<std::string>, std::string> cases[] = {
        {{"call", F, "1", "2"}, F + " takes 3 argument(s), 2 given"},
        {{"call", F, "1", "2", "3", "4"}, F + " takes 3 argument(s), 4 given"},
        {{"call", F, "1", "2", "3", "4", "5"}, F + " takes 3 argument(s), 5 given"},
        {{"show", F, "--arg", "1", "--arg", "2", "--arg", "3", "--arg", "4"},
         F + " takes 3 argument(s)"},
    };
    for (const auto& [args, message] : cases) {
        const CliRun r = Run(args);
        EXPECT_EQ(r.Status, 2);
        EXPECT_EQ(r.Err, "varnexa-cli: " + message + "\n");
        EXPECT_EQ(r.Out, "");
    }
    // The program's functions say the same beyond two arguments.
    EXPECT_EQ(Cli({"call", "KX_WS_IF97_HPT", "1", "2", "3"}).Err,
              "varnexa-cli: KX_WS_IF97_HPT takes 2 argument(s), 3 given\n");
}

// `show` types three texts into the property panel's three argument rows.
TEST_F(CliTernary, ShowTypesThreeArguments) {
    // The panel shows a library's error text without the function name before "; ".
    const std::string shownFailure = Failure.substr(Failure.find("; ") + 2);
    const std::pair<std::vector<std::string>, std::string> cases[] = {
        {{"--arg", "1", "--arg", "2", "--arg", "3"}, "321\n"},
        {{"--arg", "1@bar(a)", "--arg", "2@°C", "--arg", "50@Dec [%]"}, "71\n"},
        {{"--arg", "1", "--arg", "2", "--arg", "-1"}, "\nerror: " + shownFailure + "\n"},
        {{"--arg", "1", "--arg", "2"}, "\nerror: Invalid value for Vapor Fraction\n"},
    };
    for (auto [args, shown] : cases) {
        args.insert(args.begin(), {"show", F});
        const CliRun r = Run(args);
        EXPECT_EQ(r.Status, 0) << r.Err;
        EXPECT_EQ(r.Out, shown) << args[3] << " " << args[5];
    }
}

}  // namespace
