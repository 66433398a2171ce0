// What only the R123 model has; the checks it shares with the other refrigerants are in
// refrigerant_model_test.cpp.
#include <gtest/gtest.h>

#include <cfenv>
#include <cmath>
#include <string>

#include "KX_R123_FE_Lib.h"
#include "KX_R123_FE_Lib_Root.h"
#include "fluid_model_checks.h"

namespace {

const TR123_FE& Fluid() {
    static const TR123_FE fluid;
    return fluid;
}

// The residual part at the densest states it is used for: the isochore of Dmax reproduces the
// pressure at the temperature found for it.
TEST(R123Model, DmaxIsochoreTemperatureReproducesThePressure) {
    const TR123_FE& f = Fluid();
    for (double P : {32.112497, 50.0, 100.0, 200.0, 400.0}) {
        SCOPED_TRACE(P);
        const double T = f.Tmin_Dmax(P, 0);
        ASSERT_NE(T, 0.0);
        EXPECT_NEAR(f.PDT(f.Dmax, T), P, 1e-6 * P);
    }
}

// No temperature is found for a pressure of zero or NaN: 0 is returned, and the fault inside the
// search leaves no floating-point flag behind for the caller's guard.
TEST(R123Model, DmaxIsochoreSearchFailsQuietly) {
    for (double P : {0.0, std::nan("")}) {
        SCOPED_TRACE(P);
        std::feclearexcept(FE_ALL_EXCEPT);
        EXPECT_EQ(Fluid().Tmin_Dmax(P, 0), 0.0);
        EXPECT_FALSE(std::fetestexcept(FE_DIVBYZERO | FE_INVALID | FE_OVERFLOW));
    }
}

// Above Pmax_Dmax the pressure-enthalpy flash starts at the Dmax isochore: an enthalpy below the
// one there is out of range, one above it is found.
TEST(R123Model, HighPressureFlashStartsOnTheDmaxIsochore) {
    const TR123_FE& f = Fluid();
    const double P = 300.0;
    const double Tlow = f.Tmin_Dmax(P, 0);
    const double Hlow = f.HDT(f.Dmax, Tlow);
    std::string text;
    int32_t code = -1;
    f.TPH(P, Hlow - 0.5, text, code);
    EXPECT_EQ(code, 8) << text;
    const double T = f.TPH(P, Hlow + 5.0, text, code);
    EXPECT_EQ(code, 0) << text;
    EXPECT_GT(T, Tlow);
    EXPECT_NEAR(f.HPT(P, T, text, code), Hlow + 5.0, 1e-4);
}

}  // namespace
