// The three hydrogen libraries: each library answering from its own form, range checks, and the
// sweep over every function (their function lists: golden lists in tests/libraries).
#include <gtest/gtest.h>

#include "KXSweep.h"
#include "KX_H2_FE_Lib.h"
#include "gases_test_support.h"

namespace {

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
