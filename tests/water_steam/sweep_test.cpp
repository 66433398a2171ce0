// Every water and steam library function over arguments in and out of range, infinities and NaN
// included: no crash, no hang, code 0 only with a finite value, failures only in the error-text
// form.
#include <gtest/gtest.h>

#include "KXSweep.h"
#include "KX_WS_IF97_Lib.h"

TEST(WaterSteamSweep, EveryFunctionKeepsTheLibraryContract) {
    kxsweep::SweepLibrary("KX_WS_IF97", KX_WS_IF97_Entries());
}

// Arguments just around the limits and the region boundaries, where fits and switches meet.
TEST(WaterSteamSweep, AroundTheLimitsAndBoundaries) {
    const std::vector<double> values = {
        0.00611212, 0.00611213, 0.0061122, 0.01,    0.0100001, 1.01325, 39.99,  40.0,
        40.01,      99.999,     100.0,     165.29,  165.2916,  165.3,   220.63, 220.64,
        220.641,    349.99,     350.0,     350.01,  373.94,    373.946, 373.95, 799.99,
        800.0,      800.01,     999.99,    1999.99, 3000.0,    4000.0};
    kxsweep::SweepLibrary("KX_WS_IF97", KX_WS_IF97_Entries(), values);
}
