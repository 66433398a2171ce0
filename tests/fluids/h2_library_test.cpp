// The three hydrogen libraries: registration order with the compressibility factor, each library
// answering from its own form, range checks, and the sweep over every function.
#include <gtest/gtest.h>

#include "KXSweep.h"
#include "KX_H2_FE_Lib.h"
#include "gases_test_support.h"

namespace {

const std::set<std::string> AbsentFromHydrogen = {"STT", "TCPT", "DVPT", "KVPT", "PrPT"};

TEST(HydrogenLibraries, RegisterTheFunctionsInCatalogueOrder) {
    gasestest::CheckEntriesOrder(KX_H2_FE_Entries(), AbsentFromHydrogen, true, {"DVPT", "KVPT", "TCPT", "PrPT", "STT"});
    gasestest::CheckEntriesOrder(KX_H2o_FE_Entries(), AbsentFromHydrogen, true);
    gasestest::CheckEntriesOrder(KX_H2p_FE_Entries(), AbsentFromHydrogen, true, {"DVPT", "KVPT", "TCPT", "PrPT", "STT"});
    EXPECT_STREQ(KX_H2_FE_Entries()[30].ShortName, "ZPT");
}

TEST(HydrogenLibraries, EachAnswersFromItsOwnForm) {
    gasestest::CheckLibraryTable("h2_library_checks.tsv", {{"KX_H2_FE", KX_H2_FE_Entries()},
                                                           {"KX_H2o_FE", KX_H2o_FE_Entries()},
                                                           {"KX_H2p_FE", KX_H2p_FE_Entries()}});
}

TEST(HydrogenLibraries, SweepKeepsTheContract) {
    kxsweep::SweepLibrary("KX_H2_FE", KX_H2_FE_Entries());
    kxsweep::SweepLibrary("KX_H2o_FE", KX_H2o_FE_Entries());
    kxsweep::SweepLibrary("KX_H2p_FE", KX_H2p_FE_Entries());
}

}  // namespace
