// The libraries appended after the first fourteen go through the sweep of every function with
// arguments in and out of range, infinities and NaN included (the first fourteen have theirs in
// their own tests): no crash, a finite value with code 0, a text of the contract's form otherwise.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "KXSweep.h"
#include "KX_Library_Descriptions.h"

namespace {

constexpr std::size_t FirstReleaseLibraries = 14;

std::vector<std::string> AppendedLibraries() {
    std::vector<std::string> names;
    const auto all = KXLibraryDescriptions();
    for (std::size_t i = FirstReleaseLibraries; i < all.size(); ++i) names.push_back(all[i].Name);
    return names;
}

class LibrarySweep : public testing::TestWithParam<std::string> {};

TEST_P(LibrarySweep, EveryFunctionKeepsTheContract) {
    for (const TKXLibraryDescription& d : KXLibraryDescriptions())
        if (GetParam() == d.Name) return kxsweep::SweepLibrary(d.Name, d.Entries());
    FAIL() << "no library " << GetParam();
}

INSTANTIATE_TEST_SUITE_P(Appended, LibrarySweep, testing::ValuesIn(AppendedLibraries()),
                         [](const auto& info) { return info.param; });

}  // namespace
