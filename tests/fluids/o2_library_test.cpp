// The oxygen library: range checks, constants, and the sweep over every function.
#include <gtest/gtest.h>

#include "KXSweep.h"
#include "KX_O2_FE_Lib.h"
#include "gases_test_support.h"

namespace {

TEST(OxygenLibrary, RangeChecksAndConstants) {
    gasestest::CheckLibraryTable("o2_library_checks.tsv", {{"KX_O2_FE", KX_O2_FE_Entries()}});
}

TEST(OxygenLibrary, SweepKeepsTheContract) {
    kxsweep::SweepLibrary("KX_O2_FE", KX_O2_FE_Entries());
}

}  // namespace
