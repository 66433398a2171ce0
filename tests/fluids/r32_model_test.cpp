// What only the R32 model has; the checks it shares with the other refrigerants are in
// refrigerant_model_test.cpp.
#include <gtest/gtest.h>

#include <cfenv>
#include <cmath>
#include <string>

#include "KX_R32_FE_Lib.h"
#include "KX_R32_FE_Lib_Root.h"
#include "fluid_model_checks.h"

namespace {

const TR32_FE& Fluid() {
    static const TR32_FE fluid;
    return fluid;
}

// Below -50 °C the ancillary vapour density is the ideal-gas density at the ancillary pressure:
// it differs from the saturated vapour of the equation of state by the vapour's departure from
// the ideal gas, 1 - Z, and by the ancillary pressure's departure from the equation's.
TEST(R32Model, AncillaryVapourDensityBelowMinus50CelsiusIsTheIdealGasOne) {
    const TR32_FE& f = Fluid();
    for (double T : {-136.81, -100.0, -50.000001}) {
        SCOPED_TRACE(T);
        std::string text;
        int32_t code = -1;
        double Ps = 0, DL = 0, DV = 0;
        f.Maxwell_Criterion_Ps(T, Ps, DL, DV, text, code);
        ASSERT_EQ(code, 0) << text;
        const double Z = 100.0 * Ps / (DV * f.R_ * (T + f.dta));
        const double pressureError = std::fabs(f.Pse(T) / Ps - 1.0);
        EXPECT_NEAR(f.dsve(T) / DV, 1.0, (1.0 - Z + pressureError) * (1.0 + 1e-9));
    }
}

// Below -109 °C no state exists at and above the critical pressure.
TEST(R32Model, DensityBelowTheHighPressureMinimumTemperatureIsRejected) {
    std::string text;
    int32_t code = -1;
    EXPECT_EQ(Fluid().DPT(100.0, -110.0, text, code), 0.0);
    EXPECT_EQ(code, 2);
    EXPECT_EQ(text.rfind("KX_R32_FE_DPT;", 0), 0u) << text;
    EXPECT_GT(Fluid().DPT(50.0, -110.0, text, code), 0.0);
    EXPECT_EQ(code, 0) << text;
}

}  // namespace
