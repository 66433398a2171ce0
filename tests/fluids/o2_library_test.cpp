// The oxygen library: registration order, range checks, constants, and the sweep over every
// function.
#include <gtest/gtest.h>

#include "KXSweep.h"
#include "KX_O2_FE_Lib.h"
#include "gases_test_support.h"

namespace {

TEST(OxygenLibrary, RegistersTheFunctionsInCatalogueOrder) {
    gasestest::CheckEntriesOrder(KX_O2_FE_Entries(), {"STT", "TCPT", "KVPT", "PrPT"}, false,
                                 {"KVPT", "TCPT", "PrPT", "STT"});
}

TEST(OxygenLibrary, RangeChecksAndConstants) {
    gasestest::CheckLibraryTable("o2_library_checks.tsv", {{"KX_O2_FE", KX_O2_FE_Entries()}});
}

TEST(OxygenLibrary, SweepKeepsTheContract) {
    kxsweep::SweepLibrary("KX_O2_FE", KX_O2_FE_Entries());
}

}  // namespace
