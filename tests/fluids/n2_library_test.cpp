// The nitrogen library: registration order, range checks, transport limits, the placeholder, and
// the sweep over every function.
#include <gtest/gtest.h>

#include "KXSweep.h"
#include "KX_N2_FE_Lib.h"
#include "gases_test_support.h"

namespace {

TEST(NitrogenLibrary, RegistersTheFunctionsInCatalogueOrder) {
    gasestest::CheckEntriesOrder(KX_N2_FE_Entries(), {"STT"}, false, {"STT"});
}

TEST(NitrogenLibrary, RangeChecksTransportLimitsAndConstants) {
    gasestest::CheckLibraryTable("n2_library_checks.tsv", {{"KX_N2_FE", KX_N2_FE_Entries()}});
}

TEST(NitrogenLibrary, SweepKeepsTheContract) {
    kxsweep::SweepLibrary("KX_N2_FE", KX_N2_FE_Entries());
}

}  // namespace
