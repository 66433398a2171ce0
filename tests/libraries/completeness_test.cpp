// Every library of the one list has everything a library of this program must have: its
// information, saturation curves (a Helmholtz fluid other than a blend), a golden `list` file, and
// a reference-data file that names its source. A new fluid that misses one of them fails here, by
// name.
#include <gtest/gtest.h>

#include <cctype>
#include <filesystem>
#include <fstream>
#include <string>

#include "KX_Library_Descriptions.h"
#include "SaturationCurves.h"

namespace {

namespace fs = std::filesystem;
const fs::path DataDir = VARNEXA_TEST_DATA_DIR;

std::string Lower(std::string s) {
    for (char& c : s) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return s;
}

// "KX_R152a_FE" -> "r152a", "KX_WS_IF97" -> "if97": the stem of the fluid's data files.
std::string Stem(const std::string& library) {
    std::string s = library.substr(3);  // after "KX_"
    if (s.size() > 3 && s.compare(s.size() - 3, 3, "_FE") == 0) s.resize(s.size() - 3);
    if (s.rfind("WS_", 0) == 0) s = s.substr(3);
    return Lower(s);
}

// A data file with a "# Source:" header that is this library's: named by its stem, or naming
// the library in its rows.
bool HasSourcedReferenceData(const std::string& library) {
    for (const auto& entry : fs::directory_iterator(DataDir)) {
        const std::string name = entry.path().filename().string();
        if (entry.path().extension() != ".tsv" || name.rfind("golden_list_", 0) == 0) continue;
        std::ifstream in(entry.path());
        const std::string text((std::istreambuf_iterator<char>(in)), {});
        if (text.rfind("# Source:", 0) != 0) continue;
        if (name.rfind(Stem(library) + "_", 0) == 0 || text.find(library) != std::string::npos)
            return true;
    }
    return false;
}

TEST(Completeness, EveryLibraryHasWhatALibraryNeeds) {
    ASSERT_FALSE(KXLibraryDescriptions().empty());
    for (const TKXLibraryDescription& d : KXLibraryDescriptions()) {
        SCOPED_TRACE(d.Name);
        EXPECT_FALSE(d.Entries().empty());
        const TKXLibraryInfo info = d.Info();
        for (const auto& [key, value] : info.Rows()) {
            // Humid air offers the explorer no input pairs of a fluid, nor does a library whose
            // functions take a composition.
            const bool optional = key == "ashrae" || key == "cas" || key == "transport" ||
                                  key == "surface_tension" || key == "function_notes" ||
                                  (key == "input_pairs" && (info.Kind == TKXLibraryKind::HumidAir ||
                                                            info.CompositionArgument));
            if (!optional) {
                EXPECT_FALSE(value.empty()) << "information row " << key;
            }
        }
        // A pseudo-pure blend's saturation is its bubble and dew ancillaries, never curves
        // fitted to its equation's phase equilibrium, which means nothing for a mixture.
        if (d.Fluid && info.Kind == TKXLibraryKind::Blend) {
            EXPECT_EQ(FindSaturationCurve(d.Name), nullptr) << "saturation curves of a blend";
        } else if (d.Fluid) {
            EXPECT_NE(FindSaturationCurve(d.Name), nullptr) << "saturation curves";
        }
        EXPECT_TRUE(fs::exists(DataDir / ("golden_list_" + std::string(d.Name) + ".tsv")))
            << "golden list file";
        EXPECT_TRUE(HasSourcedReferenceData(d.Name)) << "reference data naming its source";
    }
}

}  // namespace
