// The registry as the window and the command line see it: every library in order, and each
// library's functions with their arities and quantities, against the golden `varnexa-cli list`
// outputs in tests/data (reviewed against the library function tables), not a copy of the code.
#include <gtest/gtest.h>

#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "KXTsv.h"
#include "KX_Libraries_Catalogue.h"
#include "VarnexaCli.h"

namespace {

// A golden file without its "#" header lines.
std::string Golden(const std::string& name) {
    std::string text;
    for (const kxtsv::TLine& line : kxtsv::Read("golden_list_" + name + ".tsv", false).Lines) {
        for (std::size_t i = 0; i < line.Fields.size(); ++i)
            text += (i ? "\t" : "") + line.Fields[i];
        text += "\n";
    }
    return text;
}

std::string ListOutput(const std::vector<const char*>& arguments) {
    std::vector<const char*> argv = {"varnexa-cli", "list"};
    argv.insert(argv.end(), arguments.begin(), arguments.end());
    std::istringstream in;
    std::ostringstream out, err;
    EXPECT_EQ(RunVarnexaCli(static_cast<int>(argv.size()), argv.data(), in, out, err), 0)
        << err.str();
    return out.str();
}

std::vector<std::string> LibraryNames() {
    std::vector<std::string> names;
    std::istringstream in(Golden("libraries"));
    for (std::string name; std::getline(in, name);) names.push_back(name);
    return names;
}

// The libraries of the first release keep their names and indices; later ones only append.
TEST(Catalogue, LibrariesInRegistrationOrder) {
    EXPECT_EQ(ListOutput({}), Golden("libraries"));
    const std::vector<std::string> first = {"KX_WS_IF97", "KX_NH3_FE",   "KX_R22_FE",   "KX_R32_FE",
                                            "KX_R123_FE", "KX_R134a_FE", "KX_R152a_FE", "KX_N2_FE",
                                            "KX_O2_FE",   "KX_CO2_FE",   "KX_Ar_FE",    "KX_H2_FE",
                                            "KX_H2o_FE",  "KX_H2p_FE"};
    const std::vector<std::string> names = LibraryNames();
    ASSERT_GE(names.size(), first.size());
    EXPECT_EQ(std::vector<std::string>(names.begin(), names.begin() + first.size()), first);
}

class LibraryFunctions : public testing::TestWithParam<std::string> {};

TEST_P(LibraryFunctions, MatchTheGoldenList) {
    EXPECT_EQ(ListOutput({GetParam().c_str()}), Golden(GetParam()));
}

INSTANTIATE_TEST_SUITE_P(Libraries, LibraryFunctions, testing::ValuesIn(LibraryNames()),
                         [](const auto& info) { return info.param; });

// The address stored for each function is the one its arity calls through.
TEST(Catalogue, EveryFunctionIsCalledThroughThePointerOfItsArity) {
    TKXLibraries registry;
    CreateKXLibraries(registry);
    ASSERT_EQ(registry.Count(), static_cast<int>(LibraryNames().size()));
    for (int l = 0; l < registry.Count(); ++l) {
        for (int f = 0; f < registry.Library(l)->Count(); ++f) {
            SCOPED_TRACE(registry.Library(l)->Function(f)->FunctionName);
            const int arity = registry.GetNoOfArguments(l, f);
            const TKXFunctionPtr p = registry.GetFunctionPtr(l, f);
            EXPECT_EQ(p.Constant != nullptr, arity == 0);
            EXPECT_EQ(p.Unary != nullptr, arity == 1);
            EXPECT_EQ(p.Binary != nullptr, arity == 2);
        }
        // One past the last function has no arguments to ask for.
        EXPECT_EQ(registry.GetNoOfArguments(l, registry.Library(l)->Count()), -1);
    }
}

}  // namespace
