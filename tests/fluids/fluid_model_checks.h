#pragma once
// Checks shared by the tests of carbon dioxide and the five refrigerants: documented values read
// from tests/data by routine name, the saturation state's phase equilibrium, the round trips of
// the flashes and the saturation functions.
#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "HelmholzFluidObject.h"
#include "fluid_test_support.h"

namespace fluidchecks {

using fluidtest::CheckFlashRoundTrips;
using fluidtest::TState;

// A routine of the fluid by the name the reference tables use (see fluidtest::SharedRoutines).
inline double Evaluate(const THelmholzFluid& f, const std::string& routine, double x1, double x2,
                       int32_t& code) {
    const fluidtest::TRoutines routines = fluidtest::SharedRoutines();
    const auto it = routines.find(routine);
    code = 0;
    if (it == routines.end()) {
        ADD_FAILURE() << "unknown routine " << routine;
        return 0.0;
    }
    std::string text;
    return it->second(f, x1, x2, text, code);
}

// Every row of a table with the columns routine, x1, x2, value, tolerance; routines not shared by
// all fluids come from extra.
inline void CheckReferenceTable(const THelmholzFluid& f, const std::string& fileName,
                                const fluidtest::TRoutines& extra = {}) {
    fluidtest::CheckReferenceTable(
        fileName, [&f](const fluidtest::TRow&) { return &f; }, extra);
}

// The saturated states have equal pressure and equal Gibbs energy, liquid denser than vapour. The
// density iteration stops at a reduced-pressure residual of 1e-6, a pressure error of up to
// 1e-6 D R T: large against the tiny saturation pressure of a liquid near its triple point.
inline void CheckPhaseEquilibrium(const THelmholzFluid& f,
                                  const std::vector<double>& temperatures) {
    for (double T : temperatures) {
        SCOPED_TRACE("T = " + std::to_string(T));
        std::string text;
        int32_t code = -1;
        double Ps = 0, DL = 0, DV = 0;
        f.Maxwell_Criterion_Ps(T, Ps, DL, DV, text, code);
        ASSERT_EQ(code, 0) << text;
        const double RT = f.R_ * (T + f.dta) / 100.0;
        EXPECT_NEAR(f.PDT(DL, T), Ps, 1e-8 * Ps + 1e-6 * DL * RT);
        EXPECT_NEAR(f.PDT(DV, T), Ps, 1e-8 * Ps + 1e-6 * DV * RT);
        const double gL = f.HDT(DL, T) - (T + f.dta) * f.SDT(DL, T);
        const double gV = f.HDT(DV, T) - (T + f.dta) * f.SDT(DV, T);
        EXPECT_NEAR(gL, gV, 1e-7 * (std::fabs(f.HDT(DV, T)) + 1.0));
        EXPECT_GT(DL, DV);
    }
}

// TsatP(PsatT(T)) gives T back within 1e-5 K.
inline void CheckSaturationRoundTrips(const THelmholzFluid& f,
                                      const std::vector<double>& temperatures) {
    for (double T : temperatures) {
        SCOPED_TRACE("T = " + std::to_string(T));
        std::string text;
        int32_t code = -1;
        const double P = f.PsatT(T, text, code);
        ASSERT_EQ(code, 0) << text;
        EXPECT_NEAR(f.TsatP(P, text, code), T, 1e-5);
        EXPECT_EQ(code, 0) << text;
    }
}

}  // namespace fluidchecks
