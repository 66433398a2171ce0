// Every file in tests/data names where its expected values come from: a "Source:" line in its
// leading comment block that names a document (by its year), a derivation by hand, the system
// description, or a reviewed golden list. A file without one holds values nobody can check.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <regex>
#include <sstream>
#include <string>

namespace {

// The text of the leading "#" lines from the "Source:" line on; empty without such a line.
std::string SourceText(std::istream& in) {
    std::string line, text;
    while (std::getline(in, line) && !line.empty() && line[0] == '#') {
        if (text.empty() && line.rfind("# Source:", 0) != 0) continue;
        text += line.substr(1) + " ";
    }
    return text;
}

bool NamesSource(const std::string& header) {
    std::istringstream in(header);
    static const std::regex document(
        R"(\b(19|20)\d\d\b|derived by hand|worked out by hand|golden list|system description)");
    return std::regex_search(SourceText(in), document);
}

TEST(DataFiles, EveryFileNamesItsSource) {
    int files = 0;
    for (const auto& entry : std::filesystem::directory_iterator(VARNEXA_TEST_DATA_DIR)) {
        if (!entry.is_regular_file()) continue;
        ++files;
        std::ifstream in(entry.path());
        std::stringstream text;
        text << in.rdbuf();
        EXPECT_TRUE(NamesSource(text.str()))
            << entry.path().filename() << " names no source in its leading comment block";
    }
    EXPECT_GT(files, 40);
}

TEST(DataFiles, HeadersWithoutADocumentAreRejected) {
    EXPECT_FALSE(NamesSource("# Documented values of the model.\nroutine\tvalue\n"));
    EXPECT_FALSE(NamesSource("# Source: documented values.\nroutine\tvalue\n"));
    EXPECT_FALSE(NamesSource("routine\tvalue\n# Source: Span and Wagner (1996)\n"));
    EXPECT_TRUE(NamesSource("# Values at 0 °C.\n# Source: Span and Wagner,\n# JPCRD 25 (1996).\n"));
    EXPECT_TRUE(NamesSource("# Source: derived by hand: 5/2 R.\n"));
}

}  // namespace
