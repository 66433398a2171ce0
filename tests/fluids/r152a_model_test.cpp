// What only the R152a model has; the checks it shares with the other refrigerants are in
// refrigerant_model_test.cpp.
#include <gtest/gtest.h>

#include <cfenv>
#include <cmath>
#include <string>

#include "KX_R152a_FE_Lib.h"
#include "KX_R152a_FE_Lib_Root.h"
#include "fluid_model_checks.h"

namespace {

const TR152a_FE& Fluid() {
    static const TR152a_FE fluid;
    return fluid;
}

// The saturation temperature uses the logarithmic equation up to 44 bar and a quadratic above:
// both are near the saturation temperature of the equation of state there, and they meet with a
// visible step.
TEST(R152aModel, AncillaryTemperatureSwitchesAbove44Bar) {
    const TR152a_FE& f = Fluid();
    std::string text;
    int32_t code = -1;
    const double Ts = f.TsatP(44.0, text, code);
    ASSERT_EQ(code, 0) << text;
    EXPECT_NEAR(f.tse(44.0), Ts, 1.0);
    EXPECT_NEAR(f.tse(44.0 + 1e-9), Ts, 1.0);
    EXPECT_GT(std::fabs(f.tse(44.0) - f.tse(44.0 + 1e-9)), 1e-3);
}

}  // namespace
