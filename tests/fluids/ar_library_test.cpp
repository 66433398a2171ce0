// The argon library: registration order, range checks, constants, and the sweep over every
// function.
#include <gtest/gtest.h>

#include "KXSweep.h"
#include "KX_Ar_FE_Lib.h"
#include "gases_test_support.h"

namespace {

TEST(ArgonLibrary, RegistersTheFunctionsInCatalogueOrder) {
    gasestest::CheckEntriesOrder(KX_Ar_FE_Entries(), {"STT", "TCPT", "DVPT", "KVPT", "PrPT"},
                                 false, {"DVPT", "KVPT", "TCPT", "PrPT", "STT"});
}

TEST(ArgonLibrary, RangeChecksAndConstants) {
    gasestest::CheckLibraryTable("ar_library_checks.tsv", {{"KX_Ar_FE", KX_Ar_FE_Entries()}});
}

TEST(ArgonLibrary, SweepKeepsTheContract) {
    kxsweep::SweepLibrary("KX_Ar_FE", KX_Ar_FE_Entries());
}

}  // namespace
